#pragma once

#include "qtsupport/CommandTarget.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

class QLabel;
class QMenu;
class QToolBar;

namespace tarn {

class BackgroundWorkArea;
class DocumentWindow;
class CommandRouter;
class LockKeyIndicator;
class WindowListMenu;
class Prompter;

// The main window: menu 129, toolbar 128, the status bar and the tiled work area holding the
// document windows. Leaving asks "Do you Exit?" first.
class MainWindow : public QMainWindow, public CommandTarget {
    Q_OBJECT
public:
    static constexpr int InitialWidth = 800;
    static constexpr int InitialHeight = 600;

    explicit MainWindow(Prompter& prompter, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The application's place at the end of the command route.
    void setApplicationTarget(CommandTarget* target) { m_appTarget = target; }
    // Asked after the user confirmed leaving; false keeps the program running.
    void setExitGuard(std::function<bool()> guard) { m_exitGuard = std::move(guard); }
    // Asked before anything else when the window is to close; true holds the request.
    void setCloseHold(std::function<bool()> hold) { m_closeHold = std::move(hold); }
    // Leaves as a confirmed "Do you Exit?" would, asking the exit guard only.
    void closeConfirmed();

    void addChildFrame(DocumentWindow* frame);
    [[nodiscard]] DocumentWindow* activeChild() const;
    [[nodiscard]] QList<DocumentWindow*> childFrames() const;
    [[nodiscard]] BackgroundWorkArea& mdiClient() { return *m_mdi; }
    [[nodiscard]] CommandRouter& router() { return *m_router; }
    [[nodiscard]] QToolBar& toolBar() { return *m_toolBar; }
    [[nodiscard]] QLabel& messagePane() { return *m_messagePane; }
    // Counts the active window's channels outside its model's band; hidden at none.
    [[nodiscard]] QLabel& bandPane() { return *m_bandPane; }
    // Says why the commands on channels in order are off while the view is found or sorted.
    [[nodiscard]] QLabel& orderPane() { return *m_orderPane; }
    [[nodiscard]] const std::array<LockKeyIndicator*, 3>& indicators() const {
        return m_indicators;
    }
    [[nodiscard]] QAction* commandAction(int id) const;
    // Shows the recent-file entries (menu texts) in the File menu.
    void setRecentFiles(const QStringList& menuTexts);
    // Writes pane 0 of the status bar until the next prompt replaces it.
    void showStatusText(const QString& text);
    // Brings menu items and toolbar buttons up to date.
    void refreshCommands();

    [[nodiscard]] bool handlesCommand(int id) const override;
    void updateCommand(int id, CommandState& state) override;
    void runCommand(int id) override;

signals:
    void filesDropped(const QStringList& paths);

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    [[nodiscard]] QAction* makeAction(int id);
    void buildMenus();
    void addItems(QMenu& menu, std::span<const int> items);
    void addSubmenu(QMenu& menu, int id, std::span<const int> items);
    // Sets every text of the menus, the toolbar and the status bar in the current language.
    void retranslate();
    void buildToolBar();
    void buildStatusBar();
    void updateBandPane();
    void updateOrderPane();
    void arrangeIcons();
    // Gives a document window its first place and size in the work area.
    void placeFrame(DocumentWindow& frame);
    [[nodiscard]] std::vector<CommandTarget*> route() const;

    Prompter& m_prompter;
    BackgroundWorkArea* m_mdi;
    CommandRouter* m_router;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_messagePane = nullptr;
    QLabel* m_bandPane = nullptr;
    QLabel* m_orderPane = nullptr;
    std::array<LockKeyIndicator*, 3> m_indicators{};
    std::array<QAction*, 4> m_recentActions{};
    std::vector<QMenu*> m_submenus;
    WindowListMenu* m_windowList = nullptr;
    // The menus with their untranslated titles.
    std::vector<std::pair<QMenu*, std::string_view>> m_menus;
    CommandTarget* m_appTarget = nullptr;
    std::function<bool()> m_exitGuard;
    std::function<bool()> m_closeHold;
    // Document windows in the order they were placed; later ones cascade from the newest.
    QList<QPointer<DocumentWindow>> m_placed;
    bool m_exitConfirmed = false;
};

} // namespace tarn
