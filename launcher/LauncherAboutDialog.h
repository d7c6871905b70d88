#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tarn {

// The launcher's About box: icon, version line, legal notice and an OK button.
class LauncherAboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit LauncherAboutDialog(QWidget* parent = nullptr);

private:
    QLabel* m_icon = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_packageVersion = nullptr;
    QLabel* m_notice = nullptr;
    QPushButton* m_ok = nullptr;
};

} // namespace tarn
