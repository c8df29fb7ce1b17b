// The option lists: what start-up fills, which slot runs when, and how a change
// of device or resolution rebuilds the lists that depend on it.
#include "app/Calculator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QtTest>

#include "expectedlists.h"
#include "testsupport.h"

using namespace Expected;

namespace {

// What one run of slotResolutionChange does to the frame-rate list, seen from its signal.
QStringList frameRateRebuild(int selected = 14)
{
    return {"cbFps:-1", "cbFps:0", QStringLiteral("cbFps:%1").arg(selected)};
}

} // namespace

class tst_OptionLists : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startupLists_data();
    void startupLists();
    void textOnlyEntries();
    void constructionRunsOneSlotBySignal();
    void deviceChange_data();
    void deviceChange();
    void deviceChangeSignals();
    void deviceBackToFirstFamily();
    void deviceOutsideFamilies();
    void frameRateRule_data();
    void frameRateRule();
    void frameRateResetOnChange();
    void sameResolutionChangesNothing();
    void checkBoxClicks();
    void checkBoxSetByProgram();
    void disabledSecondStreamShowsNoText();

private:
    Calculator *window = nullptr;
};

void tst_OptionLists::init()
{
    window = new Calculator;
}

void tst_OptionLists::cleanup()
{
    delete window;
    window = nullptr;
}

void tst_OptionLists::startupLists_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("current");

    // clang-format off
    QTest::newRow("device") << "cbDeviceType" << QStringList{"TALON R4 NEO"} << "TALON R4 NEO";
    QTest::newRow("channels") << "cbChannels" << numbers(1, 16) << "1";
    QTest::newRow("quality") << "cbQuality" << QStringList(AllQualities.mid(3, 11)) << "4.0M";
    QTest::newRow("resolution") << "cbResolution" << List0 << "1920X1080";
    QTest::newRow("frame rate") << "cbFps" << numbers(1, 30) << "15";
    QTest::newRow("second quality") << "cbQualitySub" << QStringList(AllQualities.mid(0, 4)) << "512K";
    QTest::newRow("second resolution") << "cbResolutionSub" << QStringList{"352X240", "720X480"}
                                       << "352X240";
    QTest::newRow("second frame rate") << "cbFpsSub" << numbers(1, 15) << "15";
    QTest::newRow("motion") << "cbARH" << numbers(5, 100, 5) << "100";
    QTest::newRow("size entry") << "leHDDSize"
                                << QStringList{"1", "2", "3", "4", "5", "6", "8", "10", "20", "30", "40"}
                                << "";
    QTest::newRow("days entry") << "leDesiredDays" << QStringList{"1", "7", "14", "21", "30"} << "";
    // clang-format on
}

void tst_OptionLists::startupLists()
{
    QFETCH(QString, name);
    QFETCH(QStringList, items);
    QFETCH(QString, current);

    QComboBox *list = combo(*window, qPrintable(name));
    QCOMPARE(itemTexts(list), items);
    QCOMPARE(list->currentText(), current);
    QVERIFY(list->isEnabled());
}

void tst_OptionLists::textOnlyEntries()
{
    for (const QComboBox *list : window->findChildren<QComboBox *>()) {
        for (int i = 0; i < list->count(); ++i) {
            QVERIFY(list->itemIcon(i).isNull());
            QVERIFY(!list->itemData(i).isValid());
        }
    }
}

// Every list is filled and both slots are called before any connection exists;
// only the resolution chosen at the end reaches a slot through a signal.
void tst_OptionLists::constructionRunsOneSlotBySignal()
{
    IndexChangeTrace trace;
    const Calculator built;

    const QStringList expected = QStringList{"leHDDSize:0", "leDesiredDays:0",
                                             // the lists that never change
                                             "cbChannels:0", "cbFps:0", "cbFpsSub:0", "cbARH:0", "cbResolutionSub:0",
                                             "cbResolution:0", "cbDeviceType:0"}
        // slotResolutionChange, called directly
        + frameRateRebuild()
        // slotDeviceTypeChange, called directly: the resolution list's signals reach nothing yet
        + QStringList{"cbChannels:-1",  "cbChannels:0",    "cbQuality:0",
                      "cbQualitySub:0", "cbResolution:-1", "cbResolution:0"}
        + frameRateRebuild()
        // the initial selections; the resolution runs slotResolutionChange once
        + QStringList{"cbQuality:10", "cbResolution:4"} + frameRateRebuild()
        + QStringList{"cbQualitySub:3", "cbFpsSub:14", "cbARH:19"};
    QCOMPARE(trace.entries(), expected);
}

