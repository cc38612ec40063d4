#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "files/MacroFile.h"
#include "files/TempFolder.h"
#include "files/XmlFile.h"

namespace kb {
namespace {

MacroFileContents readFile(const test::TempFolder& folder, std::string_view text) {
    pugi::xml_document document;
    const FileResult loaded = loadXmlFile(folder.write("macro.xml", text), document);
    EXPECT_TRUE(loaded.ok()) << loaded.detail;
    return readMacroDocument(document);
}

MacroFileContents example() {
    MacroFileContents contents;
    contents.settings.dlmode = 1;
    contents.settings.period = 50;
    contents.groups.push_back({{0, 1, "Group 0"}, {{30, 1, 50, "A"}, {30, 0, 0, "A"}}});
    return contents;
}

TEST(MacroFile, WritesTheFixedLayout) {
    MacroFileContents contents = example();
    contents.settings = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    contents.groups.push_back({{-1, 1, ""}, {}});
    EXPECT_EQ(writeMacroDocument(contents),
              "<?xml version=\"1.0\"?>\n"
              "<record page=\"1\" gpsel=\"2\" singlekey=\"3\" funcsel=\"4\" cmbtype=\"5\" "
              "cmbsel=\"6\" dlmode=\"7\" playmode=\"9\" period=\"8\">\n"
              "\t<group id=\"0\" repeat=\"1\" name=\"Group 0\">\n"
              "\t\t<item name=\"A\" code=\"30\" delay=\"50\" state=\"1\" />\n"
              "\t\t<item name=\"A\" code=\"30\" delay=\"0\" state=\"0\" />\n"
              "\t</group>\n"
              "\t<group id=\"-1\" repeat=\"1\" name=\"\" />\n"
              "</record>\n");
}

TEST(MacroFile, WritesItemNumbersAsUnsignedAndReadsThemBack) {
    MacroFileContents contents;
    contents.settings.gpsel = -1;
    contents.groups.push_back({{-1, -2, "g"}, {{-1, -2, -2147483647 - 1, "x"}}});
    const std::string text = writeMacroDocument(contents);
    EXPECT_NE(text.find("gpsel=\"-1\""), std::string::npos) << text;
    EXPECT_NE(text.find("<group id=\"-1\" repeat=\"-2\""), std::string::npos) << text;
    EXPECT_NE(text.find("code=\"4294967295\" delay=\"2147483648\" state=\"4294967294\""),
              std::string::npos)
        << text;
    test::TempFolder folder;
    EXPECT_EQ(readFile(folder, text), contents);
}

TEST(MacroFile, RoundTripsNamesThatNeedEscaping) {
    MacroFileContents contents = example();
    contents.groups[0].info.name = "a & b < c > \"d\" 'e' \u00E9\u6F22";
    contents.groups[0].items[0].name = "<&>";
    test::TempFolder folder;
    EXPECT_EQ(readFile(folder, writeMacroDocument(contents)), contents);
}

struct MacroCase {
    const char* what;
    std::string_view text;
    MacroFileContents expected;
};

TEST(MacroFile, EdgeCases) {
    const MacroCase cases[] = {
        {"the example", R"(<record dlmode="1" period="50"><group id="0" repeat="1" name="Group 0">)"
                        R"(<item name="A" code="30" delay="50" state="1"/>)"
                        R"(<item name="A" code="30" delay="0" state="0"/></group></record>)",
         example()},
        {"attributes in any order",
         R"(<record period="50" dlmode="1"><group name="Group 0" repeat="1" id="0">)"
         R"(<item state="1" delay="50" code="30" name="A"/><item code="30" name="A"/></group></record>)",
         example()},
        {"a group without id and repeat reads 0 and 0", R"(<record><group name="g"/></record>)",
         {{}, {{{0, 0, "g"}, {}}}}},
        {"any child element is a group and any grandchild an item",
         R"(<record><macro><key code="5"/><x/></macro></record>)",
         {{}, {{{0, 0, ""}, {{5, 0, 0, ""}, {0, 0, 0, ""}}}}}},
        {"text and comments are neither groups nor items",
         R"(<record>junk<!-- c --><group>junk<item code="1"/></group></record>)",
         {{}, {{{0, 0, ""}, {{1, 0, 0, ""}}}}}},
        {"only the first top-level record is read; other roots are ignored",
         R"(<other><group/></other><record page="2"/><record page="3"><group/></record>)",
         {{2, 0, 0, 0, 0, 0, 0, 0, 0}, {}}},
        {"no record element at all", R"(<macros><group/></macros>)", {}},
        {"bad numbers read as far as they go",
         R"(<record page=" 2x" gpsel="-3" singlekey="0x1E" cmbsel="99999999999">)"
         R"(<group id="-1" repeat="+4"><item code="-1" delay="4294967296" state="zz"/></group></record>)",
         {{2, -3, 0, 0, 0, 2147483647, 0, 0, 0}, {{{-1, 4, ""}, {{-1, 0, -1, ""}}}}}},
    };
    test::TempFolder folder;
    for (const MacroCase& c : cases) EXPECT_EQ(readFile(folder, c.text), c.expected) << c.what;
}

} // namespace
} // namespace kb
