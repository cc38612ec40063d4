#pragma once

#include "device/FeatureReport.h"
#include "emulator/KeyboardModel.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

namespace kb {

// Which header field of an answer a corrupted echo gets wrong.
enum class EchoFault { Offset, Command, Index };

// The keyboard's side of the feature-report protocol. A report sent to it is a write
// (stored into the model) or, with the command's read bit set, a read request whose
// answer — the request's header echoed, the payload behind it — the next fetch returns.
// Commands, indices or directions the keyboard does not have are refused (the transfer
// fails, as a stalled control transfer does), and so is a selection of a profile, mode or
// colour set that it does not have.
//
// It can misbehave on request (latency, dropped answers, corrupted echoes, failing from a
// given transfer on, vanishing), and it logs every report it receives. All operations are
// thread-safe: the umockdev ioctl handler calls it from umockdev's own thread.
class KeyboardEmulator {
public:
    explicit KeyboardEmulator(KeyboardModel model = KeyboardModel::factoryDefaults());

    // The keyboard's ends of the two feature-report transfers; false = the transfer failed.
    bool receiveReport(std::span<const std::uint8_t> report);
    bool answerReport(std::span<std::uint8_t> report);

    // Misbehaviour knobs.
    void setLatency(std::chrono::microseconds perTransfer);
    void dropNextAnswer();                    // the next fetch fails
    void corruptNextEcho(EchoFault fault);    // the next answer's header is wrong in one field
    void failFromTransfer(std::size_t number); // transfers counted from 0, sends and fetches alike
    void vanish();                            // every transfer from now on fails
    bool present() const;

    // Every report received, in order (failed transfers never reach the keyboard).
    std::vector<FeatureReport> receivedReports() const;
    std::vector<FrameHeader> receivedHeaders() const;
    std::size_t transferCount() const;
    void clearLog();

    // The keyboard's contents: a copy, or a change made under the emulator's lock.
    KeyboardModel model() const;
    void updateModel(const std::function<void(KeyboardModel&)>& change);

private:
    void waitLatency() const;
    bool startTransfer();
    bool storeWrite(const FeatureReport& report);
    bool prepareAnswer(const FeatureReport& request);

    mutable std::mutex mutex_;
    KeyboardModel model_;
    std::optional<FeatureReport> answer_;
    std::vector<FeatureReport> log_;
    std::size_t transfers_ = 0;
    std::chrono::microseconds latency_{0};
    bool dropNextAnswer_ = false;
    std::optional<EchoFault> echoFault_;
    std::optional<std::size_t> failFrom_;
    bool vanished_ = false;
};

} // namespace kb
