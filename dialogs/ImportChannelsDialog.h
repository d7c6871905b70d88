#pragma once

#include "data/ChannelCsvImport.h"

#include <QDialog>

#include <string>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace tarn {

// What importing a channel list would do, shown before anything changes: the user may choose
// the channel the lowest Location goes to and whether the other channels are emptied. OK
// applies, Cancel changes nothing.
class ImportChannelsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int FirstChannelId = 1101;
    static constexpr int ReplaceId = 1102;
    static constexpr int ReportId = 1103;

    ImportChannelsDialog(std::string listText, int channelCount, const QString& fileName,
                         QWidget* parent);

    [[nodiscard]] ChannelCsvOptions options() const;
    // The list read with the options as they stand.
    [[nodiscard]] const ChannelCsvImport& list() const { return m_list; }

private:
    void createControls(int channelCount);
    void refresh();

    const std::string m_text;
    const int m_channelCount;
    ChannelCsvImport m_list;
    QLabel* m_fileLabel;
    QLabel* m_firstLabel;
    QSpinBox* m_first;
    QCheckBox* m_replace;
    QPlainTextEdit* m_report;
    QPushButton* m_ok;
    QPushButton* m_cancel;
};

} // namespace tarn
