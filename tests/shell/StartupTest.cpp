// Start-up, the main window's furniture and leaving the program.
#include "tests/shell/ShellFixture.h"

#include "qtsupport/CommandIds.h"
#include "resources/ResourceInit.h"
#include "shell/AboutDialog.h"
#include "shell/BackgroundWorkArea.h"
#include "shell/DocumentWindow.h"
#include "shell/LockKeyIndicator.h"
#include "shell/MainWindow.h"
#include "shell/TarnDocument.h"
#include "view/ChannelView.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

namespace tarn::test {
namespace {

using Startup = ShellFixture;

TEST_F(Startup, OpensCentredMainWindowWithOneNewDocument) {
    ASSERT_TRUE(start());
    MainWindow& frame = main();
    EXPECT_TRUE(frame.isVisible());
    EXPECT_EQ(frame.windowTitle(), "Davuz EduzIdoz");
    EXPECT_EQ(frame.size(), QSize(800, 600));
    const QPoint screenCentre = frame.screen()->availableGeometry().center();
    EXPECT_LE((frame.frameGeometry().center() - screenCentre).manhattanLength(), 2);

    ASSERT_EQ(documentCount(), 1U);
    DocumentWindow* child = active();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child->windowTitle(), "Edit Channel Data1");
    EXPECT_EQ(child->document().channelCount(), 199);
    EXPECT_EQ(child->view().grid().model()->rowCount(), 199);
    EXPECT_FALSE(child->document().isModified());
    EXPECT_LE(child->width(), DocumentWindow::InitialWidth);
    EXPECT_LE(child->height(), DocumentWindow::InitialHeight);
    EXPECT_EQ(QCoreApplication::organizationName(), "Local AppWizard-Generated Applications");
    EXPECT_EQ(QCoreApplication::applicationName(), "Vizuruzu DizaRido");
}

TEST_F(Startup, FirstWindowFitsTheWorkAreaCentredAndLaterOnesCascade) {
    ASSERT_TRUE(start());
    const QSize area = main().mdiClient().viewport()->size();
    DocumentWindow* first = active();
    EXPECT_LE(first->width(), area.width()) << "the form is wider than 800 pixels";
    EXPECT_LE(first->height(), area.height());
    const QSize room = area - first->size();
    EXPECT_EQ(first->pos(), QPoint(room.width() / 2, room.height() / 2));

    // Room for cascading: later windows step down and right from the newest, numbered on.
    first->resize(first->width() / 2, first->height() / 2);
    first->move(10, 10);
    trigger(cmd::FileNew);
    DocumentWindow* second = active();
    EXPECT_EQ(second->windowTitle(), "Edit Channel Data2");
    const int step = second->pos().x() - 10;
    EXPECT_GT(step, 10);
    EXPECT_EQ(second->pos(), QPoint(10 + step, 10 + step));
    trigger(cmd::WindowNew);
    EXPECT_EQ(active()->pos(), QPoint(10 + 2 * step, 10 + 2 * step));

    // Shown again, a window stays where it was.
    second->move(40, 25);
    second->showMinimized();
    second->showNormal();
    main().hide();
    main().show();
    EXPECT_EQ(second->pos(), QPoint(40, 25));
    EXPECT_EQ(first->pos(), QPoint(10, 10));
}

TEST_F(Startup, FileOnTheCommandLineOpensAfterTheQuestion) {
    const auto path = writeImage("radio.sin", 5);
    m_prompter.answer(PromptAnswer::Ok);
    ASSERT_TRUE(start({QString::fromStdString(path.string())}));
    ASSERT_EQ(m_prompter.texts(), std::vector<std::string>{"Do you rewrite data?"});
    EXPECT_EQ(m_prompter.prompts()[0].caption, "Prompt");
    EXPECT_EQ(m_prompter.prompts()[0].buttons, PromptButtons::OkCancel);
    EXPECT_EQ(m_prompter.prompts()[0].icon, PromptIcon::Warning);
    ASSERT_EQ(documentCount(), 1U);
    EXPECT_EQ(active()->windowTitle(), "radio.sin");
    EXPECT_EQ(active()->view().grid().model()->rowCount(), 160);
}

TEST_F(Startup, UnreadableOrRefusedCommandLineFileEndsTheProgram) {
    m_prompter.answer(PromptAnswer::Ok);
    EXPECT_FALSE(start({QString::fromStdString(file("missing.sin").string())}));
    ASSERT_EQ(m_prompter.prompts().size(), 1U);
    EXPECT_NE(m_prompter.texts()[0].find("missing.sin"), std::string::npos);
    EXPECT_EQ(documentCount(), 0U);

    ShellFixture::TearDown();
    ShellFixture::SetUp();
    m_prompter.answer(PromptAnswer::Cancel);
    EXPECT_FALSE(start({QString::fromStdString(writeImage("ok.sin", 0).string())}));
    EXPECT_EQ(documentCount(), 0U);
}

TEST_F(Startup, StatusBarShowsIdleTextAndLockKeyPanes) {
    ASSERT_TRUE(start());
    EXPECT_EQ(main().messagePane().text(), "For Help, press F1");
    EXPECT_TRUE(main().statusBar()->currentMessage().isEmpty());
    QStringList names;
    for (const LockKeyIndicator* pane : main().indicators())
        names.append(pane->text());
    EXPECT_EQ(names, (QStringList{"CAP", "NUM", "SCRL"}));

    LockKeyIndicator& caps = *main().indicators()[0];
    const bool before = caps.isOn();
    QTest::keyClick(&active()->view().grid(), Qt::Key_CapsLock);
    EXPECT_NE(caps.isOn(), before);
}

TEST_F(Startup, PointerHelpFromTheViewGoesToTheMessagePane) {
    ASSERT_TRUE(start());
    ChannelTableView& grid = active()->view().grid();
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(&grid, &enter);
    EXPECT_EQ(main().statusBar()->currentMessage().toStdString(), ChannelView::GridHelp);
    // A menu prompt replaces it; the idle text returns afterwards.
    QStatusTipEvent tip(QStringLiteral("Create a new document"));
    QCoreApplication::sendEvent(&main(), &tip);
    EXPECT_EQ(main().statusBar()->currentMessage(), "Create a new document");
    QStatusTipEvent none{QString()};
    QCoreApplication::sendEvent(&main(), &none);
    EXPECT_TRUE(main().statusBar()->currentMessage().isEmpty());
    EXPECT_TRUE(main().messagePane().isVisibleTo(main().statusBar()));
}

TEST_F(Startup, ExitAsksFirstAndCancelKeepsEverythingOpen) {
    ASSERT_TRUE(start());
    trigger(cmd::FileNew);
    m_prompter.answer(PromptAnswer::Cancel);
    trigger(cmd::AppExit);
    ASSERT_EQ(m_prompter.texts(), std::vector<std::string>{"Do you Exit?"});
    EXPECT_EQ(m_prompter.prompts()[0].caption, "Prompt");
    EXPECT_EQ(m_prompter.prompts()[0].icon, PromptIcon::Information);
    EXPECT_EQ(m_prompter.prompts()[0].buttons, PromptButtons::OkCancel);
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(documentCount(), 2U);

    m_prompter.answer(PromptAnswer::Ok);
    EXPECT_TRUE(main().close());
    EXPECT_FALSE(main().isVisible());
}

TEST_F(Startup, ClosingOneUnchangedDocumentWindowAsksNothing) {
    ASSERT_TRUE(start());
    EXPECT_TRUE(active()->close());
    flushDeletes();
    EXPECT_EQ(documentCount(), 0U);
    EXPECT_TRUE(m_prompter.prompts().empty());
}

TEST_F(Startup, NoBuiltInKeyClosesADocumentWindowOrDropsATypedValue) {
    ASSERT_TRUE(start());
    main().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main()));
    DocumentWindow* frame = active();
    ChannelTableView& grid = frame->view().grid();
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_1);
    QLineEdit* editor = frame->view().frequencyEdit();
    ASSERT_TRUE(editor->isVisible());

    // Ctrl+W is Write To Radio and Ctrl+F4 closes through the save question; Ctrl+Q and
    // Alt+F4 are nobody's inside the window.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::ALT | Qt::Key_F4)})
        QTest::keySequence(editor, keys);
    flushDeletes();
    EXPECT_EQ(documentCount(), 1U);
    EXPECT_EQ(active(), frame);
    EXPECT_EQ(editor->text(), "1");
    EXPECT_TRUE(m_prompter.prompts().empty());
    for (QAction* action : frame->systemMenu()->actions())
        EXPECT_TRUE(action->shortcuts().isEmpty()) << action->text().toStdString();
}

