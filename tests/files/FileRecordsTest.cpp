#include "files/ConfigRecords.h"
#include "files/MacroRecords.h"

#include <gtest/gtest.h>

namespace kb {
namespace {

TEST(FileRecords, ValueInitialisedRecordsAreZero)
{
    // Values created without a source are zero-filled this way.
    EXPECT_EQ(UsbInfo{}, (UsbInfo{0, 0, 0, 0}));
    EXPECT_EQ(MacroFuncKey{}, (MacroFuncKey{"", 0, "", ""}));
    EXPECT_EQ(MacroRecordParam{}, (MacroRecordParam{0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(MacroRecordGpInfo{}, (MacroRecordGpInfo{0, 0, ""}));
    EXPECT_EQ(MacroRecordGpItem{}, (MacroRecordGpItem{0, 0, 0, ""}));
    EXPECT_TRUE(MacroCombKey{}.codes.empty());
}

TEST(FileRecords, CombinationsCompareTheirPairsInOrder)
{
    const MacroCombKey copy{"Copy", {{224, 0}, {6, 0}}};
    EXPECT_EQ(copy, (MacroCombKey{"Copy", {{224, 0}, {6, 0}}}));
    EXPECT_NE(copy, (MacroCombKey{"Copy", {{6, 0}, {224, 0}}}));
    EXPECT_NE(copy, (MacroCombKey{"Copy", {{224, 0}, {6, 1}}}));
    EXPECT_NE(copy, (MacroCombKey{"Copy", {{224, 0}}}));
    EXPECT_NE(copy, (MacroCombKey{"copy", {{224, 0}, {6, 0}}}));
}

} // namespace
} // namespace kb
