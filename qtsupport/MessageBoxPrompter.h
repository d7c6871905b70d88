#pragma once

#include "common/Prompter.h"

class QWidget;

namespace tarn {

// Shows each prompt as a modal QMessageBox over the given parent (or none). Ctrl+C copies the
// box, caption, text and buttons, to the clipboard.
class MessageBoxPrompter final : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr);
    [[nodiscard]] PromptAnswer ask(const Prompt& prompt) override;
    // The same box, modal as ask() makes it but with no nested event loop: done runs when it
    // closes.
    void askLater(const Prompt& prompt, std::function<void(PromptAnswer)> done) override;

private:
    QWidget* m_parent;
};

} // namespace tarn