TEST_F(Startup, ToolbarHasTheButtonsAndGapsOfTheOriginalBar) {
    ASSERT_TRUE(start());
    QList<int> ids;
    for (const QAction* action : main().toolBar().actions())
        ids.append(action->isSeparator() ? 0 : action->property("commandId").toInt());
    EXPECT_EQ(ids, (QList<int>{57600, 57601, 57603, 0, 32771, 32772, 0, 57607, 57664}));
    for (const QAction* action : main().toolBar().actions()) {
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->icon().isNull()) << action->toolTip().toStdString();
        }
    }
    EXPECT_EQ(main().commandAction(cmd::FileNew)->toolTip(), "New");
    EXPECT_EQ(main().commandAction(cmd::WriteToRadio)->toolTip(), "Write");
    EXPECT_EQ(main().commandAction(cmd::WriteToRadio)->statusTip(), "Write Data to Radio ");
    EXPECT_EQ(main().toolBar().allowedAreas(), Qt::AllToolBarAreas);
    EXPECT_TRUE(main().toolBar().isMovable());
    EXPECT_EQ(main().toolBarArea(&main().toolBar()), Qt::TopToolBarArea);
}

TEST_F(Startup, MaximisedDocumentWindowLeavesTheMainCaptionAlone) {
    ASSERT_TRUE(start());
    active()->showMaximized();
    QTest::qWait(0);
    EXPECT_EQ(main().windowTitle(), "Davuz EduzIdoz");
    active()->showNormal();
    EXPECT_EQ(main().windowTitle(), "Davuz EduzIdoz");
}

