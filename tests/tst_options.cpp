// The option lists: what start-up fills, which slot runs when, and how a change
// of device or resolution rebuilds the lists that depend on it.
#include "app/Calculator.h"
#include "app/formfont.h"

#include <QCheckBox>
#include <QComboBox>
#include <QtTest>

#include "testsupport.h"

namespace {

QStringList numbers(int first, int last, int step = 1)
{
    QStringList list;
    for (int value = first; value <= last; value += step)
        list.append(QString::number(value));
    return list;
}

const QStringList List0{"352X240", "720X480", "960X480", "1280X720", "1920X1080", "2560X1440", "2560X1944"};
const QStringList List1{"800X600", "1024X768", "1280X1024", "1920X1080", "2560X1440", "2560X1600", "3840X2160"};
const QStringList List2{"800X600", "1024X768", "1280X720", "1280X1024", "1920X1080", "2560X1600", "3840X2160"};
const QStringList AllQualities{"128K", "256K", "384K", "512K", "640K", "768K", "896K", "1.0M",
                               "1.5M", "2.0M", "2.5M", "3.0M", "3.5M", "4.0M", "4.5M", "5.0M",
                               "5.5M", "6.0M", "6.5M", "7.0M", "7.5M", "8.0M", "8.5M", "9.0M",
                               "9.5M", "10.0M", "10.5M", "11.0M", "11.5M", "12.0M"};

// What one run of slotResolutionChange does to the frame-rate list, seen from its signal.
QStringList frameRateRebuild(int selected = 14)
{
    return {"cbFps:-1", "cbFps:0", QStringLiteral("cbFps:%1").arg(selected)};
}

} // namespace

class tst_Options : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { startLikeMain(); }
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
    void qualityLabel_data();
    void qualityLabel();
    void mainStreamBitRate_data();
    void mainStreamBitRate();
    void subStreamBitRate_data();
    void subStreamBitRate();
    void fillResolutionList_data();
    void fillResolutionList();
    void fillSecondStreamListAppends();
    void checkBoxClicks();
    void checkBoxSetByProgram();
    void disabledSecondStreamShowsNoText();

private:
    void addFamilies();
    QComboBox *combo(const char *name) const { return widget<QComboBox>(*window, name); }

    Calculator *window = nullptr;
};

void tst_Options::init()
{
    window = new Calculator;
}

void tst_Options::cleanup()
{
    delete window;
    window = nullptr;
}

// The model list offers one family; the tests reach the others by adding entries.
void tst_Options::addFamilies()
{
    combo("cbDeviceType")->addItem(QStringLiteral("family 1"));
    combo("cbDeviceType")->addItem(QStringLiteral("family 2"));
}

void tst_Options::startupLists_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("current");

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
}

void tst_Options::startupLists()
{
    QFETCH(QString, name);
    QFETCH(QStringList, items);
    QFETCH(QString, current);

    QComboBox *list = combo(qPrintable(name));
    QCOMPARE(itemTexts(list), items);
    QCOMPARE(list->currentText(), current);
    QVERIFY(list->isEnabled());
}

void tst_Options::textOnlyEntries()
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
void tst_Options::constructionRunsOneSlotBySignal()
{
    IndexChangeTrace trace;
    const Calculator built;

    const QStringList expected =
        QStringList{"leHDDSize:0", "leDesiredDays:0",
                    // the lists that never change
                    "cbChannels:0", "cbFps:0", "cbFpsSub:0", "cbARH:0", "cbResolutionSub:0",
                    "cbResolution:0", "cbDeviceType:0"}
        // slotResolutionChange, called directly
        + frameRateRebuild()
        // slotDeviceTypeChange, called directly: the resolution list's signals reach nothing yet
        + QStringList{"cbChannels:-1", "cbChannels:0", "cbQuality:0", "cbQualitySub:0",
                      "cbResolution:-1", "cbResolution:0"}
        + frameRateRebuild()
        // the initial selections; the resolution runs slotResolutionChange once
        + QStringList{"cbQuality:10", "cbResolution:4"} + frameRateRebuild()
        + QStringList{"cbQualitySub:3", "cbFpsSub:14", "cbARH:19"};
    QCOMPARE(trace.entries(), expected);
}

