#include "platform/HidInterfacePath.h"

#include <charconv>
#include <cstdio>
#include <regex>

namespace kb {
namespace {

struct HidIdentityPart {
    std::string vendor;
    std::string product;
};

std::string lowerCase(std::string text)
{
    for (char& c : text)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return text;
}

// "0003:1209:0001.0004" — the HID device that the hidraw node belongs to.
std::optional<HidIdentityPart> hidIdentityOf(const std::string& component)
{
    static const std::regex pattern(R"(^[0-9A-Fa-f]{4}:([0-9A-Fa-f]{4}):([0-9A-Fa-f]{4})\.[0-9A-Fa-f]+$)");
    std::smatch m;
    if (!std::regex_match(component, m, pattern))
        return std::nullopt;
    return HidIdentityPart{lowerCase(m[1].str()), lowerCase(m[2].str())};
}

// An interface component whose number no USB interface can have (more than one byte).
constexpr int kUnreadableInterface = -1;

// "1-2.4:1.3" — a USB interface (bus-ports:configuration.interface, decimal).
std::optional<int> usbInterfaceOf(const std::string& component)
{
    static const std::regex pattern(R"(^\d+-[\d.]+:\d+\.(\d+)$)");
    std::smatch m;
    if (!std::regex_match(component, m, pattern))
        return std::nullopt;
    const std::string digits = m[1].str();
    int number = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), number);
    if (error != std::errc() || number > 255)
        return kUnreadableInterface;
    return number;
}

} // namespace

std::optional<std::string> hidInterfacePath(std::string_view devpath, std::string_view devnode)
{
    if (devnode.empty())
        return std::nullopt;
    std::optional<HidIdentityPart> identity;
    std::optional<int> interfaceNumber;
    std::size_t start = 0;
    while (start <= devpath.size()) {
        const std::size_t end = std::min(devpath.find('/', start), devpath.size());
        const std::string component(devpath.substr(start, end - start));
        if (auto usb = usbInterfaceOf(component))
            interfaceNumber = usb;
        else if (auto hid = hidIdentityOf(component))
            identity = hid;
        start = end + 1;
    }
    if (!identity || interfaceNumber == kUnreadableInterface)
        return std::nullopt;

    std::string path = "\\\\?\\hid#vid_" + identity->vendor + "&pid_" + identity->product;
    if (interfaceNumber) {
        char mi[16];
        std::snprintf(mi, sizeof mi, "&mi_%02x", *interfaceNumber & 0xff);
        path += mi;
    }
    path += '#';
    path += devnode;
    return path;
}

std::string hidNodeOfPath(std::string_view path)
{
    const std::size_t hash = path.rfind('#');
    return std::string(hash == std::string_view::npos ? path : path.substr(hash + 1));
}

} // namespace kb