TEST_F(Startup, DocumentWindowLargerThanTheWorkAreaCanBeScrolledTo) {
    ASSERT_TRUE(start());
    main().resize(400, 300);
    QTest::qWait(0);
    EXPECT_TRUE(main().mdiClient().horizontalScrollBar()->isVisible());
    EXPECT_TRUE(main().mdiClient().verticalScrollBar()->isVisible());
}

TEST_F(Startup, ViewTogglesHideAndShowTheBars) {
    ASSERT_TRUE(start());
    EXPECT_TRUE(main().commandAction(cmd::ViewToolbar)->isChecked());
    trigger(cmd::ViewToolbar);
    EXPECT_FALSE(main().toolBar().isVisible());
    EXPECT_FALSE(main().commandAction(cmd::ViewToolbar)->isChecked());
    trigger(cmd::ViewStatusBar);
    EXPECT_FALSE(main().statusBar()->isVisible());
    trigger(cmd::ViewStatusBar);
    EXPECT_TRUE(main().statusBar()->isVisible());
    EXPECT_TRUE(main().commandAction(cmd::ViewStatusBar)->isChecked());
}

TEST_F(Startup, WorkAreaIsTiledWithThePictureFromTheTopLeft) {
    ASSERT_TRUE(start());
    trigger(cmd::FileClose);
    const QImage picture = main().mdiClient().picture().toImage();
    ASSERT_EQ(picture.size(), QSize(232, 124));
    main().resize(700, 500);
    const QImage shown = main().mdiClient().viewport()->grab().toImage();
    ASSERT_GE(shown.width(), 2 * 232);
    ASSERT_GE(shown.height(), 2 * 124);
    for (const QPoint p : {QPoint(0, 0), QPoint(100, 31), QPoint(231, 123), QPoint(50, 62)}) {
        const QRgb expected = picture.pixel(p);
        EXPECT_EQ(shown.pixel(p), expected);
        EXPECT_EQ(shown.pixel(p + QPoint(232, 0)), expected);
        EXPECT_EQ(shown.pixel(p + QPoint(232, 124)), expected);
    }
}

TEST(AboutDialog, ShowsIconVersionAndOrnamentWithDefaultOk) {
    AboutDialog about;
    EXPECT_EQ(about.windowTitle(), "About");
    EXPECT_EQ(about.versionLabel().text(), " Communication Software - 4.0 ");
    EXPECT_EQ(about.packageVersionLabel().text(), "Version 1.0.0");
    EXPECT_FALSE(
        about.packageVersionLabel().geometry().intersects(about.versionLabel().geometry()));
    EXPECT_EQ(about.ornamentLabel().text(), "══════════════★═══★═══★═══════════════");
    EXPECT_FALSE(about.icon().pixmap().isNull());
    EXPECT_TRUE(about.okButton().isDefault());
    about.show();
    QTest::keyClick(&about, Qt::Key_Return);
    EXPECT_EQ(about.result(), QDialog::Accepted);
}

} // namespace
} // namespace tarn::test
