#include "shell/MainWindow.h"

#include "common/AppTitles.h"
#include "common/Prompter.h"
#include "common/Translate.h"
#include "link/RadioLink.h"
#include "qtsupport/CommandIds.h"
#include "resources/ResourceInit.h"
#include "shell/BackgroundWorkArea.h"
#include "shell/CommandRouter.h"
#include "shell/CommandTable.h"
#include "shell/DocumentWindow.h"
#include "shell/FramePlacement.h"
#include "shell/LockKeyIndicator.h"
#include "shell/TarnDocument.h"
#include "shell/WindowKeys.h"
#include "shell/WindowListMenu.h"
#include "view/ChannelView.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QUrl>

#include <algorithm>
#include <map>
#include <optional>

namespace tarn {

namespace {

const std::map<int, const char*>& toolbarIcons() {
    static const std::map<int, const char*> icons{
        {cmd::FileNew, ":/tarn/toolbar/new.png"},
        {cmd::FileOpen, ":/tarn/toolbar/open.png"},
        {cmd::FileSave, ":/tarn/toolbar/save.png"},
        {cmd::ReadFromRadio, ":/tarn/toolbar/read.png"},
        {cmd::WriteToRadio, ":/tarn/toolbar/write.png"},
        {cmd::FilePrint, ":/tarn/toolbar/print.png"},
        {cmd::AppAbout, ":/tarn/toolbar/about.png"},
    };
    return icons;
}

bool isCheckable(int id) {
    return id == cmd::ViewToolbar || id == cmd::ViewStatusBar || id == cmd::Com1 ||
           id == cmd::Com2 || id == cmd::Com3 || id == cmd::Com4 || id == cmd::VerifyAfterWrite ||
           id == cmd::LanguageEnglish || id == cmd::LanguageChinese ||
           (id >= cmd::BandPlanRegion1 && id < cmd::BandPlanRegion1 + cmd::BandPlanRegionCount);
}

QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A text of the command table in the current language.
QString translated(std::string_view s) {
    if (s.empty())
        return {};
    const std::string source(s);
    return QCoreApplication::translate(CommandTable::translationContext(), source.c_str());
}

void setTexts(QAction& action, const CommandInfo& info) {
    action.setText(translated(info.text));
    const QString prompt = translated(info.prompt);
    const qsizetype newline = prompt.indexOf(QLatin1Char('\n'));
    action.setStatusTip(prompt.left(newline));
    const QString tip = newline < 0 ? QString() : prompt.mid(newline + 1);
    action.setToolTip(tip.isEmpty() ? action.text() : tip);
}

QString idleMessage() {
    return QCoreApplication::translate("tarn::AppTitles", AppTitles::IdleMessage);
}

} // namespace

MainWindow::MainWindow(Prompter& prompter, QWidget* parent)
    : QMainWindow(parent)
    , m_prompter(prompter)
    , m_mdi(new BackgroundWorkArea(this))
    , m_router(new CommandRouter(this)) {
    initTarnResources();
    setWindowTitle(QString::fromUtf8(AppTitles::InitialCaption));
    setWindowIcon(QIcon(QStringLiteral(":/tarn/pictures/tarn-32.png")));
    resize(InitialWidth, InitialHeight);
    setAcceptDrops(true);
    m_router->setRouteProvider([this] { return route(); });

    buildMenus();
    buildToolBar();
    buildStatusBar();
    setCentralWidget(m_mdi);
    new WindowKeys(*this, *m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, &MainWindow::refreshCommands);
    // Like menus before they open, the toolbar and the keys follow the route whenever the
    // program idles.
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this, [this] {
            m_router->refresh(CommandTable::toolbar());
            m_router->refresh(CommandTable::keyed());
            updateBandPane();
            updateOrderPane();
        });
    refreshCommands();
}

MainWindow::~MainWindow() {
    // Closing the document windows below must not route commands through a half-gone frame.
    disconnect(m_mdi, nullptr, this, nullptr);
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        disconnect(dispatcher, nullptr, this, nullptr);
    m_router->setRouteProvider({});
}

