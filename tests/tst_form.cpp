// The form's structure on a bare main window: the object tree, the creation
// order, the grid cells, the layouts and the size limits.
#include "form/CalculatorForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QtTest>

#include "testsupport.h"

namespace {

QSizePolicy defaultSizePolicy(const QWidget *target)
{
    if (target->inherits("QComboBox"))
        return QComboBox().sizePolicy();
    if (target->inherits("QPushButton"))
        return QPushButton().sizePolicy();
    if (target->inherits("QLabel"))
        return QLabel().sizePolicy();
    if (target->inherits("QGroupBox"))
        return QGroupBox().sizePolicy();
    return QWidget().sizePolicy();
}

} // namespace

class tst_Form : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void objectTree_data();
    void objectTree();
    void creationOrder_data();
    void creationOrder();
    void gridCells_data();
    void gridCells();
    void layoutSettings_data();
    void layoutSettings();
    void sizeLimits_data();
    void sizeLimits();

private:
    QMainWindow *window = nullptr;
    CalculatorForm form;
};

void tst_Form::init()
{
    window = new QMainWindow;
    form.setupUi(window);
}

void tst_Form::cleanup()
{
    delete window;
    window = nullptr;
}

void tst_Form::objectTree_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");

    const char *const rows[][3] = {
        {"centralWidget", "QWidget", "Calculator"},
        {"verticalLayout_2", "QVBoxLayout", "centralWidget"},
        {"groupBox", "QGroupBox", "centralWidget"},
        {"gridLayout", "QGridLayout", "groupBox"},
        {"cbDeviceType", "QComboBox", "groupBox"},
        {"cbChannels", "QComboBox", "groupBox"},
        {"lbMainChannels", "QLabel", "groupBox"},
        {"lbDeviceType", "QLabel", "groupBox"},
        {"verticalLayout", "QVBoxLayout", "verticalLayout_2"},
        {"horizontalLayout_2", "QHBoxLayout", "verticalLayout"},
        {"groupBox_2", "QGroupBox", "centralWidget"},
        {"gridLayout_3", "QGridLayout", "groupBox_2"},
        {"lbResolution", "QLabel", "groupBox_2"},
        {"cbResolution", "QComboBox", "groupBox_2"},
        {"lbFPS", "QLabel", "groupBox_2"},
        {"cbQuality", "QComboBox", "groupBox_2"},
        {"cbFps", "QComboBox", "groupBox_2"},
        {"lbQuality", "QLabel", "groupBox_2"},
        {"groupBox_4", "QGroupBox", "centralWidget"},
        {"gridLayout_4", "QGridLayout", "groupBox_4"},
        {"cbQualitySub", "QComboBox", "groupBox_4"},
        {"lbQuality_2", "QLabel", "groupBox_4"},
        {"lbResolution_2", "QLabel", "groupBox_4"},
        {"lbFPS_2", "QLabel", "groupBox_4"},
        {"cbResolutionSub", "QComboBox", "groupBox_4"},
        {"cbFpsSub", "QComboBox", "groupBox_4"},
        {"cbCalcTogether", "QCheckBox", "groupBox_4"},
        {"label", "QLabel", "centralWidget"},
        {"groupBox_3", "QGroupBox", "centralWidget"},
        {"gridLayout_2", "QGridLayout", "groupBox_3"},
        {"pbCalculateHDD", "QPushButton", "groupBox_3"},
        {"leHDDSize", "QComboBox", "groupBox_3"},
        {"lbDesiredDays", "QLabel", "groupBox_3"},
        {"lbHDDSize", "QLabel", "groupBox_3"},
        {"cbARH", "QComboBox", "groupBox_3"},
        {"leDesiredDays", "QComboBox", "groupBox_3"},
        {"lbARH", "QLabel", "groupBox_3"},
        {"pbCalculateDays", "QPushButton", "groupBox_3"},
        {"lbHddUnit", "QLabel", "groupBox_3"},
        {"label_2", "QLabel", "groupBox_3"},
        {"horizontalLayout", "QHBoxLayout", "verticalLayout_2"},
        {"pbClose", "QPushButton", "centralWidget"},
        {"statusBar", "QStatusBar", "Calculator"},
    };
    for (const auto &row : rows)
        QTest::newRow(row[0]) << row[0] << row[1] << row[2];
}

