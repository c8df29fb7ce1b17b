// Both calculations through the real window: choose, type, click, read.
#include "app/Calculator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "testsupport.h"

class tst_Calculate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void hddSize_data();
    void hddSize();
    void days_data();
    void days();
    void roundTrip();
    void secondStreamIgnoredWhenUnchecked();
    void warning_data();
    void warning();
    void decimalReadWithFraction();
    void sizeInGigabytesTakenAsTerabytes();
    void nothingRecorded();
    void selectionsUntouched();
    void editedResultNeverNegative();
    void infiniteEntryShowsNoFigure();

private:
    void describe(int channels, int motion, bool counted, const QString &main, const QString &second);
    void type(const char *entryName, const QString &text);
    void click(const char *buttonName);
    QString unit() const { return widget<QLabel>(*window, "lbHddUnit")->text(); }

    Calculator *window = nullptr;
    ModalCloser *closer = nullptr;
};

void tst_Calculate::init()
{
    window = new Calculator;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    closer = new ModalCloser;
}

void tst_Calculate::cleanup()
{
    delete closer;
    delete window;
}

void tst_Calculate::describe(int channels, int motion, bool counted, const QString &main, const QString &second)
{
    choose(combo(*window, "cbChannels"), QString::number(channels));
    choose(combo(*window, "cbARH"), QString::number(motion));
    choose(combo(*window, "cbQuality"), main);
    choose(combo(*window, "cbQualitySub"), second);
    auto *check = widget<QCheckBox>(*window, "cbCalcTogether");
    if (check->isChecked() != counted)
        check->click();
    QCOMPARE(check->isChecked(), counted);
}

void tst_Calculate::type(const char *entryName, const QString &text)
{
    QLineEdit *edit = combo(*window, entryName)->lineEdit();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
    QCOMPARE(combo(*window, entryName)->currentText(), text);
}

void tst_Calculate::click(const char *buttonName)
{
    QTest::mouseClick(widget<QPushButton>(*window, buttonName), Qt::LeftButton);
}

void tst_Calculate::hddSize_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("motion");
    QTest::addColumn<QString>("days");
    QTest::addColumn<bool>("counted");
    QTest::addColumn<QString>("main");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("unit");

    // clang-format off
    QTest::newRow("1 ch, 30 d, both") << 1 << 100 << "30" << true << "4.0M" << "512K" << "1.39" << "[TB]";
    QTest::newRow("1 ch, 30 d, main") << 1 << 100 << "30" << false << "4.0M" << "512K" << "1.24" << "[TB]";
    QTest::newRow("16 ch, 30 d, both") << 16 << 100 << "30" << true << "4.0M" << "512K" << "22.25" << "[TB]";
    QTest::newRow("16 ch, 30 d, main") << 16 << 100 << "30" << false << "4.0M" << "512K" << "19.78" << "[TB]";
    // Where single precision shows in the last digit: tools/estimate-model.py size 11 15 21 1536 128 both
    QTest::newRow("15 %, both") << 11 << 15 << "21" << true << "1.5M" << "128K" << "593.85" << "[GB]";
    QTest::newRow("10 %, main") << 1 << 10 << "1" << false << "4.0M" << "512K" << "4.22" << "[GB]";
    QTest::newRow("5 %, both") << 1 << 5 << "1" << true << "512K" << "128K" << "337.50" << "[MB]";
    QTest::newRow("5 %, main") << 1 << 5 << "1" << false << "512K" << "128K" << "270.00" << "[MB]";
    // Rate times 1/1024 times channels, then seconds: the other order shows 813.95.
    QTest::newRow("9 ch, 35 %, main") << 9 << 35 << "28" << false << "896K" << "512K" << "813.96" << "[GB]";
    QTest::newRow("README's example") << 8 << 50 << "30" << true << "2.0M" << "512K" << "3.09" << "[TB]";
    QTest::newRow("most of everything") << 16 << 100 << "10000" << true << "4.0M" << "512K" << "7415.77" << "[TB]";
    QTest::newRow("five digits past the top") << 1 << 100 << "99999" << true << "4.0M" << "512K" << "4634.81" << "[TB]";
    // clang-format on
}

