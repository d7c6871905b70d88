#pragma once

#include "common/WallClock.h"

#include <QDialog>

#include <filesystem>
#include <functional>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace tarn {

// Program > Backups...: the images kept from every read and write, newest first. Open hands
// the chosen backup on to be opened as a new untitled document, so nothing ever saves over it.
class BackupsDialog : public QDialog {
    Q_OBJECT

public:
    static constexpr int ListId = 1;
    static constexpr int OpenId = 2;
    static constexpr int ShowFolderId = 3;
    static constexpr int CloseId = 4;

    BackupsDialog(std::filesystem::path folder, QWidget* parent);

    // How the folder is shown; a file manager through the desktop unless tests say otherwise.
    void setFolderShower(std::function<void(const QString&)> showFolder);
    // Reads the folder again.
    void refresh();
    [[nodiscard]] int backupCount() const;

signals:
    void openRequested(const QString& path);

private:
    void openSelected();
    void showFolder();
    void updateButtons();

    std::filesystem::path m_folder;
    SystemWallClock m_clock;
    QLabel* m_where;
    QTreeWidget* m_list;
    QPushButton* m_open;
    QPushButton* m_showFolder;
    QPushButton* m_close;
    std::function<void(const QString&)> m_showFolderAction;
};

} // namespace tarn
