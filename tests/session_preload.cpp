// Preloaded into the real, unchanged hddcalc (LD_PRELOAD): as soon as the
// application object exists it queues one user's session. The session finds the
// shown window, checks its width, runs both calculations and the warning box,
// and presses "Close", so that main() returns as it does for a user. A wrong
// result or a missing window ends the program with status 3 instead.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "testsupport.h"

namespace {

constexpr int WindowWaits = 1000; // of 10 ms each

bool expect(const QString &actual, const char *expected)
{
    if (actual == QLatin1String(expected))
        return true;
    qCritical("session: expected \"%s\", got \"%s\"", expected, qPrintable(actual));
    return false;
}

QMainWindow *shownCalculator()
{
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->objectName() == QLatin1String("Calculator") && top->isVisible())
            return qobject_cast<QMainWindow *>(top);
    }
    return nullptr;
}

void typeInto(QComboBox *entry, const QString &text)
{
    entry->lineEdit()->clear();
    QTest::keyClicks(entry->lineEdit(), text);
}

bool play(QMainWindow &window)
{
    auto *size = widget<QComboBox>(window, "leHDDSize");
    auto *days = widget<QComboBox>(window, "leDesiredDays");
    auto *unit = widget<QLabel>(window, "lbHddUnit");
    const auto click = [&window](const char *name) {
        QTest::mouseClick(widget<QPushButton>(window, name), Qt::LeftButton);
    };
    qInfo("session: hddcalc shows its window at %d x %d", window.width(), window.height());
    bool right = expect(QString::number(window.width()), "510");

    typeInto(days, QStringLiteral("30"));
    click("pbCalculateHDD");
    right &= expect(size->currentText() + unit->text(), "1.39[TB]");

    typeInto(size, QStringLiteral("4"));
    click("pbCalculateDays");
    right &= expect(days->currentText() + unit->text(), "86.30[TB]");

    ModalCloser closer;
    typeInto(days, QString());
    click("pbCalculateHDD");
    right &= expect(QString::number(closer.closed), "1");
    right &= expect(size->currentText() + unit->text(), "0.00[MB]");
    return right;
}

void playSession(int waited = 0)
{
    QMainWindow *window = shownCalculator();
    if (!window && waited < WindowWaits) {
        QTimer::singleShot(10, qApp, [waited] { playSession(waited + 1); });
        return;
    }
    if (!window) {
        qCritical("session: hddcalc showed no window");
        QCoreApplication::exit(3);
        return;
    }
    if (!play(*window)) {
        QCoreApplication::exit(3);
        return;
    }
    QTest::mouseClick(widget<QPushButton>(*window, "pbClose"), Qt::LeftButton);
}

void queueSession()
{
    QTimer::singleShot(0, qApp, [] { playSession(); });
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(queueSession)
