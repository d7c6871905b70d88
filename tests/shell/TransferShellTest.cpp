#include "tests/shell/ShellFixture.h"

#include "data/BackupStore.h"
#include "data/RadioImage.h"
#include "dialogs/BackupsDialog.h"
#include "link/RadioLink.h"
#include "link/RadioTransfer.h"
#include "link/SerialTrace.h"
#include "qtsupport/CommandIds.h"
#include "radio/VirtualRadio.h"
#include "shell/BackgroundWorkArea.h"
#include "shell/CommandRouter.h"
#include "shell/DocumentWindow.h"
#include "shell/MainWindow.h"
#include "shell/TarnDocument.h"
#include "shell/TraceViewer.h"
#include "tests/dialogs/DialogControls.h"
#include "tests/support/FakeSerialLine.h"
#include "tests/support/VirtualClock.h"
#include "tests/support/VirtualSessionTimer.h"
#include "view/ChannelView.h"

#include <QAction>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <algorithm>
#include <fstream>

namespace tarn::test {
namespace {

const std::string ExitQuestion = "Do you Exit?";

// The program with the in-process virtual radio behind its first window.
class TransferShellTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        ASSERT_TRUE(start());
        radio.setRadioType(0xFF);
        radio.memory()[RadioImage::ModelTypeOffset] = 4;
        active()->radioLink().useDevices(line, timer);
    }

    [[nodiscard]] ChannelView& view() { return active()->view(); }
    // Read From Radio from the menu, Start pressed; returns once the transfer has ended.
    void read() { transfer(cmd::ReadFromRadio); }
    void transfer(int command) {
        trigger(command);
        RadioLink& link = active()->radioLink();
        QSignalSpy ended(&link, &RadioLink::transferEnded);
        QTest::mouseClick(&link.progressDialog().startButton(), Qt::LeftButton);
        ASSERT_TRUE(ended.wait(60000));
    }
    // Runs action once, when the radio has answered that many read blocks.
    void duringReadBlock(int block, std::function<void()> action) {
        whenRadio([this, block] { return radio.blocksRead() == block; }, std::move(action));
    }
    // Runs action once, the first time the radio's state meets the condition.
    void whenRadio(std::function<bool()> condition, std::function<void()> action) {
        timer.onStep([this, condition = std::move(condition), action = std::move(action)] {
            if (!acted && condition()) {
                acted = true;
                action();
            }
        });
    }
    // What was left to do once the transfer had ended.
    void runDeferred() {
        QTest::qWait(0);
        flushDeletes();
    }

    VirtualRadio radio;
    VirtualClock clock;
    FakeSerialLine line{radio, clock};
    VirtualSessionTimer timer{line};
    bool acted = false;
};

TEST_F(TransferShellTest, CompletedReadMarksTheDocumentSoClosingAsks) {
    read();
    EXPECT_EQ(view().grid().model()->rowCount(), 160);
    EXPECT_TRUE(active()->document().isModified());
    m_prompter.answer(PromptAnswer::No);
    trigger(cmd::FileClose);
    ASSERT_EQ(m_prompter.texts().size(), 1U);
    EXPECT_EQ(m_prompter.texts()[0].rfind("Save changes to ", 0), 0U);
    EXPECT_EQ(documentCount(), 0U);
}

TEST_F(TransferShellTest, ACompletedReadIsOneStepThatUndoTakesBack) {
    const RadioImage before = active()->document().image();
    read();
    ASSERT_EQ(view().grid().model()->rowCount(), 160);
    const RadioImage received = active()->document().image();
    trigger(cmd::EditUndo);
    EXPECT_EQ(active()->document().image(), before);
    EXPECT_EQ(view().grid().model()->rowCount(), 199);
    EXPECT_FALSE(active()->document().isModified());
    trigger(cmd::EditRedo);
    EXPECT_EQ(active()->document().image(), received);
    EXPECT_EQ(view().grid().model()->rowCount(), 160);
}

