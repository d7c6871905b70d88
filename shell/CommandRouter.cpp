#include "shell/CommandRouter.h"

#include "qtsupport/CommandIds.h"

#include <QAction>

namespace tarn {

CommandRouter::CommandRouter(QObject* parent)
    : QObject(parent) {}

void CommandRouter::addAction(QAction* action) {
    const int id = action->property("commandId").toInt();
    m_actions[id] = action;
    connect(action, &QAction::triggered, this, [this, id] { run(id); });
}

QAction* CommandRouter::action(int id) const {
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

CommandTarget* CommandRouter::handlerFor(int id, const std::vector<CommandTarget*>& route) const {
    for (CommandTarget* target : route) {
        if (target != nullptr && target->handlesCommand(id))
            return target;
    }
    return nullptr;
}

bool CommandRouter::run(int id) {
    const auto route = m_route ? m_route() : std::vector<CommandTarget*>{};
    CommandTarget* target = handlerFor(id, route);
    if (target == nullptr)
        return false;
    CommandState current;
    target->updateCommand(id, current);
    if (!current.enabled)
        return false;
    target->runCommand(id);
    refresh();
    return true;
}

CommandState CommandRouter::state(int id) const {
    const auto route = m_route ? m_route() : std::vector<CommandTarget*>{};
    CommandState result;
    CommandTarget* target = handlerFor(id, route);
    if (target == nullptr) {
        result.enabled = false;
        return result;
    }
    target->updateCommand(id, result);
    return result;
}

void CommandRouter::refresh() {
    for (const auto& [id, action] : m_actions)
        refreshAction(id, *action);
}

void CommandRouter::refresh(std::span<const int> ids) {
    for (const int id : ids) {
        if (QAction* found = action(id))
            refreshAction(id, *found);
    }
}

void CommandRouter::refreshAction(int id, QAction& action) {
    const CommandState s = state(id);
    action.setEnabled(s.enabled);
    if (action.isCheckable())
        action.setChecked(s.checked);
    if (!s.text.empty()) {
        m_ownTexts.try_emplace(id, action.text());
        action.setText(QString::fromStdString(s.text));
    } else if (const auto own = m_ownTexts.find(id); own != m_ownTexts.end()) {
        action.setText(own->second);
        m_ownTexts.erase(own);
    }
}

} // namespace tarn