void tst_Form::objectTree()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parentName);

    const QList<QObject *> found = window->findChildren<QObject *>(name);
    QCOMPARE(found.size(), 1);
    QCOMPARE(QString::fromLatin1(found.first()->metaObject()->className()), className);
    QVERIFY(found.first()->parent());
    QCOMPARE(found.first()->parent()->objectName(), parentName);
}

// Creation order decides the focus chain and the order of each area's children.
void tst_Form::creationOrder_data()
{
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<QStringList>("children");

    // clang-format off
    QTest::newRow("device") << "groupBox"
                            << QStringList{"gridLayout", "cbDeviceType", "cbChannels",
                                           "lbMainChannels", "lbDeviceType"};
    QTest::newRow("main stream") << "groupBox_2"
                                 << QStringList{"gridLayout_3", "lbResolution", "cbResolution",
                                                "lbFPS", "cbQuality", "cbFps", "lbQuality"};
    QTest::newRow("second stream")
        << "groupBox_4"
        << QStringList{"gridLayout_4", "cbQualitySub", "lbQuality_2", "lbResolution_2", "lbFPS_2",
                       "cbResolutionSub", "cbFpsSub", "cbCalcTogether"};
    QTest::newRow("calculate")
        << "groupBox_3"
        << QStringList{"gridLayout_2", "pbCalculateHDD", "leHDDSize", "lbDesiredDays", "lbHDDSize",
                       "cbARH", "leDesiredDays", "lbARH", "pbCalculateDays", "lbHddUnit", "label_2"};
    QTest::newRow("central") << "centralWidget"
                             << QStringList{"verticalLayout_2", "groupBox", "groupBox_2",
                                            "groupBox_4", "label", "groupBox_3", "pbClose"};
    // clang-format on
}

void tst_Form::creationOrder()
{
    QFETCH(QString, parentName);
    QFETCH(QStringList, children);

    QStringList names;
    for (const QObject *child : widget<QWidget>(*window, qPrintable(parentName))->children())
        names.append(child->objectName());
    QCOMPARE(names, children);
}

