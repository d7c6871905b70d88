#include "shell/RecentFileList.h"

#include "common/AppTitles.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include <memory>

namespace tarn {

namespace {

const QString Section = QStringLiteral("Recent File List");
constexpr int MenuPathLength = 40;

QString key(int index) {
    return QStringLiteral("File%1").arg(index + 1);
}

// The program's own key below the settings root.
std::unique_ptr<QSettings> programSettings() {
    return std::make_unique<QSettings>(QString::fromUtf8(AppTitles::SettingsRoot),
                                       QString::fromUtf8(AppTitles::AppName));
}

// Two paths name one file when they resolve alike.
bool samePath(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}

} // namespace

RecentFileList::RecentFileList(int size)
    : m_size(size) {}

void RecentFileList::load() {
    const auto settings = programSettings();
    m_files.clear();
    settings->beginGroup(Section);
    for (int i = 0; i < m_size; ++i) {
        const QString path = settings->value(key(i)).toString();
        if (!path.isEmpty())
            m_files.append(path);
    }
}

void RecentFileList::save() const {
    const auto settings = programSettings();
    settings->beginGroup(Section);
    for (int i = 0; i < m_size; ++i) {
        if (i < m_files.size())
            settings->setValue(key(i), m_files.at(i));
        else
            settings->remove(key(i));
    }
}

void RecentFileList::add(const QString& path) {
    remove(path);
    m_files.prepend(QFileInfo(path).absoluteFilePath());
    while (m_files.size() > m_size)
        m_files.removeLast();
}

void RecentFileList::remove(const QString& path) {
    m_files.removeIf([&](const QString& entry) { return samePath(entry, path); });
}

QString RecentFileList::menuText(int index) const {
    QString shown = QDir::toNativeSeparators(m_files.at(index));
    if (shown.size() > MenuPathLength) {
        // Keep the file name whole and as much of the start of the path as fits.
        const QString name = QFileInfo(m_files.at(index)).fileName();
        const qsizetype head = std::max<qsizetype>(3, MenuPathLength - name.size() - 4);
        shown = shown.left(head) + QStringLiteral("...") + QDir::separator() + name;
    }
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

} // namespace tarn