void tst_Options::deviceChange_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("channels");
    QTest::addColumn<QStringList>("qualities");
    QTest::addColumn<QStringList>("resolutions");

    QTest::newRow("family 1") << 1 << 64 << AllQualities << List1;
    QTest::newRow("family 2") << 2 << 16 << AllQualities << List2;
}

void tst_Options::deviceChange()
{
    QFETCH(int, family);
    QFETCH(int, channels);
    QFETCH(QStringList, qualities);
    QFETCH(QStringList, resolutions);

    addFamilies();
    choose(combo("cbQualitySub"), QStringLiteral("256K"));
    choose(combo("cbFps"), QStringLiteral("3"));
    combo("cbDeviceType")->setCurrentIndex(family);

    QCOMPARE(itemTexts(combo("cbChannels")), numbers(1, channels));
    QCOMPARE(combo("cbChannels")->currentText(), QStringLiteral("1"));
    QCOMPARE(itemTexts(combo("cbQuality")), qualities);
    QCOMPARE(combo("cbQuality")->currentText(), QStringLiteral("128K"));
    QCOMPARE(itemTexts(combo("cbResolution")), resolutions);
    QCOMPARE(combo("cbResolution")->currentIndex(), 0);
    QCOMPARE(itemTexts(combo("cbFps")), numbers(1, 30));
    QCOMPARE(combo("cbFps")->currentText(), QStringLiteral("15"));
    // The second-stream qualities belong to the first family only.
    QCOMPARE(itemTexts(combo("cbQualitySub")), QStringList(AllQualities.mid(0, 4)));
    QCOMPARE(combo("cbQualitySub")->currentText(), QStringLiteral("256K"));
    // The lists that never depend on the device.
    QCOMPARE(itemTexts(combo("cbResolutionSub")), (QStringList{"352X240", "720X480"}));
    QCOMPARE(combo("cbARH")->count(), 20);
    QCOMPARE(combo("cbFpsSub")->count(), 15);
}

// A rebuild of the resolution list runs slotResolutionChange twice: inside the
// clear and inside the first append.
void tst_Options::deviceChangeSignals()
{
    addFamilies();
    QSignalSpy resolutionSpy(combo("cbResolution"), SIGNAL(currentIndexChanged(int)));
    QSignalSpy qualitySubSpy(combo("cbQualitySub"), SIGNAL(currentIndexChanged(int)));
    IndexChangeTrace trace;
    trace.watch(*window);
    combo("cbDeviceType")->setCurrentIndex(1);

    QCOMPARE(resolutionSpy.count(), 2);
    QCOMPARE(resolutionSpy.at(0).at(0).toInt(), -1);
    QCOMPARE(resolutionSpy.at(1).at(0).toInt(), 0);
    QCOMPARE(qualitySubSpy.count(), 0);
    // The trace hears each signal after the window's own slot has run.
    const QStringList expected =
        QStringList{"cbChannels:-1", "cbChannels:0", "cbQuality:-1", "cbQuality:0"} + frameRateRebuild()
        + QStringList{"cbResolution:-1"} + frameRateRebuild()
        + QStringList{"cbResolution:0", "cbDeviceType:1"};
    QCOMPARE(trace.entries(), expected);
}

