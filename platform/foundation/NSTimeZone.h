#pragma once

#include "objc/NSObject.h"

#include <memory>
#include <string>

// A time zone, known by its IANA name ("Europe/Paris", "UTC").
class NSTimeZone : public NSObject {
    OBJC_CLASS(NSTimeZone, NSObject)
public:
    // Nothing for a name the time zone database does not know.
    static std::shared_ptr<NSTimeZone> timeZoneWithName(const std::string& name);

    // The device's time zone, "UTC" until the device is set up otherwise. Setting nothing
    // keeps the current one.
    static std::shared_ptr<NSTimeZone> defaultTimeZone();
    static void setDefaultTimeZone(std::shared_ptr<NSTimeZone>);

    const std::string& name() const { return m_name; }

    // not implemented: offsets, abbreviations, daylight-saving queries

private:
    explicit NSTimeZone(std::string name)
        : m_name(std::move(name))
    { }

    std::string m_name;
};
