#pragma once

// ConfigStore: the settings read once from config.xml, held in four state values.
//
//   ConfigStore config;                        // construction contents, values joined
//   FileResult r = config.load(locateFiles(appFolder, userConfigFolder()).config);
//   if (config.language() == "cn") ...          // "cn" exactly selects the Chinese texts
//
// The values, in construction order: the language (private), the USB identity, the media keys
// and the function keys (channel 1; a peer built later, such as the macro dialog's, copies the
// lists read here when it joins). Construct the store before any other peer of these values.
//
// Construction contents: an empty language, a zero identity, one empty media key and one empty
// function key. load() writes the file's contents straight into the values (nothing is
// published, no hook runs); when the file cannot be loaded (missing, unreadable, malformed) it
// changes nothing and the result tells why. It never throws. Nothing ever writes config.xml.

#include <filesystem>
#include <string>

#include "files/ConfigRecords.h"
#include "files/FileResult.h"
#include "state/ShapeType.h"

namespace kb {

class ConfigStore {
  public:
    // The language is private to the store: a channel that no other value uses.
    static constexpr int kLanguageChannel = -1717986919;

    using LanguageValue = ShapeType<std::string, kLanguageChannel, 1, 0>;
    using IdentityValue = ShapeType<UsbInfo, 1, 1, 1>;
    using MediaKeysValue = ShapeType<MacroFuncKey, 1, 1, 1>;
    using FunctionKeysValue = ShapeType<MacroCombKey, 1, 1, 0>;

    ConfigStore() = default;
    ConfigStore(const ConfigStore&) = delete;
    ConfigStore& operator=(const ConfigStore&) = delete;

    FileResult load(const std::filesystem::path& file);

    const std::string& language() const { return language_.selected(); }
    const UsbInfo& usbInfo() const { return identity_.selected(); }

    LanguageValue& languageValue() { return language_; }
    IdentityValue& identityValue() { return identity_; }
    MediaKeysValue& mediaKeys() { return mediaKeys_; }
    FunctionKeysValue& functionKeys() { return functionKeys_; }

  private:
    LanguageValue language_;
    IdentityValue identity_;
    MediaKeysValue mediaKeys_;
    FunctionKeysValue functionKeys_;
};

} // namespace kb