void tst_OptionLists::deviceChange_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("channels");
    QTest::addColumn<QStringList>("qualities");
    QTest::addColumn<QStringList>("resolutions");

    QTest::newRow("family 1") << 1 << 64 << AllQualities << List1;
    QTest::newRow("family 2") << 2 << 16 << AllQualities << List2;
}

void tst_OptionLists::deviceChange()
{
    QFETCH(int, family);
    QFETCH(int, channels);
    QFETCH(QStringList, qualities);
    QFETCH(QStringList, resolutions);

    offerAllFamilies(*window);
    choose(combo(*window, "cbQualitySub"), QStringLiteral("256K"));
    choose(combo(*window, "cbFps"), QStringLiteral("3"));
    combo(*window, "cbDeviceType")->setCurrentIndex(family);

    QCOMPARE(itemTexts(combo(*window, "cbChannels")), numbers(1, channels));
    QCOMPARE(combo(*window, "cbChannels")->currentText(), QStringLiteral("1"));
    QCOMPARE(itemTexts(combo(*window, "cbQuality")), qualities);
    QCOMPARE(combo(*window, "cbQuality")->currentText(), QStringLiteral("128K"));
    QCOMPARE(itemTexts(combo(*window, "cbResolution")), resolutions);
    QCOMPARE(combo(*window, "cbResolution")->currentIndex(), 0);
    QCOMPARE(itemTexts(combo(*window, "cbFps")), numbers(1, 30));
    QCOMPARE(combo(*window, "cbFps")->currentText(), QStringLiteral("15"));
    // The second-stream qualities belong to the first family only.
    QCOMPARE(itemTexts(combo(*window, "cbQualitySub")), QStringList(AllQualities.mid(0, 4)));
    QCOMPARE(combo(*window, "cbQualitySub")->currentText(), QStringLiteral("256K"));
    // The lists that never depend on the device.
    QCOMPARE(itemTexts(combo(*window, "cbResolutionSub")), (QStringList{"352X240", "720X480"}));
    QCOMPARE(combo(*window, "cbARH")->count(), 20);
    QCOMPARE(combo(*window, "cbFpsSub")->count(), 15);
}

// A rebuild of the resolution list runs slotResolutionChange twice: inside the
// clear and inside the first append.
void tst_OptionLists::deviceChangeSignals()
{
    offerAllFamilies(*window);
    QSignalSpy resolutionSpy(combo(*window, "cbResolution"), SIGNAL(currentIndexChanged(int)));
    QSignalSpy qualitySubSpy(combo(*window, "cbQualitySub"), SIGNAL(currentIndexChanged(int)));
    IndexChangeTrace trace;
    trace.watch(*window);
    combo(*window, "cbDeviceType")->setCurrentIndex(1);

    QCOMPARE(resolutionSpy.count(), 2);
    QCOMPARE(resolutionSpy.at(0).at(0).toInt(), -1);
    QCOMPARE(resolutionSpy.at(1).at(0).toInt(), 0);
    QCOMPARE(qualitySubSpy.count(), 0);
    // The trace hears each signal after the window's own slot has run.
    const QStringList expected = QStringList{"cbChannels:-1", "cbChannels:0", "cbQuality:-1", "cbQuality:0"}
        + frameRateRebuild() + QStringList{"cbResolution:-1"} + frameRateRebuild()
        + QStringList{"cbResolution:0", "cbDeviceType:1"};
    QCOMPARE(trace.entries(), expected);
}

