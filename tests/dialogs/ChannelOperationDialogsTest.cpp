#include "dialogs/EditChannelsDialog.h"
#include "dialogs/FillChannelsDialog.h"
#include "dialogs/SortChannelsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace tarn {
namespace {

template <typename T> T& child(QWidget& dialog, const char* name) {
    T* found = dialog.findChild<T*>(QString::fromUtf8(name));
    EXPECT_NE(found, nullptr) << name;
    return *found;
}

bool okEnabled(QWidget& dialog) {
    return dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->isEnabled();
}

TEST(SortChannelsDialog, OffersOnlySelectedForTwoOrMore) {
    SortChannelsDialog one(1, {{ChannelOrder::Key::Power, true}, true}, nullptr);
    EXPECT_EQ(child<QComboBox>(one, "key").currentText(), "TX Power");
    EXPECT_FALSE(child<QCheckBox>(one, "onlySelected").isEnabled());
    EXPECT_FALSE(one.choice().onlySelected);
    EXPECT_TRUE(one.choice().sort.descending);

    SortChannelsDialog many(5, {}, nullptr);
    child<QComboBox>(many, "key").setCurrentIndex(3);
    child<QRadioButton>(many, "descending").setChecked(true);
    child<QCheckBox>(many, "onlySelected").setChecked(true);
    const ChannelSortChoice choice = many.choice();
    EXPECT_EQ(choice.sort.key, ChannelOrder::Key::EncTone);
    EXPECT_TRUE(choice.sort.descending);
    EXPECT_TRUE(choice.onlySelected);
}

TEST(EditChannelsDialog, UnchangedFieldsStayUnsetAndABadOffsetBlocksOk) {
    EditChannelsDialog dialog(3, nullptr);
    EXPECT_TRUE(dialog.edit().isEmpty()) << "every field starts at (unchanged)";
    EXPECT_EQ(child<QComboBox>(dialog, "dec").itemText(0), "(unchanged)");
    EXPECT_EQ(child<QLineEdit>(dialog, "offset").placeholderText(), "(unchanged)");
    const std::vector<std::pair<const char*, bool>> offsets{
        {"+", true}, {"-0.6", true}, {"abc", false}, {"5e3", false}, {"", true}};
    for (const auto& [text, valid] : offsets) {
        child<QLineEdit>(dialog, "offset").setText(QString::fromUtf8(text));
        EXPECT_EQ(okEnabled(dialog), valid) << text;
    }
    child<QComboBox>(dialog, "enc").setCurrentText("D023N");
    child<QComboBox>(dialog, "lock").setCurrentText("UnLock");
    child<QLineEdit>(dialog, "offset").setText("-0.6");
    const ChannelBulkEdit edit = dialog.edit();
    EXPECT_EQ(edit.offset->units(), -60000);
    EXPECT_EQ(edit.encTone, "D023N");
    EXPECT_EQ(edit.lock, "UnLock");
    EXPECT_FALSE(edit.decTone);
    EXPECT_FALSE(edit.power);
}

TEST(FillChannelsDialog, StartsFromTheGivenRunAndTakesTypedSteps) {
    ChannelFill initial;
    initial.first = 10;
    initial.count = 4;
    FillChannelsDialog dialog(160, initial, nullptr);
    EXPECT_EQ(child<QSpinBox>(dialog, "first").value(), 10);
    EXPECT_EQ(child<QSpinBox>(dialog, "count").maximum(), 160);
    EXPECT_EQ(child<QComboBox>(dialog, "step").currentText(), "12.5");
    EXPECT_FALSE(okEnabled(dialog)) << "no start frequency yet";
    const std::vector<std::tuple<const char*, const char*, bool>> cases{
        {"446.00625", "6.25", true}, {"446.00625", "7", true}, {"446.000001", "25", false},
        {"446", "-5", false},        {"446", "+5", false},     {"446", "x", false},
    };
    for (const auto& [start, step, valid] : cases) {
        child<QLineEdit>(dialog, "start").setText(start);
        child<QComboBox>(dialog, "step").setCurrentText(step);
        EXPECT_EQ(okEnabled(dialog), valid) << start << " " << step;
    }
    child<QLineEdit>(dialog, "start").setText("446.00625");
    child<QComboBox>(dialog, "step").setCurrentText("12.5");
    child<QLineEdit>(dialog, "offset").setText("+");
    child<QComboBox>(dialog, "power").setCurrentText("Low");
    const ChannelFill fill = dialog.fill();
    EXPECT_EQ(fill.first, 10);
    EXPECT_EQ(fill.count, 4);
    EXPECT_EQ(fill.startUnits, 44600625U);
    EXPECT_EQ(fill.stepUnits, 1250U);
    EXPECT_EQ(fill.offset.kind(), TxOffset::Kind::PlanUp);
    EXPECT_EQ(fill.power, "Low");
    EXPECT_EQ(fill.decTone, "OFF");
    EXPECT_EQ(fill.lock, "Lock");
}

} // namespace
} // namespace tarn
