#include <filesystem>

#include <gtest/gtest.h>
#include <unistd.h>

#include "files/FileLocations.h"
#include "files/TempFolder.h"

namespace kb {
namespace {

namespace fs = std::filesystem;

TEST(FileLocations, AWritableApplicationFolderHoldsBothFiles) {
    test::TempFolder app;
    test::TempFolder user;
    user.write("config.xml", "<local/>");
    const FileLocations files = locateFiles(app.path(), user.path());
    EXPECT_EQ(files.config, app / "config.xml");
    EXPECT_EQ(files.macro, app / "macro.xml");
}

TEST(FileLocations, AReadOnlyInstallKeepsMacrosInTheUserFolder) {
    const fs::path readOnly = "/proc/self"; // not writable, also for root
    ASSERT_NE(::access(readOnly.c_str(), W_OK), 0);
    test::TempFolder user;
    const fs::path userFolder = user / "kbconf";
    FileLocations files = locateFiles(readOnly, userFolder);
    EXPECT_EQ(files.config, readOnly / "config.xml") << "the shipped file without an override";
    EXPECT_EQ(files.macro, userFolder / "macro.xml");

    fs::create_directory(userFolder);
    user.write("kbconf/config.xml", "<local/>");
    files = locateFiles(readOnly, userFolder);
    EXPECT_EQ(files.config, userFolder / "config.xml");
}

TEST(FileLocations, UserFolderFollowsXdgConfigHome) {
    EXPECT_EQ(userConfigFolder("/x/conf", "/home/u"), fs::path("/x/conf/kbconf"));
    EXPECT_EQ(userConfigFolder("", "/home/u"), fs::path("/home/u/.config/kbconf"));
    EXPECT_EQ(userConfigFolder("relative", "/home/u"), fs::path("/home/u/.config/kbconf"));
}

} // namespace
} // namespace kb