void tst_OptionLists::deviceBackToFirstFamily()
{
    offerAllFamilies(*window);
    combo(*window, "cbDeviceType")->setCurrentIndex(1);
    choose(combo(*window, "cbQualitySub"), QStringLiteral("384K"));

    IndexChangeTrace trace;
    trace.watch(*window);
    combo(*window, "cbDeviceType")->setCurrentIndex(0);

    QCOMPARE(itemTexts(combo(*window, "cbChannels")), numbers(1, 16));
    QCOMPARE(itemTexts(combo(*window, "cbQuality")), QStringList(AllQualities.mid(3, 11)));
    QCOMPARE(combo(*window, "cbQuality")->currentText(), QStringLiteral("512K"));
    QCOMPARE(itemTexts(combo(*window, "cbQualitySub")), QStringList(AllQualities.mid(0, 4)));
    QCOMPARE(combo(*window, "cbQualitySub")->currentText(), QStringLiteral("128K"));
    QCOMPARE(itemTexts(combo(*window, "cbResolution")), List0);
    // Twice through the resolution signal, once more by the direct call.
    const QStringList expected =
        QStringList{"cbChannels:-1", "cbChannels:0", "cbQuality:-1", "cbQuality:0", "cbQualitySub:-1", "cbQualitySub:0"}
        + frameRateRebuild() + QStringList{"cbResolution:-1"} + frameRateRebuild() + QStringList{"cbResolution:0"}
        + frameRateRebuild() + QStringList{"cbDeviceType:0"};
    QCOMPARE(trace.entries(), expected);
}

void tst_OptionLists::deviceOutsideFamilies()
{
    offerAllFamilies(*window);
    combo(*window, "cbDeviceType")->addItem(QStringLiteral("family 3"));
    combo(*window, "cbDeviceType")->setCurrentIndex(3);
    QCOMPARE(itemTexts(combo(*window, "cbQuality")), QStringList(AllQualities.mid(3, 11)));
    QCOMPARE(itemTexts(combo(*window, "cbResolution")), List0);
    QCOMPARE(combo(*window, "cbResolution")->currentText(), QStringLiteral("1920X1080"));

    combo(*window, "cbDeviceType")->clear();
    QCOMPARE(itemTexts(combo(*window, "cbQuality")), QStringList(AllQualities.mid(3, 11)));
    // Without a family the full table answers, by position.
    QCOMPARE(window->mainStreamBitRate(10), 2560.0f);
}

void tst_OptionLists::frameRateRule_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<QString>("resolution");
    QTest::addColumn<int>("highest");
    QTest::addColumn<QString>("selected");

    QTest::newRow("0: 352X240") << 0 << "352X240" << 30 << "15";
    QTest::newRow("0: 1280X720") << 0 << "1280X720" << 30 << "15";
    QTest::newRow("0: 2560X1440") << 0 << "2560X1440" << 15 << "15";
    QTest::newRow("0: 2560X1944") << 0 << "2560X1944" << 10 << "10";
    QTest::newRow("1: 2560X1440 at 4") << 1 << "2560X1440" << 30 << "15";
    QTest::newRow("1: 2560X1600 at 5") << 1 << "2560X1600" << 15 << "15";
    QTest::newRow("1: 3840X2160") << 1 << "3840X2160" << 10 << "10";
    QTest::newRow("2: 1920X1080 at 4") << 2 << "1920X1080" << 30 << "15";
    QTest::newRow("2: 2560X1600 at 5") << 2 << "2560X1600" << 15 << "15";
    QTest::newRow("2: 3840X2160") << 2 << "3840X2160" << 10 << "10";
}

void tst_OptionLists::frameRateRule()
{
    QFETCH(int, family);
    QFETCH(QString, resolution);
    QFETCH(int, highest);
    QFETCH(QString, selected);

    offerAllFamilies(*window);
    combo(*window, "cbDeviceType")->setCurrentIndex(family);
    choose(combo(*window, "cbResolution"), resolution);
    QCOMPARE(itemTexts(combo(*window, "cbFps")), numbers(1, highest));
    QCOMPARE(combo(*window, "cbFps")->currentText(), selected);
}

