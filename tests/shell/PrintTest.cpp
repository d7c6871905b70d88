// Printing the channel table: page layout, PDF output, preview and set-up.
#include "tests/shell/ShellFixture.h"

#include "data/TextGrid.h"
#include "qtsupport/CommandIds.h"
#include "shell/ChannelTablePrinter.h"
#include "shell/CommandLineInfo.h"
#include "shell/CommandRouter.h"
#include "shell/MainWindow.h"
#include "shell/PrintService.h"

#include <QFile>
#include <QPainter>
#include <QPrinter>

namespace tarn::test {
namespace {

int pdfPages(const QString& path) {
    QFile pdf(path);
    if (!pdf.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray bytes = pdf.readAll();
    return static_cast<int>(bytes.count("/Type /Page\n") + bytes.count("/Type /Page ") +
                            bytes.count("/Type /Page>"));
}

TEST(ChannelTablePrinterTest, PagesHoldTwentyNineChannels) {
    EXPECT_EQ(ChannelTablePrinter::pageCount(199), 7);
    EXPECT_EQ(ChannelTablePrinter::pageCount(160), 6);
    EXPECT_EQ(ChannelTablePrinter::firstChannel(0), 1);
    EXPECT_EQ(ChannelTablePrinter::lastChannel(0, 199), 29);
    EXPECT_EQ(ChannelTablePrinter::firstChannel(6), 175);
    EXPECT_EQ(ChannelTablePrinter::lastChannel(6, 199), 199);
    EXPECT_EQ(ChannelTablePrinter::lastChannel(5, 160), 160);
}

using Printing = ShellFixture;

TEST_F(Printing, PrintGoesToAPdfWithOnePagePerTwentyNineChannels) {
    ASSERT_TRUE(start());
    m_dialogs.pdfFile = m_dir.filePath("out.pdf");
    trigger(cmd::FilePrint);
    EXPECT_EQ(m_dialogs.printerDialogs, 1);
    EXPECT_EQ(pdfPages(m_dialogs.pdfFile), 7);
}

TEST_F(Printing, CancelledPrinterDialogPrintsNothing) {
    ASSERT_TRUE(start());
    trigger(cmd::FilePrint);
    EXPECT_EQ(m_dialogs.printerDialogs, 1);
    EXPECT_FALSE(QFile::exists(m_dir.filePath("out.pdf")));
}

TEST_F(Printing, PrintSetupChoiceIsUsedByPrintWithoutDialog) {
    ASSERT_TRUE(start());
    m_dialogs.pdfFile = m_dir.filePath("direct.pdf");
    trigger(cmd::FilePrintSetup);
    EXPECT_EQ(m_dialogs.printerDialogs, 1);
    main().refreshCommands();
    ASSERT_TRUE(main().router().run(cmd::FilePrintDirect));
    EXPECT_EQ(m_dialogs.printerDialogs, 1);
    EXPECT_EQ(pdfPages(m_dialogs.pdfFile), 7);
}

TEST_F(Printing, PrintVerbPrintsTheFileAndEndsTheProgram) {
    const auto path = writeImage("verb.sin", 4);
    m_dialogs.pdfFile = m_dir.filePath("verb.pdf");
    m_app->printing().printer().setOutputFormat(QPrinter::PdfFormat);
    m_app->printing().printer().setOutputFileName(m_dialogs.pdfFile);
    m_prompter.answer(PromptAnswer::Ok);
    EXPECT_FALSE(start({QStringLiteral("/p"), QString::fromStdString(path.string())}));
    EXPECT_EQ(m_app->exitCode(), 0);
    EXPECT_FALSE(main().isVisible());
    EXPECT_EQ(pdfPages(m_dialogs.pdfFile), 6);
}

TEST(CommandLineInfoTest, FindsTheFileAndThePrintVerb) {
    const auto parse = [](QStringList arguments) {
        arguments.prepend(QStringLiteral("tarn"));
        return CommandLineInfo::parse(arguments);
    };
    EXPECT_TRUE(parse({}).file().isEmpty());
    EXPECT_EQ(parse({"a.sin"}).file(), "a.sin");
    EXPECT_FALSE(parse({"a.sin"}).print());
    EXPECT_EQ(parse({"--print", "b.sin"}).file(), "b.sin");
    EXPECT_TRUE(parse({"/p", "b.sin"}).print());
    EXPECT_EQ(parse({"-style", "a.sin", "b.sin"}).file(), "a.sin");
}

TEST_F(Printing, PreviewDrawsThePages) {
    ASSERT_TRUE(start());
    m_dialogs.pdfFile = m_dir.filePath("preview.pdf");
    trigger(cmd::FilePrintPreview);
    EXPECT_EQ(m_dialogs.previews, 1);
    EXPECT_EQ(pdfPages(m_dialogs.pdfFile), 7);
}

TEST(ChannelTablePrinterTest, AFullPageStaysInsideItsArea) {
    TextGrid grid;
    grid.setRowCount(200);
    for (int row = 1; row < 200; ++row) {
        grid.setCellText(row, 0, std::to_string(row));
        grid.setCellText(row, 1, "145.12500");
        grid.setCellText(row, 3, "D023N");
    }
    const ChannelTablePrinter printer(grid, 199, QStringLiteral("radio.sin"));

    // Draw onto a larger sheet so that anything spilling out of the area would show.
    for (const QSize area : {QSize(800, 1100), QSize(1100, 800), QSize(300, 400)}) {
        QImage sheet(area.width() + 100, area.height() + 100, QImage::Format_RGB32);
        sheet.fill(Qt::white);
        QPainter painter(&sheet);
        printer.paintPage(painter, QRect(QPoint(0, 0), area), 1);
        painter.end();
        int inside = 0;
        int outside = 0;
        for (int y = 0; y < sheet.height(); ++y) {
            for (int x = 0; x < sheet.width(); ++x) {
                if (qGray(sheet.pixel(x, y)) < 128)
                    ++(x < area.width() && y < area.height() ? inside : outside);
            }
        }
        EXPECT_GT(inside, 1000) << area.width() << "x" << area.height();
        EXPECT_EQ(outside, 0) << area.width() << "x" << area.height();
    }
}

} // namespace
} // namespace tarn::test
