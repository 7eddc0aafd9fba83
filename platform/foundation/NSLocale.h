#pragma once

#include "objc/NSObject.h"

#include <memory>
#include <string>

// A locale, known by its identifier ("en_US", "fr_FR").
class NSLocale : public NSObject {
    OBJC_CLASS(NSLocale, NSObject)
public:
    explicit NSLocale(std::string identifier)
        : m_identifier(std::move(identifier))
    { }

    static std::shared_ptr<NSLocale> localeWithLocaleIdentifier(std::string identifier);

    // The device's locale, "en_US" until the device is set up otherwise. Setting nothing keeps
    // the current one.
    static std::shared_ptr<NSLocale> currentLocale();
    static void setCurrentLocale(std::shared_ptr<NSLocale>);

    const std::string& localeIdentifier() const { return m_identifier; }

    // not implemented: display names, locale components

private:
    std::string m_identifier;
};
