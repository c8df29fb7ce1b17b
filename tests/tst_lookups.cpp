// The option look-ups at their edges: quality labels, the bit rates of both
// streams in every device family, and the resolution lists they fill.
#include "app/Calculator.h"
#include "options/Catalogue.h"

#include <QComboBox>
#include <QtTest>

#include "expectedlists.h"
#include "testsupport.h"

using namespace Expected;

class tst_Lookups : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void qualityLabel_data();
    void qualityLabel();
    void mainStreamBitRate_data();
    void mainStreamBitRate();
    void subStreamBitRate_data();
    void subStreamBitRate();
    void fillResolutionList_data();
    void fillResolutionList();
    void fillSecondStreamListAppends();

private:
    Calculator *window = nullptr;
};

void tst_Lookups::init()
{
    window = new Calculator;
    offerAllFamilies(*window);
}

void tst_Lookups::cleanup()
{
    delete window;
    window = nullptr;
}

void tst_Lookups::qualityLabel_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("label");

    QTest::newRow("first") << 0 << "128K";
    QTest::newRow("last K") << 6 << "896K";
    QTest::newRow("first M") << 7 << "1.0M";
    QTest::newRow("start-up") << 13 << "4.0M";
    QTest::newRow("two digits") << 25 << "10.0M";
    QTest::newRow("last") << 29 << "12.0M";
    QTest::newRow("past the end") << 30 << "";
    QTest::newRow("negative") << -1 << "";
}

void tst_Lookups::qualityLabel()
{
    QFETCH(int, index);
    QFETCH(QString, label);

    QCOMPARE(window->qualityLabel(index), label);
    QCOMPARE(QString::fromLatin1(Catalogue::qualityLabel(index)), label); // the same without a window
    QCOMPARE(window->qualityLabel(index).isNull(), label.isEmpty());
}

void tst_Lookups::mainStreamBitRate_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("position");
    QTest::addColumn<float>("bitRate");

    const float family0[] = {512, 640, 768, 896, 1024, 1536, 2048, 2560, 3072, 3584, 4096};
    for (int position = 0; position < 11; ++position)
        QTest::addRow("0 at %d", position) << 0 << position << family0[position];
    QTest::newRow("0 at 11") << 0 << 11 << 0.0f;
    QTest::newRow("0 at -1") << 0 << -1 << 0.0f;
    QTest::newRow("1 at 0") << 1 << 0 << 128.0f;
    QTest::newRow("1 at 3") << 1 << 3 << 512.0f;
    QTest::newRow("1 at 7") << 1 << 7 << 1024.0f;
    QTest::newRow("1 at 11") << 1 << 11 << 3072.0f;
    QTest::newRow("1 at 29") << 1 << 29 << 12288.0f;
    QTest::newRow("1 at 30") << 1 << 30 << 0.0f;
    QTest::newRow("2 at 20") << 2 << 20 << 7680.0f;
    QTest::newRow("2 at -1") << 2 << -1 << 0.0f;
}

void tst_Lookups::mainStreamBitRate()
{
    QFETCH(int, family);
    QFETCH(int, position);
    QFETCH(float, bitRate);

    combo(*window, "cbDeviceType")->setCurrentIndex(family);
    QCOMPARE(double(window->mainStreamBitRate(position)), double(bitRate));
    QCOMPARE(double(Catalogue::mainStreamBitRate(family, position)), double(bitRate));
    // The look-up agrees with the label the list shows at that position.
    if (bitRate > 0) {
        const QString label = combo(*window, "cbQuality")->itemText(position);
        const float shown =
            label.endsWith(QLatin1Char('M')) ? label.chopped(1).toFloat() * 1024 : label.chopped(1).toFloat();
        QCOMPARE(shown, bitRate);
    }
}

void tst_Lookups::subStreamBitRate_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("position");
    QTest::addColumn<float>("bitRate");

    QTest::newRow("0 at 0") << 0 << 0 << 128.0f;
    QTest::newRow("0 at 1") << 0 << 1 << 256.0f;
    QTest::newRow("0 at 2") << 0 << 2 << 384.0f;
    QTest::newRow("0 at 3") << 0 << 3 << 512.0f;
    QTest::newRow("0 at 4") << 0 << 4 << 0.0f;
    QTest::newRow("0 at -1") << 0 << -1 << 0.0f;
    QTest::newRow("1 at 3") << 1 << 3 << 512.0f;
    QTest::newRow("2 at 3") << 2 << 3 << 512.0f;
    QTest::newRow("2 at 4") << 2 << 4 << 0.0f;
}

void tst_Lookups::subStreamBitRate()
{
    QFETCH(int, family);
    QFETCH(int, position);
    QFETCH(float, bitRate);

    combo(*window, "cbDeviceType")->setCurrentIndex(family);
    QCOMPARE(double(window->subStreamBitRate(position)), double(bitRate));
    QCOMPARE(double(Catalogue::subStreamBitRate(position)), double(bitRate));
}

void tst_Lookups::fillResolutionList_data()
{
    QTest::addColumn<int>("selector");
    QTest::addColumn<QStringList>("items");

    QTest::newRow("0") << 0 << List0;
    QTest::newRow("1") << 1 << List1;
    QTest::newRow("2") << 2 << List2;
    QTest::newRow("4 falls back to 0") << 4 << List0;
    QTest::newRow("7 falls back to 0") << 7 << List0;
    QTest::newRow("-1 falls back to 0") << -1 << List0;
}

void tst_Lookups::fillResolutionList()
{
    QFETCH(int, selector);
    QFETCH(QStringList, items);

    choose(combo(*window, "cbResolution"), QStringLiteral("2560X1944"));
    window->fillResolutionList(selector);
    QCOMPARE(itemTexts(combo(*window, "cbResolution")), items);
    QCOMPARE(combo(*window, "cbResolution")->currentIndex(), 0);
    QCOMPARE(combo(*window, "cbResolutionSub")->count(), 2);
}

void tst_Lookups::fillSecondStreamListAppends()
{
    window->fillResolutionList(3);
    QCOMPARE(combo(*window, "cbResolution")->count(), 0);
    QCOMPARE(itemTexts(combo(*window, "cbResolutionSub")), (QStringList{"352X240", "720X480", "352X240", "720X480"}));
    QCOMPARE(combo(*window, "cbResolutionSub")->currentText(), QStringLiteral("352X240"));
    // With no resolution the frame rates fall back to the full range.
    QCOMPARE(combo(*window, "cbFps")->count(), 30);
}

HDDCALC_TEST_MAIN(tst_Lookups)
#include "tst_lookups.moc"
