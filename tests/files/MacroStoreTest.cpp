#include <filesystem>
#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "files/MacroStore.h"
#include "files/TempFolder.h"
#include "files/XmlFile.h"
#include "state/ShapeDispatcher.h"

namespace kb {
namespace {

namespace fs = std::filesystem;

constexpr const char* kTwoGroups = R"(<?xml version="1.0"?>
<record page="2" gpsel="1" dlmode="1" period="50" playmode="3">
  <group id="0" repeat="1" name="Group 0">
    <item name="A" code="30" delay="50" state="1"/>
    <item name="A" code="30" delay="0" state="0"/>
  </group>
  <group id="1" repeat="2" name="Copy &amp; paste"><item name="CtrlLeft" code="29" delay="10" state="1"/></group>
</record>
)";

void waitIdle() { ShapeDispatcher::instance().waitIdle(); }

MacroRecordGroup makeGroup(std::int32_t id, std::string name,
                           std::initializer_list<MacroRecordGpItem> items) {
    MacroRecordGroup group;
    group.setId(id);
    group.setName(std::move(name));
    group.setItems(MacroRecordGroup::Items(items));
    return group;
}

class MacroStoreTest : public ::testing::Test {
  protected:
    void TearDown() override { waitIdle(); }

    // What the file must hold after a save of these values.
    static std::string expectedText(MacroStore::SettingsValue& settings, MacroStore::GroupList& groups) {
        return writeMacroDocument(macroFileContents(settings.selected(), *groups.container()));
    }

    MacroFileContents readMacroFile() const {
        pugi::xml_document document;
        EXPECT_TRUE(loadXmlFile(file, document).ok());
        return readMacroDocument(document);
    }

