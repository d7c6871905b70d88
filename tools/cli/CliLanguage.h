#pragma once

#include <QCoreApplication>

#include <memory>
#include <string>

namespace tarn {
class InterfaceTranslators;
}

namespace tarn::cli {

// The language of tarn-cli's messages on stderr: Chinese when the first set of LC_ALL,
// LC_MESSAGES and LANG names it and its translation is installed, else English ("C" and
// "POSIX" included, so scripts keep English).
class CliLanguage {
public:
    CliLanguage(int& argc, char** argv);
    ~CliLanguage();
    CliLanguage(const CliLanguage&) = delete;
    CliLanguage& operator=(const CliLanguage&) = delete;

    [[nodiscard]] bool translates() const { return m_translates; }
    // A line of stderr in that language.
    [[nodiscard]] std::string translated(const std::string& line) const;

private:
    std::unique_ptr<QCoreApplication> m_application;
    std::unique_ptr<InterfaceTranslators> m_translators;
    bool m_translates = false;
};

} // namespace tarn::cli
