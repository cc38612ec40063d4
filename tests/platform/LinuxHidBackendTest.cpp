#include "device/FeatureReport.h"
#include "platform/LinuxHidBackend.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <string>

namespace kb {
namespace {

// Failures of the real backend outside any testbed: each answers false or the invalid
// handle, never a crash.
TEST(LinuxHidBackend, FailuresAreReportedNotHidden)
{
    LinuxHidBackend backend;
    FeatureReport report{};
    EXPECT_EQ(backend.open(R"(\\?\hid#vid_1209&pid_0001&mi_03#/nonexistent/hidraw9)"), kInvalidHidHandle);
    EXPECT_FALSE(backend.close(kInvalidHidHandle));
    EXPECT_FALSE(backend.setFeature(kInvalidHidHandle, report));
    EXPECT_FALSE(backend.getFeature(kInvalidHidHandle, report));

    // A node that is no hidraw device refuses the feature-report ioctls.
    char name[] = "/tmp/kbconf-not-hidraw-XXXXXX";
    const int made = mkstemp(name);
    ASSERT_GE(made, 0);
    ::close(made);
    const HidHandle handle = backend.open(std::string("hid#vid_1209&pid_0001#") + name);
    EXPECT_GE(handle, 0);
    EXPECT_FALSE(backend.setFeature(handle, report));
    EXPECT_FALSE(backend.getFeature(handle, report));
    EXPECT_TRUE(backend.close(handle));
    EXPECT_FALSE(backend.close(handle));
    std::remove(name);
}

} // namespace
} // namespace kb
