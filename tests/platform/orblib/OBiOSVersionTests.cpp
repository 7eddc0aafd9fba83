#include "contracts/OBiOSVersion.h"
#include "objc/ClassRef.h"
#include "orblib/DeviceModel.h"
#include "orblib/OrbLib.h"

#include <gtest/gtest.h>

TEST(OBiOSVersion, AnswersTheDeviceModelsCodesThroughTheClassFoundByName)
{
    objc::Runtime::beginProcess();
    orblib::registerClasses();
    static objc::ClassRef versionClass { "OBiOSVersion" };
    EXPECT_EQ(contracts::OBiOSVersion::deviceVersion.toClass(versionClass), 8);
    EXPECT_EQ(contracts::OBiOSVersion::deviceSize.toClass(versionClass), 3);

    struct Case {
        int version, size;
    } cases[] = { { 7, 2 }, { 11, 4 }, { 20, 5 }, { 0, 0 } };
    for (auto [version, size] : cases) {
        orblib::DeviceModel::set(version, size);
        objc::Runtime::beginProcess();
        orblib::registerClasses();
        EXPECT_EQ(contracts::OBiOSVersion::deviceVersion.toClass(versionClass), version);
        EXPECT_EQ(contracts::OBiOSVersion::deviceSize.toClass(versionClass), size);
    }
}
