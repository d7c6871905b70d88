#include "tests/shell/ShellFixture.h"

#include "qtsupport/CommandIds.h"
#include "qtsupport/LastMessage.h"
#include "shell/ProblemReportDialog.h"
#include "shell/TraceViewer.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <fstream>
#include <sys/stat.h>

namespace tarn::test {
namespace {

// Help > Show Last Serial Trace and Help > Report a Problem, with no radio behind them.
class HelpReportTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        ASSERT_TRUE(start());
        LastMessage::clear();
    }
    [[nodiscard]] std::filesystem::path traces() const { return file("state") / "tarn" / "traces"; }
    // The report's text as the window shows it, with the box ticked or not.
    QString reportText(bool frequencies) {
        QString text;
        m_dialogs.onProblemReport = [&](ProblemReportDialog& dialog) {
            if (frequencies)
                QTest::mouseClick(&dialog.frequenciesBox(), Qt::LeftButton);
            QTest::mouseClick(&dialog.copyButton(), Qt::LeftButton);
            text = dialog.textView().toPlainText();
            EXPECT_TRUE(dialog.textView().isReadOnly());
            EXPECT_EQ(QGuiApplication::clipboard()->text(), text) << "Copy takes the whole text";
        };
        trigger(cmd::ReportProblem);
        return text;
    }
};

TEST_F(HelpReportTest, NoTraceYetIsToldInsteadOfAnEmptyViewer) {
    m_prompter.answer(PromptAnswer::Ok);
    bool shown = false;
    m_dialogs.onSerialTrace = [&](TraceViewer&) { shown = true; };
    trigger(cmd::ShowLastTrace);
    EXPECT_FALSE(shown);
    ASSERT_EQ(m_prompter.texts().size(), 1U);
    EXPECT_EQ(m_prompter.texts()[0].rfind("No serial trace has been kept yet.", 0), 0U);
}

TEST_F(HelpReportTest, AHandEditedTraceIsShownAsTextAndAFifoIsNeverOpened) {
    std::filesystem::create_directories(traces());
    const std::string edited = "my notes\n\tnot a trace at all 0x06\n";
    std::ofstream(traces() / "20261208-053000-read.trace") << edited;
    // A FIFO under a newer trace's name would block a read for ever.
    ASSERT_EQ(::mkfifo((traces() / "20261208-060000-read.trace").c_str(), 0600), 0);
    QString shown;
    m_dialogs.onSerialTrace = [&](TraceViewer& viewer) {
        shown = viewer.textView().toPlainText();
        EXPECT_TRUE(viewer.textView().isReadOnly());
    };
    trigger(cmd::ShowLastTrace);
    EXPECT_EQ(shown.toStdString(), edited);
    EXPECT_TRUE(m_prompter.texts().empty());

    // Save As cancelled writes nothing and says nothing.
    m_dialogs.onSerialTrace = [&](TraceViewer& viewer) { EXPECT_FALSE(viewer.saveAs()); };
    trigger(cmd::ShowLastTrace);
    EXPECT_TRUE(m_prompter.texts().empty());
}

TEST_F(HelpReportTest, TheReportLeavesFrequenciesOutUntilTicked) {
    LastMessage::record("Prompt", "Channel 3: 145.500 and 438.025 are out of band (Qt 6.4.2)");
    const QString without = reportText(false);
    EXPECT_FALSE(without.contains("145.500")) << without.toStdString();
    EXPECT_FALSE(without.contains("438.025")) << without.toStdString();
    EXPECT_TRUE(without.contains("Channel 3: [frequency left out] and [frequency left out]"))
        << without.toStdString();
    EXPECT_TRUE(without.contains("6.4.2")) << "a version is no frequency";
    EXPECT_TRUE(without.contains("Program: TARN ")) << without.toStdString();
    EXPECT_TRUE(without.contains("System: ")) << without.toStdString();
    EXPECT_TRUE(without.contains("Port: COM1 (")) << "the active window's port";
    EXPECT_TRUE(without.contains("Last serial trace: none kept yet")) << without.toStdString();

    const QString with = reportText(true);
    EXPECT_TRUE(with.contains("145.500 and 438.025")) << with.toStdString();
}

TEST_F(HelpReportTest, ReportNamesTheNewestTraceAndAnUnlistedDevice) {
    std::filesystem::create_directories(traces());
    std::ofstream(traces() / "20261208-053000-write.trace") << "x";
    qputenv("TARN_COM1", QByteArray("/dev/tarn-no-such-port"));
    const QString text = reportText(false);
    qunsetenv("TARN_COM1");
    EXPECT_TRUE(text.contains("20261208-053000-write.trace")) << text.toStdString();
    EXPECT_TRUE(text.contains("Port: COM1 (/dev/tarn-no-such-port)")) << text.toStdString();
    EXPECT_TRUE(text.contains("not among the system's serial ports")) << text.toStdString();
    EXPECT_TRUE(text.contains("Last message: none")) << text.toStdString();
}

} // namespace
} // namespace tarn::test
