#include "orblib/DeviceModel.h"

#include <atomic>

namespace orblib {
namespace {

std::atomic<int> s_versionCode { 8 };
std::atomic<int> s_sizeCode { 3 };

} // namespace

int DeviceModel::versionCode()
{
    return s_versionCode.load();
}

int DeviceModel::sizeCode()
{
    return s_sizeCode.load();
}

void DeviceModel::set(int versionCode, int sizeCode)
{
    s_versionCode.store(versionCode);
    s_sizeCode.store(sizeCode);
}

} // namespace orblib
