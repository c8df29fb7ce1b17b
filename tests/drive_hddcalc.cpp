// Starts the program exactly as main() does, then plays one user's session on
// the real window: both calculations, the warning box once, and "Close". Run
// under valgrind by the test suite; exits non-zero if a result is wrong.
#include "app/Calculator.h"
#include "app/formfont.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "testsupport.h"

namespace {

int failures = 0;

void expect(const QString &actual, const char *expected)
{
    if (actual == QLatin1String(expected))
        return;
    ++failures;
    qCritical("expected \"%s\", got \"%s\"", expected, qPrintable(actual));
}

void typeInto(QComboBox *entry, const QString &text)
{
    entry->lineEdit()->clear();
    QTest::keyClicks(entry->lineEdit(), text);
}

void playSession(Calculator &window)
{
    auto *size = widget<QComboBox>(window, "leHDDSize");
    auto *days = widget<QComboBox>(window, "leDesiredDays");
    auto *unit = widget<QLabel>(window, "lbHddUnit");
    const auto click = [&window](const char *name) {
        QTest::mouseClick(widget<QPushButton>(window, name), Qt::LeftButton);
    };

    typeInto(days, QStringLiteral("30"));
    click("pbCalculateHDD");
    expect(size->currentText() + unit->text(), "1.39[TB]");

    typeInto(size, QStringLiteral("4"));
    click("pbCalculateDays");
    expect(days->currentText() + unit->text(), "86.30[TB]");

    {
        ModalCloser closer;
        typeInto(days, QString());
        click("pbCalculateHDD");
        expect(QString::number(closer.closed), "1");
    }
    expect(size->currentText() + unit->text(), "0.00[MB]");

    click("pbClose");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyFormFont();
    Calculator window;
    window.show();
    QTimer::singleShot(0, &window, [&window] { playSession(window); });
    const int status = app.exec();
    return status != 0 ? status : failures;
}