QAction* MainWindow::makeAction(int id) {
    const CommandInfo* info = CommandTable::find(id);
    auto* action = new QAction(this);
    action->setProperty("commandId", id);
    setTexts(*action, *info);
    // The keys work wherever the focus is in this window, the grid and its editors included;
    // an editor keeps the keys that edit its own text.
    action->setShortcuts(
        QKeySequence::listFromString(text(info->keys), QKeySequence::PortableText));
    action->setShortcutContext(Qt::WindowShortcut);
    addAction(action);
    action->setCheckable(isCheckable(id));
    const auto icon = toolbarIcons().find(id);
    if (icon != toolbarIcons().end())
        action->setIcon(QIcon(QString::fromUtf8(icon->second)));
    m_router->addAction(action);
    return action;
}

void MainWindow::buildMenus() {
    for (const MenuInfo& menuInfo : CommandTable::menus()) {
        QMenu* menu = menuBar()->addMenu(translated(menuInfo.title));
        m_menus.emplace_back(menu, menuInfo.title);
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::refreshCommands);
        if (menuInfo.items.front() == cmd::WindowNew)
            m_windowList = new WindowListMenu(*menu, *m_mdi);
        addItems(*menu, menuInfo.items);
    }
}

void MainWindow::addItems(QMenu& menu, std::span<const int> items) {
    for (const int id : items) {
        if (id == 0) {
            menu.addSeparator();
            continue;
        }
        if (const std::span<const int> subitems = CommandTable::submenu(id); !subitems.empty()) {
            addSubmenu(menu, id, subitems);
            continue;
        }
        menu.addAction(makeAction(id));
        if (id != cmd::RecentFile1)
            continue;
        m_recentActions[0] = m_router->action(id);
        for (int i = 1; i < cmd::RecentFileCount; ++i) {
            auto* recent = new QAction(this);
            recent->setProperty("commandId", cmd::RecentFile1 + i);
            recent->setStatusTip(m_recentActions[0]->statusTip());
            recent->setVisible(false);
            m_router->addAction(recent);
            menu.addAction(recent);
            m_recentActions[static_cast<std::size_t>(i)] = recent;
        }
    }
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QMainWindow::changeEvent(event);
}

void MainWindow::retranslate() {
    m_router->forgetOwnTexts();
    for (const CommandInfo& info : CommandTable::commands()) {
        if (QAction* action = m_router->action(info.id); action && info.id != cmd::RecentFile1)
            setTexts(*action, info);
    }
    for (QAction* recent : m_recentActions) {
        if (recent != nullptr)
            recent->setStatusTip(
                translated(CommandTable::statusPrompt(*CommandTable::find(cmd::RecentFile1))));
    }
    for (const auto& [menu, title] : m_menus)
        menu->setTitle(translated(title));
    for (QMenu* submenu : m_submenus) {
        const int id = submenu->menuAction()->property("commandId").toInt();
        submenu->menuAction()->setStatusTip(
            translated(CommandTable::statusPrompt(*CommandTable::find(id))));
    }
    m_toolBar->setWindowTitle(tr("Standard"));
    m_messagePane->setText(idleMessage());
    refreshCommands();
}

void MainWindow::addSubmenu(QMenu& menu, int id, std::span<const int> items) {
    const CommandInfo& info = *CommandTable::find(id);
    QMenu* submenu = menu.addMenu(translated(info.text));
    submenu->menuAction()->setProperty("commandId", id);
    submenu->menuAction()->setStatusTip(translated(CommandTable::statusPrompt(info)));
    m_menus.emplace_back(submenu, info.text);
    m_submenus.push_back(submenu);
    connect(submenu, &QMenu::aboutToShow, this, &MainWindow::refreshCommands);
    addItems(*submenu, items);
}

