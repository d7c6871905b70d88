// Menu 129: texts, ids, prompts, separators, and which items are available when.
#include "tests/shell/ShellFixture.h"

#include "qtsupport/CommandIds.h"
#include "shell/BackgroundWorkArea.h"
#include "shell/CommandRouter.h"
#include "shell/DocumentWindow.h"
#include "shell/MainWindow.h"
#include "shell/TarnDocument.h"
#include "view/ChannelView.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

#include <set>

namespace tarn::test {
namespace {

using Menus = ShellFixture;

// "text|id" for each item, "-" for a separator.
QStringList describe(const QMenu& menu) {
    QStringList items;
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator())
            items.append(QStringLiteral("-"));
        else if (action->isVisible())
            items.append(action->text() + "|" + action->property("commandId").toString());
    }
    return items;
}

TEST_F(Menus, BarHoldsEveryItemInOrderWithItsIdAndSeparators) {
    ASSERT_TRUE(start());
    QStringList titles;
    std::vector<QStringList> menus;
    for (const QAction* top : main().menuBar()->actions()) {
        titles.append(top->text());
        menus.push_back(describe(*top->menu()));
    }
    EXPECT_EQ(titles, (QStringList{"&File", "&Model", "&Edit", "&Program", "&Setup", "&View",
                                   "&Window", "&Help"}));
    ASSERT_EQ(menus.size(), 8U);
    EXPECT_EQ(
        menus[0],
        (QStringList{"&New\tCtrl+N|57600", "&Open...\tCtrl+O|57601", "&Close|57602",
                     "&Save\tCtrl+S|57603", "Save &As...|57604", "&Import Channels...|32790",
                     "&Export Channels...|32791", "Channel &Lists|32850", "Co&mpare With...|32797",
                     "-", "&Print...\tCtrl+P|57607", "Print Pre&view|57609",
                     "P&rint Setup...|57606", "-", "Recent File|57616", "-", "E&xit|57665"}));
    EXPECT_EQ(menus[1], (QStringList{"&Model Information|32781"}));
    EXPECT_EQ(menus[2], (QStringList{"&Undo\tCtrl+Z|57643",
                                     "&Redo\tCtrl+Y|57644",
                                     "-",
                                     "Cu&t\tCtrl+X|57635",
                                     "&Copy\tCtrl+C|57634",
                                     "&Paste\tCtrl+V|57637",
                                     "C&lear Channels\tDel|57632",
                                     "-",
                                     "&Find...\tCtrl+F|32846",
                                     "-",
                                     "&Insert Channel|32784",
                                     "&Delete Channel|32785",
                                     "Mo&ve Up\tCtrl+Shift+Up|32842",
                                     "Move Do&wn\tCtrl+Shift+Down|32843",
                                     "Sort C&hannels...|32841",
                                     "-",
                                     "Edit &Selected Channels...|32844",
                                     "Fill Chann&els...|32845",
                                     "-",
                                     "&Optional Features|32782"}));
    EXPECT_EQ(menus[3],
              (QStringList{"&Read From Radio\tCtrl+R|32771", "-", "&Write To Radio\tCtrl+W|32772",
                           "-", "&Edit Data\tCtrl+G|32780", "&Backups...|32795", "-",
                           "&Verify After Write|32796"}));
    // Ctrl+C is Copy: the ports keep their letters only.
    QStringList setup{"COM1(&P)|32773", "COM2(&Q)|32775", "COM3(&S)|32776", "COM4(&T)|32777", "-"};
#ifndef _WIN32
    setup.append({"P&orts...|32783", "-"});
#endif
    setup.append({"Band Pla&n|32860", "-", "&Language|32800"});
    EXPECT_EQ(menus[4], setup);
    EXPECT_EQ(menus[5], (QStringList{"&Toolbar|59392", "&Status Bar|59393"}));
    EXPECT_EQ(menus[6], (QStringList{"&New Window|57648", "&Cascade|57650", "&Tile|57651",
                                     "&Arrange Icons|57649"}));
    EXPECT_EQ(menus[7], (QStringList{"TARN &Help\tF1|57670", "-", "Show &Last Serial Trace|32870",
                                     "Report a &Problem...|32871", "-", "&About ...|57664"}));
}

