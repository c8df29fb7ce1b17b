// The window's option look-ups: quality labels, the bit rates of both streams
// in the device family the model list shows, and the resolution lists they fill.
#include "app/Calculator.h"

#include <QComboBox>
#include <QtTest>

#include "expectedlists.h"
#include "testsupport.h"

using namespace Expected;

class tst_WindowLookups : public QObject
{
    Q_OBJECT

private slots:
    void bitRate_data();
    void bitRate();
    void fillResolutionList_data();
    void fillResolutionList();
    void fillSecondStreamListAppends();
};

void tst_WindowLookups::bitRate_data()
{
    QTest::addColumn<bool>("secondStream");
    QTest::addColumn<int>("family");

    QTest::newRow("main, family 0") << false << 0;
    QTest::newRow("main, family 1") << false << 1;
    QTest::newRow("main, family 2") << false << 2;
    QTest::newRow("second, family 0") << true << 0;
    QTest::newRow("second, family 2") << true << 2;
}

// The look-up reads the family off the model list, and agrees with the label
// its list shows at each position; past either end there is no bit rate. The
// list of family 1 holds every step, each at its own index.
void tst_WindowLookups::bitRate()
{
    QFETCH(bool, secondStream);
    QFETCH(int, family);

    Calculator window;
    offerAllFamilies(window);
    combo(window, "cbDeviceType")->setCurrentIndex(family);
    const QComboBox *list = combo(window, secondStream ? "cbQualitySub" : "cbQuality");
    const auto bitRateAt = [&window, secondStream](int position) {
        return secondStream ? window.subStreamBitRate(position) : window.mainStreamBitRate(position);
    };
    for (int position = 0; position < list->count(); ++position) {
        const QString label = list->itemText(position);
        const float shown =
            label.endsWith(QLatin1Char('M')) ? label.chopped(1).toFloat() * 1024 : label.chopped(1).toFloat();
        QCOMPARE(double(bitRateAt(position)), double(shown));
        if (family == 1 && !secondStream)
            QCOMPARE(window.qualityLabel(position), label);
    }
    QCOMPARE(double(bitRateAt(list->count())), 0.0);
    QCOMPARE(double(bitRateAt(-1)), 0.0);
    QVERIFY(window.qualityLabel(-1).isNull());
}

void tst_WindowLookups::fillResolutionList_data()
{
    QTest::addColumn<int>("selector");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("0") << 0 << List0;
    QTest::newRow("2") << 2 << List2;
    QTest::newRow("-1 falls back to 0") << -1 << List0;
}

void tst_WindowLookups::fillResolutionList()
{
    QFETCH(int, selector);
    QFETCH(QStringList, items);

    Calculator window;
    choose(combo(window, "cbResolution"), QStringLiteral("2560X1944"));
    window.fillResolutionList(selector);
    QCOMPARE(itemTexts(combo(window, "cbResolution")), items);
    QCOMPARE(combo(window, "cbResolution")->currentIndex(), 0);
    QCOMPARE(combo(window, "cbResolutionSub")->count(), 2);
}

void tst_WindowLookups::fillSecondStreamListAppends()
{
    Calculator window;
    window.fillResolutionList(3);
    QCOMPARE(combo(window, "cbResolution")->count(), 0);
    QCOMPARE(itemTexts(combo(window, "cbResolutionSub")), (QStringList{"352X240", "720X480", "352X240", "720X480"}));
    QCOMPARE(combo(window, "cbResolutionSub")->currentText(), QStringLiteral("352X240"));
    // With no resolution the frame rates fall back to the full range.
    QCOMPARE(combo(window, "cbFps")->count(), 30);
}

HDDCALC_TEST_MAIN(tst_WindowLookups)
#include "tst_windowlookups.moc"
