#pragma once

#include "contracts/BBBulletin.h"
#include "objc/NSObject.h"

namespace orblib {

// What a notification's default action opens; the address may be missing.
class OBBulletinAction : public NSObject, public contracts::BBAction {
    OBJC_CLASS(OBBulletinAction, NSObject)
public:
    explicit OBBulletinAction(std::optional<std::string> launchURL)
        : m_launchURL(std::move(launchURL))
    { }

    std::optional<std::string> launchURL() override { return m_launchURL; }

private:
    std::optional<std::string> m_launchURL;
};

// The system's record of one notification, as the support library hands it on.
class OBBulletin : public NSObject, public contracts::BBBulletin {
    OBJC_CLASS(OBBulletin, NSObject)
public:
    OBBulletin(std::optional<std::string> subtitle, std::optional<std::string> launchURL)
        : m_subtitle(std::move(subtitle))
        , m_defaultAction(std::make_shared<OBBulletinAction>(std::move(launchURL)))
    { }

    std::optional<std::string> subtitle() override { return m_subtitle; }
    std::shared_ptr<contracts::BBAction> defaultAction() override { return m_defaultAction; }

private:
    std::optional<std::string> m_subtitle;
    std::shared_ptr<OBBulletinAction> m_defaultAction;
};

} // namespace orblib
