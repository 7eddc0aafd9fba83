#include "LMKalendoMissiva/LMTableReloadRequest.h"

#include "objc/ProcessLocal.h"

namespace {

objc::ProcessLocal<std::function<void()>> s_reloader;

} // namespace

void LMTableReloadRequest::setReloader(std::function<void()> reloader)
{
    s_reloader = std::move(reloader);
}

void LMTableReloadRequest::forceReloadTableViewData()
{
    if (auto& reloader = s_reloader.get())
        reloader();
}