void tst_Options::deviceBackToFirstFamily()
{
    addFamilies();
    combo("cbDeviceType")->setCurrentIndex(1);
    choose(combo("cbQualitySub"), QStringLiteral("384K"));

    IndexChangeTrace trace;
    trace.watch(*window);
    combo("cbDeviceType")->setCurrentIndex(0);

    QCOMPARE(itemTexts(combo("cbChannels")), numbers(1, 16));
    QCOMPARE(itemTexts(combo("cbQuality")), QStringList(AllQualities.mid(3, 11)));
    QCOMPARE(combo("cbQuality")->currentText(), QStringLiteral("512K"));
    QCOMPARE(itemTexts(combo("cbQualitySub")), QStringList(AllQualities.mid(0, 4)));
    QCOMPARE(combo("cbQualitySub")->currentText(), QStringLiteral("128K"));
    QCOMPARE(itemTexts(combo("cbResolution")), List0);
    // Twice through the resolution signal, once more by the direct call.
    const QStringList expected =
        QStringList{"cbChannels:-1", "cbChannels:0", "cbQuality:-1", "cbQuality:0", "cbQualitySub:-1",
                    "cbQualitySub:0"}
        + frameRateRebuild() + QStringList{"cbResolution:-1"} + frameRateRebuild()
        + QStringList{"cbResolution:0"} + frameRateRebuild() + QStringList{"cbDeviceType:0"};
    QCOMPARE(trace.entries(), expected);
}

void tst_Options::deviceOutsideFamilies()
{
    addFamilies();
    combo("cbDeviceType")->addItem(QStringLiteral("family 3"));
    combo("cbDeviceType")->setCurrentIndex(3);
    QCOMPARE(itemTexts(combo("cbQuality")), QStringList(AllQualities.mid(3, 11)));
    QCOMPARE(itemTexts(combo("cbResolution")), List0);
    QCOMPARE(combo("cbResolution")->currentText(), QStringLiteral("1920X1080"));

    combo("cbDeviceType")->clear();
    QCOMPARE(itemTexts(combo("cbQuality")), QStringList(AllQualities.mid(3, 11)));
    // Without a family the full table answers, by position.
    QCOMPARE(window->mainStreamBitRate(10), 2560.0f);
}

void tst_Options::frameRateRule_data()
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

void tst_Options::frameRateRule()
{
    QFETCH(int, family);
    QFETCH(QString, resolution);
    QFETCH(int, highest);
    QFETCH(QString, selected);

    addFamilies();
    combo("cbDeviceType")->setCurrentIndex(family);
    choose(combo("cbResolution"), resolution);
    QCOMPARE(itemTexts(combo("cbFps")), numbers(1, highest));
    QCOMPARE(combo("cbFps")->currentText(), selected);
}

void tst_Options::frameRateResetOnChange()
{
    choose(combo("cbFps"), QStringLiteral("25"));
    choose(combo("cbResolution"), QStringLiteral("2560X1440"));
    QCOMPARE(combo("cbFps")->currentText(), QStringLiteral("15"));
    choose(combo("cbFps"), QStringLiteral("3"));
    choose(combo("cbResolution"), QStringLiteral("2560X1944"));
    QCOMPARE(combo("cbFps")->currentText(), QStringLiteral("10"));
    choose(combo("cbFps"), QStringLiteral("2"));
    choose(combo("cbResolution"), QStringLiteral("1920X1080"));
    QCOMPARE(combo("cbFps")->count(), 30);
    QCOMPARE(combo("cbFps")->currentText(), QStringLiteral("15"));
}

void tst_Options::sameResolutionChangesNothing()
{
    choose(combo("cbFps"), QStringLiteral("7"));
    QSignalSpy spy(combo("cbFps"), SIGNAL(currentIndexChanged(int)));
    choose(combo("cbResolution"), QStringLiteral("1920X1080"));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(combo("cbFps")->currentText(), QStringLiteral("7"));
}

void tst_Options::qualityLabel_data()
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

void tst_Options::qualityLabel()
{
    QFETCH(int, index);
    QFETCH(QString, label);

    QCOMPARE(window->qualityLabel(index), label);
    QCOMPARE(window->qualityLabel(index).isNull(), label.isEmpty());
}

void tst_Options::mainStreamBitRate_data()
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

void tst_Options::mainStreamBitRate()
{
    QFETCH(int, family);
    QFETCH(int, position);
    QFETCH(float, bitRate);

    addFamilies();
    combo("cbDeviceType")->setCurrentIndex(family);
    QCOMPARE(window->mainStreamBitRate(position), bitRate);
    // The look-up agrees with the label the list shows at that position.
    if (bitRate > 0) {
        const QString label = combo("cbQuality")->itemText(position);
        const float shown = label.endsWith(QLatin1Char('M')) ? label.chopped(1).toFloat() * 1024
                                                              : label.chopped(1).toFloat();
        QCOMPARE(shown, bitRate);
    }
}

