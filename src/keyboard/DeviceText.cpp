#include "keyboard/DeviceText.h"

#include <langinfo.h>
#include <iconv.h>

#include <cerrno>
#include <cstring>
#include <optional>

namespace kb {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// Length of the well-formed UTF-8 sequence at the start of s, or 0 when it is
// not one (stray continuation byte, overlong form, surrogate, beyond U+10FFFF,
// or cut short).
std::size_t utf8SequenceLength(std::string_view s)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead < 0x80) {
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (s.size() < length) return 0;
    if (byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    }
    return length;
}

bool localeIsUtf8()
{
    const std::string_view codeset = nl_langinfo(CODESET);
    return codeset == "UTF-8" || codeset == "utf8" || codeset == "UTF8";
}

// An iconv descriptor that closes itself.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter()
    {
        if (valid()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of in as possible into out; returns false on an
    // unconvertible or incomplete sequence (in then points at it).
    bool convert(const char*& in, std::size_t& inLeft, std::string& out)
    {
        char buffer[64];
        while (inLeft > 0) {
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            char* src = const_cast<char*>(in);
            const std::size_t rc = iconv(cd_, &src, &inLeft, &dst, &dstLeft);
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            in = src;
            if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
                iconv(cd_, nullptr, nullptr, nullptr, nullptr);
                return false;
            }
        }
        return true;
    }

private:
    iconv_t cd_;
};

// UTF-8 input: copy well-formed sequences, replace the rest.
std::string decodeUtf8(std::string_view bytes)
{
    std::string text;
    while (!bytes.empty()) {
        const std::size_t length = utf8SequenceLength(bytes);
        if (length == 0) {
            text += kReplacement;
            bytes.remove_prefix(1);
        } else {
            text += bytes.substr(0, length);
            bytes.remove_prefix(length);
        }
    }
    return text;
}

std::string decodeLocale(std::string_view bytes)
{
    Converter converter("UTF-8", nl_langinfo(CODESET));
    if (!converter.valid()) return decodeUtf8(bytes);
    std::string text;
    const char* in = bytes.data();
    std::size_t left = bytes.size();
    while (!converter.convert(in, left, text)) {
        text += kReplacement;
        ++in;
        --left;
    }
    return text;
}

// The bytes of one character in the locale's character set, or "?" when it
// has none.
std::string encodeCharacter(Converter* converter, std::string_view character)
{
    if (!converter) return std::string(character);
    std::string out;
    const char* in = character.data();
    std::size_t left = character.size();
    if (!converter->convert(in, left, out) || out.empty()) return "?";
    return out;
}

} // namespace

std::string deviceTextToUtf8(const char* field, std::size_t width)
{
    const std::string_view bytes(field, strnlen(field, width));
    return localeIsUtf8() ? decodeUtf8(bytes) : decodeLocale(bytes);
}

void utf8ToDeviceText(std::string_view text, char* field, std::size_t width)
{
    if (width == 0) return;
    std::memset(field, 0, width);
    std::optional<Converter> converter;
    if (!localeIsUtf8()) {
        converter.emplace(nl_langinfo(CODESET), "UTF-8");
        if (!converter->valid()) converter.reset();
    }
    const std::size_t limit = width - 1;
    std::size_t used = 0;
    while (!text.empty()) {
        std::size_t length = utf8SequenceLength(text);
        std::string bytes = length == 0
            ? std::string("?")
            : encodeCharacter(converter ? &*converter : nullptr, text.substr(0, length));
        if (length == 0) length = 1;
        if (bytes.find('\0') != std::string::npos) break; // a 0 ends the text
        if (used + bytes.size() > limit) break;
        std::memcpy(field + used, bytes.data(), bytes.size());
        used += bytes.size();
        text.remove_prefix(length);
    }
}

bool deviceTextEqual(const char* a, const char* b, std::size_t width)
{
    const std::size_t lengthA = strnlen(a, width);
    return lengthA == strnlen(b, width) && std::memcmp(a, b, lengthA) == 0;
}

} // namespace kb