TEST_F(Menus, PromptsSplitIntoStatusTextAndTooltip) {
    ASSERT_TRUE(start());
    const QAction* saveAs = main().commandAction(cmd::FileSaveAs);
    EXPECT_EQ(saveAs->statusTip(), "Save the active document with a new name");
    EXPECT_EQ(saveAs->toolTip(), "Save As");
    EXPECT_EQ(main().commandAction(cmd::Com3)->statusTip(), "Choose Communication Port three ");
    EXPECT_EQ(main().commandAction(cmd::Com3)->toolTip(), "Com3");
    EXPECT_EQ(main().commandAction(cmd::RecentFile1)->statusTip(), "Open this document");
    EXPECT_EQ(main().commandAction(cmd::AppAbout)->toolTip(), "About");
    EXPECT_TRUE(main().commandAction(cmd::ModelInformation)->statusTip().isEmpty());
}

std::set<int> enabledCommands(MainWindow& frame) {
    frame.refreshCommands();
    std::set<int> ids;
    for (const QAction* top : frame.menuBar()->actions()) {
        for (const QAction* action : top->menu()->actions()) {
            if (!action->isSeparator() && action->isVisible() && action->isEnabled())
                ids.insert(action->property("commandId").toInt());
        }
    }
    return ids;
}

TEST_F(Menus, WithoutADocumentOnlyTheApplicationCommandsAreAvailable) {
    ASSERT_TRUE(start());
    trigger(cmd::FileClose);
    ASSERT_EQ(documentCount(), 0U);
    // The band plan is the program's setting too.
    std::set<int> expected{57600, 57601, 57606, 57665, 59392, 59393, 57664,
                           32795, 32796, 32800, 57670, 32860, 32870, 32871};
#ifndef _WIN32
    // The ports are the program's setting, not a document's.
    expected.insert(32783);
#endif
    EXPECT_EQ(enabledCommands(main()), expected);
    std::set<int> toolbar;
    for (const QAction* action : main().toolBar().actions()) {
        if (!action->isSeparator() && action->isEnabled())
            toolbar.insert(action->property("commandId").toInt());
    }
    EXPECT_EQ(toolbar, (std::set<int>{57600, 57601, 57664}));
}

TEST_F(Menus, ChannelWindowBringsItsRouteIntoPlay) {
    ASSERT_TRUE(start());
    const std::set<int> on = enabledCommands(main());
    for (int id : {57600, 57601, 57602, 57603, 57604, 57607, 57609, 57606, 57665,
                   59392, 59393, 57648, 57650, 57651, 57649, 57664, 32780, 57635,
                   57634, 57637, 57632, 32784, 32785, 32795, 32796, 32797})
        EXPECT_EQ(on.count(id), 1U) << id;
    // Nothing on the route handles the recent-file placeholder while the list is empty.
    EXPECT_EQ(on.count(57616), 0U);
    // Whatever the view or the window's radio link handles is available, the rest is grey.
    ChannelView& view = active()->view();
    for (int id : {32771, 32772, 32773, 32775, 32776, 32777, 32781, 32782})
        EXPECT_EQ(on.count(id) == 1, view.handlesCommand(id) || active()->handlesCommand(id)) << id;
}

#ifndef _WIN32
TEST_F(Menus, PortsChoosesTheDevicesWithOrWithoutADocument) {
    ASSERT_TRUE(start());
    trigger(cmd::Ports);
    trigger(cmd::FileClose);
    ASSERT_EQ(documentCount(), 0U);
    trigger(cmd::Ports);
    EXPECT_EQ(m_dialogs.windowDialogs.portsRuns, 2);
}
#endif

TEST_F(Menus, EditDataAsksThenMakesTheFirstCellCurrent) {
    ASSERT_TRUE(start());
    ChannelTableView& grid = active()->view().grid();
    grid.setCurrentCell({5, 3});
    m_prompter.answer(PromptAnswer::Ok);
    trigger(cmd::EditData);
    EXPECT_EQ(m_prompter.texts(),
              std::vector<std::string>{"Please directly double click inside the table"});
    EXPECT_EQ(grid.currentCell(), (CellEditRules::Cell{1, 1}));
}

