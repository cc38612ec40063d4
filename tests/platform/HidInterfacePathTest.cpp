#include "device/KeyboardIdentity.h"
#include "platform/HidInterfacePath.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <regex>
#include <sstream>
#include <string>

namespace kb {
namespace {

struct PathCase {
    const char* devpath;
    const char* devnode;
    std::optional<std::string> expected;
};

class HidInterfacePath : public testing::TestWithParam<PathCase> {};

TEST_P(HidInterfacePath, IsBuiltFromDevpathAndDevnameAlone)
{
    EXPECT_EQ(hidInterfacePath(GetParam().devpath, GetParam().devnode), GetParam().expected) << GetParam().devpath;
}

INSTANTIATE_TEST_SUITE_P(
    Devices, HidInterfacePath,
    testing::Values(
        PathCase{"/devices/pci0000:00/0000:00:14.0/usb1/1-2/1-2:1.3/0003:1209:0001.0004/hidraw/hidraw3",
                 "/dev/hidraw3", R"(\\?\hid#vid_1209&pid_0001&mi_03#/dev/hidraw3)"},
        // Behind a hub; hexadecimal identity in upper case; interface 10 is 0a.
        PathCase{"/devices/pci0000:00/0000:00:14.0/usb3/3-1/3-1.4/3-1.4:1.10/0003:046D:C52B.0011/hidraw/hidraw0",
                 "/dev/hidraw0", R"(\\?\hid#vid_046d&pid_c52b&mi_0a#/dev/hidraw0)"},
        // The device chain of a umockdev testbed.
        PathCase{"/devices/1-1/1-1:1.0/0003:1209:0001.0002/hidraw/hidraw1", "/dev/hidraw1",
                 R"(\\?\hid#vid_1209&pid_0001&mi_00#/dev/hidraw1)"},
        // Not on USB (Bluetooth, uhid): no interface part.
        PathCase{"/devices/virtual/misc/uhid/0005:1209:0001.0005/hidraw/hidraw2", "/dev/hidraw2",
                 R"(\\?\hid#vid_1209&pid_0001#/dev/hidraw2)"},
        PathCase{"/devices/virtual/misc/uhid/hidraw/hidraw2", "/dev/hidraw2", std::nullopt},
        // An interface number no USB interface can have names no interface we can match.
        PathCase{"/devices/1-1/1-1:1.256/0003:1209:0001.0002/hidraw/hidraw1", "/dev/hidraw1", std::nullopt},
        PathCase{"/devices/1-1/1-1:1.99999999999/0003:1209:0001.0002/hidraw/hidraw1", "/dev/hidraw1", std::nullopt},
        PathCase{"/devices/1-1/1-1:1.3/0003:1209:0001.0002/hidraw/hidraw1", "", std::nullopt}));

TEST(HidNodeOfPath, IsWhatFollowsTheLastHash)
{
    EXPECT_EQ(hidNodeOfPath(R"(\\?\hid#vid_1209&pid_0001&mi_03#/dev/hidraw3)"), "/dev/hidraw3");
    EXPECT_EQ(hidNodeOfPath("/dev/hidraw3"), "/dev/hidraw3");
}

// The udev rule grants access to exactly the identity the program looks for.
TEST(UdevRule, NamesTheKeyboardIdentityAndGrantsSeatAccess)
{
    std::ifstream file(KBCONF_UDEV_RULE);
    ASSERT_TRUE(file) << KBCONF_UDEV_RULE;
    std::stringstream text;
    text << file.rdbuf();
    char vendor[8];
    char product[8];
    std::snprintf(vendor, sizeof vendor, "%04x", kKeyboardVendorId);
    std::snprintf(product, sizeof product, "%04x", kKeyboardProductId);
    const std::regex rule(std::string(R"((^|\n)SUBSYSTEM=="hidraw", ATTRS\{idVendor\}==")") + vendor
                          + R"(", ATTRS\{idProduct\}==")" + product + R"(", TAG\+="uaccess"\n)");
    EXPECT_TRUE(std::regex_search(text.str(), rule)) << text.str();
}

} // namespace
} // namespace kb