TEST_F(TransferShellTest, CompletedReadShowsInEveryWindowOfTheDocument) {
    DocumentWindow* first = active();
    radio.memory()[0] = 0x00;
    radio.memory()[1] = 0x25;
    radio.memory()[2] = 0x65;
    radio.memory()[3] = 0x14;
    trigger(cmd::WindowNew);
    ASSERT_NE(active(), first);
    ChannelView& other = active()->view();
    main().mdiClient().setActiveSubWindow(first);
    read();
    // Saving from the other window must not put its older grid over what was read.
    EXPECT_EQ(other.grid().model()->rowCount(), 160);
    EXPECT_EQ(other.grid().cellText(1, 1), "146.52500");
}

TEST_F(TransferShellTest, ReadAndWriteAreUnavailableOnlyForTheDocumentAndThePortInUse) {
    DocumentWindow* first = active();
    trigger(cmd::FileNew);
    DocumentWindow* other = active();
    main().mdiClient().setActiveSubWindow(first);
    bool checked = false;
    duringReadBlock(20, [&] {
        checked = true;
        for (const int id : {cmd::ReadFromRadio, cmd::WriteToRadio}) {
            EXPECT_FALSE(main().commandAction(id)->isEnabled()) << id;
            EXPECT_FALSE(main().router().run(id)) << id;
        }
        // Keys in this window can neither start a transfer nor turn this one.
        view().grid().setFocus();
        QTest::keyClick(&view().grid(), Qt::Key_W, Qt::ControlModifier);
        // Another document on the same port waits for it; on another port it is free.
        main().mdiClient().setActiveSubWindow(other);
        EXPECT_FALSE(enabled(cmd::ReadFromRadio));
        EXPECT_FALSE(main().router().run(cmd::WriteToRadio));
        EXPECT_TRUE(enabled(cmd::Com2));
        trigger(cmd::Com2);
        EXPECT_TRUE(enabled(cmd::ReadFromRadio));
        EXPECT_TRUE(enabled(cmd::WriteToRadio));
        EXPECT_TRUE(enabled(cmd::ModelInformation));
        main().mdiClient().setActiveSubWindow(first);
    });
    read();
    EXPECT_TRUE(checked);
    EXPECT_EQ(first->radioLink().direction(), TransferDirection::Read);
    EXPECT_FALSE(other->radioLink().progressDialog().hasWindow());
    EXPECT_EQ(view().grid().model()->rowCount(), 160) << "the read completed";
    EXPECT_TRUE(enabled(cmd::ReadFromRadio));
    EXPECT_TRUE(enabled(cmd::WriteToRadio));
}

TEST_F(TransferShellTest, TheDocumentBeingTransferredCannotChangeButEverythingElseRuns) {
    trigger(cmd::WindowNew);
    DocumentWindow* second = active();
    main().mdiClient().setActiveSubWindow(main().childFrames().front());
    bool checked = false;
    duringReadBlock(20, [&] {
        checked = true;
        for (DocumentWindow* window : {active(), second}) {
            main().mdiClient().setActiveSubWindow(window);
            for (const int id :
                 {cmd::EditPaste, cmd::EditUndo, cmd::EditRedo, cmd::EditCut, cmd::EditClear,
                  cmd::InsertChannel, cmd::DeleteChannel, cmd::FileImportChannels,
                  cmd::ModelInformation, cmd::OptionalFeatures, cmd::MoveUp, cmd::MoveDown,
                  cmd::SortChannels, cmd::EditSelected, cmd::FillChannels, cmd::ChannelList1}) {
                EXPECT_FALSE(main().router().state(id).enabled) << id;
                EXPECT_FALSE(main().router().run(id)) << id;
            }
            // No cell opens an editor: typing goes nowhere.
            window->view().grid().setCurrentCell({3, 1});
            window->view().editing().showEditor('1');
            EXPECT_EQ(window->view().frequencyEdit()->isVisible(), false);
            // Nor do dragged channel numbers move anything.
            const std::string first = window->document().sheet().cellText(1, 1);
            window->view().grid().selectChannels(1, 2);
            emit window->view().grid().channelsDragged({1, 2}, 5);
            EXPECT_EQ(window->document().sheet().cellText(1, 1), first);
            EXPECT_FALSE(window->document().isModified());
            // What opens a window or only reads the document stays.
            for (const int id :
                 {cmd::FileOpen, cmd::FileSave, cmd::FileSaveAs, cmd::FilePrint, cmd::AppAbout,
                  cmd::Backups, cmd::FileNew, cmd::WindowNew, cmd::FindChannels})
                EXPECT_TRUE(main().router().state(id).enabled) << id;
        }
        main().mdiClient().setActiveSubWindow(main().childFrames().front());
    });
    read();
    EXPECT_TRUE(checked);
    EXPECT_TRUE(m_prompter.texts().empty());
    EXPECT_EQ(view().grid().model()->rowCount(), 160) << "the read completed";
    EXPECT_TRUE(enabled(cmd::EditUndo));
    EXPECT_TRUE(enabled(cmd::ModelInformation));
    EXPECT_TRUE(enabled(cmd::FileImportChannels));
}

