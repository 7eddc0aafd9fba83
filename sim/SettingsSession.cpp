#include "SettingsSession.h"

#include "Simulator.h"

#include "preferences/DeviceProcesses.h"
#include "preferences/PSTableCell.h"
#include "preferences/SettingsApplication.h"
#include "session/SettingsLaunch.h"

#include <algorithm>

SettingsSession::SettingsSession(Simulator& simulator)
    : m_simulator(simulator)
{ }

SettingsSession::~SettingsSession() = default;

void SettingsSession::open()
{
    if (!m_application)
        m_application = launchSettingsWithLumora();
    m_application->open();
}

bool SettingsSession::close()
{
    if (!m_application || !m_application->isOpen())
        return false;
    m_application->close();
    return true;
}

bool SettingsSession::back()
{
    return m_application && m_application->isOpen() && m_application->goBack();
}

bool SettingsSession::type(UIView& view, const std::string& text)
{
    for (auto current = objc::retain(&view); current; current = current->superview()) {
        if (auto cell = objc::cast<PSTableCell>(current))
            return cell->isUserInteractionEnabled() && cell->typeText(text);
    }
    return false;
}

void SettingsSession::respring()
{
    m_application.reset();
    m_simulator.respring();
}

void SettingsSession::afterCommand()
{
    auto requests = preferences::DeviceProcesses::takeKillRequests();
    if (std::find(requests.begin(), requests.end(), "SpringBoard") != requests.end())
        respring();
}
