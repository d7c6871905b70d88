// Starts TARN and the reference program alternately, timing each from process start to an
// idle event loop with its window shown, and reads each one's peak memory. Prints medians and
// the ratios against the targets (at most 1.3 x the reference's time and memory).
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Sample {
    double milliseconds = 0;
    long peakKiB = 0;
};

bool runOnce(const QString& program, const QProcessEnvironment& environment, Sample& sample) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setStandardErrorFile(QProcess::nullDevice());
    QElapsedTimer timer;
    timer.start();
    process.start(program, {});
    QByteArray output;
    while (!output.contains('\n') && process.waitForReadyRead(10000))
        output += process.readAllStandardOutput();
    sample.milliseconds = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    process.waitForFinished(10000);
    const QList<QByteArray> words = output.trimmed().split(' ');
    if (words.size() != 2 || words[0] != "ready")
        return false;
    sample.peakKiB = words[1].toLong();
    return true;
}

template <typename T> T median(std::vector<T> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 15;
    QTemporaryDir config;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());

    std::vector<double> tarnTimes, referenceTimes;
    std::vector<long> tarnPeaks, referencePeaks;
    for (int i = 0; i < runs + 1; ++i) {
        Sample tarn, reference;
        if (!runOnce(QStringLiteral(TARN_PROBE), environment, tarn) ||
            !runOnce(QStringLiteral(REFERENCE_PROBE), environment, reference)) {
            std::fprintf(stderr, "a probe did not report\n");
            return 1;
        }
        if (i == 0)
            continue; // the first pair warms the file cache
        tarnTimes.push_back(tarn.milliseconds);
        referenceTimes.push_back(reference.milliseconds);
        tarnPeaks.push_back(tarn.peakKiB);
        referencePeaks.push_back(reference.peakKiB);
    }
    const double tarnTime = median(tarnTimes);
    const double referenceTime = median(referenceTimes);
    const double tarnMiB = static_cast<double>(median(tarnPeaks)) / 1024.0;
    const double referenceMiB = static_cast<double>(median(referencePeaks)) / 1024.0;
    const double timeRatio = tarnTime / referenceTime;
    const double memoryRatio = tarnMiB / referenceMiB;
    std::printf("start-up, median of %d runs (offscreen)\n", runs);
    constexpr double Target = 1.3;
    std::printf("  time:   TARN %.1f ms, reference %.1f ms, ratio %.2f (target <= %.1f) %s\n",
                tarnTime, referenceTime, timeRatio, Target, timeRatio <= Target ? "ok" : "OVER");
    std::printf("  memory: TARN %.1f MiB, reference %.1f MiB, ratio %.2f (target <= %.1f) %s\n",
                tarnMiB, referenceMiB, memoryRatio, Target, memoryRatio <= Target ? "ok" : "OVER");
    return timeRatio <= Target && memoryRatio <= Target ? 0 : 2;
}