// A modal window run from the menu holds its own event loop; the transfer runs on inside it.
TEST_F(TransferShellTest, AReadCompletesWhileAModalBoxIsOpen) {
    int blocksWhenClosed = -1;
    duringReadBlock(3, [&] {
        QTimer::singleShot(0, &main(), [&] {
            QMessageBox box(QMessageBox::Information, "About", "modal", QMessageBox::Ok, &main());
            RadioLink& link = main().childFrames().front()->radioLink();
            QObject::connect(&link, &RadioLink::transferEnded, &box, &QMessageBox::accept);
            box.exec();
            blocksWhenClosed = radio.blocksRead();
        });
    });
    read();
    EXPECT_EQ(blocksWhenClosed, RadioImage::ReadBlocks);
    EXPECT_EQ(active()->document().image().bytes().size(), radio.memory().size());
    EXPECT_TRUE(std::ranges::equal(active()->document().image().bytes(), radio.memory()));
}

TEST_F(TransferShellTest, ClosingTheDocumentDuringATransferWaitsForItsEnd) {
    std::size_t documentsDuring = 0;
    QString note;
    duringReadBlock(5, [&] {
        trigger(cmd::FileClose);
        trigger(cmd::FileClose);
        documentsDuring = documentCount();
        note = active()->radioLink().progressDialog().note();
    });
    read();
    EXPECT_EQ(documentsDuring, 1U);
    EXPECT_EQ(note, "The document will close when the transfer ends.");
    EXPECT_EQ(radio.blocksRead(), RadioImage::ReadBlocks) << "nothing cancels the transfer";
    EXPECT_TRUE(m_prompter.texts().empty()) << "no question while it runs";
    m_prompter.answer(PromptAnswer::No);
    runDeferred();
    EXPECT_EQ(documentCount(), 0U);
    ASSERT_EQ(m_prompter.texts().size(), 1U) << "asked once, as if asked after the read";
    EXPECT_EQ(m_prompter.texts()[0].rfind("Save changes to ", 0), 0U);
}

TEST_F(TransferShellTest, ClosingTheWindowDuringAWriteWaitsAndThenCloses) {
    bool closedAtOnce = true;
    whenRadio([&] { return radio.blocksWritten() == 100; },
              [&] {
                  closedAtOnce = active()->close();
                  (void)active()->close();
              });
    transfer(cmd::WriteToRadio);
    EXPECT_FALSE(closedAtOnce);
    EXPECT_EQ(radio.blocksWritten(), RadioImage::WriteBlocks);
    EXPECT_FALSE(line.isOpen());
    runDeferred();
    EXPECT_EQ(documentCount(), 0U);
    EXPECT_TRUE(m_prompter.texts().empty()) << "nothing changed, nothing to ask";
}

TEST_F(TransferShellTest, LeavingDuringATransferIsAskedOnceItHasEnded) {
    bool closedAtOnce = true;
    QString note;
    duringReadBlock(5, [&] {
        closedAtOnce = main().close();
        note = active()->radioLink().progressDialog().note();
    });
    read();
    EXPECT_FALSE(closedAtOnce);
    EXPECT_EQ(note, "TARN will close when the transfer ends.");
    EXPECT_EQ(radio.blocksRead(), RadioImage::ReadBlocks);
    EXPECT_TRUE(m_prompter.texts().empty());
    EXPECT_TRUE(main().isVisible());
    m_prompter.answer({PromptAnswer::Ok, PromptAnswer::No});
    runDeferred();
    EXPECT_FALSE(main().isVisible());
    ASSERT_EQ(m_prompter.texts().size(), 2U);
    EXPECT_EQ(m_prompter.texts()[0], ExitQuestion);
    EXPECT_EQ(m_prompter.texts()[1].rfind("Save changes to ", 0), 0U);
}