void tst_Form::gridCells_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("layoutName");
    QTest::addColumn<QVector<int>>("cell");

    // clang-format off
    QTest::newRow("lbDeviceType") << "lbDeviceType" << "gridLayout" << QVector<int>{0, 0, 1, 1};
    QTest::newRow("cbDeviceType") << "cbDeviceType" << "gridLayout" << QVector<int>{0, 1, 1, 1};
    QTest::newRow("lbMainChannels") << "lbMainChannels" << "gridLayout" << QVector<int>{0, 4, 1, 1};
    QTest::newRow("cbChannels") << "cbChannels" << "gridLayout" << QVector<int>{0, 5, 1, 1};
    QTest::newRow("lbQuality") << "lbQuality" << "gridLayout_3" << QVector<int>{0, 0, 1, 1};
    QTest::newRow("cbQuality") << "cbQuality" << "gridLayout_3" << QVector<int>{0, 1, 1, 1};
    QTest::newRow("lbResolution") << "lbResolution" << "gridLayout_3" << QVector<int>{2, 0, 1, 1};
    QTest::newRow("cbResolution") << "cbResolution" << "gridLayout_3" << QVector<int>{2, 1, 1, 1};
    QTest::newRow("lbFPS") << "lbFPS" << "gridLayout_3" << QVector<int>{3, 0, 1, 1};
    QTest::newRow("cbFps") << "cbFps" << "gridLayout_3" << QVector<int>{3, 1, 1, 1};
    QTest::newRow("cbCalcTogether") << "cbCalcTogether" << "gridLayout_4" << QVector<int>{0, 0, 1, 2};
    QTest::newRow("lbQuality_2") << "lbQuality_2" << "gridLayout_4" << QVector<int>{1, 0, 1, 1};
    QTest::newRow("cbQualitySub") << "cbQualitySub" << "gridLayout_4" << QVector<int>{1, 1, 1, 1};
    QTest::newRow("lbResolution_2") << "lbResolution_2" << "gridLayout_4" << QVector<int>{3, 0, 1, 1};
    QTest::newRow("cbResolutionSub") << "cbResolutionSub" << "gridLayout_4" << QVector<int>{3, 1, 1, 1};
    QTest::newRow("lbFPS_2") << "lbFPS_2" << "gridLayout_4" << QVector<int>{4, 0, 1, 1};
    QTest::newRow("cbFpsSub") << "cbFpsSub" << "gridLayout_4" << QVector<int>{4, 1, 1, 1};
    QTest::newRow("lbARH") << "lbARH" << "gridLayout_2" << QVector<int>{0, 0, 1, 1};
    QTest::newRow("cbARH") << "cbARH" << "gridLayout_2" << QVector<int>{0, 1, 1, 1};
    QTest::newRow("label_2") << "label_2" << "gridLayout_2" << QVector<int>{0, 2, 1, 1};
    QTest::newRow("lbHDDSize") << "lbHDDSize" << "gridLayout_2" << QVector<int>{1, 0, 1, 1};
    QTest::newRow("leHDDSize") << "leHDDSize" << "gridLayout_2" << QVector<int>{1, 1, 1, 1};
    QTest::newRow("lbHddUnit") << "lbHddUnit" << "gridLayout_2" << QVector<int>{1, 2, 1, 1};
    QTest::newRow("pbCalculateDays") << "pbCalculateDays" << "gridLayout_2" << QVector<int>{1, 3, 1, 1};
    QTest::newRow("lbDesiredDays") << "lbDesiredDays" << "gridLayout_2" << QVector<int>{6, 0, 1, 1};
    QTest::newRow("leDesiredDays") << "leDesiredDays" << "gridLayout_2" << QVector<int>{6, 1, 1, 1};
    QTest::newRow("pbCalculateHDD") << "pbCalculateHDD" << "gridLayout_2" << QVector<int>{6, 3, 1, 1};
    // clang-format on
}

void tst_Form::gridCells()
{
    QFETCH(QString, name);
    QFETCH(QString, layoutName);
    QFETCH(QVector<int>, cell);

    auto *grid = widget<QGridLayout>(*window, qPrintable(layoutName));
    const int index = grid->indexOf(widget<QWidget>(*window, qPrintable(name)));
    QVERIFY(index >= 0);
    int row, column, rowSpan, columnSpan;
    grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
    QCOMPARE((QVector<int>{row, column, rowSpan, columnSpan}), cell);
    QCOMPARE(grid->itemAt(index)->alignment(), Qt::Alignment());
}

void tst_Form::layoutSettings_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("spacing");
    QTest::addColumn<int>("margin");
    QTest::addColumn<QStringList>("items");

    const QString spacer = QStringLiteral("(spacer)");
    QTest::newRow("verticalLayout_2") << "verticalLayout_2" << 6 << 11
                                      << QStringList{"groupBox", "verticalLayout", "groupBox_3", "horizontalLayout"};
    QTest::newRow("verticalLayout") << "verticalLayout" << 5 << 0 << QStringList{"horizontalLayout_2", "label"};
    QTest::newRow("horizontalLayout_2") << "horizontalLayout_2" << 6 << 0 << QStringList{"groupBox_2", "groupBox_4"};
    QTest::newRow("horizontalLayout") << "horizontalLayout" << 6 << 0 << QStringList{spacer, "pbClose"};
    QTest::newRow("gridLayout") << "gridLayout" << 6 << 11
                                << QStringList{"cbDeviceType", "cbChannels", "lbMainChannels", spacer, "lbDeviceType"};
    QTest::newRow("gridLayout_3") << "gridLayout_3" << 6 << 11 << QStringList();
    QTest::newRow("gridLayout_4") << "gridLayout_4" << 6 << 11 << QStringList();
    QTest::newRow("gridLayout_2") << "gridLayout_2" << 6 << 11 << QStringList();
}

