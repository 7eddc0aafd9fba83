#include "support/host/HostFixture.h"

#include "objc/LiveObjectRecord.h"
#include "objc/Runtime.h"

#include <gtest/gtest.h>

#include <map>

HostFixture::HostFixture(springboard::Device device, const Preferences& preferences)
{
    // So that a survivor can be named.
    objc::LiveObjectRecord::start();
    writePreferences(preferences);
    m_session = std::make_unique<DeviceSession>(std::move(device));
}

HostFixture::~HostFixture()
{
    endProcess();
}

void HostFixture::writePreferences(const Preferences& preferences) const
{
    DeviceSession::writePreferences(preferences);
}

void HostFixture::endProcess()
{
    // The session's process, unless it has ended already (then end() answers 0).
    auto generation = objc::Runtime::processGeneration();
    auto survivors = m_session->end();
    if (!survivors)
        return;
    std::map<std::string, int> byClass;
    for (auto& name : objc::LiveObjectRecord::classNames(generation))
        ++byClass[name];
    std::string names;
    for (auto& [name, count] : byClass)
        names += " " + name + (count > 1 ? " x" + std::to_string(count) : "");
    ADD_FAILURE() << survivors << " objects of the ended process are still alive:" << names;
}
