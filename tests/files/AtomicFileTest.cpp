#include <filesystem>
#include <string>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/AtomicFile.h"
#include "files/TempFolder.h"

namespace kb {
namespace {

namespace fs = std::filesystem;

TEST(AtomicFile, ReplacesTheFileAndLeavesNothingBeside) {
    test::TempFolder folder;
    folder.write("macro.xml", "old contents that are longer than the new ones");
    const FileResult result = replaceFileAtomically(folder / "macro.xml", "new");
    EXPECT_TRUE(result.ok()) << result.detail;
    EXPECT_EQ(folder.read("macro.xml"), "new");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(AtomicFile, CreatesMissingFoldersAndReplacesAStaleTemporaryFile) {
    test::TempFolder folder;
    const fs::path target = folder / "user/kbconf/macro.xml";
    fs::create_directories(target.parent_path());
    folder.write("user/kbconf/macro.xml.tmp", "left by an interrupted save");
    EXPECT_TRUE(replaceFileAtomically(target, "a").ok());
    EXPECT_EQ(folder.read("user/kbconf/macro.xml"), "a");
    EXPECT_FALSE(fs::exists(folder / "user/kbconf/macro.xml.tmp"));

    EXPECT_TRUE(replaceFileAtomically(folder / "new/macro.xml", "b").ok());
    EXPECT_EQ(folder.read("new/macro.xml"), "b");
}

TEST(AtomicFile, KeepsThePermissionsOfTheReplacedFile) {
    test::TempFolder folder;
    const fs::path target = folder.write("macro.xml", "old");
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(replaceFileAtomically(target, "new").ok());
    EXPECT_EQ(fs::status(target).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(AtomicFile, DoesNotFollowALinkPlantedAsTheTemporaryFile) {
    test::TempFolder folder;
    const fs::path victim = folder.write("victim", "untouched");
    fs::create_symlink(victim, folder / "macro.xml.tmp");
    EXPECT_TRUE(replaceFileAtomically(folder / "macro.xml", "new").ok());
    EXPECT_EQ(folder.read("victim"), "untouched");
    EXPECT_EQ(folder.read("macro.xml"), "new");
}

// Each failure must be reported, and must leave the previous file exactly as it was.
TEST(AtomicFile, AFailedSaveKeepsThePreviousFile) {
    test::TempFolder folder;
    const fs::path target = folder.write("macro.xml", "previous");

    fs::create_directory(folder / "macro.xml.tmp");
    folder.write("macro.xml.tmp/keep", "x");
    FileResult result = replaceFileAtomically(target, "new");
    EXPECT_EQ(result.status, FileStatus::WriteFailed);
    EXPECT_NE(result.detail.find("macro.xml.tmp"), std::string::npos) << result.detail;
    EXPECT_EQ(folder.read("macro.xml"), "previous");
    fs::remove_all(folder / "macro.xml.tmp");

    fs::create_directory(folder / "folder.xml");
    folder.write("folder.xml/inside", "x");
    result = replaceFileAtomically(folder / "folder.xml", "new");
    EXPECT_EQ(result.status, FileStatus::WriteFailed) << "rename over a non-empty folder";
    EXPECT_FALSE(fs::exists(folder / "folder.xml.tmp"));
    EXPECT_EQ(folder.read("folder.xml/inside"), "x");

    result = replaceFileAtomically(folder / "macro.xml/below.xml", "new");
    EXPECT_EQ(result.status, FileStatus::WriteFailed) << "a file where the folder should be";
    EXPECT_EQ(folder.read("macro.xml"), "previous");
}

TEST(AtomicFile, AReadOnlyFolderFailsAndKeepsThePreviousFile) {
    if (::geteuid() == 0) GTEST_SKIP() << "folder permissions do not bind root";
    test::TempFolder folder;
    const fs::path target = folder.write("macro.xml", "previous");
    fs::permissions(folder.path(), fs::perms::owner_read | fs::perms::owner_exec);
    const FileResult result = replaceFileAtomically(target, "new");
    fs::permissions(folder.path(), fs::perms::owner_all);
    EXPECT_EQ(result.status, FileStatus::WriteFailed);
    EXPECT_EQ(folder.read("macro.xml"), "previous");
}

} // namespace
} // namespace kb
