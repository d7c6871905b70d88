#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>

namespace tarn {

// The translators of one interface language: the programs' own texts and Qt's (file,
// print and message-box dialogs). A language without its files falls back to English.
class InterfaceTranslators {
public:
    // Whether Qt's own texts are translated too.
    enum class QtTexts { Translated, English };

    // folders: where the programs' .qm files may lie, first match wins.
    explicit InterfaceTranslators(QStringList folders, QtTexts qtTexts = QtTexts::Translated);
    ~InterfaceTranslators();
    InterfaceTranslators(const InterfaceTranslators&) = delete;
    InterfaceTranslators& operator=(const InterfaceTranslators&) = delete;

    // Installs the translators of a locale ("zh_CN"); an empty name is English. True when
    // the programs' own translation was found (English always is).
    bool apply(const QString& localeName);
    [[nodiscard]] const QString& localeName() const { return m_localeName; }

    // The folders of an installed or a built program, relative to its own folder.
    [[nodiscard]] static QStringList defaultFolders();

private:
    void remove();

    QStringList m_folders;
    QtTexts m_qtTexts;
    QString m_localeName;
    QTranslator m_own;
    QTranslator m_qt;
    bool m_installed = false;
};

} // namespace tarn
