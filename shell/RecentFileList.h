#pragma once

#include <QString>
#include <QStringList>

namespace tarn {

// The most recently opened or saved files, newest first, kept in the program's settings.
class RecentFileList {
public:
    static constexpr int DefaultSize = 4;

    explicit RecentFileList(int size = DefaultSize);

    void load();
    void save() const;
    // Moves the path to the front, dropping the oldest entry beyond the size.
    void add(const QString& path);
    void remove(const QString& path);
    [[nodiscard]] const QStringList& files() const { return m_files; }
    [[nodiscard]] int size() const { return m_size; }
    // The menu text of entry index: "&1 name" with a shortened path.
    [[nodiscard]] QString menuText(int index) const;

private:
    int m_size;
    QStringList m_files;
};

} // namespace tarn
