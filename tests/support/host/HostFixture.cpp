#include "support/host/HostFixture.h"

#include "hooks/LumoraLibrary.h"

HostFixture::HostFixture(springboard::Device device)
    : m_host(std::make_unique<springboard::SpringBoard>(std::move(device)))
{
    m_host->loadLibrary(lumora::initialisers());
    m_host->buildWindows();
}
