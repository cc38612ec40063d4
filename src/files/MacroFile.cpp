#include "files/MacroFile.h"

#include "files/NumberText.h"
#include "files/XmlFile.h"

namespace kb {
namespace {

// The settings' attributes in file order (playmode before period).
struct SettingsAttribute {
    const char* name;
    std::int32_t MacroRecordParam::*field;
};

constexpr SettingsAttribute kSettingsAttributes[] = {
    {"page", &MacroRecordParam::page},         {"gpsel", &MacroRecordParam::gpsel},
    {"singlekey", &MacroRecordParam::singlekey}, {"funcsel", &MacroRecordParam::funcsel},
    {"cmbtype", &MacroRecordParam::cmbtype},   {"cmbsel", &MacroRecordParam::cmbsel},
    {"dlmode", &MacroRecordParam::dlmode},     {"playmode", &MacroRecordParam::playmode},
    {"period", &MacroRecordParam::period},
};

std::int32_t signedAttribute(const pugi::xml_node& element, const char* name) {
    return readLong(attributeText(element, name), 10);
}

std::int32_t wrappedAttribute(const pugi::xml_node& element, const char* name) {
    return readWrappedLong(attributeText(element, name));
}

template <class Visit>
void forEachChildElement(const pugi::xml_node& parent, Visit visit) {
    for (const pugi::xml_node& child : parent.children())
        if (child.type() == pugi::node_element) visit(child);
}

MacroRecordParam readSettings(const pugi::xml_node& record) {
    MacroRecordParam settings;
    for (const SettingsAttribute& attribute : kSettingsAttributes)
        settings.*attribute.field = signedAttribute(record, attribute.name);
    return settings;
}

MacroRecordGpItem readItem(const pugi::xml_node& item) {
    return {wrappedAttribute(item, "code"), wrappedAttribute(item, "state"),
            wrappedAttribute(item, "delay"), std::string(attributeText(item, "name"))};
}

MacroGroupContents readGroup(const pugi::xml_node& group) {
    MacroGroupContents contents;
    contents.info = {signedAttribute(group, "id"), signedAttribute(group, "repeat"),
                     std::string(attributeText(group, "name"))};
    forEachChildElement(group, [&](const pugi::xml_node& item) {
        contents.items.push_back(readItem(item));
    });
    return contents;
}

void writeGroup(pugi::xml_node& record, const MacroGroupContents& group) {
    pugi::xml_node element = record.append_child("group");
    element.append_attribute("id") = group.info.id;
    element.append_attribute("repeat") = group.info.repeat;
    element.append_attribute("name") = group.info.name.c_str();
    for (const MacroRecordGpItem& item : group.items) {
        pugi::xml_node itemElement = element.append_child("item");
        itemElement.append_attribute("name") = item.name.c_str();
        itemElement.append_attribute("code") = static_cast<unsigned int>(item.code);
        itemElement.append_attribute("delay") = static_cast<unsigned int>(item.delay);
        itemElement.append_attribute("state") = static_cast<unsigned int>(item.state);
    }
}

class StringWriter final : public pugi::xml_writer {
  public:
    void write(const void* data, std::size_t size) override {
        text.append(static_cast<const char*>(data), size);
    }
    std::string text;
};

} // namespace

MacroFileContents readMacroDocument(const pugi::xml_document& document) {
    const pugi::xml_node record = document.child("record");
    MacroFileContents contents;
    contents.settings = readSettings(record);
    forEachChildElement(record, [&](const pugi::xml_node& group) {
        contents.groups.push_back(readGroup(group));
    });
    return contents;
}

std::string writeMacroDocument(const MacroFileContents& contents) {
    pugi::xml_document document;
    pugi::xml_node record = document.append_child("record");
    for (const SettingsAttribute& attribute : kSettingsAttributes)
        record.append_attribute(attribute.name) = contents.settings.*attribute.field;
    for (const MacroGroupContents& group : contents.groups) writeGroup(record, group);

    StringWriter writer;
    document.save(writer, "\t", pugi::format_default, pugi::encoding_utf8);
    return std::move(writer.text);
}

} // namespace kb
