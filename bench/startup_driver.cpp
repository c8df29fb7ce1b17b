// Starts a window, shows it, quits as soon as it has painted once, and prints
// its peak resident memory. "calculator" starts and builds the hddcalc window
// as main() does; "bare" builds an empty 510 x 435 main window on a plain
// application object to compare with.
#include "app/Calculator.h"
#include "app/startup.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

#include <cstdio>
#include <memory>

namespace {

// Quits once the first paint pass has run; the queued call lets it finish.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !seen) {
            seen = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }

private:
    bool seen = false;
};

QByteArray peakResidentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return "unknown";
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed();
    }
    return "unknown";
}

} // namespace

int main(int argc, char *argv[])
{
    const bool bare = argc > 1 && qstrcmp(argv[1], "bare") == 0;
    const std::unique_ptr<QApplication> app =
        bare ? std::make_unique<QApplication>(argc, argv) : startApplication(argc, argv);
    FirstPaint firstPaint;
    app->installEventFilter(&firstPaint);

    std::unique_ptr<QMainWindow> window;
    if (bare) {
        window = std::make_unique<QMainWindow>();
        window->resize(510, 435);
        window->setMaximumSize(510, 435);
    } else {
        window = std::make_unique<Calculator>();
    }
    window->show();
    const int status = QApplication::exec();
    window.reset();
    std::printf("peak %s\n", peakResidentKiB().constData());
    return status;
}