void tst_Calculate::hddSize()
{
    QFETCH(int, channels);
    QFETCH(int, motion);
    QFETCH(QString, days);
    QFETCH(bool, counted);
    QFETCH(QString, main);
    QFETCH(QString, second);
    QFETCH(QString, size);
    QFETCH(QString, unit);

    describe(channels, motion, counted, main, second);
    type("leDesiredDays", days);
    click("pbCalculateHDD");
    QCOMPARE(combo(*window, "leHDDSize")->currentText(), size);
    QCOMPARE(this->unit(), unit);
    QCOMPARE(combo(*window, "leDesiredDays")->currentText(), days);
    QCOMPARE(closer->closed, 0);
}

void tst_Calculate::days_data()
{
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("motion");
    QTest::addColumn<QString>("terabytes");
    QTest::addColumn<bool>("counted");
    QTest::addColumn<QString>("main");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("days");

    const QString m4 = QStringLiteral("4.0M");
    const QString k512 = QStringLiteral("512K");
    QTest::newRow("1 ch, 1 TB, both") << 1 << 100 << "1" << true << m4 << k512 << "21.58";
    QTest::newRow("1 ch, 1 TB, main") << 1 << 100 << "1" << false << m4 << k512 << "24.27";
    QTest::newRow("16 ch, 4 TB, both") << 16 << 100 << "4" << true << m4 << k512 << "5.39";
    QTest::newRow("16 ch, 4 TB, main") << 16 << 100 << "4" << false << m4 << k512 << "6.07";
    // Where single precision shows in the last digit: tools/estimate-model.py days 1 35 4 640 512 both
    QTest::newRow("35 %, 4 TB, both") << 1 << 35 << "4" << true << "640K" << k512 << "986.32";
    // Channels times seconds rounds apart from seconds times channels here.
    QTest::newRow("3 ch, 35 %, main") << 3 << 35 << "20" << false << "640K" << k512 << "2958.94";
    QTest::newRow("6 ch, 70 %, both") << 6 << 70 << "48" << true << "640K" << k512 << "986.31";
    QTest::newRow("README's example") << 8 << 50 << "4" << true << "2.0M" << k512 << "38.84";
    QTest::newRow("largest disk") << 1 << 5 << "10000" << false << m4 << k512 << "4854518.50";
}

void tst_Calculate::days()
{
    QFETCH(int, channels);
    QFETCH(int, motion);
    QFETCH(QString, terabytes);
    QFETCH(bool, counted);
    QFETCH(QString, main);
    QFETCH(QString, second);
    QFETCH(QString, days);

    describe(channels, motion, counted, main, second);
    type("leHDDSize", terabytes);
    click("pbCalculateDays");
    QCOMPARE(combo(*window, "leDesiredDays")->currentText(), days);
    QCOMPARE(unit(), QStringLiteral("[TB]"));
    QCOMPARE(combo(*window, "leHDDSize")->currentText(), terabytes);
    QCOMPARE(closer->closed, 0);
}

// Each result can be fed straight into the other calculation.
void tst_Calculate::roundTrip()
{
    describe(1, 10, false, QStringLiteral("4.0M"), QStringLiteral("512K"));
    type("leHDDSize", QStringLiteral("1"));
    click("pbCalculateDays");
    QCOMPARE(combo(*window, "leDesiredDays")->currentText(), QStringLiteral("242.73"));
    click("pbCalculateHDD");
    QCOMPARE(combo(*window, "leHDDSize")->currentText(), QStringLiteral("1.00"));
    QCOMPARE(unit(), QStringLiteral("[TB]"));
}

