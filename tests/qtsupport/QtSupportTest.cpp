#include "qtsupport/DialogUnits.h"
#include "qtsupport/LastMessage.h"
#include "qtsupport/MessageBoxPrompter.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace tarn {
namespace {

TEST(DialogUnits, ConvertsByQuarterWidthAndEighthHeight) {
    const DialogUnits units(6, 13);
    EXPECT_EQ(units.x(4), 6);
    EXPECT_EQ(units.y(8), 13);
    EXPECT_EQ(units.rect(7, 7, 326, 227), QRect(10, 11, 489, 368));
    const DialogUnits degenerate(0, 0);
    EXPECT_EQ(degenerate.x(8), 2);
}

// Answers the next message box that opens by clicking the button with the given role.
void clickWhenShown(QMessageBox::StandardButton button, QString* seenText, QString* seenCaption) {
    QTimer::singleShot(0, [=] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *seenText = box->text();
        *seenCaption = box->windowTitle();
        box->button(button)->click();
    });
}

TEST(MessageBoxPrompter, ShowsTextsAndMapsTheClickedButton) {
    MessageBoxPrompter prompter;
    QString text;
    QString caption;
    clickWhenShown(QMessageBox::Retry, &text, &caption);
    const PromptAnswer answer = prompter.ask({"Communication Error，Please check", "Prompt",
                                              PromptButtons::RetryCancel, PromptIcon::Warning});
    EXPECT_EQ(answer, PromptAnswer::Retry);
    EXPECT_EQ(text, QString::fromUtf8("Communication Error，Please check"));
    EXPECT_EQ(caption, "Prompt");
    // Kept for a problem report as it was shown.
    EXPECT_EQ(LastMessage::text(), text);
    EXPECT_EQ(LastMessage::caption(), caption);

    clickWhenShown(QMessageBox::Cancel, &text, &caption);
    EXPECT_EQ(
        prompter.ask({"Do you Exit?", "Prompt", PromptButtons::OkCancel, PromptIcon::Information}),
        PromptAnswer::Cancel);
    EXPECT_EQ(LastMessage::text(), "Do you Exit?");
}

} // namespace
} // namespace tarn

namespace tarn {
namespace {

TEST(MessageBoxPrompter, CtrlCCopiesTheWholeBox) {
    MessageBoxPrompter prompter;
    QTimer::singleShot(0, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        EXPECT_TRUE(QTest::qWaitForWindowActive(box));
        QTest::keySequence(box, QKeySequence::Copy);
        box->button(QMessageBox::Ok)->click();
    });
    (void)prompter.ask(
        {"Error Data Format，Please input again", "Vizuruzu DizaRido", PromptButtons::Ok});
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(),
              "---------------------------\nVizuruzu DizaRido\n---------------------------\n"
              "Error Data Format，Please input again\n---------------------------\n"
              "OK   \n---------------------------\n");
}

} // namespace
} // namespace tarn
