// The form on a bare main window: the object tree, the cells, the size limits,
// the sheets and the texts, before the window's constructor changes anything.
#include "app/formfont.h"
#include "form/CalculatorForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolBar>
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
    void initTestCase() { startLikeMain(); }
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
    void ownStyleSheets_data();
    void ownStyleSheets();
    void texts_data();
    void texts();
    void presets();
    void initialState();
    void windowName_data();
    void windowName();
    void closeConnection();

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
    QTest::newRow("verticalLayout_2")
        << "verticalLayout_2" << 6 << 11
        << QStringList{"groupBox", "verticalLayout", "groupBox_3", "horizontalLayout"};
    QTest::newRow("verticalLayout") << "verticalLayout" << 5 << 0
                                    << QStringList{"horizontalLayout_2", "label"};
    QTest::newRow("horizontalLayout_2") << "horizontalLayout_2" << 6 << 0
                                        << QStringList{"groupBox_2", "groupBox_4"};
    QTest::newRow("horizontalLayout") << "horizontalLayout" << 6 << 0 << QStringList{spacer, "pbClose"};
    QTest::newRow("gridLayout") << "gridLayout" << 6 << 11
                                << QStringList{"cbDeviceType", "cbChannels", "lbMainChannels", spacer,
                                               "lbDeviceType"};
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

    const QWidget *target = name == QLatin1String("Calculator") ? window
                                                                 : widget<QWidget>(*window, qPrintable(name));
    QCOMPARE(target->minimumSize(), minimum);
    QCOMPARE(target->maximumSize(), maximum);
    QCOMPARE(target->sizePolicy(), defaultSizePolicy(target));
}

void tst_Form::ownStyleSheets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sheet");

    const QString g = QStringLiteral("color : black;\nbackground: transparent;");
    const QString c1 = QStringLiteral("background-color:#D8D8D8;\ncolor: black;\nborder : 0px;\n");
    const QString c2 = QStringLiteral("background-color:#D8D8D8;\ncolor: black;\nborder : 0px;");
    const QString b = QStringLiteral("background-color:#D8D8D8;\ncolor: black;");

    QTest::newRow("window W0") << "Calculator" << "background-color : #FCFCFC;";
    for (const char *box : {"groupBox", "groupBox_2", "groupBox_4", "groupBox_3"})
        QTest::newRow(box) << box << g;
    for (const char *combo : {"cbDeviceType", "cbChannels", "cbResolution", "cbQuality", "cbFps",
                              "cbQualitySub", "cbFpsSub", "leDesiredDays"})
        QTest::newRow(combo) << combo << c1;
    for (const char *combo : {"cbResolutionSub", "leHDDSize", "cbARH"})
        QTest::newRow(combo) << combo << c2;
    for (const char *button : {"pbCalculateHDD", "pbCalculateDays", "pbClose"})
        QTest::newRow(button) << button << b;
    QTest::newRow("cbCalcTogether") << "cbCalcTogether" << "color: black;";
    QTest::newRow("label") << "label" << "color: #FD5252;\nfont-weight: bold;\nfont-size: 13px;";
    for (const char *caption : {"lbDeviceType", "lbMainChannels", "lbQuality", "lbResolution", "lbFPS",
                                "lbQuality_2", "lbResolution_2", "lbFPS_2", "lbARH", "lbHDDSize",
                                "lbHddUnit", "lbDesiredDays", "label_2"})
        QTest::newRow(caption) << caption << QString();
}

void tst_Form::ownStyleSheets()
{
    QFETCH(QString, name);
    QFETCH(QString, sheet);

    const QWidget *target = name == QLatin1String("Calculator") ? window
                                                                 : widget<QWidget>(*window, qPrintable(name));
    QCOMPARE(target->styleSheet(), sheet);
}