void tst_Calculate::secondStreamIgnoredWhenUnchecked()
{
    QStringList sizes, days;
    for (const char *second : {"128K", "256K", "384K", "512K"}) {
        describe(4, 35, false, QStringLiteral("2.0M"), QLatin1String(second));
        type("leDesiredDays", QStringLiteral("14"));
        click("pbCalculateHDD");
        sizes.append(combo(*window, "leHDDSize")->currentText() + unit());
        type("leHDDSize", QStringLiteral("2"));
        click("pbCalculateDays");
        days.append(combo(*window, "leDesiredDays")->currentText());
    }
    QCOMPARE(sizes.count(sizes.first()), 4);
    QCOMPARE(days.count(days.first()), 4);
    QCOMPARE(sizes.first(), QStringLiteral("413.44[GB]"));
}

void tst_Calculate::warning_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("unit");

    // clang-format off
    QTest::newRow("days empty") << "leDesiredDays" << "pbCalculateHDD" << "" << "leHDDSize" << "[MB]";
    QTest::newRow("days zero") << "leDesiredDays" << "pbCalculateHDD" << "0" << "leHDDSize" << "[MB]";
    QTest::newRow("days not a number") << "leDesiredDays" << "pbCalculateHDD" << "many" << "leHDDSize"
                                       << "[MB]";
    QTest::newRow("size empty") << "leHDDSize" << "pbCalculateDays" << "" << "leDesiredDays" << "[TB]";
    QTest::newRow("size zero") << "leHDDSize" << "pbCalculateDays" << "0" << "leDesiredDays" << "[TB]";
    QTest::newRow("size not a number") << "leHDDSize" << "pbCalculateDays" << "big" << "leDesiredDays"
                                       << "[TB]";
    // Reachable by editing a result, which the line edit no longer validates.
    QTest::newRow("days negative") << "leDesiredDays" << "pbCalculateHDD" << "-5" << "leHDDSize" << "[MB]";
    QTest::newRow("days nan") << "leDesiredDays" << "pbCalculateHDD" << "nan" << "leHDDSize" << "[MB]";
    QTest::newRow("size negative") << "leHDDSize" << "pbCalculateDays" << "-0.5" << "leDesiredDays" << "[TB]";
    // clang-format on
}

// The box says why, then the calculation goes on with the value as read.
void tst_Calculate::warning()
{
    QFETCH(QString, entry);
    QFETCH(QString, button);
    QFETCH(QString, text);
    QFETCH(QString, output);
    QFETCH(QString, unit);

    widget<QLabel>(*window, "lbHddUnit")->setText(QStringLiteral("[GB]"));
    combo(*window, qPrintable(entry))->setCurrentText(text);
    click(qPrintable(button));

    QCOMPARE(closer->closed, 1);
    QCOMPARE(closer->lastTitle, QStringLiteral("Calculate"));
    QCOMPARE(closer->lastInformativeText, QStringLiteral("Please enter a value greater than 0"));
    QCOMPARE(closer->lastWidener, QSize(320, 0));
    QVERIFY(closer->lastWidth >= 320);
    QCOMPARE(combo(*window, qPrintable(output))->currentText(), QStringLiteral("0.00"));
    QCOMPARE(this->unit(), unit);
    QVERIFY(window->isVisible());
}

// A result left by the other calculation keeps its fraction: 242.73 days, not 242.
void tst_Calculate::decimalReadWithFraction()
{
    describe(1, 10, false, QStringLiteral("4.0M"), QStringLiteral("512K"));
    combo(*window, "leDesiredDays")->setCurrentText(QStringLiteral("242.73"));
    click("pbCalculateHDD");
    QCOMPARE(combo(*window, "leHDDSize")->currentText() + unit(), QStringLiteral("1.00[TB]"));
    type("leDesiredDays", QStringLiteral("242"));
    click("pbCalculateHDD");
    QCOMPARE(combo(*window, "leHDDSize")->currentText() + unit(), QStringLiteral("1020.94[GB]"));
}

