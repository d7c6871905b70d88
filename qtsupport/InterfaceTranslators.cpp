#include "qtsupport/InterfaceTranslators.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include <utility>

namespace tarn {

InterfaceTranslators::InterfaceTranslators(QStringList folders, QtTexts qtTexts)
    : m_folders(std::move(folders))
    , m_qtTexts(qtTexts) {}

InterfaceTranslators::~InterfaceTranslators() {
    remove();
}

QStringList InterfaceTranslators::defaultFolders() {
    const QString own = QCoreApplication::applicationDirPath();
    return {own + QStringLiteral("/../share/tarn/translations"),
            QStringLiteral(TARN_BUILD_TRANSLATIONS_DIR)};
}

void InterfaceTranslators::remove() {
    if (!m_installed)
        return;
    QCoreApplication::removeTranslator(&m_own);
    QCoreApplication::removeTranslator(&m_qt);
    m_installed = false;
}

bool InterfaceTranslators::apply(const QString& localeName) {
    remove();
    m_localeName.clear();
    if (localeName.isEmpty())
        return true;
    bool found = false;
    for (const QString& folder : m_folders) {
        if (m_own.load(QStringLiteral("tarn_") + localeName, folder)) {
            found = true;
            break;
        }
    }
    if (!found)
        return false;
    // Qt's own texts are a nicety: a missing file leaves its dialogs in English.
    const bool qtFound = m_qtTexts == QtTexts::Translated &&
                         m_qt.load(QStringLiteral("qtbase_") + localeName,
                                   QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    QCoreApplication::installTranslator(&m_own);
    if (qtFound)
        QCoreApplication::installTranslator(&m_qt);
    m_installed = true;
    m_localeName = localeName;
    return true;
}

} // namespace tarn