void MainWindow::buildToolBar() {
    m_toolBar = new QToolBar(tr("Standard"), this);
    m_toolBar->setObjectName(QStringLiteral("toolbar128"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    m_toolBar->setMovable(true);
    m_toolBar->setFloatable(true);
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (const int id : CommandTable::toolbar()) {
        if (id == 0)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(m_router->action(id));
    }
    addToolBar(Qt::TopToolBarArea, m_toolBar);
}

void MainWindow::buildStatusBar() {
    m_messagePane = new QLabel(idleMessage(), this);
    statusBar()->addWidget(m_messagePane, 1);
    m_orderPane = new QLabel(this);
    m_orderPane->setObjectName(QStringLiteral("orderPane"));
    statusBar()->addPermanentWidget(m_orderPane);
    m_orderPane->hide();
    m_bandPane = new QLabel(this);
    m_bandPane->setObjectName(QStringLiteral("bandPane"));
    statusBar()->addPermanentWidget(m_bandPane);
    m_bandPane->hide();
    const std::array<std::pair<const char*, int>, 3> keys{
        {{"CAP", Qt::Key_CapsLock}, {"NUM", Qt::Key_NumLock}, {"SCRL", Qt::Key_ScrollLock}}};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        m_indicators[i] =
            new LockKeyIndicator(QString::fromUtf8(keys[i].first), keys[i].second, this);
        statusBar()->addPermanentWidget(m_indicators[i]);
    }
}

void MainWindow::addChildFrame(DocumentWindow* frame) {
    // A frame made with the work area as its parent has already joined it.
    if (!m_mdi->subWindowList().contains(frame))
        m_mdi->addSubWindow(frame);
    connect(&frame->view(), &ChannelView::statusText, this, &MainWindow::showStatusText);
    // A transfer changes what every window may do with its document and its port.
    const RadioLink& link = frame->radioLink();
    connect(&link, &RadioLink::transferStarted, this, &MainWindow::refreshCommands);
    connect(&link, &RadioLink::transferEnded, this, &MainWindow::refreshCommands);
    connect(frame, &DocumentWindow::firstShown, this, [this, frame] { placeFrame(*frame); });
}

void MainWindow::placeFrame(DocumentWindow& frame) {
    m_placed.removeAll(nullptr);
    std::optional<QPoint> newest;
    for (const QPointer<DocumentWindow>& placed : m_placed)
        if (!placed->isClosing())
            newest = placed->pos();
    // The area's size is only known once the main window has laid itself out.
    if (QLayout* mainLayout = layout())
        mainLayout->activate();
    const int step = frame.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &frame);
    const FramePlacement placement(m_mdi->viewport()->size(), step);
    frame.setGeometry(placement.place(frame.size(), newest));
    m_placed.append(&frame);
}

DocumentWindow* MainWindow::activeChild() const {
    auto* frame = qobject_cast<DocumentWindow*>(m_mdi->currentSubWindow());
    return frame != nullptr && !frame->isClosing() ? frame : nullptr;
}

QList<DocumentWindow*> MainWindow::childFrames() const {
    QList<DocumentWindow*> frames;
    for (QMdiSubWindow* window : m_mdi->subWindowList()) {
        auto* frame = qobject_cast<DocumentWindow*>(window);
        if (frame != nullptr && !frame->isClosing())
            frames.append(frame);
    }
    return frames;
}

QAction* MainWindow::commandAction(int id) const {
    return m_router->action(id);
}

void MainWindow::setRecentFiles(const QStringList& menuTexts) {
    for (std::size_t i = 0; i < m_recentActions.size(); ++i) {
        QAction* action = m_recentActions[i];
        const auto index = static_cast<qsizetype>(i);
        if (index < menuTexts.size()) {
            action->setText(menuTexts.at(index));
            action->setVisible(true);
        } else {
            action->setText(i == 0 ? text(CommandTable::find(cmd::RecentFile1)->text) : QString());
            action->setVisible(i == 0);
        }
    }
    refreshCommands();
}

void MainWindow::showStatusText(const QString& message) {
    statusBar()->showMessage(message);
}

