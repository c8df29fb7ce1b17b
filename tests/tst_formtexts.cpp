// The form's sheets and texts on a bare main window, before the window's
// constructor changes anything: own style sheets, the 39 texts, the presets,
// the state setupUi leaves and the Close connection.
#include "form/CalculatorForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>
#include <QtTest>

#include "testsupport.h"

class tst_FormTexts : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

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

void tst_FormTexts::init()
{
    window = new QMainWindow;
    form.setupUi(window);
}

void tst_FormTexts::cleanup()
{
    delete window;
    window = nullptr;
}

void tst_FormTexts::ownStyleSheets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sheet");

    const QString g = QStringLiteral("color : black;\nbackground: transparent;");
    const QString c1 = QStringLiteral("background-color:#D8D8D8;\ncolor: black;\nborder : 0px;\n");
    const QString c2 = QStringLiteral("background-color:#D8D8D8;\ncolor: black;\nborder : 0px;");
    const QString b = QStringLiteral("background-color:#D8D8D8;\ncolor: black;");

    // clang-format off
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
    // clang-format on
}

void tst_FormTexts::ownStyleSheets()
{
    QFETCH(QString, name);
    QFETCH(QString, sheet);

    const QWidget *target = windowOrChild(*window, name);
    QCOMPARE(target->styleSheet(), sheet);
}

void tst_FormTexts::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");

    // clang-format off
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
    // clang-format on
}

void tst_FormTexts::texts()
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

void tst_FormTexts::presets()
{
    QCOMPARE(itemTexts(form.leHDDSize), (QStringList{"1", "2", "3", "4", "5", "6", "8", "10", "20", "30", "40"}));
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

void tst_FormTexts::initialState()
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

void tst_FormTexts::windowName_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    // clang-format off
    QTest::newRow("empty") << QString() << "Calculator";
    QTest::newRow("set") << "estimator" << "estimator";
    // clang-format on
}

void tst_FormTexts::windowName()
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

void tst_FormTexts::closeConnection()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    QTest::mouseClick(form.pbClose, Qt::LeftButton);
    QVERIFY(!window->isVisible());
}

HDDCALC_TEST_MAIN(tst_FormTexts)
#include "tst_formtexts.moc"