TEST_F(TransferShellTest, LeavingRefusedAfterTheTransferKeepsTheProgram) {
    duringReadBlock(5, [&] { EXPECT_FALSE(main().close()); });
    read();
    m_prompter.answer(PromptAnswer::Cancel);
    runDeferred();
    EXPECT_TRUE(main().isVisible());
    EXPECT_EQ(m_prompter.texts(), std::vector<std::string>{ExitQuestion});
}

TEST_F(TransferShellTest, ACancelledWriteSaysHowFarItGot) {
    whenRadio([&] { return radio.blocksWritten() == 120; },
              [&] { active()->radioLink().progressDialog().onCancel(); });
    m_prompter.answer(PromptAnswer::Ok);
    transfer(cmd::WriteToRadio);
    ASSERT_EQ(m_prompter.texts().size(), 1U);
    EXPECT_EQ(m_prompter.texts()[0], RadioTransfer::partlyWrittenText(radio.blocksWritten()) +
                                         "\nThe last channel written is channel " +
                                         std::to_string(radio.blocksWritten() / 2) + ".");
    EXPECT_LT(radio.blocksWritten(), RadioImage::WriteBlocks);
    EXPECT_FALSE(active()->radioLink().progressDialog().hasWindow());
}

TEST_F(TransferShellTest, EveryReadAndWriteIsKeptAsABackup) {
    const std::filesystem::path backups = file("data") / "tarn" / "backups";
    read();
    transfer(cmd::WriteToRadio);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(backups))
        if (entry.path().extension() == ".sin")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    ASSERT_EQ(names.size(), 2U);
    EXPECT_TRUE(names[0].ends_with("-read.sin") || names[1].ends_with("-read.sin"));
    EXPECT_TRUE(names[0].ends_with("-write.sin") || names[1].ends_with("-write.sin"));
    EXPECT_TRUE(m_prompter.texts().empty());
}

TEST_F(TransferShellTest, ABackupThatCannotBeKeptIsAWarningAfterTheTransfer) {
    std::filesystem::create_directories(file("data") / "tarn");
    std::ofstream(file("data") / "tarn" / "backups") << "in the way";
    m_prompter.answer(PromptAnswer::Ok);
    read();
    ASSERT_EQ(m_prompter.texts().size(), 1U);
    EXPECT_EQ(m_prompter.texts()[0].rfind(RadioLink::BackupFailedText, 0), 0U);
    EXPECT_EQ(active()->view().grid().model()->rowCount(), 160) << "the read itself counts";
}

TEST_F(TransferShellTest, VerifyAfterWriteIsAKeptCheckedItem) {
    EXPECT_FALSE(main().commandAction(cmd::VerifyAfterWrite)->isChecked());
    trigger(cmd::VerifyAfterWrite);
    main().refreshCommands();
    EXPECT_TRUE(main().commandAction(cmd::VerifyAfterWrite)->isChecked());
    EXPECT_TRUE(RadioLink::verifyAfterWrite()) << "kept in the settings";

    FaultPlan faults;
    faults.badStoreBlock = 2;
    radio = VirtualRadio(faults);
    m_prompter.answer(PromptAnswer::Ok);
    transfer(cmd::WriteToRadio);
    EXPECT_EQ(radio.blocksRead(), RadioImage::ReadBlocks);
    ASSERT_EQ(m_prompter.texts().size(), 1U);
    EXPECT_TRUE(m_prompter.texts()[0].starts_with(
        "Verify failed: 1 block differs, at 0x0010\nChannel 2: bytes no cell shows"))
        << m_prompter.texts()[0];
    EXPECT_FALSE(active()->radioLink().progressDialog().hasWindow())
        << "a failed verify is told by its message, not confirmed";
    trigger(cmd::VerifyAfterWrite);
    EXPECT_FALSE(RadioLink::verifyAfterWrite());
}

