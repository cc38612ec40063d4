#include "files/ConfigFile.h"

#include "files/NumberText.h"
#include "files/PairList.h"
#include "files/XmlFile.h"

namespace kb {
namespace {

UsbInfo readUsb(const pugi::xml_node& usb) {
    auto hex = [&](const char* name) { return readLong(attributeText(usb, name), 16); };
    return {hex("vid"), hex("pid"), hex("interface"), hex("subdevice")};
}

std::vector<MacroFuncKey> readMediaKeys(const pugi::xml_node& funkey) {
    std::vector<MacroFuncKey> keys;
    for (const pugi::xml_node& child : funkey.children()) {
        if (child.type() != pugi::node_element) continue;
        std::string name(attributeText(child, "name"));
        if (name.empty()) continue;
        keys.push_back({std::move(name),
                        static_cast<std::int32_t>(readULong(attributeText(child, "code"), 10)),
                        std::string(attributeText(child, "path")),
                        std::string(attributeText(child, "argm"))});
    }
    return keys;
}

std::vector<MacroCombKey> readFunctionKeys(const pugi::xml_node& combkey) {
    std::vector<MacroCombKey> keys;
    for (const pugi::xml_node& child : combkey.children()) {
        if (child.type() != pugi::node_element) continue;
        keys.push_back({std::string(attributeText(child, "name")),
                        readPairList(attributeText(child, "code"))});
    }
    return keys;
}

} // namespace

ConfigContents readConfigDocument(const pugi::xml_document& document) {
    ConfigContents contents;
    contents.language = attributeText(document.child("local"), "language");
    contents.usb = readUsb(document.child("usb"));
    contents.mediaKeys = readMediaKeys(document.child("funkey"));
    contents.functionKeys = readFunctionKeys(document.child("combkey"));
    return contents;
}

} // namespace kb