// A right-click on the cells or on the channel numbers offers the Edit menu's channel
// commands, for the channels chosen.
TEST_F(Menus, RightClickOffersTheChannelCommands) {
    ASSERT_TRUE(start());
    ChannelTableView& grid = active()->view().grid();
    active()->document().storeCell(4, 1, "145.50000");
    const auto menuAt = [&](QWidget* widget, QPoint at) -> QMenu* {
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
        QCoreApplication::sendEvent(widget, &event);
        for (QMenu* menu : grid.findChildren<QMenu*>()) {
            if (menu->isVisible())
                return menu;
        }
        return nullptr;
    };
    grid.selectChannels(3, 4);
    QMenu* menu = menuAt(grid.viewport(), grid.cellRect({4, 2}).center());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(
        describe(*menu),
        (QStringList{"&Undo\tCtrl+Z|57643", "&Redo\tCtrl+Y|57644", "-", "Cu&t\tCtrl+X|57635",
                     "&Copy\tCtrl+C|57634", "&Paste\tCtrl+V|57637", "C&lear Channels\tDel|57632",
                     "-", "&Insert Channel|32784", "&Delete Channel|32785"}));
    QAction* clear = menu->actions().at(6);
    menu->close();
    clear->trigger();
    EXPECT_EQ(active()->document().sheet().cellText(4, 1), "") << "the chosen channels cleared";

    QHeaderView* numbers = grid.verticalHeader();
    const QPoint onSeven(4, numbers->sectionViewportPosition(6) + 2);
    menu = menuAt(numbers->viewport(), onSeven);
    ASSERT_NE(menu, nullptr);
    menu->close();
    EXPECT_EQ(grid.selectedChannels(), std::vector<int>{7});
}

TEST_F(Menus, AboutCommandRunsTheAboutBox) {
    ASSERT_TRUE(start());
    trigger(cmd::AppAbout);
    EXPECT_EQ(m_dialogs.abouts, 1);
}

TEST_F(Menus, WindowCommandsArrangeTheDocumentWindows) {
    ASSERT_TRUE(start());
    trigger(cmd::WindowNew);
    ASSERT_EQ(main().childFrames().size(), 2);
    EXPECT_EQ(documentCount(), 1U);
    EXPECT_EQ(main().childFrames()[0]->windowTitle(), "Edit Channel Data1:1");
    EXPECT_EQ(main().childFrames()[1]->windowTitle(), "Edit Channel Data1:2");

    trigger(cmd::WindowTile);
    const QRect a = main().childFrames()[0]->geometry();
    const QRect b = main().childFrames()[1]->geometry();
    EXPECT_FALSE(a.intersects(b));
    trigger(cmd::WindowCascade);
    EXPECT_NE(main().childFrames()[0]->pos(), main().childFrames()[1]->pos());

    main().childFrames()[0]->showMinimized();
    trigger(cmd::WindowArrange);
    const QMdiSubWindow* icon = main().childFrames()[0];
    EXPECT_EQ(icon->geometry().bottom(), main().mdiClient().viewport()->height() - 1);

    EXPECT_TRUE(main().childFrames()[1]->close());
    flushDeletes();
    ASSERT_EQ(main().childFrames().size(), 1);
    EXPECT_EQ(main().childFrames()[0]->windowTitle(), "Edit Channel Data1");
}

TEST_F(Menus, WindowMenuListsTheOpenWindowsAndBringsOneForward) {
    ASSERT_TRUE(start());
    trigger(cmd::FileNew);
    QMenu* windowMenu = main().menuBar()->actions().at(6)->menu();
    emit windowMenu->aboutToShow();
    const QStringList items = describe(*windowMenu);
    ASSERT_EQ(items.size(), 7);
    EXPECT_EQ(items.mid(4),
              (QStringList{"-", "&1 Edit Channel Data1|65280", "&2 Edit Channel Data2|65281"}));
    EXPECT_TRUE(windowMenu->actions().last()->isChecked());

    windowMenu->actions().at(5)->trigger();
    EXPECT_EQ(active()->windowTitle(), "Edit Channel Data1");

    // Reopening the menu replaces the entries rather than adding more.
    EXPECT_TRUE(active()->close());
    flushDeletes();
    emit windowMenu->aboutToShow();
    EXPECT_EQ(describe(*windowMenu).size(), 6);
}

} // namespace
} // namespace tarn::test
