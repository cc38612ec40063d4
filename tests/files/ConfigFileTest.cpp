#include <string>
#include <string_view>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/ConfigFile.h"
#include "files/XmlFile.h"
#include "files/TempFolder.h"

namespace kb {
namespace {

ConfigContents readFile(const test::TempFolder& folder, std::string_view text) {
    pugi::xml_document document;
    const FileResult loaded = loadXmlFile(folder.write("config.xml", text), document);
    EXPECT_TRUE(loaded.ok()) << loaded.detail;
    return readConfigDocument(document);
}

TEST(ConfigFile, ReadsEveryPartOfTheExample) {
    test::TempFolder folder;
    const ConfigContents contents = readFile(folder, R"(<?xml version="1.0" encoding="utf-8"?>
<local language="cn"/>
<usb vid="0x1209" pid="0001" interface="3" subdevice="0"/>
<funkey>
	<key name="Mute" code="226" path="p" argm="a"/>
	<key name="Volume+" code="233"/>
</funkey>
<combkey>
	<key name="Copy" code="224:0, 6:0"/>
</combkey>
)");
    const ConfigContents expected{
        "cn",
        {0x1209, 1, 3, 0},
        {{"Mute", 226, "p", "a"}, {"Volume+", 233, "", ""}},
        {{"Copy", {{224, 0}, {6, 0}}}},
    };
    EXPECT_EQ(contents, expected);
}

struct ConfigCase {
    const char* what;
    std::string_view text;
    ConfigContents expected;
};

TEST(ConfigFile, EdgeCases) {
    const ConfigCase cases[] = {
        {"language is taken as written", R"(<local language="CN"/>)", {"CN", {}, {}, {}}},
        {"a trailing space stays", R"(<local language="cn "/>)", {"cn ", {}, {}, {}}},
        {"hex forms", R"(<usb vid="1f" pid="0x1f" interface=" 1F" subdevice="zz"/>)",
         {"", {31, 31, 31, 0}, {}, {}}},
        {"missing usb attributes are 0", R"(<usb vid="-0x10"/>)", {"", {-16, 0, 0, 0}, {}, {}}},
        {"media keys without a name are skipped, a missing code is 0",
         R"(<funkey><a code="1"/><b name="" code="2"/><c name="C"/><d name="D" code="-1"/></funkey>)",
         {"", {}, {{"C", 0, "", ""}, {"D", -1, "", ""}}, {}}},
        {"every function key is listed, also without name or code",
         R"(<combkey><x name="X"/><y code="1:2,,3"/></combkey>)",
         {"", {}, {}, {{"X", {}}, {"", {{1, 2}, {3, 0}}}}}},
        {"only top-level elements are found",
         R"(<config><local language="cn"/><usb vid="1"/><funkey><k name="K"/></funkey>)"
         R"(<combkey><k name="K"/></combkey></config>)",
         {"", {}, {}, {}}},
        {"the first element of each name wins",
         R"(<funkey><k name="first"/></funkey><funkey><k name="second"/></funkey>)"
         R"(<local language="cn"/><local language="en"/>)",
         {"cn", {}, {{"first", 0, "", ""}}, {}}},
        {"children in document order whatever their names; text and comments are not children",
         R"(<combkey>text<!-- c --><one name="1"/><![CDATA[x]]><two name="2"/></combkey>)",
         {"", {}, {}, {{"1", {}}, {"2", {}}}}},
        {"an empty list element gives an empty list", R"(<funkey/><combkey/>)", {"", {}, {}, {}}},
        {"entities and UTF-8 text", R"(<funkey><k name="Vol &amp; Mute &#x266B;" path="音量"/></funkey>)",
         {"", {}, {{"Vol & Mute \u266B", 0, "\u97F3\u91CF", ""}}, {}}},
        {"line breaks inside a pair list", "<combkey><k code=\"1:2,\n3:4\"/></combkey>",
         {"", {}, {}, {{"", {{1, 2}, {3, 4}}}}}},
    };
    test::TempFolder folder;
    for (const ConfigCase& c : cases) EXPECT_EQ(readFile(folder, c.text), c.expected) << c.what;
}

TEST(ConfigFile, DetectsAUtf16File) {
    test::TempFolder folder;
    const std::u16string text = u"\uFEFF<local language=\"cn\"/><funkey><k name=\"\u00E9\"/></funkey>";
    std::string bytes;
    for (char16_t unit : text) {
        bytes.push_back(static_cast<char>(unit & 0xFF));
        bytes.push_back(static_cast<char>(unit >> 8));
    }
    const ConfigContents contents = readFile(folder, bytes);
    EXPECT_EQ(contents.language, "cn");
    ASSERT_EQ(contents.mediaKeys.size(), 1u);
    EXPECT_EQ(contents.mediaKeys[0].name, "\u00E9");
}

TEST(XmlFile, TellsWhyAFileCouldNotBeLoaded) {
    test::TempFolder folder;
    std::filesystem::create_directory(folder / "folder.xml");
    ASSERT_EQ(::mkfifo((folder / "pipe.xml").c_str(), 0600), 0);
    const struct {
        std::filesystem::path path;
        FileStatus expected;
    } cases[] = {
        {folder / "absent.xml", FileStatus::Missing},
        {folder.write("cut.xml", R"(<local language="cn")"), FileStatus::Malformed},
        {folder.write("empty.xml", ""), FileStatus::Malformed},
        {folder.write("mismatch.xml", "<a></b>"), FileStatus::Malformed},
        {folder / "folder.xml", FileStatus::Unreadable},
        {folder / "pipe.xml", FileStatus::Unreadable},
        {"/dev/zero", FileStatus::Unreadable},
    };
    for (const auto& c : cases) {
        pugi::xml_document document;
        document.append_child("stale");
        const FileResult result = loadXmlFile(c.path, document);
        EXPECT_EQ(result.status, c.expected) << c.path;
        EXPECT_NE(result.detail.find(c.path.string()), std::string::npos) << result.detail;
        EXPECT_TRUE(document.first_child().empty()) << c.path;
    }
}

// The status loadXmlFile gives for path, as seen by a user without special rights: root reads
// every file, so as root the load runs in a child process that has given its rights up.
FileStatus loadStatusWithoutPrivileges(const std::filesystem::path& path) {
    auto load = [&] {
        pugi::xml_document document;
        return loadXmlFile(path, document).status;
    };
    if (::geteuid() != 0) return load();
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(100);
        ::_exit(static_cast<int>(load()));
    }
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
        WEXITSTATUS(status) == 100)
        ADD_FAILURE() << "the unprivileged load did not run";
    return static_cast<FileStatus>(WEXITSTATUS(status));
}

TEST(XmlFile, AnExistingFileThatCannotBeOpenedIsUnreadableNotMissing) {
    // Missing would let the next save replace a file whose macros were never read.
    test::TempFolder folder;
    std::filesystem::permissions(folder.path(), std::filesystem::perms::all);
    const std::filesystem::path locked = folder.write("locked.xml", "<record/>");
    std::filesystem::permissions(locked, std::filesystem::perms::none);
    EXPECT_EQ(loadStatusWithoutPrivileges(locked), FileStatus::Unreadable);
    EXPECT_EQ(loadStatusWithoutPrivileges(folder / "absent.xml"), FileStatus::Missing);
}

} // namespace
} // namespace kb
