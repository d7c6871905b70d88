#pragma once

#include "profile/AppDirectory.h"

#include <QDialog>

#include <optional>
#include <string>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace tarn {

class ProcessStarter;
class ProfileFile;
struct LauncherLabels;

// The launcher's selection dialog: interface language, product list, OK starts the
// chosen product's program.
class LauncherDialog : public QDialog {
    Q_OBJECT

public:
    // appDirectory holds the first product's profile; without one it is not written.
    LauncherDialog(ProfileFile& store, ProcessStarter& starter,
                   std::optional<AppDirectory> appDirectory, QWidget* parent = nullptr);

    // Position of the chosen entry in the displayed list; -1 when none is chosen or a
    // name was typed.
    [[nodiscard]] int productIndex() const;

public slots:
    void accept() override;
    void showAbout();

protected:
#ifdef Q_OS_WIN
    bool nativeEvent(const QByteArray& eventType, void* message, qintptr* result) override;
#endif

private:
    void addAboutEntry();
    void createControls();
    void placeControls();
    void fillProductList();
    void selectDefault();
    void applyStoredLanguage();
    void applyLabels(const LauncherLabels& labels);
    // The program file of the product at index; for the first product it also sets the
    // language in that product's own profile.
    [[nodiscard]] std::string prepareProduct(int index, ProfileFile& productProfile);

    ProfileFile& m_store;
    ProcessStarter& m_starter;
    std::optional<AppDirectory> m_appDirectory;
    bool m_nameTyped = false;

    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QCheckBox* m_english = nullptr;
    QCheckBox* m_chinese = nullptr;
    QLabel* m_selectLabel = nullptr;
    QComboBox* m_productList = nullptr;
    QAction* m_aboutAction = nullptr;
};

} // namespace tarn
