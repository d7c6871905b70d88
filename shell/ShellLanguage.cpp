#include "shell/ShellLanguage.h"

#include "common/AppTitles.h"
#include "common/Prompter.h"
#include "profile/StdFileOps.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdlib>
#include <utility>

namespace tarn {

namespace {

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? std::string(value) : std::string();
}

bool runsInstalled() {
    const QString bin = QStringLiteral(TARN_INSTALLED_BINDIR);
    if (bin.isEmpty())
        return false;
    const QString own = QFileInfo(QCoreApplication::applicationDirPath()).canonicalFilePath();
    return !own.isEmpty() && own == QFileInfo(bin).canonicalFilePath();
}

std::string configHome() {
    const std::string xdg = environment("XDG_CONFIG_HOME");
    if (!xdg.empty() && xdg.front() == '/')
        return xdg;
    const std::string home = environment("HOME");
    return home.empty() ? std::string() : home + "/.config";
}

} // namespace

ShellLanguage::ShellLanguage(std::string profilePath, Prompter& prompter)
    : m_profilePath(std::move(profilePath))
    , m_prompter(prompter)
    , m_translators(InterfaceTranslators::defaultFolders()) {}

std::string ShellLanguage::profilePathOfThisProgram() {
    return productProfilePath(
        {environment("TARN_PRODUCT_PROFILE"), runsInstalled(), configHome(),
         QDir::toNativeSeparators(QCoreApplication::applicationDirPath()).toStdString()});
}

void ShellLanguage::applyAtStart(const std::string& localeName) {
    install(chooseLanguage(m_profilePath, localeName, StdFileOps::instance()));
}

void ShellLanguage::install(InterfaceLanguage language) {
    // A language whose translation is missing stays English, without a word.
    const bool chinese =
        language == InterfaceLanguage::Chinese && m_translators.apply(QStringLiteral("zh_CN"));
    if (!chinese)
        static_cast<void>(m_translators.apply(QString()));
    m_current = chinese ? InterfaceLanguage::Chinese : InterfaceLanguage::English;
}

void ShellLanguage::switchTo(InterfaceLanguage language) {
    install(language);
    if (storeLanguage(m_profilePath, language, StdFileOps::instance()))
        return;
    const QString text =
        QCoreApplication::translate("tarn::ShellLanguage",
                                    "The language could not be saved in %1; it applies "
                                    "until TARN ends.")
            .arg(QString::fromStdString(m_profilePath));
    static_cast<void>(m_prompter.ask(
        {text.toStdString(), AppTitles::AppName, PromptButtons::Ok, PromptIcon::Warning}));
}

} // namespace tarn
