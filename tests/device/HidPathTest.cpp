#include "device/HidMatching.h"
#include "device/HidPathInfo.h"
#include "device/KeyboardIdentity.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>

namespace kb {
namespace {

struct ParseCase {
    const char* path;
    std::optional<HidPathInfo> expected;
};

class ParseHidPath : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseHidPath, YieldsTheParts)
{
    EXPECT_EQ(parseHidPath(GetParam().path), GetParam().expected) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ParseHidPath,
    testing::Values(
        ParseCase{R"(\\?\hid#vid_1209&pid_0001&mi_03#7&1a2b3c&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030})",
                  HidPathInfo{0x1209, 0x0001, -1, 3, -1}},
        ParseCase{R"(\\?\hid#vid_046d&pid_c52b&rev_1201&mi_02&col03#x)", HidPathInfo{0x046d, 0xc52b, 1, 2, 3}},
        // Only the last character of the interface, revision and collection parts counts.
        ParseCase{"hid#vid_1209&pid_0001&mi_13&col1a", HidPathInfo{0x1209, 0x0001, -1, 3, 0xa}},
        ParseCase{"hid#vid_1209&pid_0001&rev_00fe", HidPathInfo{0x1209, 0x0001, 0xe, -1, -1}},
        // Hex conversion stops at the first non-hex character; none at all gives 0.
        ParseCase{"hid#vid_12g9&pid_zzzz&mi_0x", HidPathInfo{0x12, 0, -1, 0, -1}},
        // A revision part that is too short is no revision part, and ends the match.
        ParseCase{"hid#vid_1209&pid_0001&rev_010&mi_03", HidPathInfo{0x1209, 0x0001, -1, -1, -1}},
        // Not anchored: the pattern may sit anywhere; the Linux form carries the node.
        ParseCase{R"(\\?\hid#vid_1209&pid_0001&mi_03#/dev/hidraw4)", HidPathInfo{0x1209, 0x0001, -1, 3, -1}},
        ParseCase{"prefix hid#vid_1209&pid_0001", HidPathInfo{0x1209, 0x0001, -1, -1, -1}},
        // Case-sensitive, and vendor and product are required.
        ParseCase{R"(\\?\HID#VID_1209&PID_0001&MI_03)", std::nullopt},
        ParseCase{"hid#vid_1209&mi_03", std::nullopt},
        ParseCase{R"(\\?\usb#vid_1209&pid_0001)", std::nullopt},
        ParseCase{"hid#vid_12&pid_0001", std::nullopt},
        ParseCase{"", std::nullopt}));

struct MatchCase {
    const char* path;
    bool enumeration;  // findHidInterfaces takes it
    bool notification; // arrival and removal take it
};

class MatchingRules : public testing::TestWithParam<MatchCase> {};

TEST_P(MatchingRules, DecideByIdentityInterfaceAndCollection)
{
    const std::array<std::int32_t, 1> products{kKeyboardProductId};
    const auto info = parseHidPath(GetParam().path);
    const bool enumeration = info && isKeyboardInterface(*info, products);
    const bool notification = info && isKeyboardNotification(*info);
    EXPECT_EQ(enumeration, GetParam().enumeration) << GetParam().path;
    EXPECT_EQ(notification, GetParam().notification) << GetParam().path;
}

INSTANTIATE_TEST_SUITE_P(
    Paths, MatchingRules,
    testing::Values(MatchCase{"hid#vid_1209&pid_0001&mi_03#a", true, true},
                    // A collection part: enumeration does not look, notifications ignore it.
                    MatchCase{"hid#vid_1209&pid_0001&mi_03&col01#a", true, false},
                    // No interface part: only the notification rule accepts it.
                    MatchCase{"hid#vid_1209&pid_0001#a", false, true},
                    MatchCase{"hid#vid_1209&pid_0001&col01#a", false, false},
                    MatchCase{"hid#vid_1209&pid_0001&mi_00#a", false, false},
                    MatchCase{"hid#vid_1209&pid_0001&rev_0100&mi_03#a", true, true},
                    MatchCase{"hid#vid_1208&pid_0001&mi_03#a", false, false},
                    MatchCase{"hid#vid_1209&pid_0002&mi_03#a", false, false},
                    MatchCase{"usb#vid_1209&pid_0001&mi_03#a", false, false}));

TEST(EnumerationRule, AcceptsAnyListedProductAndNothingForAnEmptyList)
{
    const auto info = *parseHidPath("hid#vid_1209&pid_0002&mi_03");
    const std::array<std::int32_t, 2> products{0x0001, 0x0002};
    EXPECT_TRUE(isKeyboardInterface(info, products));
    EXPECT_FALSE(isKeyboardInterface(info, {}));
}

} // namespace
} // namespace kb