void tst_Form::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    QTest::newRow("title") << "Calculator" << "Calculator";
    QTest::newRow("groupBox") << "groupBox" << "Device";
    QTest::newRow("lbMainChannels") << "lbMainChannels" << "Channel";
    QTest::newRow("lbDeviceType") << "lbDeviceType" << "Device Model";
    QTest::newRow("groupBox_2") << "groupBox_2" << "Main Stream Setting";
    QTest::newRow("lbResolution") << "lbResolution" << "Resolution";
    QTest::newRow("lbFPS") << "lbFPS" << "Frame Rate(FPS)";
    QTest::newRow("lbQuality") << "lbQuality" << "Quality";
    QTest::newRow("groupBox_4") << "groupBox_4" << "Second Stream Setting";
    QTest::newRow("lbQuality_2") << "lbQuality_2" << "Quality";
    QTest::newRow("lbResolution_2") << "lbResolution_2" << "Resolution";
    QTest::newRow("lbFPS_2") << "lbFPS_2" << "Frame Rate(FPS)";
    QTest::newRow("cbCalcTogether") << "cbCalcTogether" << "Calculations excluded when unchecked";
    QTest::newRow("label")
        << "label"
        << "<html><head/><body><p>Note : Resolution and frame rate do not affect the recording "
           "size.</p></body></html>";
    QTest::newRow("groupBox_3") << "groupBox_3" << "Calculate";
    QTest::newRow("pbCalculateHDD") << "pbCalculateHDD" << "Calculate HDD Size";
    QTest::newRow("lbDesiredDays") << "lbDesiredDays" << "Enter Desired Days";
    QTest::newRow("lbHDDSize") << "lbHDDSize" << "Enter HDD Size";
    QTest::newRow("lbARH") << "lbARH" << "Average Motion";
    QTest::newRow("pbCalculateDays") << "pbCalculateDays" << "Calculate Days";
    QTest::newRow("lbHddUnit") << "lbHddUnit" << "[TB]";
    QTest::newRow("label_2") << "label_2" << "[%]";
    QTest::newRow("pbClose") << "pbClose" << "Close";
}

void tst_Form::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);

    if (name == QLatin1String("Calculator")) {
        QCOMPARE(window->windowTitle(), text);
        return;
    }
    const QObject *target = widget<QObject>(*window, qPrintable(name));
    if (auto *box = qobject_cast<const QGroupBox *>(target))
        QCOMPARE(box->title(), text);
    else if (auto *label = qobject_cast<const QLabel *>(target))
        QCOMPARE(label->text(), text);
    else
        QCOMPARE(qobject_cast<const QAbstractButton *>(target)->text(), text);
}

void tst_Form::presets()
{
    QCOMPARE(itemTexts(form.leHDDSize),
             (QStringList{"1", "2", "3", "4", "5", "6", "8", "10", "20", "30", "40"}));
    QCOMPARE(itemTexts(form.leDesiredDays), (QStringList{"1", "7", "14", "21", "30"}));
    QVERIFY(form.leHDDSize->isEditable());
    QVERIFY(form.leDesiredDays->isEditable());
    // The form leaves the first preset current; only the window clears it.
    QCOMPARE(form.leHDDSize->currentText(), QStringLiteral("1"));
    QCOMPARE(form.leDesiredDays->currentText(), QStringLiteral("1"));
    for (int i = 0; i < form.leHDDSize->count(); ++i) {
        QVERIFY(form.leHDDSize->itemIcon(i).isNull());
        QVERIFY(!form.leHDDSize->itemData(i).isValid());
    }
}

void tst_Form::initialState()
{
    QCOMPARE(window->size(), QSize(510, 435));
    QCOMPARE(window->centralWidget(), form.centralWidget);
    QCOMPARE(window->statusBar(), form.statusBar);
    QVERIFY(form.statusBar->currentMessage().isEmpty());
    QVERIFY(form.cbCalcTogether->isChecked());
    for (const QComboBox *combo : window->findChildren<QComboBox *>()) {
        QVERIFY2(combo->isEnabled(), qPrintable(combo->objectName()));
        if (!combo->isEditable())
            QVERIFY2(combo->count() == 0, qPrintable(combo->objectName()));
        QVERIFY(combo->hasFrame());
    }
    QCOMPARE(form.label->alignment(), Qt::AlignLeft | Qt::AlignTop);
    QCOMPARE(form.label->textFormat(), Qt::AutoText);
    QCOMPARE(form.lbHddUnit->alignment(), Qt::Alignment(Qt::AlignCenter));
    QCOMPARE(form.label_2->alignment(), Qt::Alignment(Qt::AlignCenter));
    QCOMPARE(form.groupBox->layoutDirection(), Qt::LeftToRight);
    QVERIFY(window->menuWidget() == nullptr);
    QVERIFY(window->findChildren<QToolBar *>().isEmpty());
}

void tst_Form::windowName_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("empty") << QString() << "Calculator";
    QTest::newRow("set") << "estimator" << "estimator";
}

void tst_Form::windowName()
{
    QFETCH(QString, before);
    QFETCH(QString, after);

    QMainWindow named;
    named.setObjectName(before);
    CalculatorForm namedForm;
    namedForm.setupUi(&named);
    QCOMPARE(named.objectName(), after);
    QCOMPARE(named.windowTitle(), QStringLiteral("Calculator"));
}

void tst_Form::closeConnection()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::mouseClick(form.pbClose, Qt::LeftButton);
    QVERIFY(!window->isVisible());
}

QTEST_MAIN(tst_Form)
#include "tst_form.moc"
