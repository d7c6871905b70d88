#include "tests/shell/ShellFixture.h"

#include "data/ChannelCodec.h"
#include "data/SinFile.h"
#include "dialogs/CompareSettingsWindow.h"
#include "qtsupport/CommandIds.h"
#include "shell/DocumentWindow.h"
#include "shell/MainWindow.h"
#include "shell/TarnDocument.h"
#include "view/ChannelTableView.h"
#include "view/ChannelView.h"

#include <QTest>

#include <fstream>

namespace tarn::test {
namespace {

class CompareShellTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        ASSERT_TRUE(start());
    }
    [[nodiscard]] ChannelProxyModel& grid() { return active()->view().channels(); }
    [[nodiscard]] CompareSettingsWindow* settingsWindow() {
        return active()->findChild<CompareSettingsWindow*>();
    }
    void compareWith(const std::filesystem::path& path) {
        m_dialogs.openNames.push_back(QString::fromStdString(path.string()));
        trigger(cmd::CompareWith);
    }
};

TEST_F(CompareShellTest, MarksDifferingCellsAndListsSettingsUntilTheNextCompare) {
    RadioImage other = RadioImage::newDocument();
    const std::uint8_t rx[4] = {0x00, 0x20, 0x65, 0x14};
    std::copy(std::begin(rx), std::end(rx), other.row(11).begin());
    other[0x1FC1] = 7;
    SinFile::store(file("other.sin"), other);

    compareWith(file("other.sin"));
    EXPECT_TRUE(grid().isCellMarked(12, ChannelCodec::RxFreqColumn));
    EXPECT_TRUE(grid().isCellMarked(12, ChannelCodec::LockColumn)) << "a new channel shows Lock";
    EXPECT_FALSE(grid().isCellMarked(12, ChannelCodec::TxFreqColumn));
    EXPECT_FALSE(grid().isCellMarked(1, ChannelCodec::RxFreqColumn));
    ASSERT_NE(settingsWindow(), nullptr);
    EXPECT_EQ(settingsWindow()->settingCount(), 1);
    EXPECT_TRUE(m_prompter.texts().empty());

    SinFile::store(file("same.sin"), RadioImage::newDocument());
    compareWith(file("same.sin"));
    EXPECT_FALSE(grid().isCellMarked(12, ChannelCodec::RxFreqColumn)) << "old marks go";
    flushDeletes();
    ASSERT_NE(settingsWindow(), nullptr);
    EXPECT_EQ(settingsWindow()->settingCount(), 0);
}

TEST_F(CompareShellTest, ALargerFileIsComparedOnlyWhenItsFirstBytesAreWanted) {
    RadioImage other = RadioImage::newDocument();
    other[0x1FC1] = 7;
    SinFile::store(file("long.sin"), other);
    std::ofstream(file("long.sin"), std::ios::app | std::ios::binary) << "trailer";
    m_prompter.answer(PromptAnswer::No);
    compareWith(file("long.sin"));
    EXPECT_EQ(m_prompter.texts(), std::vector<std::string>{SinFile::firstBytesQuestion(
                                      "long.sin", RadioImage::Size + 7)});
    EXPECT_EQ(settingsWindow(), nullptr);

    m_prompter.clear();
    m_prompter.answer(PromptAnswer::Yes);
    compareWith(file("long.sin"));
    ASSERT_NE(settingsWindow(), nullptr);
    EXPECT_EQ(settingsWindow()->settingCount(), 1);
}

TEST_F(CompareShellTest, AFileThatIsNoImageIsAClearMessage) {
    std::ofstream(file("notes.txt")) << "not a radio";
    m_prompter.answer(PromptAnswer::Ok);
    compareWith(file("notes.txt"));
    ASSERT_EQ(m_prompter.texts().size(), 1U);
    EXPECT_NE(m_prompter.texts()[0].find("not a channel file"), std::string::npos)
        << m_prompter.texts()[0];
    EXPECT_EQ(settingsWindow(), nullptr);
    EXPECT_FALSE(active()->document().isModified());
}

} // namespace
} // namespace tarn::test
