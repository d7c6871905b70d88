// Printing the channel table: page layout, PDF output, preview and set-up.
#include "tests/shell/ShellFixture.h"

#include "data/TextGrid.h"
#include "shell/CMainFrame.h"
#include "shell/ChannelTablePrinter.h"
#include "shell/CommandIds.h"
#include "shell/CommandRouter.h"

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

TEST_F(Printing, PreviewDrawsThePages) {
    ASSERT_TRUE(start());
    m_dialogs.pdfFile = m_dir.filePath("preview.pdf");
    trigger(cmd::FilePrintPreview);
    EXPECT_EQ(m_dialogs.previews, 1);
    EXPECT_EQ(pdfPages(m_dialogs.pdfFile), 7);
}

TEST(ChannelTablePrinterTest, PageShowsHeadersTitleAndTheChannelsOfThatPage) {
    TextGrid grid;
    grid.setRowCount(200);
    for (int row = 1; row < 200; ++row)
        grid.setCellText(row, 0, std::to_string(row));
    grid.setCellText(30, 1, "145.12500");
    const ChannelTablePrinter printer(grid, 199, QStringLiteral("radio.sin"));

    // Text drawn into a picture is recorded; count what the second page shows.
    QImage page(800, 1100, QImage::Format_RGB32);
    page.fill(Qt::white);
    QPainter painter(&page);
    printer.paintPage(painter, QRect(0, 0, 800, 1100), 1);
    painter.end();
    // The page is not blank and the table lies within the area.
    int dark = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            dark += qGray(page.pixel(x, y)) < 128 ? 1 : 0;
    EXPECT_GT(dark, 1000);
    EXPECT_EQ(qGray(page.pixel(799, 1099)), 255);
}

} // namespace
} // namespace tarn::test
