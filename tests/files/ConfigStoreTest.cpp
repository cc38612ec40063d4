#include <gtest/gtest.h>

#include "files/ConfigStore.h"
#include "files/TempFolder.h"
#include "state/ShapeDispatcher.h"

namespace kb {
namespace {

void expectConstructionContents(ConfigStore& store) {
    EXPECT_EQ(store.language(), "");
    EXPECT_EQ(store.usbInfo(), UsbInfo{});
    ASSERT_EQ(store.mediaKeys().count(), 1u);
    EXPECT_EQ(store.mediaKeys().selected(), MacroFuncKey{});
    ASSERT_EQ(store.functionKeys().count(), 1u);
    EXPECT_EQ(store.functionKeys().selected(), MacroCombKey{});
}

TEST(ConfigStore, StartsWithOneEmptyEntryInEachList) {
    ConfigStore store;
    expectConstructionContents(store);
    EXPECT_TRUE(store.languageValue().isPrivate());
    EXPECT_EQ(store.identityValue().channel(), 1);
}

TEST(ConfigStore, AFileThatCannotBeLoadedKeepsTheConstructionContents) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder / "folder.xml");
    const struct {
        std::filesystem::path file;
        FileStatus expected;
    } cases[] = {
        {folder / "absent.xml", FileStatus::Missing},
        {folder.write("cut.xml", R"(<local language="cn"/><funkey><k name="K"/>)"),
         FileStatus::Malformed},
        {folder / "folder.xml", FileStatus::Unreadable},
    };
    for (const auto& c : cases) {
        ConfigStore store;
        const FileResult result = store.load(c.file);
        EXPECT_EQ(result.status, c.expected) << c.file;
        EXPECT_FALSE(result.detail.empty());
        expectConstructionContents(store);
    }
}

TEST(ConfigStore, LoadFillsTheValuesAndLaterPeersCopyTheLists) {
    test::TempFolder folder;
    ConfigStore store;
    const FileResult result = store.load(folder.write("config.xml", R"(
<local language="cn"/>
<usb vid="1209" pid="1" interface="3" subdevice="0"/>
<funkey><k name="Mute" code="226"/><k name="Play" code="205"/><k name="Stop" code="183"/></funkey>
<combkey/>)"));
    ASSERT_TRUE(result.ok()) << result.detail;
    EXPECT_EQ(store.language(), "cn");
    EXPECT_EQ(store.usbInfo(), (UsbInfo{0x1209, 1, 3, 0}));
    ASSERT_EQ(store.mediaKeys().count(), 3u);
    EXPECT_EQ(store.mediaKeys().index(), 0u);
    EXPECT_EQ(store.mediaKeys().data()[2], (MacroFuncKey{"Stop", 183, "", ""}));
    EXPECT_EQ(store.functionKeys().count(), 0u);

    ConfigStore::MediaKeysValue dialogMediaKeys;
    ConfigStore::FunctionKeysValue dialogFunctionKeys;
    EXPECT_TRUE(dialogMediaKeys.equals(store.mediaKeys().data(), 3));
    EXPECT_EQ(dialogFunctionKeys.count(), 0u);
}

TEST(ConfigStore, LoadPublishesNothing) {
    int hookRuns = 0;
    ConfigStore::MediaKeysValue earlierPeer;
    earlierPeer.setHook(nullptr, [&](int, const MacroFuncKey*, int, int, int, int, int) { ++hookRuns; });
    {
        test::TempFolder folder;
        ConfigStore store;
        ASSERT_TRUE(store.load(folder.write("config.xml", R"(<funkey><k name="K"/></funkey>)")).ok());
        ShapeDispatcher::instance().waitIdle();
        EXPECT_EQ(store.mediaKeys().count(), 1u);
        EXPECT_EQ(store.mediaKeys().selected().name, "K");
    }
    EXPECT_EQ(hookRuns, 0);
    EXPECT_EQ(earlierPeer.selected(), MacroFuncKey{});
}

} // namespace
} // namespace kb
