#include "qtsupport/ProcessStarter.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <utility>

namespace tarn {

namespace {

bool hasDirectory(const QString& fileName) {
#ifdef Q_OS_WIN
    return fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\'));
#else
    return fileName.contains(QLatin1Char('/'));
#endif
}

bool isProgram(const QFileInfo& info) {
    return info.isFile() && info.isExecutable();
}

} // namespace

DetachedProcessStarter::DetachedProcessStarter(QString ownDirectory)
    : m_ownDirectory(std::move(ownDirectory)) {}

QString DetachedProcessStarter::resolve(const QString& fileName) const {
    if (fileName.trimmed().isEmpty())
        return {};
    if (hasDirectory(fileName))
        return isProgram(QFileInfo(fileName)) ? fileName : QString();
    const QFileInfo beside(QDir(m_ownDirectory), fileName);
    if (isProgram(beside))
        return beside.absoluteFilePath();
    return QStandardPaths::findExecutable(fileName);
}

bool DetachedProcessStarter::start(const QString& fileName, const QStringList& environment) {
    const QString program = resolve(fileName);
    if (program.isEmpty())
        return false;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString& entry : environment) {
        const qsizetype equals = entry.indexOf(QLatin1Char('='));
        if (equals > 0)
            variables.insert(entry.left(equals), entry.mid(equals + 1));
    }
    QProcess process;
    process.setProgram(program);
    process.setProcessEnvironment(variables);
    return process.startDetached();
}

} // namespace tarn