void tst_Options::subStreamBitRate_data()
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

void tst_Options::subStreamBitRate()
{
    QFETCH(int, family);
    QFETCH(int, position);
    QFETCH(float, bitRate);

    addFamilies();
    combo("cbDeviceType")->setCurrentIndex(family);
    QCOMPARE(window->subStreamBitRate(position), bitRate);
}

void tst_Options::fillResolutionList_data()
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

void tst_Options::fillResolutionList()
{
    QFETCH(int, selector);
    QFETCH(QStringList, items);

    choose(combo("cbResolution"), QStringLiteral("2560X1944"));
    window->fillResolutionList(selector);
    QCOMPARE(itemTexts(combo("cbResolution")), items);
    QCOMPARE(combo("cbResolution")->currentIndex(), 0);
    QCOMPARE(combo("cbResolutionSub")->count(), 2);
}

void tst_Options::fillSecondStreamListAppends()
{
    window->fillResolutionList(3);
    QCOMPARE(combo("cbResolution")->count(), 0);
    QCOMPARE(itemTexts(combo("cbResolutionSub")), (QStringList{"352X240", "720X480", "352X240", "720X480"}));
    QCOMPARE(combo("cbResolutionSub")->currentText(), QStringLiteral("352X240"));
    // With no resolution the frame rates fall back to the full range.
    QCOMPARE(combo("cbFps")->count(), 30);
}

void tst_Options::checkBoxClicks()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *check = widget<QCheckBox>(*window, "cbCalcTogether");
    choose(combo("cbQualitySub"), QStringLiteral("256K"));
    choose(combo("cbFpsSub"), QStringLiteral("12"));
    const char *const second[] = {"cbQualitySub", "cbResolutionSub", "cbFpsSub"};

    QStyleOptionButton option;
    option.initFrom(check);
    const QPoint indicator =
        check->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check).center();
    QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier, indicator);
    QVERIFY(!check->isChecked());
    for (const char *name : second)
        QVERIFY2(!combo(name)->isEnabled(), name);

    QTest::mouseClick(check, Qt::LeftButton, Qt::NoModifier, indicator);
    QVERIFY(check->isChecked());
    for (const char *name : second)
        QVERIFY2(combo(name)->isEnabled(), name);
    QCOMPARE(combo("cbQualitySub")->currentText(), QStringLiteral("256K"));
    QCOMPARE(combo("cbResolutionSub")->currentText(), QStringLiteral("352X240"));
    QCOMPARE(combo("cbFpsSub")->currentText(), QStringLiteral("12"));

    // The keyboard reaches the slot as well.
    check->setFocus();
    QTest::keyClick(check, Qt::Key_Space);
    QVERIFY(!check->isChecked());
    QVERIFY(!combo("cbFpsSub")->isEnabled());
}

void tst_Options::checkBoxSetByProgram()
{
    auto *check = widget<QCheckBox>(*window, "cbCalcTogether");
    check->setChecked(false);
    QVERIFY(combo("cbQualitySub")->isEnabled());
    QVERIFY(combo("cbResolutionSub")->isEnabled());
    QVERIFY(combo("cbFpsSub")->isEnabled());
}

void tst_Options::disabledSecondStreamShowsNoText()
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
        QVERIFY2(darkPixels(combo(name)->grab().toImage()) > 0, name);
        QMetaObject::invokeMethod(window, "slotCalcTogetherChecked", Q_ARG(bool, false));
        QCOMPARE(darkPixels(combo(name)->grab().toImage()), 0);
        QVERIFY(combo(name)->isVisible());
        QMetaObject::invokeMethod(window, "slotCalcTogetherChecked", Q_ARG(bool, true));
    }
}

QTEST_MAIN(tst_Options)
#include "tst_options.moc"
