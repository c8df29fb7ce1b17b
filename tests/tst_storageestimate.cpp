// The arithmetic alone, without a display: single-precision steps, the unit
// choice on the unrounded amount, and the two calculations agreeing.
#include "estimate/StorageEstimate.h"

#include <QtTest>

#include <cmath>
#include <limits>

using namespace StorageEstimate;

class tst_StorageEstimate : public QObject
{
    Q_OBJECT

private slots:
    void recordingSeconds_data();
    void recordingSeconds();
    void dailyVolume_data();
    void dailyVolume();
    void requiredGigabytes_data();
    void requiredGigabytes();
    void shownSize_data();
    void shownSize();
    void daysOnDisk_data();
    void daysOnDisk();
    void nothingRecorded();
    void resultText_data();
    void resultText();
    void calculationsAgree();
};

void tst_StorageEstimate::recordingSeconds_data()
{
    QTest::addColumn<float>("motion");
    QTest::addColumn<float>("seconds");

    // Fractions of an hour count: 5 % of a day is 1.2 hours, not 1.
    QTest::newRow("5") << 5.0f << 4320.0f;
    QTest::newRow("10") << 10.0f << 8640.0f;
    QTest::newRow("15") << 15.0f << 12960.0f;
    QTest::newRow("25") << 25.0f << 21600.0f;
    QTest::newRow("30") << 30.0f << 25920.0f;
    QTest::newRow("35") << 35.0f << 30239.998046875f; // 8.4 hours is not exact in binary
    QTest::newRow("50") << 50.0f << 43200.0f;
    QTest::newRow("95") << 95.0f << 82080.0f;
    QTest::newRow("100") << 100.0f << 86400.0f;
    QTest::newRow("0") << 0.0f << 0.0f;
}

void tst_StorageEstimate::recordingSeconds()
{
    QFETCH(float, motion);
    QFETCH(float, seconds);
    QCOMPARE(double(StorageEstimate::recordingSeconds(motion)), double(seconds));
}

void tst_StorageEstimate::dailyVolume_data()
{
    QTest::addColumn<float>("bitRate");
    QTest::addColumn<float>("channels");
    QTest::addColumn<float>("seconds");
    QTest::addColumn<float>("megabytes");

    QTest::newRow("4.0M, 1, full day") << 4096.0f << 1.0f << 86400.0f << 43200.0f;
    QTest::newRow("512K, 1, full day") << 512.0f << 1.0f << 86400.0f << 5400.0f;
    QTest::newRow("4.0M, 16, full day") << 4096.0f << 16.0f << 86400.0f << 691200.0f;
    QTest::newRow("512K, 16, full day") << 512.0f << 16.0f << 86400.0f << 86400.0f;
    QTest::newRow("4.0M, 1, 10 %") << 4096.0f << 1.0f << 8640.0f << 4320.0f;
    QTest::newRow("128K, 1, 5 %") << 128.0f << 1.0f << 4320.0f << 67.5f;
    QTest::newRow("640K, 3, 35 %") << 640.0f << 3.0f << 30239.998046875f << 7087.49951171875f;
    QTest::newRow("2.5M, 13, 70 %") << 2560.0f << 13.0f << 60479.99609375f << 245699.984375f;
    QTest::newRow("no rate") << 0.0f << 16.0f << 86400.0f << 0.0f;
}

void tst_StorageEstimate::dailyVolume()
{
    QFETCH(float, bitRate);
    QFETCH(float, channels);
    QFETCH(float, seconds);
    QFETCH(float, megabytes);
    QCOMPARE(double(StorageEstimate::dailyVolume(bitRate, channels, seconds)), double(megabytes));
}

void tst_StorageEstimate::requiredGigabytes_data()
{
    QTest::addColumn<float>("mainRate");
    QTest::addColumn<float>("secondRate");
    QTest::addColumn<float>("channels");
    QTest::addColumn<float>("motion");
    QTest::addColumn<float>("days");
    QTest::addColumn<float>("mainOnly");
    QTest::addColumn<float>("both");

    QTest::newRow("1 ch, 30 days") << 4096.0f << 512.0f << 1.0f << 100.0f << 30.0f << 1265.625f << 1423.828125f;
    QTest::newRow("16 ch, 30 days") << 4096.0f << 512.0f << 16.0f << 100.0f << 30.0f << 20250.0f << 22781.25f;
    QTest::newRow("10 %, 1 day") << 4096.0f << 512.0f << 1.0f << 10.0f << 1.0f << 4.21875f << 4.74609375f;
    QTest::newRow("5 %, 1 day") << 512.0f << 128.0f << 1.0f << 5.0f << 1.0f << 0.263671875f << 0.32958984375f;
    // Rounded in every step, as tools/estimate-model.py works it out.
    QTest::newRow("35 %, 21 days") << 1024.0f << 512.0f << 7.0f << 35.0f << 21.0f << 542.6366577148438f
                                   << 813.9549560546875f;
    QTest::newRow("no days") << 4096.0f << 512.0f << 1.0f << 100.0f << 0.0f << 0.0f << 0.0f;
}

