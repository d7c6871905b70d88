// File > Import Channels and Export Channels: CHIRP CSV channel lists through the document.
#include "tests/shell/ShellFixture.h"

#include "qtsupport/CommandIds.h"
#include "shell/DocumentWindow.h"
#include "shell/MainWindow.h"
#include "shell/TarnDocument.h"
#include "view/ChannelView.h"

#include <QLineEdit>
#include <QTest>

#include <fstream>
#include <sstream>

namespace tarn::test {
namespace {

constexpr const char* Header =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\r\n";

class ChannelLists : public ShellFixture {
protected:
    QString writeList(const char* name, const std::string& text) {
        std::ofstream(file(name), std::ios::binary) << text;
        return QString::fromStdString(file(name).string());
    }
    std::string readText(const char* name) {
        std::ifstream in(file(name), std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static QString row(DocumentWindow& window, int channel) {
        QStringList cells;
        for (int column = 1; column <= 6; ++column)
            cells << window.view().grid().cellText(channel, column);
        return cells.join('|');
    }
};

TEST_F(ChannelLists, ImportShowsItsReportAndOkChangesEveryWindowOfTheDocument) {
    ASSERT_TRUE(start());
    DocumentWindow* first = active();
    trigger(cmd::WindowNew);
    DocumentWindow* second = active();
    ASSERT_TRUE(enabled(cmd::FileImportChannels));
    m_dialogs.openNames.push_back(writeList("list.csv",
                                            "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq\n"
                                            "0,Home,145.29,-,0.6,Tone,100.0\n"));
    trigger(cmd::FileImportChannels);

    EXPECT_EQ(m_dialogs.filters, QStringList{"*.csv"});
    EXPECT_EQ(
        m_dialogs.importReports,
        (QStringList{
            "list.csv", "Numbering: the list starts at Location 0, so channel = Location + 1.",
            "Channels placed: 1 (1).", "Every other channel keeps what it had.",
            "Columns dropped (the radio cannot hold them):", "  Name: a value on 1 line"}));
    for (DocumentWindow* window : {first, second})
        EXPECT_EQ(row(*window, 1), "145.29000|144.69000|OFF|100.0|High|Lock");
    EXPECT_TRUE(first->document().isModified());

    // The same list again changes no text, so a saved document stays unchanged.
    first->document().setModified(false);
    m_dialogs.openNames.push_back(QString::fromStdString(file("list.csv").string()));
    trigger(cmd::FileImportChannels);
    EXPECT_FALSE(first->document().isModified());
}

TEST_F(ChannelLists, CancelAtTheReportChangesNothing) {
    ASSERT_TRUE(start());
    m_dialogs.openNames.push_back(writeList("list.csv", "Location,Frequency\n5,146.52\n"));
    m_dialogs.importAnswer.reset();
    trigger(cmd::FileImportChannels);
    EXPECT_EQ(m_dialogs.importReports.size(), 4);
    EXPECT_EQ(row(*active(), 5), "|||||");
    EXPECT_FALSE(active()->document().isModified());

    // Cancelled at the file dialog: no report at all.
    m_dialogs.importReports.clear();
    trigger(cmd::FileImportChannels);
    EXPECT_TRUE(m_dialogs.importReports.isEmpty());
}

TEST_F(ChannelLists, TheChosenFirstChannelAndReplaceApply) {
    ASSERT_TRUE(start());
    active()->document().storeCell(3, 1, "440.00000");
    m_dialogs.openNames.push_back(writeList("list.csv", "Location,Frequency\n1,146.52\n"));
    m_dialogs.importAnswer = ChannelCsvOptions{true, 199};
    trigger(cmd::FileImportChannels);
    EXPECT_EQ(row(*active(), 199), "146.52000|146.52000|OFF|OFF|High|Lock");
    EXPECT_EQ(row(*active(), 3), "|||||");
}

TEST_F(ChannelLists, ABadListIsRefusedWithItsProblemsBeforeAnyReport) {
    ASSERT_TRUE(start());
    const QString list =
        writeList("bad.csv", "Location,Frequency,Tone\n1,146.5x,\n2,146.52,DTCS-R\n");
    m_dialogs.openNames.push_back(list);
    m_prompter.answer(PromptAnswer::Ok);
    trigger(cmd::FileImportChannels);
    ASSERT_EQ(m_prompter.texts().size(), 1U);
    EXPECT_EQ(m_prompter.texts()[0],
              "Could not import \"" + list.toStdString() +
                  "\":\nline 2, column Frequency: \"146.5x\" is not a number (digits, optionally a "
                  "point and digits)\nline 3, column Tone: \"DTCS-R\" is reverse squelch, which "
                  "the radio does not have\nNothing has been changed.");
    EXPECT_EQ(m_prompter.prompts()[0].icon, PromptIcon::Warning);
    EXPECT_TRUE(m_dialogs.importReports.isEmpty());
    EXPECT_FALSE(active()->document().isModified());

    m_dialogs.openNames.push_back(QString::fromStdString(file("missing.csv").string()));
    m_prompter.answer(PromptAnswer::Ok);
    trigger(cmd::FileImportChannels);
    EXPECT_EQ(m_prompter.texts().back().rfind("Could not import \"", 0), 0U);
}

TEST_F(ChannelLists, ExportWritesTheDocumentWithTheValueBeingTyped) {
    ASSERT_TRUE(start());
    DocumentWindow* window = active();
    window->document().storeCell(2, 1, "145.50000");
    window->document().storeCell(2, 2, "145.50000");
    window->document().storeCell(2, 5, "Middle");
    // Channel 2's TX frequency is still in the open editor.
    ChannelTableView& grid = window->view().grid();
    const QPoint at = grid.cellRect({2, 2}).center();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, at);
    QLineEdit* edit = window->view().frequencyEdit();
    ASSERT_TRUE(edit->isVisible());
    QTest::keyClicks(edit, "146.1");

    m_dialogs.saveNames.push_back(QString::fromStdString(file("out").string()));
    trigger(cmd::FileExportChannels);
    EXPECT_EQ(m_dialogs.suggestions, QStringList{"Edit Channel Data1.csv"});
    EXPECT_EQ(readText("out.csv"), std::string(Header) +
                                       "2,,145.500000,+,0.600000,,88.5,88.5,023,NN,023,"
                                       "Tone->Tone,FM,5.00,,Mid,,,,,\r\n");
    EXPECT_TRUE(m_prompter.texts().empty());
}

TEST_F(ChannelLists, ExportNamesWhatItLeavesOutAndReportsAFailedWrite) {
    ASSERT_TRUE(start());
    active()->document().storeCell(4, 2, "146.52000");
    m_dialogs.saveNames.push_back(QString::fromStdString(file("tx.csv").string()));
    m_prompter.answer(PromptAnswer::Ok);
    trigger(cmd::FileExportChannels);
    EXPECT_EQ(readText("tx.csv"), Header);
    ASSERT_EQ(m_prompter.texts().size(), 1U);
    EXPECT_EQ(m_prompter.texts()[0], "Channels written: 0.\nLeft out, having only a TX frequency, "
                                     "which the list cannot hold: channel 4.");
    EXPECT_EQ(m_prompter.prompts()[0].icon, PromptIcon::Information);

    m_dialogs.saveNames.push_back(QString::fromStdString(file("no/such/folder.csv").string()));
    m_prompter.answer(PromptAnswer::Ok);
    trigger(cmd::FileExportChannels);
    EXPECT_EQ(m_prompter.texts().back().rfind("Could not export \"", 0), 0U);
}

} // namespace
} // namespace tarn::test
