#pragma once

#include <QDialog>

class QLabel;
class QTreeWidget;

namespace tarn {

struct ImageDifferences;

// The small window File > Compare With... opens beside the marked grid: the radio-wide
// settings that differ, by the names of their dialogs, and what else differs.
class CompareSettingsWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int ListId = 1;
    static constexpr int SummaryId = 2;

    CompareSettingsWindow(const QString& comparedFile, const ImageDifferences& differences,
                          QWidget* parent);

    [[nodiscard]] int settingCount() const;

private:
    QLabel* m_summary;
    QTreeWidget* m_list;
};

} // namespace tarn
