#include "device/FeatureTransport.h"

#include "device/FeatureCommand.h"
#include "device/FeatureReport.h"

#include <algorithm>
#include <cstring>

namespace kb {
namespace {

std::uint16_t chunkOf(std::uint32_t remaining)
{
    return static_cast<std::uint16_t>(std::min<std::uint32_t>(remaining, kFrameDataSize));
}

bool sendReport(HidDevice& device, const FeatureReport& report)
{
    std::lock_guard lock(device.reportLock);
    return device.writeHandle && device.backend.setFeature(*device.writeHandle, report);
}

bool fetchReport(HidDevice& device, FeatureReport& report)
{
    std::lock_guard lock(device.reportLock);
    report[0] = 0;
    return device.readHandle && device.backend.getFeature(*device.readHandle, report);
}

} // namespace

std::uint32_t writeFeatureCommand(HidDevice& device, const void* payload, std::uint8_t command, unsigned index,
                                  std::uint32_t offset, std::uint32_t length)
{
    if (index > kMaxCommandIndex)
        return 0;
    const auto* source = static_cast<const std::uint8_t*>(payload);
    FrameHeader header{offset, 0, command, static_cast<std::uint8_t>(index)};
    std::uint32_t sent = 0;
    do {
        FeatureReport report{};
        header.length = chunkOf(length - sent);
        writeFrameHeader(report, header);
        if (source)
            std::memcpy(frameData(report).data(), source + sent, header.length);
        if (!sendReport(device, report))
            break;
        header.offset += header.length;
        sent += header.length;
    } while (sent < length);
    return sent;
}

std::uint32_t readFeatureCommand(HidDevice& device, std::uint8_t command, unsigned index, void* destination,
                                 std::uint32_t length)
{
    if (index > kMaxCommandIndex)
        return 0;
    auto* target = static_cast<std::uint8_t*>(destination);
    const std::uint8_t request = command | kReadRequestBit;
    std::uint32_t received = 0;
    do {
        const std::uint16_t chunk = chunkOf(length - received);
        if (writeFeatureCommand(device, nullptr, request, index, received, chunk) == 0)
            break;
        FeatureReport answer{};
        if (!fetchReport(device, answer))
            break;
        const FrameHeader echo = readFrameHeader(answer);
        if (echo.command != request || echo.offset != received || echo.index != index)
            break;
        std::memcpy(target + received, frameData(answer).data(), chunk);
        received += chunk;
    } while (received < length);
    return received;
}

} // namespace kb