// The README's example: 7 days need 738.28 GB, which "Calculate Days" reads as 738.28 TB.
void tst_Calculate::sizeInGigabytesTakenAsTerabytes()
{
    describe(8, 50, true, QStringLiteral("2.0M"), QStringLiteral("512K"));
    type("leDesiredDays", QStringLiteral("7"));
    click("pbCalculateHDD");
    QCOMPARE(combo(*window, "leHDDSize")->currentText() + unit(), QStringLiteral("738.28[GB]"));
    QCOMPARE(combo(*window, "leHDDSize")->accessibleName(), QStringLiteral("Enter HDD Size [GB]"));

    click("pbCalculateDays");
    QCOMPARE(unit(), QStringLiteral("[TB]"));
    QCOMPARE(combo(*window, "leHDDSize")->accessibleName(), QStringLiteral("Enter HDD Size [TB]"));
    QCOMPARE(combo(*window, "leDesiredDays")->currentText(), QStringLiteral("7167.99"));
    QCOMPARE(closer->closed, 0);
}

// No quality chosen: nothing is recorded. No size is needed, and no count of days
// can be given; the field never shows "inf" or "nan".
void tst_Calculate::nothingRecorded()
{
    describe(1, 100, false, QStringLiteral("4.0M"), QStringLiteral("512K"));
    combo(*window, "cbQuality")->setCurrentIndex(-1);

    type("leHDDSize", QStringLiteral("2"));
    click("pbCalculateDays");
    QCOMPARE(combo(*window, "leDesiredDays")->currentText(), QString());
    QCOMPARE(unit(), QStringLiteral("[TB]"));

    type("leDesiredDays", QStringLiteral("30"));
    click("pbCalculateHDD");
    QCOMPARE(combo(*window, "leHDDSize")->currentText() + unit(), QStringLiteral("0.00[MB]"));

    // With the second stream counted there is something to record again.
    widget<QCheckBox>(*window, "cbCalcTogether")->click();
    type("leHDDSize", QStringLiteral("1"));
    click("pbCalculateDays");
    QCOMPARE(combo(*window, "leDesiredDays")->currentText(), QStringLiteral("194.18"));
    QCOMPARE(closer->closed, 0);
}

void tst_Calculate::selectionsUntouched()
{
    const QList<QComboBox *> lists = window->findChildren<QComboBox *>();
    QStringList before;
    for (const QComboBox *list : lists) {
        if (!list->isEditable())
            before.append(list->objectName() + QLatin1Char('=') + list->currentText());
    }
    type("leDesiredDays", QStringLiteral("7"));
    click("pbCalculateHDD");
    type("leHDDSize", QStringLiteral("3"));
    click("pbCalculateDays");
    QStringList after;
    for (const QComboBox *list : lists) {
        if (!list->isEditable())
            after.append(list->objectName() + QLatin1Char('=') + list->currentText());
    }
    QCOMPARE(after, before);
    QCOMPARE(combo(*window, "leHDDSize")->count(), 11);
    QCOMPARE(combo(*window, "leDesiredDays")->count(), 5);
}

// A result in a field leaves its line edit without valid input, and the toolkit
// then lets any edit through; a minus sign typed there must not give a negative size.
void tst_Calculate::editedResultNeverNegative()
{
    click("pbCalculateDays");
    QCOMPARE(closer->closed, 1);
    QCOMPARE(combo(*window, "leDesiredDays")->currentText(), QStringLiteral("0.00"));

    QLineEdit *edit = combo(*window, "leDesiredDays")->lineEdit();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, QStringLiteral("-5"));
    QCOMPARE(combo(*window, "leDesiredDays")->currentText(), QStringLiteral("-5"));
    click("pbCalculateHDD");
    QCOMPARE(closer->closed, 2);
    QCOMPARE(combo(*window, "leHDDSize")->currentText() + unit(), QStringLiteral("0.00[MB]"));
}

void tst_Calculate::infiniteEntryShowsNoFigure()
{
    combo(*window, "leHDDSize")->setCurrentText(QStringLiteral("inf"));
    click("pbCalculateDays");
    QCOMPARE(combo(*window, "leDesiredDays")->currentText(), QString());
    combo(*window, "leDesiredDays")->setCurrentText(QStringLiteral("1e38"));
    click("pbCalculateHDD");
    QCOMPARE(combo(*window, "leHDDSize")->currentText(), QString());
    QCOMPARE(closer->closed, 0);
}

HDDCALC_TEST_MAIN(tst_Calculate)
#include "tst_calculate.moc"