void MainWindow::refreshCommands() {
    m_router->refresh();
    // A submenu is grey when none of its items is available.
    for (QMenu* submenu : m_submenus) {
        const QList<QAction*> items = submenu->actions();
        submenu->menuAction()->setEnabled(
            std::any_of(items.begin(), items.end(),
                        [](const QAction* a) { return !a->isSeparator() && a->isEnabled(); }));
    }
    updateBandPane();
    updateOrderPane();
}

void MainWindow::updateOrderPane() {
    DocumentWindow* frame = activeChild();
    const bool arranged = frame && frame->view().channels().isArranged();
    if (arranged) {
        const QString text =
            QCoreApplication::translate(MessageContext, ChannelCommands::ArrangedText);
        if (m_orderPane->text() != text)
            m_orderPane->setText(text);
    }
    m_orderPane->setVisible(arranged);
}

void MainWindow::updateBandPane() {
    DocumentWindow* frame = activeChild();
    const int count = frame ? frame->view().outOfBandChannels() : 0;
    const QString text = count == 1 ? tr("1 channel outside the band")
                                    : tr("%1 channels outside the band").arg(count);
    if (m_bandPane->text() != text)
        m_bandPane->setText(text);
    m_bandPane->setVisible(count != 0);
}

std::vector<CommandTarget*> MainWindow::route() const {
    std::vector<CommandTarget*> targets;
    if (DocumentWindow* frame = activeChild()) {
        targets.push_back(&frame->view());
        targets.push_back(&frame->document());
        targets.push_back(frame);
    }
    targets.push_back(const_cast<MainWindow*>(this));
    targets.push_back(m_appTarget);
    return targets;
}

bool MainWindow::handlesCommand(int id) const {
    return id == cmd::AppExit || id == cmd::ViewToolbar || id == cmd::ViewStatusBar ||
           id == cmd::WindowCascade || id == cmd::WindowTile || id == cmd::WindowArrange;
}

void MainWindow::updateCommand(int id, CommandState& state) {
    if (id == cmd::ViewToolbar)
        state.checked = m_toolBar->isVisibleTo(this);
    else if (id == cmd::ViewStatusBar)
        state.checked = statusBar()->isVisibleTo(this);
    else if (id == cmd::WindowCascade || id == cmd::WindowTile || id == cmd::WindowArrange)
        state.enabled = activeChild() != nullptr;
}

void MainWindow::runCommand(int id) {
    switch (id) {
    case cmd::AppExit:
        close();
        break;
    case cmd::ViewToolbar:
        m_toolBar->setVisible(!m_toolBar->isVisibleTo(this));
        break;
    case cmd::ViewStatusBar:
        statusBar()->setVisible(!statusBar()->isVisibleTo(this));
        break;
    case cmd::WindowCascade:
        m_mdi->cascadeSubWindows();
        break;
    case cmd::WindowTile:
        m_mdi->tileSubWindows();
        break;
    case cmd::WindowArrange:
        arrangeIcons();
        break;
    default:
        break;
    }
}

void MainWindow::arrangeIcons() {
    // Minimised windows line up along the bottom edge of the work area, left to right.
    int left = 0;
    const int bottom = m_mdi->viewport()->height();
    for (QMdiSubWindow* window : m_mdi->subWindowList()) {
        if (!window->isMinimized())
            continue;
        window->move(left, bottom - window->height());
        left += window->width();
    }
}

void MainWindow::closeConfirmed() {
    m_exitConfirmed = true;
    close();
    m_exitConfirmed = false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (m_closeHold && m_closeHold()) {
        event->ignore();
        return;
    }
    const Prompt question{TARN_TRANSLATE_NOOP("tarn::Prompt", "Do you Exit?"),
                          TARN_TRANSLATE_NOOP("tarn::Prompt", "Prompt"), PromptButtons::OkCancel,
                          PromptIcon::Information};
    if ((!m_exitConfirmed && m_prompter.ask(question) != PromptAnswer::Ok) ||
        (m_exitGuard && !m_exitGuard())) {
        event->ignore();
        return;
    }
    event->accept();
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (const QScreen* screen = this->screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        move(frame.topLeft());
    }
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls()) {
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    }
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    emit filesDropped(paths);
}

} // namespace tarn