void tst_StorageEstimate::requiredGigabytes()
{
    QFETCH(float, mainRate);
    QFETCH(float, secondRate);
    QFETCH(float, channels);
    QFETCH(float, motion);
    QFETCH(float, days);
    QFETCH(float, mainOnly);
    QFETCH(float, both);

    const DailyVolumes volumes = dailyVolumes(mainRate, secondRate, channels, motion);
    QCOMPARE(double(StorageEstimate::requiredGigabytes(volumes, days, false)), double(mainOnly));
    QCOMPARE(double(StorageEstimate::requiredGigabytes(volumes, days, true)), double(both));
}

void tst_StorageEstimate::shownSize_data()
{
    QTest::addColumn<float>("gigabytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("unit");

    const float belowOne = std::nextafter(1.0f, 0.0f);
    // clang-format off
    QTest::newRow("nothing") << 0.0f << "0.00" << "[MB]";
    QTest::newRow("a little below 1 GB") << belowOne << "1024.00" << "[MB]";
    QTest::newRow("exactly 1 GB") << 1.0f << "1.00" << "[GB]";
    QTest::newRow("a little below 1024 GB") << 1023.996f << "1024.00" << "[GB]";
    QTest::newRow("just below 1024 GB") << std::nextafter(1024.0f, 0.0f) << "1024.00" << "[GB]";
    QTest::newRow("exactly 1024 GB") << 1024.0f << "1.00" << "[TB]";
    QTest::newRow("1 ch, 30 days, both") << 1423.828125f << "1.39" << "[TB]";
    QTest::newRow("16 ch, main") << 20250.0f << "19.78" << "[TB]";
    QTest::newRow("10 %, main") << 4.21875f << "4.22" << "[GB]";
    QTest::newRow("5 %, both") << 0.32958984375f << "337.50" << "[MB]";
    // clang-format on
}

void tst_StorageEstimate::shownSize()
{
    QFETCH(float, gigabytes);
    QFETCH(QString, text);
    QFETCH(QString, unit);

    const ShownSize size = StorageEstimate::shownSize(gigabytes);
    QCOMPARE(StorageEstimate::resultText(size.value), text);
    QCOMPARE(QString::fromLatin1(unitLabel(size.unit)), unit);
}

void tst_StorageEstimate::daysOnDisk_data()
{
    QTest::addColumn<float>("mainRate");
    QTest::addColumn<float>("channels");
    QTest::addColumn<float>("motion");
    QTest::addColumn<float>("terabytes");
    QTest::addColumn<QString>("mainOnly");
    QTest::addColumn<QString>("both");

    // clang-format off
    QTest::newRow("1 ch, 1 TB") << 4096.0f << 1.0f << 100.0f << 1.0f << "24.27" << "21.58";
    QTest::newRow("16 ch, 4 TB") << 4096.0f << 16.0f << 100.0f << 4.0f << "6.07" << "5.39";
    QTest::newRow("10 %, 1 TB") << 4096.0f << 1.0f << 10.0f << 1.0f << "242.73" << "215.76";
    QTest::newRow("no disk") << 4096.0f << 1.0f << 100.0f << 0.0f << "0.00" << "0.00";
    // Rate times 1/1024 times channels, then seconds: the other order shows 2958.95.
    QTest::newRow("384K, 5 ch, 35 %") << 384.0f << 5.0f << 35.0f << 20.0f << "2958.94" << "1268.12";
    // clang-format on
}

void tst_StorageEstimate::daysOnDisk()
{
    QFETCH(float, mainRate);
    QFETCH(float, channels);
    QFETCH(float, motion);
    QFETCH(float, terabytes);
    QFETCH(QString, mainOnly);
    QFETCH(QString, both);

    const DailyVolumes volumes = dailyVolumes(mainRate, 512.0f, channels, motion);
    QCOMPARE(StorageEstimate::resultText(StorageEstimate::daysOnDisk(volumes, terabytes, false)), mainOnly);
    QCOMPARE(StorageEstimate::resultText(StorageEstimate::daysOnDisk(volumes, terabytes, true)), both);
}

void tst_StorageEstimate::nothingRecorded()
{
    const DailyVolumes none = dailyVolumes(0.0f, 0.0f, 1.0f, 100.0f);
    QCOMPARE(double(StorageEstimate::requiredGigabytes(none, 30.0f, true)), 0.0);
    QVERIFY(std::isinf(StorageEstimate::daysOnDisk(none, 1.0f, false)));
    QVERIFY(std::isnan(StorageEstimate::daysOnDisk(none, 0.0f, true)));
    // A second stream alone still gives a figure.
    const DailyVolumes secondOnly = dailyVolumes(0.0f, 512.0f, 1.0f, 100.0f);
    QCOMPARE(StorageEstimate::resultText(StorageEstimate::daysOnDisk(secondOnly, 1.0f, true)),
             QStringLiteral("194.18"));
}

void tst_StorageEstimate::resultText_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0.0f << "0.00";
    QTest::newRow("two decimals") << 19.775390625f << "19.78";
    QTest::newRow("no grouping") << 10000.0f << "10000.00";
    QTest::newRow("large") << 1.0e9f << "1000000000.00";
    QTest::newRow("infinite") << std::numeric_limits<float>::infinity() << "";
    QTest::newRow("undefined") << std::numeric_limits<float>::quiet_NaN() << "";
}

