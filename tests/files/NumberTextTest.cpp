#include <cstdint>
#include <limits>
#include <string_view>

#include <gtest/gtest.h>

#include "files/NumberText.h"
#include "files/PairList.h"

namespace kb {
namespace {

constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();

struct LongCase {
    std::string_view text;
    int base;
    std::int32_t expected;
};

TEST(NumberText, ReadsLikeWcstolWith32BitLongs) {
    const LongCase cases[] = {
        {"1f", 16, 31},          {"0x1f", 16, 31},         {" 1F", 16, 31},
        {"0X1F", 16, 31},        {"\t-0x10", 16, -16},     {"+a", 16, 10},
        {"zz", 16, 0},           {"", 16, 0},              {"0x", 16, 0},
        {"0xg", 16, 0},          {"1fz9", 16, 31},         {"7fffffff", 16, kMax},
        {"80000000", 16, kMax},  {"-80000000", 16, kMin},  {"-80000001", 16, kMin},
        {"ffffffffffffffffff", 16, kMax},
        {"42", 10, 42},          {"  -17xyz", 10, -17},    {"1f", 10, 1},
        {"0x10", 10, 0},         {"2147483647", 10, kMax}, {"2147483648", 10, kMax},
        {"-2147483648", 10, kMin}, {"-99999999999999", 10, kMin}, {"- 5", 10, 0},
        {"+-5", 10, 0},
    };
    for (const LongCase& c : cases)
        EXPECT_EQ(readLong(c.text, c.base), c.expected) << '"' << c.text << "\" base " << c.base;
}

TEST(NumberText, ReadsLikeWcstoulWith32BitLongs) {
    const struct {
        std::string_view text;
        std::uint32_t expected;
    } cases[] = {
        {"205", 205u},          {" 7abc", 7u},           {"", 0u},
        {"4294967295", 4294967295u}, {"4294967296", 4294967295u},
        {"-1", 4294967295u},    {"-4294967295", 1u},     {"-4294967296", 4294967295u},
        {"99999999999999999999", 4294967295u},
    };
    for (const auto& c : cases) EXPECT_EQ(readULong(c.text, 10), c.expected) << '"' << c.text << '"';
}

TEST(NumberText, WrappedLongGivesBackEveryValueWrittenAsUnsigned) {
    for (std::int32_t value : {0, 1, -1, 50, -50, kMin, kMax, 0x1FF})
        EXPECT_EQ(readWrappedLong(std::to_string(static_cast<std::uint32_t>(value))), value);
    EXPECT_EQ(readWrappedLong("4294967295"), -1);
    EXPECT_EQ(readWrappedLong("-1"), -1);
    EXPECT_EQ(readWrappedLong("abc"), 0);
}

TEST(PairList, FollowsTheCombinationSyntax) {
    using Pairs = std::vector<MacroKeyPair>;
    const struct {
        std::string_view text;
        Pairs expected;
    } cases[] = {
        {"224:0, 4:0", {{224, 0}, {4, 0}}},
        {"7", {{7, 0}}},
        {":7", {{7, 0}}},
        {"1:2,,3", {{1, 2}, {3, 0}}},
        {"1 : 2", {{1, 2}}},
        {",1:2,", {{1, 2}}},
        {"1:2:3", {{1, 2}}},
        {"1::2", {{1, 2}}},
        {"1:2,:,3", {{1, 2}, {3, 0}}},
        {"-5:+6", {{-5, 6}}},
        {"x:y", {{0, 0}}},
        {"12ab:3", {{12, 3}}},
        {"", {}},
        {" , ,", {}},
        {"1\t:\t2", {{1, 2}}},
    };
    for (const auto& c : cases) EXPECT_EQ(readPairList(c.text), c.expected) << '"' << c.text << '"';
}

} // namespace
} // namespace kb
