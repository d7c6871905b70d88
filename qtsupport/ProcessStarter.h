#pragma once

#include <QString>
#include <QStringList>

namespace tarn {

// Starts another program by its bare file name and does not wait for it.
class ProcessStarter {
public:
    virtual ~ProcessStarter() = default;
    // True when the program was started. environment adds NAME=value entries to the
    // program's environment.
    virtual bool start(const QString& fileName, const QStringList& environment) = 0;
};

// Looks for the program in the starting program's own directory first, then on PATH,
// and starts it detached, without arguments.
class DetachedProcessStarter final : public ProcessStarter {
public:
    explicit DetachedProcessStarter(QString ownDirectory);

    bool start(const QString& fileName, const QStringList& environment) override;
    // The program file that start would run; empty when there is none.
    [[nodiscard]] QString resolve(const QString& fileName) const;

private:
    QString m_ownDirectory;
};

} // namespace tarn
