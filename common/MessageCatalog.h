#pragma once

#include "common/Translate.h"

#include <span>

namespace tarn {

// The core's messages that are put together from parts (a file's name and a reason, a line
// and a column, counts) as patterns, so a finished message can be shown translated without
// the core building it differently. The English text the core makes stays the source.
[[nodiscard]] std::span<const char* const> messageCatalog();

// Why a serial port would not open: the paragraph under the open failure's message.
struct PortTroubleText {
    static constexpr const char* NoPermissionText = TARN_TRANSLATE_NOOP(
        "tarn::Prompt", "Your account may not use %1. Add it to the group that owns the device "
                        "(sudo usermod -aG %2 %3), then log out and in again.");
    static constexpr const char* OwnerOnlyText = TARN_TRANSLATE_NOOP(
        "tarn::Prompt", "Your account may not use %1, and its group %2 may not either. A udev "
                        "rule can give the device to a group such as dialout; then add your "
                        "account to it (sudo usermod -aG dialout %3) and log out and in again.");
    static constexpr const char* NoDeviceText =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "No such device: is the cable plugged in? (%1)");
    static constexpr const char* PortsPresentText =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "The serial ports present: %1.");
    static constexpr const char* BrailleText = TARN_TRANSLATE_NOOP(
        "tarn::Prompt",
        "No USB serial port is present, and the braille display service brltty is installed: it "
        "takes CH340 and other USB serial adapters for itself. Without a braille display, remove "
        "it (sudo apt remove brltty) or disable it (sudo systemctl mask brltty-udev.service), "
        "then plug the cable in again.");
    static constexpr const char* HeldByText = TARN_TRANSLATE_NOOP(
        "tarn::Prompt", "The port %1 is in use by %2 (process %3). Close it, then try again.");
    static constexpr const char* HeldText = TARN_TRANSLATE_NOOP(
        "tarn::Prompt", "The port %1 is in use by another program. Close it, then try again.");
    static constexpr const char* InUseHereText = TARN_TRANSLATE_NOOP(
        "tarn::Prompt", "The port %1 is in use by another window's transfer: wait until it ends.");
    static constexpr const char* OtherText =
        TARN_TRANSLATE_NOOP("tarn::Prompt", "The port %1 could not be opened: %2");
};

} // namespace tarn
