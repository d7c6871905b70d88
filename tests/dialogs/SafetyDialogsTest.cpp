#include "data/BackupStore.h"
#include "data/ImageDiff.h"
#include "dialogs/BackupsDialog.h"
#include "dialogs/CompareSettingsWindow.h"
#include "tests/dialogs/DialogControls.h"
#include "tests/support/FixedWallClock.h"
#include "tests/support/TempDir.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace tarn {
namespace {

using test::control;

RadioImage withChannels(int programmed, std::uint8_t model) {
    RadioImage image = RadioImage::newDocument();
    for (int row = 0; row < programmed; ++row)
        image.row(static_cast<std::size_t>(row))[3] = 0x14;
    image[RadioImage::ModelTypeOffset] = model;
    return image;
}

TEST(BackupsDialogTest, ListsNewestFirstAndOpensTheChosenOne) {
    test::TempDir dir;
    test::FixedWallClock clock({2026, 12, 7, 9, 0, 0});
    BackupStore store(dir.path(), clock);
    const auto older = store.store(withChannels(3, 0), BackupKind::Read);
    clock.set({2026, 12, 7, 9, 30, 0});
    (void)store.store(withChannels(170, 4), BackupKind::Write, "/dev/ttyUSB1");
    dir.write("20261207-093100-read.sin", "too short");
    dir.write("20261207-093200-read.sin", std::string(RadioImage::Size + 1, '\0'));

    BackupsDialog dialog(dir.path(), nullptr);
    auto* list = control<QTreeWidget>(dialog, BackupsDialog::ListId);
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->topLevelItemCount(), 4);
    for (int wrongSize : {0, 1}) {
        EXPECT_TRUE(list->topLevelItem(wrongSize)->isDisabled()) << "a file that cannot be read";
        EXPECT_EQ(list->topLevelItem(wrongSize)->text(4), "cannot be read");
    }
    // Backups from before records: the outcome is unknown, the port what the name says.
    const QTreeWidgetItem* write = list->topLevelItem(2);
    EXPECT_EQ(write->text(0), "2026-12-07 09:30:00");
    EXPECT_EQ(write->text(1), "Write (ttyUSB1)");
    EXPECT_EQ(write->text(2), "Unknown");
    EXPECT_EQ(write->text(3), "ttyUSB1");
    EXPECT_EQ(write->text(4), "type 4");
    EXPECT_EQ(write->text(5), "160 of 160");
    const QTreeWidgetItem* read = list->topLevelItem(3);
    EXPECT_EQ(read->text(1), "Read");
    EXPECT_EQ(read->text(3), "");
    EXPECT_EQ(read->text(5), "3 of 199");

    auto* open = control<QPushButton>(dialog, BackupsDialog::OpenId);
    list->setCurrentItem(list->topLevelItem(0));
    EXPECT_FALSE(open->isEnabled());
    list->setCurrentItem(list->topLevelItem(3));
    QSignalSpy opened(&dialog, &BackupsDialog::openRequested);
    QTest::mouseClick(open, Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened.front().front().toString().toStdString(), older.string());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(BackupsDialogTest, ShowsEachBackupsOutcomeAndPortFromItsRecord) {
    test::TempDir dir;
    test::FixedWallClock clock({2026, 12, 7, 9, 0, 0});
    BackupStore store(dir.path(), clock);
    const auto partly = store.store(withChannels(3, 0), BackupKind::Write);
    ASSERT_FALSE(
        BackupStore::storeRecord(partly, {BackupOutcome::PartlyWritten, "COM2", "/dev/ttyUSB0"}));
    clock.set({2026, 12, 7, 9, 0, 1});
    const auto verified = store.store(withChannels(3, 0), BackupKind::Write);
    ASSERT_FALSE(BackupStore::storeRecord(verified, {BackupOutcome::Verified, "/dev/ttyUSB0", ""}));
    clock.set({2026, 12, 7, 9, 0, 2});
    const auto mangled = store.store(withChannels(3, 0), BackupKind::Read);
    dir.write("20261207-090002-read.txt", std::string(100000, 'x'));

    BackupsDialog dialog(dir.path(), nullptr);
    auto* list = control<QTreeWidget>(dialog, BackupsDialog::ListId);
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->topLevelItem(0)->text(2), "Unknown") << "a record that is none is ignored";
    EXPECT_FALSE(list->topLevelItem(0)->isDisabled()) << "the backup itself still opens";
    EXPECT_EQ(list->topLevelItem(1)->text(2), "Verified");
    EXPECT_EQ(list->topLevelItem(1)->text(3), "/dev/ttyUSB0");
    EXPECT_TRUE(list->topLevelItem(1)->icon(2).isNull());
    EXPECT_EQ(list->topLevelItem(2)->text(2), "Partly written");
    EXPECT_EQ(list->topLevelItem(2)->text(3), "COM2 (/dev/ttyUSB0)");
    EXPECT_FALSE(list->topLevelItem(2)->icon(2).isNull()) << "a doubtful outcome stands out";
    (void)mangled;
}

TEST(BackupsDialogTest, ShowsTheFolderEvenBeforeTheFirstBackup) {
    test::TempDir dir;
    const auto folder = dir / "tarn" / "backups";
    BackupsDialog dialog(folder, nullptr);
    EXPECT_EQ(dialog.backupCount(), 0);
    EXPECT_FALSE(control<QPushButton>(dialog, BackupsDialog::OpenId)->isEnabled());
    QString shown;
    dialog.setFolderShower([&](const QString& path) { shown = path; });
    QTest::mouseClick(control<QPushButton>(dialog, BackupsDialog::ShowFolderId), Qt::LeftButton);
    EXPECT_EQ(shown.toStdString(), folder.string());
    EXPECT_TRUE(std::filesystem::is_directory(folder));
}

TEST(CompareSettingsWindowTest, ListsSettingsAndSumsUpTheRest) {
    const RadioImage a = RadioImage::newDocument();
    RadioImage b = withChannels(2, 0);
    b[0x1FC1] = 7;
    b[0x1FE9] = 0;
    CompareSettingsWindow window("/tmp/other.sin", ImageDiff::compare(a, b), nullptr);
    EXPECT_EQ(window.windowTitle(), "Compared With other.sin");
    ASSERT_EQ(window.settingCount(), 1);
    const auto* list = control<QTreeWidget>(window, CompareSettingsWindow::ListId);
    EXPECT_EQ(list->topLevelItem(0)->text(0), "Squelch Level");
    EXPECT_EQ(list->topLevelItem(0)->text(2), "7");
    const QString summary = control<QLabel>(window, CompareSettingsWindow::SummaryId)->text();
    EXPECT_EQ(summary.toStdString(),
              "4 channel cells differ (marked in the grid). 1 setting differs. 1 other byte the "
              "radio receives differs (no cell or dialog shows it).");
}

} // namespace
} // namespace tarn
