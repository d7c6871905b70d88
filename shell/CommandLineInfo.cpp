#include "shell/CommandLineInfo.h"

namespace tarn {

CommandLineInfo CommandLineInfo::parse(const QStringList& arguments) {
    CommandLineInfo info;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("/p") || argument == QLatin1String("-p") ||
            argument == QLatin1String("--print"))
            info.m_print = true;
        else if (argument.startsWith(QLatin1Char('-')))
            continue; // options of the toolkit or of other launchers
        else if (info.m_file.isEmpty())
            info.m_file = argument;
    }
    return info;
}

} // namespace tarn
