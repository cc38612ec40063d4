#include "files/ConfigStore.h"

#include "files/ConfigFile.h"
#include "files/XmlFile.h"

namespace kb {
namespace {

// Replaces all elements of a list value and selects the first one, without notification.
template <class Value, class T>
void replaceList(Value& value, const std::vector<T>& elements) {
    value.assign(elements.data(), static_cast<int>(elements.size()), false);
    value.setIndex(0);
}

} // namespace

FileResult ConfigStore::load(const std::filesystem::path& file) {
    pugi::xml_document document;
    FileResult result = loadXmlFile(file, document);
    if (!result.ok()) return result;

    const ConfigContents contents = readConfigDocument(document);
    language_.setSelected(&contents.language);
    identity_.setSelected(&contents.usb);
    replaceList(mediaKeys_, contents.mediaKeys);
    replaceList(functionKeys_, contents.functionKeys);
    return result;
}

} // namespace kb
