#include "keyboard/DeviceText.h"

#include "keyboard/LocaleGuard.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace kb {
namespace {

using test::LocaleGuard;

template <std::size_t N>
std::string fieldBytes(const char (&field)[N])
{
    return std::string(field, N);
}

TEST(DeviceText, Utf8LocaleCutsOnCharacterBoundaryAndTerminates)
{
    LocaleGuard locale("C.UTF-8");
    ASSERT_TRUE(locale.active());
    char field[8];
    std::memset(field, 'x', sizeof field);

    // 5 ASCII bytes + a 2-byte character + a 3-byte character: the second
    // character would cross the 7-byte limit, so it is left out whole.
    utf8ToDeviceText("abcde\xC3\xA9\xE2\x82\xAC", field, sizeof field);
    EXPECT_EQ(fieldBytes(field), std::string("abcde\xC3\xA9\0", 8));
    EXPECT_EQ(deviceTextToUtf8(field, sizeof field), "abcde\xC3\xA9");

    utf8ToDeviceText("abcdef\xC3\xA9", field, sizeof field);
    EXPECT_EQ(fieldBytes(field), std::string("abcdef\0\0", 8));
}

TEST(DeviceText, MalformedInputIsReplacedNotCopied)
{
    LocaleGuard locale("C.UTF-8");
    ASSERT_TRUE(locale.active());
    char field[8] = {};

    // A stray continuation byte and a truncated sequence in the input.
    utf8ToDeviceText("a\x80" "b\xE2\x82", field, sizeof field);
    EXPECT_EQ(deviceTextToUtf8(field, sizeof field), "a?b??");

    // Raw bytes from the keyboard that are not UTF-8 come back as U+FFFD.
    const char received[4] = {'o', '\xFF', 'k', '\0'};
    EXPECT_EQ(deviceTextToUtf8(received, sizeof received), "o\xEF\xBF\xBDk");
}

TEST(DeviceText, NarrowLocaleStoresUnrepresentableCharactersAsQuestionMarks)
{
    LocaleGuard locale("C");
    char field[8] = {};
    utf8ToDeviceText("\xC3\xA9t\xC3\xA9", field, sizeof field);
    EXPECT_EQ(fieldBytes(field), std::string("?t?\0\0\0\0\0", 8));

    const char received[3] = {'a', '\xE9', 'b'};
    EXPECT_EQ(deviceTextToUtf8(received, sizeof received), "a\xEF\xBF\xBD" "b");
}

TEST(DeviceText, FieldWithoutTerminatorIsReadToItsEnd)
{
    const char full[4] = {'w', 'x', 'y', 'z'};
    EXPECT_EQ(deviceTextToUtf8(full, sizeof full), "wxyz");
}

TEST(DeviceText, EqualityStopsAtTheTerminator)
{
    const char a[6] = {'a', 'b', '\0', 'x', 'y', 'z'};
    const char b[6] = {'a', 'b', '\0', 'q', 'q', 'q'};
    const char c[6] = {'a', 'c', '\0', 'x', 'y', 'z'};
    const char d[6] = {'a', 'b', 'c', 'd', 'e', 'f'};
    const char e[6] = {'a', 'b', 'c', 'd', 'e', 'f'};
    EXPECT_TRUE(deviceTextEqual(a, b, 6));
    EXPECT_FALSE(deviceTextEqual(a, c, 6));
    EXPECT_FALSE(deviceTextEqual(a, d, 6));
    EXPECT_TRUE(deviceTextEqual(d, e, 6));
}

} // namespace
} // namespace kb