void tst_Form::layoutSettings()
{
    QFETCH(QString, name);
    QFETCH(int, spacing);
    QFETCH(int, margin);
    QFETCH(QStringList, items);

    auto *layout = widget<QLayout>(*window, qPrintable(name));
    QCOMPARE(layout->spacing(), spacing);
    QCOMPARE(layout->contentsMargins(), QMargins(margin, margin, margin, margin));
    if (items.isEmpty())
        return;
    QStringList found;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (QSpacerItem *spacer = item->spacerItem()) {
            QCOMPARE(spacer->sizeHint(), QSize(40, 20));
            QCOMPARE(spacer->sizePolicy().horizontalPolicy(), QSizePolicy::Expanding);
            QCOMPARE(spacer->sizePolicy().verticalPolicy(), QSizePolicy::Minimum);
            found.append(QStringLiteral("(spacer)"));
        } else if (item->widget()) {
            found.append(item->widget()->objectName());
        } else {
            found.append(item->layout()->objectName());
        }
    }
    QCOMPARE(found, items);
}

void tst_Form::sizeLimits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<QSize>("maximum");

    const int max = QWIDGETSIZE_MAX;
    QTest::newRow("cbDeviceType") << "cbDeviceType" << QSize(130, 20) << QSize(max, max);
    QTest::newRow("cbChannels") << "cbChannels" << QSize(40, 20) << QSize(max, max);
    QTest::newRow("cbQuality") << "cbQuality" << QSize(85, 20) << QSize(max, max);
    QTest::newRow("cbResolution") << "cbResolution" << QSize(85, 20) << QSize(max, max);
    QTest::newRow("cbFps") << "cbFps" << QSize(85, 20) << QSize(max, max);
    QTest::newRow("cbQualitySub") << "cbQualitySub" << QSize(119, 20) << QSize(max, max);
    QTest::newRow("cbResolutionSub") << "cbResolutionSub" << QSize(85, 20) << QSize(max, max);
    QTest::newRow("cbFpsSub") << "cbFpsSub" << QSize(85, 20) << QSize(max, max);
    QTest::newRow("label") << "label" << QSize(0, 20) << QSize(max, 20);
    QTest::newRow("cbARH") << "cbARH" << QSize(0, 20) << QSize(max, 21);
    QTest::newRow("leHDDSize") << "leHDDSize" << QSize(0, 0) << QSize(max, 21);
    QTest::newRow("leDesiredDays") << "leDesiredDays" << QSize(0, 0) << QSize(max, 21);
    QTest::newRow("lbHddUnit") << "lbHddUnit" << QSize(30, 25) << QSize(30, 25);
    QTest::newRow("pbCalculateDays") << "pbCalculateDays" << QSize(120, 23) << QSize(max, max);
    QTest::newRow("pbCalculateHDD") << "pbCalculateHDD" << QSize(120, 23) << QSize(max, max);
    QTest::newRow("pbClose") << "pbClose" << QSize(80, 20) << QSize(max, max);
    QTest::newRow("groupBox") << "groupBox" << QSize(0, 0) << QSize(max, max);
    QTest::newRow("window") << "Calculator" << QSize(0, 0) << QSize(510, 435);
}

void tst_Form::sizeLimits()
{
    QFETCH(QString, name);
    QFETCH(QSize, minimum);
    QFETCH(QSize, maximum);

    const QWidget *target = windowOrChild(*window, name);
    QCOMPARE(target->minimumSize(), minimum);
    QCOMPARE(target->maximumSize(), maximum);
    QCOMPARE(target->sizePolicy(), defaultSizePolicy(target));
}

HDDCALC_TEST_MAIN(tst_Form)
#include "tst_form.moc"
