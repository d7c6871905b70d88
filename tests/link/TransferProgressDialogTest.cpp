#include "link/TransferProgressDialog.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace tarn {
namespace {

class TransferProgressDialogTest : public ::testing::Test {
protected:
    TransferProgressDialogTest() { dialog.setCaption(QStringLiteral("Reading Data Progress")); }

    void open() {
        dialog.openWindow(&owner);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }

    QWidget owner;
    int startRequests = 0;
    TransferProgressDialog dialog{&owner, [this] { ++startRequests; }};
};

TEST_F(TransferProgressDialogTest, OpensFreshWithTheTemplateTexts) {
    open();
    EXPECT_EQ(dialog.windowTitle(), "Reading Data Progress");
    EXPECT_EQ(dialog.statusText(), "   Not start yet");
    EXPECT_EQ(dialog.startButton().text(), "Start");
    EXPECT_EQ(dialog.cancelButton().text(), "Cancel");
    EXPECT_TRUE(dialog.startButton().isEnabled());
    EXPECT_EQ(dialog.progressBar().minimum(), 0);
    EXPECT_EQ(dialog.progressBar().maximum(), 16);
    EXPECT_EQ(dialog.progressBar().value(), 0);
    EXPECT_FALSE(dialog.isModal());

    // A window left in mid-transfer state comes back as new after it was closed.
    QTest::mouseClick(&dialog.startButton(), Qt::LeftButton);
    dialog.progressBar().setRange(0, 403);
    dialog.progressBar().setValue(200);
    dialog.setStatusText(QStringLiteral("200"));
    dialog.onCancel();
    dialog.destroyWindow();
    dialog.setCaption(QStringLiteral("Writing Data Progress"));
    open();
    EXPECT_EQ(dialog.windowTitle(), "Writing Data Progress");
    EXPECT_EQ(dialog.statusText(), "   Not start yet");
    EXPECT_EQ(dialog.progressBar().maximum(), 16);
    EXPECT_EQ(dialog.progressBar().value(), 0);
    EXPECT_TRUE(dialog.startButton().isEnabled());
    EXPECT_FALSE(dialog.cancelRequested());
}

TEST_F(TransferProgressDialogTest, CancelWhileIdleClosesWithoutStarting) {
    open();
    QTest::mouseClick(&dialog.cancelButton(), Qt::LeftButton);
    EXPECT_FALSE(dialog.hasWindow());
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.cancelRequested());

    open();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.hasWindow());

    open();
    EXPECT_TRUE(dialog.close());
    EXPECT_FALSE(dialog.hasWindow());
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(startRequests, 0);
}

TEST_F(TransferProgressDialogTest, StartPostsOneRequestAndCancelThenOnlyFlags) {
    open();
    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_FALSE(dialog.startButton().isEnabled());
    // Posted, not called: the button's handler returns first.
    EXPECT_EQ(startRequests, 0);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(startRequests, 1);

    QTest::keyClick(&dialog, Qt::Key_Return);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(startRequests, 1);

    QTest::mouseClick(&dialog.cancelButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.cancelRequested());
    EXPECT_TRUE(dialog.hasWindow());
    EXPECT_FALSE(dialog.close());
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(TransferProgressDialogTest, StartRequestIsDroppedWhenTheOwnerIsGone) {
    int requests = 0;
    auto view = std::make_unique<QWidget>();
    TransferProgressDialog window(view.get(), [&requests] { ++requests; });
    window.setParent(nullptr, Qt::Dialog);
    window.openWindow(nullptr);
    window.onOk();
    view.reset();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(requests, 0);
}

TEST_F(TransferProgressDialogTest, CancelDuringATransferIsSignalledOnce) {
    QSignalSpy cancels(&dialog, &TransferProgressDialog::cancelPressed);
    open();
    QTest::mouseClick(&dialog.cancelButton(), Qt::LeftButton);
    EXPECT_EQ(cancels.count(), 0) << "idle: the window closes instead";
    open();
    QTest::mouseClick(&dialog.startButton(), Qt::LeftButton);
    QTest::mouseClick(&dialog.cancelButton(), Qt::LeftButton);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_FALSE(dialog.close());
    EXPECT_EQ(cancels.count(), 1);
    EXPECT_TRUE(dialog.hasWindow()) << "the transfer closes it when it ends";
}

TEST_F(TransferProgressDialogTest, AFinishedWindowClosesOnlyWhenTheUserClosesIt) {
    QSignalSpy cancels(&dialog, &TransferProgressDialog::cancelPressed);
    open();
    QTest::mouseClick(&dialog.startButton(), Qt::LeftButton);
    dialog.setNote(QStringLiteral("The document will close when the transfer ends."));
    dialog.setStatusText(QStringLiteral("Written: 404 blocks"));
    dialog.showFinished();
    EXPECT_TRUE(dialog.isFinished());
    EXPECT_EQ(dialog.cancelButton().text(), "Close");
    EXPECT_FALSE(dialog.startButton().isEnabled());
    EXPECT_TRUE(dialog.note().isEmpty());
    EXPECT_EQ(dialog.statusText(), "Written: 404 blocks");
    // Enter closes it too: Close is the default now, and Start stays off.
    QTest::keyClick(&dialog, Qt::Key_Return);
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(dialog.hasWindow());
    EXPECT_EQ(cancels.count(), 0) << "closing a finished window cancels nothing";
    EXPECT_EQ(startRequests, 1);

    // The close box closes it; the next opening is a fresh window with Cancel again.
    open();
    dialog.onOk();
    dialog.showFinished();
    EXPECT_TRUE(dialog.close());
    EXPECT_FALSE(dialog.hasWindow());
    open();
    EXPECT_FALSE(dialog.isFinished());
    EXPECT_EQ(dialog.cancelButton().text(), "Cancel");
    EXPECT_TRUE(dialog.startButton().isEnabled());

    // A window already closed is not brought back.
    dialog.destroyWindow();
    dialog.showFinished();
    EXPECT_FALSE(dialog.hasWindow());
    EXPECT_FALSE(dialog.isFinished());
}

} // namespace
} // namespace tarn
