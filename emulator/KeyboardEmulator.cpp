#include "emulator/KeyboardEmulator.h"

#include "device/FeatureCommand.h"

#include <algorithm>
#include <thread>

namespace kb {
namespace {

// The part of a command's payload that a frame at this offset and length covers.
struct Overlap {
    std::size_t start = 0;
    std::size_t count = 0;
};

Overlap overlapOf(const FrameHeader& header, std::size_t payloadSize)
{
    const std::size_t length = std::min<std::size_t>(header.length, kFrameDataSize);
    if (header.offset >= payloadSize)
        return {};
    return {header.offset, std::min<std::size_t>(length, payloadSize - header.offset)};
}

void corrupt(FrameHeader& header, EchoFault fault)
{
    switch (fault) {
    case EchoFault::Offset:
        header.offset += 1;
        break;
    case EchoFault::Command:
        header.command &= static_cast<std::uint8_t>(~kReadRequestBit);
        break;
    case EchoFault::Index:
        header.index += 1;
        break;
    }
}

} // namespace

KeyboardEmulator::KeyboardEmulator(KeyboardModel model)
    : model_(std::move(model))
{
}

// The delay is spent outside the lock, as a bus transfer would not block the others' setup.
void KeyboardEmulator::waitLatency() const
{
    std::chrono::microseconds latency;
    {
        std::lock_guard lock(mutex_);
        latency = latency_;
    }
    if (latency.count() > 0)
        std::this_thread::sleep_for(latency);
}

bool KeyboardEmulator::startTransfer()
{
    const std::size_t number = transfers_++;
    return !vanished_ && !(failFrom_ && number >= *failFrom_);
}

bool KeyboardEmulator::receiveReport(std::span<const std::uint8_t> report)
{
    waitLatency();
    std::lock_guard lock(mutex_);
    if (!startTransfer() || report.size() != kFeatureReportSize || report[0] != 0)
        return false;
    FeatureReport frame;
    std::copy(report.begin(), report.end(), frame.begin());
    log_.push_back(frame);
    const FrameHeader header = readFrameHeader(frame);
    if (header.command & kReadRequestBit)
        return prepareAnswer(frame);
    return storeWrite(frame);
}

bool KeyboardEmulator::storeWrite(const FeatureReport& report)
{
    const FrameHeader header = readFrameHeader(report);
    auto payload = model_.writePayload(header.command, header.index);
    if (!payload)
        return false;
    const Overlap part = overlapOf(header, payload->size());
    // A profile, mode or colour set the keyboard does not have is refused; the old one stays.
    if (part.count > 0 && part.start == 0 && !model_.selectable(header.command, frameData(report)[0]))
        return false;
    std::copy_n(frameData(report).begin(), part.count, payload->begin() + static_cast<std::ptrdiff_t>(part.start));
    model_.afterWrite(header.command);
    return true;
}

bool KeyboardEmulator::prepareAnswer(const FeatureReport& request)
{
    FrameHeader header = readFrameHeader(request);
    auto payload = model_.readPayload(static_cast<std::uint8_t>(header.command & ~kReadRequestBit), header.index);
    if (!payload)
        return false;
    const Overlap part = overlapOf(header, payload->size());
    FeatureReport answer{};
    std::copy_n(payload->begin() + static_cast<std::ptrdiff_t>(part.start), part.count, frameData(answer).begin());
    header.length = static_cast<std::uint16_t>(part.count);
    if (echoFault_) {
        corrupt(header, *echoFault_);
        echoFault_.reset();
    }
    writeFrameHeader(answer, header);
    answer_ = answer;
    return true;
}

bool KeyboardEmulator::answerReport(std::span<std::uint8_t> report)
{
    waitLatency();
    std::lock_guard lock(mutex_);
    if (!startTransfer() || report.size() != kFeatureReportSize || report[0] != 0)
        return false;
    if (dropNextAnswer_) {
        dropNextAnswer_ = false;
        answer_.reset();
        return false;
    }
    // Without a request the keyboard has nothing to say: an all-zero frame.
    const FeatureReport answer = answer_.value_or(FeatureReport{});
    std::copy(answer.begin(), answer.end(), report.begin());
    return true;
}

void KeyboardEmulator::setLatency(std::chrono::microseconds perTransfer)
{
    std::lock_guard lock(mutex_);
    latency_ = perTransfer;
}

void KeyboardEmulator::dropNextAnswer()
{
    std::lock_guard lock(mutex_);
    dropNextAnswer_ = true;
}

void KeyboardEmulator::corruptNextEcho(EchoFault fault)
{
    std::lock_guard lock(mutex_);
    echoFault_ = fault;
}

void KeyboardEmulator::failFromTransfer(std::size_t number)
{
    std::lock_guard lock(mutex_);
    failFrom_ = number;
}

void KeyboardEmulator::vanish()
{
    std::lock_guard lock(mutex_);
    vanished_ = true;
}

bool KeyboardEmulator::present() const
{
    std::lock_guard lock(mutex_);
    return !vanished_;
}

std::vector<FeatureReport> KeyboardEmulator::receivedReports() const
{
    std::lock_guard lock(mutex_);
    return log_;
}

std::vector<FrameHeader> KeyboardEmulator::receivedHeaders() const
{
    std::lock_guard lock(mutex_);
    std::vector<FrameHeader> headers;
    for (const FeatureReport& report : log_)
        headers.push_back(readFrameHeader(report));
    return headers;
}

std::size_t KeyboardEmulator::transferCount() const
{
    std::lock_guard lock(mutex_);
    return transfers_;
}

void KeyboardEmulator::clearLog()
{
    std::lock_guard lock(mutex_);
    log_.clear();
}

KeyboardModel KeyboardEmulator::model() const
{
    std::lock_guard lock(mutex_);
    return model_;
}

void KeyboardEmulator::updateModel(const std::function<void(KeyboardModel&)>& change)
{
    std::lock_guard lock(mutex_);
    change(model_);
}

} // namespace kb
