#pragma once

#include <functional>
#include <optional>
#include <string>

namespace tarn {

// Button sets and answers of a modal message box.
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class PromptIcon { None, Information, Warning, Error, Question };
enum class PromptAnswer { Ok, Cancel, Yes, No, Retry };

// One message box: texts are UTF-8.
struct Prompt {
    std::string text;
    std::string caption;
    PromptButtons buttons = PromptButtons::Ok;
    PromptIcon icon = PromptIcon::None;
    // The button Enter presses; empty: the box's first.
    std::optional<PromptAnswer> defaultAnswer = std::nullopt;
};

// Every message box of the programs goes through this, so tests can answer it.
class Prompter {
public:
    virtual ~Prompter() = default;
    [[nodiscard]] virtual PromptAnswer ask(const Prompt& prompt) = 0;
    // Shows the prompt without waiting for it where the prompter can, and hands the answer to
    // done once given. A prompter that can only wait answers before returning.
    virtual void askLater(const Prompt& prompt, std::function<void(PromptAnswer)> done) {
        done(ask(prompt));
    }
};

} // namespace tarn
