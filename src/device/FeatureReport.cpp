#include "device/FeatureReport.h"

namespace kb {
namespace {

constexpr std::size_t kOffsetAt = 1;
constexpr std::size_t kLengthAt = 5;
constexpr std::size_t kCommandAt = 7;
constexpr std::size_t kIndexAt = 8;

} // namespace

FrameHeader readFrameHeader(const FeatureReport& report)
{
    FrameHeader header;
    for (std::size_t i = 0; i < 4; ++i)
        header.offset |= static_cast<std::uint32_t>(report[kOffsetAt + i]) << (8 * i);
    header.length = static_cast<std::uint16_t>(report[kLengthAt] | (report[kLengthAt + 1] << 8));
    header.command = report[kCommandAt];
    header.index = report[kIndexAt];
    return header;
}

void writeFrameHeader(FeatureReport& report, const FrameHeader& header)
{
    for (std::size_t i = 0; i < 4; ++i)
        report[kOffsetAt + i] = static_cast<std::uint8_t>(header.offset >> (8 * i));
    report[kLengthAt] = static_cast<std::uint8_t>(header.length);
    report[kLengthAt + 1] = static_cast<std::uint8_t>(header.length >> 8);
    report[kCommandAt] = header.command;
    report[kIndexAt] = header.index;
}

std::span<std::uint8_t, kFrameDataSize> frameData(FeatureReport& report)
{
    return std::span<std::uint8_t, kFeatureReportSize>(report).subspan<kFrameDataOffset, kFrameDataSize>();
}

std::span<const std::uint8_t, kFrameDataSize> frameData(const FeatureReport& report)
{
    return std::span<const std::uint8_t, kFeatureReportSize>(report).subspan<kFrameDataOffset, kFrameDataSize>();
}

} // namespace kb