void tst_OptionLists::frameRateResetOnChange()
{
    choose(combo(*window, "cbFps"), QStringLiteral("25"));
    choose(combo(*window, "cbResolution"), QStringLiteral("2560X1440"));
    QCOMPARE(combo(*window, "cbFps")->currentText(), QStringLiteral("15"));
    choose(combo(*window, "cbFps"), QStringLiteral("3"));
    choose(combo(*window, "cbResolution"), QStringLiteral("2560X1944"));
    QCOMPARE(combo(*window, "cbFps")->currentText(), QStringLiteral("10"));
    choose(combo(*window, "cbFps"), QStringLiteral("2"));
    choose(combo(*window, "cbResolution"), QStringLiteral("1920X1080"));
    QCOMPARE(combo(*window, "cbFps")->count(), 30);
    QCOMPARE(combo(*window, "cbFps")->currentText(), QStringLiteral("15"));
}

void tst_OptionLists::sameResolutionChangesNothing()
{
    choose(combo(*window, "cbFps"), QStringLiteral("7"));
    QSignalSpy spy(combo(*window, "cbFps"), SIGNAL(currentIndexChanged(int)));
    choose(combo(*window, "cbResolution"), QStringLiteral("1920X1080"));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(combo(*window, "cbFps")->currentText(), QStringLiteral("7"));
}

void tst_OptionLists::checkBoxClicks()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *check = widget<QCheckBox>(*window, "cbCalcTogether");
    choose(combo(*window, "cbQualitySub"), QStringLiteral("256K"));
    choose(combo(*window, "cbFpsSub"), QStringLiteral("12"));
    const char *const second[] = {"cbQualitySub", "cbResolutionSub", "cbFpsSub"};

    const QPoint indicator = checkIndicator(check).center();
    QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier, indicator);
    QVERIFY(!check->isChecked());
    for (const char *name : second)
        QVERIFY2(!combo(*window, name)->isEnabled(), name);

    QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier, indicator);
    QVERIFY(check->isChecked());
    for (const char *name : second)
        QVERIFY2(combo(*window, name)->isEnabled(), name);
    QCOMPARE(combo(*window, "cbQualitySub")->currentText(), QStringLiteral("256K"));
    QCOMPARE(combo(*window, "cbResolutionSub")->currentText(), QStringLiteral("352X240"));
    QCOMPARE(combo(*window, "cbFpsSub")->currentText(), QStringLiteral("12"));

    // The keyboard reaches the slot as well.
    check->setFocus();
    QTest::keyClick(check, Qt::Key_Space);
    QVERIFY(!check->isChecked());
    QVERIFY(!combo(*window, "cbFpsSub")->isEnabled());
}

void tst_OptionLists::checkBoxSetByProgram()
{
    auto *check = widget<QCheckBox>(*window, "cbCalcTogether");
    check->setChecked(false);
    QVERIFY(combo(*window, "cbQualitySub")->isEnabled());
    QVERIFY(combo(*window, "cbResolutionSub")->isEnabled());
    QVERIFY(combo(*window, "cbFpsSub")->isEnabled());
}

void tst_OptionLists::disabledSecondStreamShowsNoText()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const auto darkPixels = [](const QImage &image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width() - 16; ++x)
                count += qGray(image.pixel(x, y)) < 100;
        }
        return count;
    };
    for (const char *name : {"cbQualitySub", "cbResolutionSub", "cbFpsSub"}) {
        QVERIFY2(darkPixels(combo(*window, name)->grab().toImage()) > 0, name);
        QMetaObject::invokeMethod(window, "slotCalcTogetherChecked", Q_ARG(bool, false));
        QCOMPARE(darkPixels(combo(*window, name)->grab().toImage()), 0);
        QVERIFY(combo(*window, name)->isVisible());
        QMetaObject::invokeMethod(window, "slotCalcTogetherChecked", Q_ARG(bool, true));
    }
}

HDDCALC_TEST_MAIN(tst_OptionLists)
#include "tst_optionlists.moc"