TEST_F(TransferShellTest, ABackupOpensAsANewUntitledDocument) {
    radio.memory()[3] = 0x14; // channel 1 RX
    read();
    const int documentsBefore = static_cast<int>(documentCount());
    m_dialogs.onBackups = [](BackupsDialog& dialog) {
        ASSERT_EQ(dialog.backupCount(), 1);
        QTest::mouseClick(control<QPushButton>(dialog, BackupsDialog::OpenId), Qt::LeftButton);
    };
    trigger(cmd::Backups);
    ASSERT_EQ(static_cast<int>(documentCount()), documentsBefore + 1);
    TarnDocument& opened = active()->document();
    EXPECT_TRUE(opened.path().empty()) << "Save never writes over the backup";
    EXPECT_EQ(opened.image()[3], 0x14);
    EXPECT_EQ(opened.channelCount(), 160);
    EXPECT_FALSE(opened.isModified());
    EXPECT_TRUE(enabled(cmd::Backups));
}

TEST_F(TransferShellTest, AGoodWriteSaysSoAndWaitsToBeClosed) {
    RadioLink& link = active()->radioLink();
    TransferProgressDialog& dialog = link.progressDialog();
    transfer(cmd::WriteToRadio);
    runDeferred();
    QTest::qWait(50);
    ASSERT_TRUE(dialog.hasWindow()) << "nothing closes by itself";
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(dialog.isFinished());
    EXPECT_EQ(dialog.statusText(), "Written: 404 blocks");
    EXPECT_EQ(dialog.cancelButton().text(), "Close");
    EXPECT_FALSE(dialog.startButton().isEnabled());
    EXPECT_EQ(dialog.progressBar().value(), dialog.progressBar().maximum());
    EXPECT_TRUE(m_prompter.texts().empty());
    // The transfer is over: the document is the user's again while the window stays.
    EXPECT_FALSE(link.isTransferring());
    EXPECT_TRUE(enabled(cmd::WriteToRadio));
    EXPECT_TRUE(enabled(cmd::ModelInformation));

    QTest::mouseClick(&dialog.cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.hasWindow());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(TransferShellTest, AVerifiedWriteSaysHowManyBlocksMatch) {
    RadioLink::setVerifyAfterWrite(true);
    transfer(cmd::WriteToRadio);
    RadioLink::setVerifyAfterWrite(false);
    TransferProgressDialog& dialog = active()->radioLink().progressDialog();
    ASSERT_TRUE(dialog.hasWindow());
    EXPECT_EQ(dialog.statusText(), "Written and verified: 403 blocks match");
    // The window's own close, Esc, is Close.
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.hasWindow());
}

TEST_F(TransferShellTest, ReadOrWriteFromAFinishedWindowStartsAfresh) {
    TransferProgressDialog& dialog = active()->radioLink().progressDialog();
    transfer(cmd::WriteToRadio);
    ASSERT_TRUE(dialog.isFinished());
    trigger(cmd::ReadFromRadio);
    EXPECT_TRUE(dialog.hasWindow());
    EXPECT_FALSE(dialog.isFinished());
    EXPECT_TRUE(dialog.startButton().isEnabled());
    EXPECT_EQ(dialog.cancelButton().text(), "Cancel");
    EXPECT_EQ(dialog.statusText(), "   Not start yet");
    EXPECT_EQ(dialog.windowTitle(), "Reading Data Progress");
    QSignalSpy ended(&active()->radioLink(), &RadioLink::transferEnded);
    QTest::mouseClick(&dialog.startButton(), Qt::LeftButton);
    ASSERT_TRUE(ended.wait(60000));
    EXPECT_FALSE(dialog.hasWindow()) << "a completed read shows itself in the grid";
    EXPECT_EQ(radio.blocksRead(), RadioImage::ReadBlocks);
}

