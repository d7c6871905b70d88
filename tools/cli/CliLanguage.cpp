#include "tools/cli/CliLanguage.h"

#include "profile/ProductLanguage.h"
#include "qtsupport/CoreMessages.h"
#include "qtsupport/InterfaceTranslators.h"
#include "tools/cli/CliMessages.h"

#include <clocale>
#include <cstdlib>

namespace tarn::cli {

namespace {

const char* environment(const char* name) {
    return std::getenv(name);
}

} // namespace

CliLanguage::CliLanguage(int& argc, char** argv) {
    if (localeLanguage(messagesLocale(&environment)) != InterfaceLanguage::Chinese)
        return;
    // The translators need an application; it takes the locale's number formats, which
    // standard output and JSON must never follow.
    m_application = std::make_unique<QCoreApplication>(argc, argv);
    std::setlocale(LC_ALL, "C");
    m_translators = std::make_unique<InterfaceTranslators>(InterfaceTranslators::defaultFolders());
    m_translates = m_translators->apply(QStringLiteral("zh_CN"));
}

CliLanguage::~CliLanguage() = default;

std::string CliLanguage::translated(const std::string& line) const {
    return CoreMessages::translated(QString::fromStdString(line), cliMessages()).toStdString();
}

} // namespace tarn::cli