void tst_StorageEstimate::resultText()
{
    QFETCH(float, value);
    QFETCH(QString, text);
    QCOMPARE(StorageEstimate::resultText(value), text);
}

// The size shown for D days, read back as terabytes, gives D days again within
// what the two-decimal display of the size loses. Every quality, channel count
// and motion step, days across the validators' range.
void tst_StorageEstimate::calculationsAgree()
{
    const float dayCounts[] = {1, 2, 7, 14, 21, 30, 45, 90, 180, 365, 730, 1000, 3650, 10000};
    // The bit rates the window offers for each stream, in kbit/s.
    const float mainRates[] = {512, 640, 768, 896, 1024, 1536, 2048, 2560, 3072, 3584, 4096};
    const float secondRates[] = {128, 256, 384, 512};
    int checked = 0;
    for (const bool withSecond : {false, true}) {
        for (const float main : mainRates) {
            for (const float second : secondRates) {
                for (int channels = 1; channels <= 16; ++channels) {
                    for (int motion = 5; motion <= 100; motion += 5) {
                        const DailyVolumes volumes = dailyVolumes(main, second, channels, motion);
                        for (const float days : dayCounts) {
                            const ShownSize size = StorageEstimate::shownSize(
                                StorageEstimate::requiredGigabytes(volumes, days, withSecond));
                            const float shown = StorageEstimate::resultText(size.value).toFloat();
                            const float perTerabyte = size.unit == Unit::TB ? 1.0f
                                : size.unit == Unit::GB                     ? 1024.0f
                                                                            : 1024.0f * 1024.0f;
                            const float back = StorageEstimate::daysOnDisk(volumes, shown / perTerabyte, withSecond);
                            // The shown size is off the true one by at most 0.005.
                            const double allowed = days * (0.005 / (shown - 0.005)) + days * 1e-6;
                            if (std::abs(back - days) > allowed) {
                                QFAIL(qPrintable(QStringLiteral("%1 days at %2 %, %3 channels, %4/%5 kbit/s: "
                                                                "%6 %7 gives back %8 days")
                                                     .arg(days)
                                                     .arg(motion)
                                                     .arg(channels)
                                                     .arg(main)
                                                     .arg(second)
                                                     .arg(shown)
                                                     .arg(QLatin1String(unitLabel(size.unit)))
                                                     .arg(back)));
                            }
                            ++checked;
                        }
                    }
                }
            }
        }
    }
    QCOMPARE(checked, 2 * 11 * 4 * 16 * 20 * int(std::size(dayCounts)));
}

QTEST_APPLESS_MAIN(tst_StorageEstimate)
#include "tst_storageestimate.moc"
