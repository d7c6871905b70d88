#pragma once

#include <string>

namespace tarn {

class Prompter;

// What a transfer shows and polls while it runs: the progress window's status text and bar,
// its cancel flag, and message boxes.
class TransferUi {
public:
    virtual ~TransferUi() = default;

    virtual void setStatusText(const std::string& text) = 0;
    virtual void setProgressRange(int minimum, int maximum) = 0;
    virtual void setProgressPosition(int position) = 0;
    [[nodiscard]] virtual int progressPosition() const = 0;
    // Advances the bar by one.
    virtual void stepProgress() = 0;
    [[nodiscard]] virtual bool cancelRequested() const = 0;
    [[nodiscard]] virtual Prompter& prompter() = 0;
    // The transfer has ended; the progress window goes away.
    virtual void closeWindow() = 0;
};

} // namespace tarn
