#include "files/FileLocations.h"

#include <cstdlib>

#include <unistd.h>

namespace kb {
namespace {

bool isWritableFolder(const std::filesystem::path& folder) {
    return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string_view environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

FileLocations locateFiles(const std::filesystem::path& appFolder,
                          const std::filesystem::path& userFolder) {
    if (isWritableFolder(appFolder))
        return {appFolder / kConfigFileName, appFolder / kMacroFileName};
    std::filesystem::path config = userFolder / kConfigFileName;
    std::error_code error;
    if (!std::filesystem::exists(config, error)) config = appFolder / kConfigFileName;
    return {std::move(config), userFolder / kMacroFileName};
}

std::filesystem::path userConfigFolder(std::string_view xdgConfigHome, std::string_view home) {
    const std::filesystem::path xdg(xdgConfigHome);
    if (xdg.is_absolute()) return xdg / "kbconf";
    return std::filesystem::path(home) / ".config" / "kbconf";
}

std::filesystem::path userConfigFolder() {
    return userConfigFolder(environment("XDG_CONFIG_HOME"), environment("HOME"));
}

} // namespace kb
