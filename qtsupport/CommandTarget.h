#pragma once

#include <string>

namespace tarn {

// What a command's menu item and toolbar button show.
struct CommandState {
    bool enabled = true;
    bool checked = false;
    // Replaces the item's text (UTF-8, with its key name after a tab); empty keeps the own text.
    std::string text;
};

// Something on the command route (view, document, frame, application) that may handle
// numeric menu commands. A command that no target on the active route handles is grey.
class CommandTarget {
public:
    virtual ~CommandTarget() = default;
    [[nodiscard]] virtual bool handlesCommand(int id) const = 0;
    // Called before a menu shows, only for handled commands; may grey or check the item.
    virtual void updateCommand(int id, CommandState& state) {
        (void)id;
        (void)state;
    }
    virtual void runCommand(int id) = 0;
};

} // namespace tarn
