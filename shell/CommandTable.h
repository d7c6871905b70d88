#pragma once

#include <span>
#include <string_view>
#include <vector>

namespace tarn {

// One command of menu 129: its text (with the name of its key after a tab), its prompt
// (status-bar text, then "\n" and the tooltip) and the keys that run it, "; " between two.
struct CommandInfo {
    int id;
    std::string_view text;
    std::string_view prompt;
    std::string_view keys = {};
};

// A menu of the bar; id 0 stands for a separator.
struct MenuInfo {
    std::string_view title;
    std::span<const int> items;
};

// The fixed layout of menu 129 and toolbar 128.
class CommandTable {
public:
    [[nodiscard]] static std::span<const MenuInfo> menus();
    // The items of the submenu that cmd::LanguageMenu stands for.
    [[nodiscard]] static std::span<const int> languageItems();
    // The items of the submenu a menu item opens; empty for a plain item.
    [[nodiscard]] static std::span<const int> submenu(int id);
    // Where the table's texts are translated: QCoreApplication::translate(context, text).
    [[nodiscard]] static const char* translationContext();
    [[nodiscard]] static std::span<const CommandInfo> commands();
    // Toolbar buttons left to right; 0 is a gap.
    [[nodiscard]] static std::span<const int> toolbar();
    // Commands that a key runs.
    [[nodiscard]] static std::span<const int> keyed();
    // nullptr for an unknown id.
    [[nodiscard]] static const CommandInfo* find(int id);
    [[nodiscard]] static std::string_view statusPrompt(const CommandInfo& info);
    [[nodiscard]] static std::string_view tooltip(const CommandInfo& info);
};

} // namespace tarn
