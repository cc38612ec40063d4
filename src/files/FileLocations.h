#pragma once

// Where config.xml and macro.xml live. Both normally sit in the application's folder. When that
// folder is not writable (an installed copy), macro.xml lives in the user's folder instead (it
// is created by the first save), and a config.xml found there is read instead of the shipped
// one, so a read-only installation never loses the user's macros.

#include <filesystem>
#include <string_view>

namespace kb {

inline constexpr std::string_view kConfigFileName = "config.xml";
inline constexpr std::string_view kMacroFileName = "macro.xml";

struct FileLocations {
    std::filesystem::path config;
    std::filesystem::path macro;
};

// appFolder: the executable's folder; userFolder: the per-user folder (userConfigFolder()).
FileLocations locateFiles(const std::filesystem::path& appFolder,
                          const std::filesystem::path& userFolder);

// The per-user folder, "$XDG_CONFIG_HOME/kbconf", or "$HOME/.config/kbconf" when
// XDG_CONFIG_HOME is unset, empty or not absolute.
std::filesystem::path userConfigFolder(std::string_view xdgConfigHome, std::string_view home);

// The same from the process environment.
std::filesystem::path userConfigFolder();

} // namespace kb
