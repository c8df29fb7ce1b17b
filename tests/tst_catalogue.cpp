// The catalogue alone, without a window or a display: the quality steps'
// labels, their bit rates in each stream and device family, and the
// resolution lists, at their edges.
#include "options/Catalogue.h"

#include <QtTest>

#include "expectedlists.h"

using namespace Expected;

class tst_Catalogue : public QObject
{
    Q_OBJECT

private slots:
    void qualityLabel();
    void bitRate_data();
    void bitRate();
    void resolutionList_data();
    void resolutionList();
};

// Every step's label, as the lists show it, and none outside the table.
void tst_Catalogue::qualityLabel()
{
    for (int index = 0; index < AllQualities.size(); ++index)
        QCOMPARE(QString::fromLatin1(Catalogue::qualityLabel(index)), AllQualities[index]);
    QVERIFY(!Catalogue::qualityLabel(-1));
    QVERIFY(!Catalogue::qualityLabel(AllQualities.size()));
}

// The second stream's steps are the same in every family.
void tst_Catalogue::bitRate_data()
{
    QTest::addColumn<bool>("secondStream");
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("position");
    QTest::addColumn<float>("bitRate");

    const float family0[] = {512, 640, 768, 896, 1024, 1536, 2048, 2560, 3072, 3584, 4096};
    for (int position = 0; position < 11; ++position)
        QTest::addRow("main, 0 at %d", position) << false << 0 << position << family0[position];
    // clang-format off
    QTest::newRow("main, 0 at 11") << false << 0 << 11 << 0.0f;
    QTest::newRow("main, 0 at -1") << false << 0 << -1 << 0.0f;
    QTest::newRow("main, 1 at 0") << false << 1 << 0 << 128.0f;
    QTest::newRow("main, 1 at 3") << false << 1 << 3 << 512.0f;
    QTest::newRow("main, 1 at 7") << false << 1 << 7 << 1024.0f;
    QTest::newRow("main, 1 at 11") << false << 1 << 11 << 3072.0f;
    QTest::newRow("main, 1 at 29") << false << 1 << 29 << 12288.0f;
    QTest::newRow("main, 1 at 30") << false << 1 << 30 << 0.0f;
    QTest::newRow("main, 2 at 20") << false << 2 << 20 << 7680.0f;
    QTest::newRow("main, 2 at -1") << false << 2 << -1 << 0.0f;
    QTest::newRow("second at 0") << true << 0 << 0 << 128.0f;
    QTest::newRow("second at 1") << true << 0 << 1 << 256.0f;
    QTest::newRow("second at 2") << true << 0 << 2 << 384.0f;
    QTest::newRow("second at 3") << true << 0 << 3 << 512.0f;
    QTest::newRow("second at 4") << true << 0 << 4 << 0.0f;
    QTest::newRow("second at -1") << true << 0 << -1 << 0.0f;
    // clang-format on
}

void tst_Catalogue::bitRate()
{
    QFETCH(bool, secondStream);
    QFETCH(int, family);
    QFETCH(int, position);
    QFETCH(float, bitRate);

    const float found =
        secondStream ? Catalogue::subStreamBitRate(position) : Catalogue::mainStreamBitRate(family, position);
    QCOMPARE(double(found), double(bitRate));
}

void tst_Catalogue::resolutionList_data()
{
    QTest::addColumn<int>("selector");
    QTest::addColumn<QStringList>("entries");

    QTest::newRow("0") << 0 << List0;
    QTest::newRow("1") << 1 << List1;
    QTest::newRow("2") << 2 << List2;
    QTest::newRow("3, the second stream's") << 3 << QStringList{"352X240", "720X480"};
    QTest::newRow("4 falls back to 0") << 4 << List0;
    QTest::newRow("7 falls back to 0") << 7 << List0;
    QTest::newRow("-1 falls back to 0") << -1 << List0;
}

void tst_Catalogue::resolutionList()
{
    QFETCH(int, selector);
    QFETCH(QStringList, entries);

    const Catalogue::ResolutionList &list = Catalogue::resolutionList(selector);
    QStringList found;
    for (int i = 0; i < list.count; ++i)
        found.append(QLatin1String(list.entries[i]));
    QCOMPARE(found, entries);
}

QTEST_APPLESS_MAIN(tst_Catalogue)
#include "tst_catalogue.moc"
