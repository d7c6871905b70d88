#pragma once

#include "common/Prompter.h"

#include <iostream>

namespace tarn::bench {

// Any message box means the run is not a clean measurement: it is printed and cancelled.
class FailingPrompter final : public Prompter {
public:
    [[nodiscard]] PromptAnswer ask(const Prompt& prompt) override {
        std::cerr << "unexpected message: " << prompt.text << "\n";
        return PromptAnswer::Cancel;
    }
};

} // namespace tarn::bench
