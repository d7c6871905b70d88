#pragma once

#include <QString>
#include <QStringList>

namespace tarn {

// What the program was asked to do on its command line: open a file (or start with a new
// document), or print a file and end ("/p", "-p" or "--print" before the file).
class CommandLineInfo {
public:
    // The arguments include the program name first.
    [[nodiscard]] static CommandLineInfo parse(const QStringList& arguments);

    [[nodiscard]] const QString& file() const { return m_file; }
    [[nodiscard]] bool print() const { return m_print; }

private:
    QString m_file;
    bool m_print = false;
};

} // namespace tarn
