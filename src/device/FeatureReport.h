#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace kb {

// One feature report: report ID 0, then the frame — offset (4 bytes), length (2),
// command (1), index (1) and 512 payload bytes; multi-byte fields little-endian.
inline constexpr std::size_t kFeatureReportSize = 521;
inline constexpr std::size_t kFrameDataOffset = 9;
inline constexpr std::size_t kFrameDataSize = 512;

using FeatureReport = std::array<std::uint8_t, kFeatureReportSize>;

struct FrameHeader {
    std::uint32_t offset = 0;
    std::uint16_t length = 0;
    std::uint8_t command = 0;
    std::uint8_t index = 0;

    bool operator==(const FrameHeader&) const = default;
};

FrameHeader readFrameHeader(const FeatureReport& report);
void writeFrameHeader(FeatureReport& report, const FrameHeader& header);

std::span<std::uint8_t, kFrameDataSize> frameData(FeatureReport& report);
std::span<const std::uint8_t, kFrameDataSize> frameData(const FeatureReport& report);

} // namespace kb
