// Measures, on the offscreen platform, what a user waits for: the start-up of
// the whole process against a bare main window (wall time, instructions under
// callgrind, peak memory), each calculation per click, and the list rebuilds
// of a device change and a resolution change.
#include "app/Calculator.h"
#include "app/startup.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <cstdio>

namespace {

struct Startup
{
    double medianMilliseconds = 0;
    double peakKiB = 0;
    double instructions = 0; // 0 where valgrind is missing
};

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0 : values.at(values.size() / 2);
}

QString driverPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/hddcalc_startup");
}

QProcessEnvironment offscreen()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return environment;
}

Startup measureStartup(const QString &mode, int runs)
{
    QVector<double> times, peaks;
    for (int run = 0; run < runs; ++run) {
        QProcess driver;
        driver.setProcessEnvironment(offscreen());
        QElapsedTimer clock;
        clock.start();
        driver.start(driverPath(), {mode});
        driver.waitForFinished(60000);
        times.append(clock.nsecsElapsed() / 1e6);
        const QString out = QString::fromLocal8Bit(driver.readAllStandardOutput());
        peaks.append(QRegularExpression(QStringLiteral("peak (\\d+)")).match(out).captured(1).toDouble());
    }
    Startup result{median(times), median(peaks), 0};

    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    if (valgrind.isEmpty())
        return result;
    QTemporaryDir scratch;
    QProcess counted;
    counted.setProcessEnvironment(offscreen());
    counted.start(valgrind,
                  {QStringLiteral("--tool=callgrind"),
                   QStringLiteral("--callgrind-out-file=") + scratch.filePath(QStringLiteral("out")),
                   driverPath(), mode});
    counted.waitForFinished(300000);
    const QString log = QString::fromLocal8Bit(counted.readAllStandardError());
    result.instructions =
        QRegularExpression(QStringLiteral("Collected : (\\d+)")).match(log).captured(1).toDouble();
    return result;
}

// Microseconds per call of action, over many calls after a warm-up.
template<class Action>
double perCall(int calls, Action action)
{
    for (int i = 0; i < calls / 10; ++i)
        action(i);
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < calls; ++i)
        action(i);
    return clock.nsecsElapsed() / 1e3 / calls;
}

void row(const char *what, double value, const char *unit, const char *target)
{
    std::printf("| %-44s | %12.2f %-5s | %-22s |\n", what, value, unit, target);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const std::unique_ptr<QApplication> app = startApplication(argc, argv);
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 21;

    const Startup bare = measureStartup(QStringLiteral("bare"), runs);
    const Startup calculator = measureStartup(QStringLiteral("calculator"), runs);

    Calculator window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    auto *days = window.findChild<QComboBox *>(QStringLiteral("leDesiredDays"));
    auto *size = window.findChild<QComboBox *>(QStringLiteral("leHDDSize"));
    auto *device = window.findChild<QComboBox *>(QStringLiteral("cbDeviceType"));
    auto *resolution = window.findChild<QComboBox *>(QStringLiteral("cbResolution"));
    auto *hddButton = window.findChild<QPushButton *>(QStringLiteral("pbCalculateHDD"));
    auto *daysButton = window.findChild<QPushButton *>(QStringLiteral("pbCalculateDays"));

    // A mouse click: the button's press repaints it at once, then the calculation runs.
    days->setCurrentText(QStringLiteral("30"));
    const double hddClick = perCall(5000, [&](int) { QTest::mouseClick(hddButton, Qt::LeftButton); });
    // The calculation from the button's signal to the written result, with a new entry each time.
    const QString entries[] = {QStringLiteral("30"), QStringLiteral("31")};
    const double hddAlone = perCall(20000, [&](int i) {
        days->setCurrentText(entries[i % 2]);
        emit hddButton->clicked();
    });
    size->setCurrentText(QStringLiteral("4"));
    const double daysClick = perCall(5000, [&](int) { QTest::mouseClick(daysButton, Qt::LeftButton); });
    const double daysAlone = perCall(20000, [&](int i) {
        size->setCurrentText(entries[i % 2]);
        emit daysButton->clicked();
    });
    // The model list offers one family; a second entry makes a change possible.
    device->addItem(QStringLiteral("family 1"));
    const double deviceChange = perCall(1000, [&](int i) { device->setCurrentIndex(i % 2); });
    device->setCurrentIndex(0);
    const double resolutionChange = perCall(5000, [&](int i) { resolution->setCurrentIndex(4 + i % 2); });

    std::printf("| %-44s | %18s | %-22s |\n", "measure", "figure", "target");
    std::printf("|%s|%s|%s|\n", QByteArray(46, '-').constData(), QByteArray(20, '-').constData(),
                QByteArray(24, '-').constData());
    row("start-up, bare window, median wall time", bare.medianMilliseconds, "ms", "");
    row("start-up, hddcalc, median wall time", calculator.medianMilliseconds, "ms", "");
    row("start-up, wall time ratio", calculator.medianMilliseconds / bare.medianMilliseconds, "x", "");
    if (bare.instructions > 0) {
        row("start-up, bare window, instructions", bare.instructions / 1e6, "M", "");
        row("start-up, hddcalc, instructions", calculator.instructions / 1e6, "M", "");
        row("start-up, instruction ratio", calculator.instructions / bare.instructions, "x", "at most 2.0 x");
    }
    row("peak memory, bare window", bare.peakKiB / 1024, "MiB", "");
    row("peak memory, hddcalc", calculator.peakKiB / 1024, "MiB", "");
    row("peak memory ratio", calculator.peakKiB / bare.peakKiB, "x", "at most 1.4 x");
    row("\"Calculate HDD Size\", per mouse click", hddClick, "us", "under 50 us");
    row("\"Calculate HDD Size\", entry and calculation", hddAlone, "us", "");
    row("\"Calculate Days\", per mouse click", daysClick, "us", "under 50 us");
    row("\"Calculate Days\", entry and calculation", daysAlone, "us", "");
    row("device change, per change", deviceChange, "us", "");
    row("resolution change, per change", resolutionChange, "us", "");
    return 0;
}
