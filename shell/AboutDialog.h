#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tarn {

// The About box: program icon, version texts and an OK button.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int IconId = 128;
    static constexpr const char* VersionText = " Communication Software - 4.0 ";
    static constexpr const char* Ornament = "══════════════★═══★═══★═══════════════";

    explicit AboutDialog(QWidget* parent = nullptr);

    [[nodiscard]] QLabel& icon() { return *m_icon; }
    [[nodiscard]] QLabel& versionLabel() { return *m_version; }
    [[nodiscard]] QLabel& packageVersionLabel() { return *m_packageVersion; }
    [[nodiscard]] QLabel& ornamentLabel() { return *m_ornament; }
    [[nodiscard]] QPushButton& okButton() { return *m_ok; }

private:
    QLabel* m_icon;
    QLabel* m_version;
    QLabel* m_packageVersion;
    QLabel* m_ornament;
    QPushButton* m_ok;
};

} // namespace tarn
