#pragma once

#include "qtsupport/CommandTarget.h"

#include <QObject>

#include <functional>
#include <map>
#include <span>
#include <vector>

class QAction;

namespace tarn {

// Sends each command to the first target on the active route that handles it, and greys the
// actions of commands that no target handles.
class CommandRouter : public QObject {
    Q_OBJECT
public:
    // The route, most specific first: view, document, child frame, main frame, application.
    using RouteProvider = std::function<std::vector<CommandTarget*>()>;

    explicit CommandRouter(QObject* parent = nullptr);

    void setRouteProvider(RouteProvider provider) { m_route = std::move(provider); }
    // The action's "commandId" property names its command; triggering it runs the command.
    void addAction(QAction* action);
    [[nodiscard]] QAction* action(int id) const;

    // Runs a command; false when nothing on the route handles it.
    bool run(int id);
    [[nodiscard]] CommandState state(int id) const;
    // Brings every action's enabled and checked state up to date.
    // Drops the texts kept while an item is renamed, after the language has changed.
    void forgetOwnTexts() { m_ownTexts.clear(); }
    void refresh();
    // The same for some commands only; unknown ids and 0 are skipped.
    void refresh(std::span<const int> ids);

private:
    void refreshAction(int id, QAction& action);
    [[nodiscard]] CommandTarget* handlerFor(int id, const std::vector<CommandTarget*>& route) const;

    RouteProvider m_route;
    std::map<int, QAction*> m_actions;
    // The own texts of the actions whose text a target has replaced.
    std::map<int, QString> m_ownTexts;
};

} // namespace tarn
