#include "dialogs/ImportChannelsDialog.h"
#include "tests/dialogs/DialogControls.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace tarn {
namespace {

using test::control;

constexpr int Ok = 1;

const std::string List = "Location,Name,Frequency,Power\n"
                         "0,Home,146.52,High\n"
                         "1,Club,145.5,5W\n"
                         "250,Far,440,1W\n";

QString report(ImportChannelsDialog& dialog) {
    return control<QPlainTextEdit>(dialog, ImportChannelsDialog::ReportId)->toPlainText();
}

TEST(ImportChannelsDialogTest, ShowsTheReportAndFollowsTheChosenOptions) {
    ImportChannelsDialog dialog(List, 199, "list.csv", nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Import Channels");
    EXPECT_TRUE(report(dialog).contains("Channels placed: 2 (1-2)."));
    EXPECT_TRUE(report(dialog).contains("  line 4, Location 250"));
    EXPECT_TRUE(report(dialog).contains("  Name: a value on 2 lines"));
    EXPECT_TRUE(control<QPushButton>(dialog, Ok)->isEnabled());

    auto* first = control<QSpinBox>(dialog, ImportChannelsDialog::FirstChannelId);
    first->setFocus();
    first->selectAll();
    QTest::keyClicks(first, "198");
    EXPECT_EQ(dialog.options().firstChannel, 198);
    EXPECT_EQ(dialog.list().report().placed, (std::vector<int>{198, 199}));
    EXPECT_TRUE(report(dialog).contains("goes to channel 198 as asked"));

    QTest::mouseClick(control<QCheckBox>(dialog, ImportChannelsDialog::ReplaceId), Qt::LeftButton);
    EXPECT_TRUE(dialog.options().replace);
    EXPECT_TRUE(report(dialog).contains("Every other channel is emptied."));
}

TEST(ImportChannelsDialogTest, ARefusedListShowsItsProblemsAndCannotBeApplied) {
    ImportChannelsDialog dialog("Location,Frequency\n1,146.5x\n", 160, "bad.csv", nullptr);
    EXPECT_FALSE(control<QPushButton>(dialog, Ok)->isEnabled());
    EXPECT_EQ(report(dialog), "The list cannot be imported:\nline 2, column Frequency: "
                              "\"146.5x\" is not a number (digits, optionally a point and digits)");
    EXPECT_EQ(control<QSpinBox>(dialog, ImportChannelsDialog::FirstChannelId)->maximum(), 160);
}

} // namespace
} // namespace tarn