    test::TempFolder folder;
    fs::path file = folder / "macro.xml";
};

TEST_F(MacroStoreTest, NoFileGivesZeroSettingsAndNoGroupsAndWritesNothing) {
    MacroStore store(file);
    waitIdle();
    EXPECT_EQ(store.loadResult().status, FileStatus::Missing);
    EXPECT_EQ(store.contents(), MacroFileContents{});
    EXPECT_EQ(store.groups().count(), 1u) << "one empty list";
    EXPECT_FALSE(fs::exists(file));
}

TEST_F(MacroStoreTest, LoadFillsTheValuesWithoutSavingAndLaterPeersCopyThem) {
    folder.write("macro.xml", kTwoGroups);
    MacroStore store(file);
    ASSERT_TRUE(store.loadResult().ok()) << store.loadResult().detail;
    const MacroFileContents contents = store.contents();
    EXPECT_EQ(contents.settings, (MacroRecordParam{2, 1, 0, 0, 0, 0, 1, 50, 3}));
    ASSERT_EQ(contents.groups.size(), 2u);
    EXPECT_EQ(contents.groups[1].info, (MacroRecordGpInfo{1, 2, "Copy & paste"}));
    EXPECT_EQ(contents.groups[0].items[0], (MacroRecordGpItem{30, 1, 50, "A"}));

    MacroStore::SettingsValue panelSettings;
    MacroStore::GroupList panelGroups;
    EXPECT_EQ(panelSettings.selected(), contents.settings);
    EXPECT_EQ(macroFileContents(panelSettings.selected(), *panelGroups.container()), contents);
    waitIdle();
    EXPECT_EQ(folder.read("macro.xml"), kTwoGroups) << "loading must not save";
}

TEST_F(MacroStoreTest, EveryKindOfChangeFromAPeerRewritesTheFile) {
    folder.write("macro.xml", kTwoGroups);
    MacroStore store(file);
    MacroStore::SettingsValue dialogSettings;
    MacroStore::GroupList dialogGroups;

    const struct {
        const char* what;
        std::function<void()> change;
    } changes[] = {
        {"a setting", [&] {
             MacroRecordParam settings = dialogSettings.selected();
             settings.dlmode = 2;
             dialogSettings.writeValue(settings, 0, false, false);
         }},
        {"a group added", [&] {
             dialogGroups.pushBack(makeGroup(2, "new", {{0x11D, 1, 0, "CtrlRight"}, {-1, -2, -3, "odd"}}));
         }},
        {"a group moved", [&] { dialogGroups.moveUp(2); }},
        {"an item edited in place", [&] {
             std::list<MacroRecordGroup> groups = *dialogGroups.container();
             MacroRecordGroup::Items items = groups.front().items();
             items.front().delay = 75;
             groups.front().setItems(items);
             dialogGroups.writeItem(&groups, 0, false, false);
         }},
        {"a group renamed in place, then the list published to the peers", [&] {
             dialogGroups.itemAt(0).setName("renamed & <kept>");
             dialogGroups.publishPeers(0, false);
         }},
        {"a group erased", [&] { dialogGroups.eraseAt(0); }},
        {"a forced publication without change", [&] { dialogSettings.publishPeers(0, true); }},
        {"the selection of groups published with the own hook", [&] { dialogGroups.publishAll(0, true); }},
    };
    for (const auto& c : changes) {
        fs::remove(file);
        c.change();
        waitIdle();
        ASSERT_TRUE(fs::exists(file)) << c.what;
        EXPECT_EQ(folder.read("macro.xml"), expectedText(dialogSettings, dialogGroups)) << c.what;
        EXPECT_TRUE(store.lastSaveResult().ok()) << c.what;
    }
    EXPECT_EQ(store.contents().groups.size(), 2u);
}

TEST_F(MacroStoreTest, AnEqualPublicationDoesNotSave) {
    folder.write("macro.xml", kTwoGroups);
    MacroStore store(file);
    MacroStore::SettingsValue dialogSettings;
    dialogSettings.publishPeers(0, false);
    waitIdle();
    EXPECT_EQ(folder.read("macro.xml"), kTwoGroups);
}

TEST_F(MacroStoreTest, NegativeValuesSurviveASaveAndALoad) {
    MacroRecordParam settings;
    settings.gpsel = -1;
    const MacroRecordGroup group = makeGroup(-1, "n", {{-1, -2, -2147483647 - 1, "x"}, {0x1FF, 1, 2147483647, "y"}});
    {
        MacroStore store(file);
        MacroStore::SettingsValue dialogSettings;
        MacroStore::GroupList dialogGroups;
        dialogSettings.writeValue(settings, 0, false, false);
        dialogGroups.pushBack(group);
        waitIdle();
    }
    EXPECT_NE(folder.read("macro.xml").find("code=\"4294967295\""), std::string::npos);
    MacroStore reloaded(file);
    ASSERT_TRUE(reloaded.loadResult().ok());
    EXPECT_EQ(reloaded.contents(), macroFileContents(settings, {group}));
}

TEST_F(MacroStoreTest, AFailedSaveKeepsThePreviousFileAndIsReported) {
    folder.write("macro.xml", kTwoGroups);
    MacroStore store(file);
    MacroStore::GroupList dialogGroups;
    fs::create_directory(folder / "macro.xml.tmp");
    folder.write("macro.xml.tmp/blocker", "");

    dialogGroups.eraseAt(0);
    waitIdle();
    EXPECT_EQ(folder.read("macro.xml"), kTwoGroups);
    EXPECT_EQ(store.lastSaveResult().status, FileStatus::WriteFailed);
    EXPECT_EQ(store.contents().groups.size(), 1u) << "the values in memory keep the change";

    fs::remove_all(folder / "macro.xml.tmp");
    dialogGroups.eraseAt(0);
    waitIdle();
    EXPECT_TRUE(store.lastSaveResult().ok()) << store.lastSaveResult().detail;
    EXPECT_EQ(readMacroFile(), store.contents());
    EXPECT_TRUE(store.contents().groups.empty());
}

TEST_F(MacroStoreTest, AFileThatCouldNotBeLoadedIsKeptAsideBeforeTheFirstSave) {
    const std::string broken = std::string(kTwoGroups).substr(0, 200);
    folder.write("macro.xml", broken);
    MacroStore store(file);
    EXPECT_EQ(store.loadResult().status, FileStatus::Malformed);
    EXPECT_EQ(store.contents(), MacroFileContents{});

    MacroStore::GroupList dialogGroups;
    dialogGroups.pushBack(makeGroup(0, "fresh", {}));
    waitIdle();
    EXPECT_EQ(folder.read("macro.xml.broken"), broken);
    EXPECT_EQ(readMacroFile().groups.size(), 1u);

    dialogGroups.pushBack(makeGroup(1, "second", {}));
    waitIdle();
    EXPECT_EQ(folder.read("macro.xml.broken"), broken) << "only the unloaded file is kept aside";
    EXPECT_EQ(readMacroFile().groups.size(), 2u);
}

TEST_F(MacroStoreTest, AFileKeptAsideEarlierIsNotOverwritten) {
    folder.write("macro.xml.broken", "kept from an earlier run");
    folder.write("macro.xml.broken.1", "kept from the run after");
    folder.write("macro.xml", "<record><group name=\"cut");
    MacroStore store(file);
    MacroStore::GroupList dialogGroups;
    dialogGroups.pushBack(makeGroup(0, "fresh", {}));
    waitIdle();
    EXPECT_TRUE(store.lastSaveResult().ok()) << store.lastSaveResult().detail;
    EXPECT_EQ(folder.read("macro.xml.broken"), "kept from an earlier run");
    EXPECT_EQ(folder.read("macro.xml.broken.1"), "kept from the run after");
    EXPECT_EQ(folder.read("macro.xml.broken.2"), "<record><group name=\"cut");
    EXPECT_EQ(readMacroFile().groups.size(), 1u);
}

TEST_F(MacroStoreTest, DestroyingTheStoreWhileChangesAreOnTheirWayIsSafe) {
    for (int round = 0; round < 20; ++round) {
        auto store = std::make_unique<MacroStore>(file);
        MacroStore::SettingsValue dialogSettings;
        MacroStore::GroupList dialogGroups;
        for (int i = 0; i < 5; ++i) {
            dialogGroups.pushBack(makeGroup(i, "g", {{i, 1, 0, "k"}}));
            MacroRecordParam settings;
            settings.period = round * 10 + i;
            dialogSettings.writeValue(settings, 0, false, false);
        }
        if (round % 2) waitIdle(); // let some saves happen, so that a file exists
        store.reset();
        waitIdle();
        EXPECT_FALSE(fs::exists(folder / "macro.xml.tmp"));
    }
    MacroStore last(file);
    EXPECT_TRUE(last.loadResult().ok()) << last.loadResult().detail;
}

} // namespace
} // namespace kb