TEST_F(TransferShellTest, BackupsSayHowTheirTransferEndedAndOverWhichPort) {
    read();
    FaultPlan faults;
    faults.refuseWriteBlock = 30;
    radio = VirtualRadio(faults);
    m_prompter.answer({PromptAnswer::Ok, PromptAnswer::Ok});
    transfer(cmd::WriteToRadio);
    const SystemWallClock wallClock;
    const BackupStore store(file("data") / "tarn" / "backups", wallClock);
    const std::vector<BackupEntry> entries = store.list();
    ASSERT_EQ(entries.size(), 2U);
    ASSERT_TRUE(entries[0].record && entries[1].record);
    const BackupEntry& write = entries[0].name.kind == BackupKind::Write ? entries[0] : entries[1];
    const BackupEntry& read = entries[0].name.kind == BackupKind::Read ? entries[0] : entries[1];
    EXPECT_EQ(write.record->outcome, BackupOutcome::PartlyWritten);
    EXPECT_EQ(read.record->outcome, BackupOutcome::Complete);
    EXPECT_EQ(read.record->port, "COM1");

    m_dialogs.onBackups = [](BackupsDialog& dialog) {
        auto* list = control<QTreeWidget>(dialog, BackupsDialog::ListId);
        ASSERT_EQ(list->topLevelItemCount(), 2);
        QStringList outcomes;
        for (int i = 0; i < 2; ++i) {
            outcomes << list->topLevelItem(i)->text(2);
            EXPECT_TRUE(list->topLevelItem(i)->text(3).startsWith(QStringLiteral("COM1")));
        }
        outcomes.sort();
        EXPECT_EQ(outcomes,
                  (QStringList{QStringLiteral("Complete"), QStringLiteral("Partly written")}));
        dialog.reject();
    };
    trigger(cmd::Backups);
}

} // namespace
} // namespace tarn::test

namespace tarn::test {
namespace {

std::vector<std::filesystem::path> tracesIn(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        found.push_back(entry.path());
    return found;
}

TEST_F(TransferShellTest, EveryTransferKeepsATraceOfTheBytesOnTheWire) {
    read();
    const auto traces = tracesIn(file("state") / "tarn" / "traces");
    ASSERT_EQ(traces.size(), 1U);
    EXPECT_TRUE(traces[0].filename().string().ends_with("-read.trace"));
    const std::vector<unsigned char> bytes = readBytes(traces[0]);
    const std::string text(bytes.begin(), bytes.end());
    const std::vector<WireRun> runs = SerialTrace::parse(text);
    EXPECT_EQ(SerialTrace::stream(runs, TraceDirection::ToRadio),
              radio.wireLog().bytes(WireDirection::ToRadio));
    EXPECT_EQ(SerialTrace::stream(runs, TraceDirection::FromRadio),
              radio.wireLog().bytes(WireDirection::FromRadio));
    EXPECT_NE(text.find("# read, port COM1"), std::string::npos) << text.substr(0, 200);

    // Help > Show Last Serial Trace opens it; Save As copies its bytes.
    bool shown = false;
    m_dialogs.saveNames.push_back(QString::fromStdString(file("copy.trace").string()));
    m_dialogs.onSerialTrace = [&](TraceViewer& viewer) {
        shown = true;
        EXPECT_EQ(viewer.path().toStdString(), traces[0].string());
        EXPECT_EQ(viewer.textView().toPlainText().toStdString(), text);
        EXPECT_TRUE(viewer.textView().isReadOnly());
        QTest::mouseClick(&viewer.saveAsButton(), Qt::LeftButton);
    };
    trigger(cmd::ShowLastTrace);
    EXPECT_TRUE(shown);
    EXPECT_EQ(readBytes(file("copy.trace")), bytes);
    EXPECT_TRUE(m_prompter.texts().empty());
}

TEST_F(TransferShellTest, AnUnwritableTraceFolderIsToldOnceAndTheTransfersGoOn) {
    std::filesystem::create_directories(file("state") / "tarn");
    std::ofstream(file("state") / "tarn" / "traces") << "in the way";
    m_prompter.answer(PromptAnswer::Ok);
    read();
    ASSERT_EQ(m_prompter.texts().size(), 1U);
    EXPECT_EQ(m_prompter.texts()[0].rfind(RadioLink::TraceFailedText, 0), 0U);
    EXPECT_NE(m_prompter.texts()[0].find("traces"), std::string::npos);
    EXPECT_EQ(active()->view().grid().model()->rowCount(), 160) << "the read itself counts";
    transfer(cmd::WriteToRadio);
    EXPECT_EQ(m_prompter.texts().size(), 1U) << "told once";
    EXPECT_EQ(radio.blocksWritten(), RadioImage::WriteBlocks);
}

} // namespace
} // namespace tarn::test
