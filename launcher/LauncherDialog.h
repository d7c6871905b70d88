#pragma once

#include "profile/AppDirectory.h"

#include <QDialog>

#include <optional>
#include <string>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace tarn {

class ProcessStarter;
class ProfileFile;
class Prompter;
struct LauncherLabels;

// The launcher's selection dialog: interface language, product list, OK starts the
// chosen product's program.
class LauncherDialog : public QDialog {
    Q_OBJECT

public:
    // appDirectory holds the first product's profile; without one it is not written.
    // languageFromLocale: with no LANGUAGE stored, the interface follows the locale
    // instead of being Chinese.
    LauncherDialog(ProfileFile& store, ProcessStarter& starter, Prompter& prompter,
                   std::optional<AppDirectory> appDirectory, bool languageFromLocale = false,
                   QWidget* parent = nullptr);

    // Position of the chosen entry in the displayed list; -1 when none is chosen or a
    // name was typed.
    [[nodiscard]] int productIndex() const;
    // Saves the launcher's own profile now, so a failure can still be told.
    void saveProfile();

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
    // The CH number of the chosen entry; 0 when none is chosen.
    [[nodiscard]] int chosenSection() const;
    // The program file of the product in section CH<section>; for the first product it
    // also sets the language in that product's own profile.
    [[nodiscard]] std::string prepareProduct(int section, ProfileFile& productProfile);
    // True when the program started; otherwise the user is told why.
    [[nodiscard]] bool startProduct(int section, const std::string& program,
                                    const ProfileFile& productProfile);

    // A failed save is told once a run; a read-only file is the user's choice and is kept.
    void tellIfNotSaved(bool failed, const std::string& path);

    ProfileFile& m_store;
    ProcessStarter& m_starter;
    Prompter& m_prompter;
    std::optional<AppDirectory> m_appDirectory;
    bool m_languageFromLocale;
    bool m_nameTyped = false;
    bool m_toldNotSaved = false;
    // The CH names as stored, in section order (CH1 first).
    std::vector<std::string> m_sectionNames;
    const LauncherLabels* m_labels = nullptr;

    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
    QCheckBox* m_english = nullptr;
    QCheckBox* m_chinese = nullptr;
    QLabel* m_selectLabel = nullptr;
    QComboBox* m_productList = nullptr;
    QAction* m_aboutAction = nullptr;
};

} // namespace tarn
