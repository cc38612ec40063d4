#pragma once

#include "keyboard/KeyboardRecords.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace kb {

// Everything the emulated keyboard keeps, laid out as the commands carry it.
struct KeyboardModel {
    static constexpr std::size_t kKeyCount = 109;        // key codes
    static constexpr std::size_t kColourKeyCount = 108;  // per-key colours
    static constexpr std::size_t kControlBlockSize = 16;
    static constexpr std::size_t kNotifyMaskAt = 8;
    static constexpr std::size_t kFactoryResetAt = 10;

    using ColourSet = std::array<rgba_t, kColourKeyCount>;

    KbDeviceInfo deviceInfo{};
    std::vector<_mode_attr_t> modes;
    std::vector<_reg_mode_t> registers; // profile × modes + mode
    std::vector<std::uint8_t> currentModes; // one per profile
    std::uint8_t currentProfile = 0;
    std::vector<ColourSet> colourSets;
    std::uint8_t colourSet = 0;
    std::array<macro_code_t, kKeyCount> keyCodes{};
    std::vector<MacroSlotRecord> macroSlots;
    std::array<std::uint8_t, kControlBlockSize> controlBlock{};

    // The keyboard as it leaves the factory: 3 profiles, 10 lighting modes, 4 colour sets,
    // 10 empty macro slots, every key with its own function.
    static KeyboardModel factoryDefaults();

    // The bytes a read of the command and index answers from; empty for a command the
    // keyboard does not read or an index it does not have.
    std::optional<std::span<const std::uint8_t>> readPayload(std::uint8_t command, std::uint8_t index);

    // The bytes a write of the command and index goes into; empty as above. Writes of the
    // current mode and of key colours (index 0) go to the current profile and colour set.
    std::optional<std::span<std::uint8_t>> writePayload(std::uint8_t command, std::uint8_t index);

    // Whether a write that makes a selection (current profile, its current mode, colour set)
    // names one the keyboard has; other commands always pass.
    bool selectable(std::uint8_t command, std::uint8_t value) const;

    // What the keyboard does once a write has landed: a non-zero factory-reset word in the
    // control block restores the factory settings (the notification mask stays).
    void afterWrite(std::uint8_t command);
};

} // namespace kb
