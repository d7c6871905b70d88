#include "tools/cli/CliText.h"

#include <QCoreApplication>

namespace tarn::cli {

std::string CliText::help(const char* source) {
    return QCoreApplication::translate("tarn::cli::Help", source).toStdString();
}

} // namespace tarn::cli
