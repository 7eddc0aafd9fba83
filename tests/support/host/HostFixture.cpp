#include "support/host/HostFixture.h"

#include <gtest/gtest.h>

HostFixture::HostFixture(springboard::Device device, const Preferences& preferences)
{
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
    if (auto survivors = m_session->end())
        ADD_FAILURE() << survivors << " objects of the ended process are still alive";
}
