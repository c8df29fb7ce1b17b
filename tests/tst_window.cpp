// The Calculator window as main() builds it: its meta-object, its validators,
// the sheets its constructor applies, the arrow image, focus and closing.
#include "app/Calculator.h"
#include "app/startup.h"

#include <QComboBox>
#include <QIntValidator>
#include <QLineEdit>
#include <QMetaMethod>
#include <QPushButton>
#include <QtTest>

#include "testsupport.h"

#ifdef __ELF__
#include <dlfcn.h>

// In front of QtCore's resource registration: every call from static
// initialisation on, Qt's own collections included, as (version, tree).
using ResourceCall = bool (*)(int, const unsigned char *, const unsigned char *, const unsigned char *);
static QVector<QPair<int, const unsigned char *>> *registrations = nullptr;
static const unsigned char *cleanedTree = nullptr;

bool qRegisterResourceData(int version, const unsigned char *tree, const unsigned char *name, const unsigned char *data)
{
    if (!registrations)
        registrations = new QVector<QPair<int, const unsigned char *>>; // lives to the end
    registrations->append({version, tree});
    static const auto next = ResourceCall(dlsym(RTLD_NEXT, "_Z21qRegisterResourceDataiPKhS0_S0_"));
    return next(version, tree, name, data);
}

bool qUnregisterResourceData(int version, const unsigned char *tree, const unsigned char *name,
                             const unsigned char *data)
{
    cleanedTree = tree;
    static const auto next = ResourceCall(dlsym(RTLD_NEXT, "_Z23qUnregisterResourceDataiPKhS0_S0_"));
    return next(version, tree, name, data);
}

int qInitResources_hddcalc();
int qCleanupResources_hddcalc();
#endif

class tst_Window : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void slotTable_data();
    void slotTable();
    void metaObjectShape();
    void metacast_data();
    void metacast();
    void resetByName();
    void validators();
    void typing_data();
    void typing();
    void writtenTextStays();
    void constructorStyleSheets_data();
    void constructorStyleSheets();
    void arrowResource();
    void namesStyle_data();
    void namesStyle();
    void focusChain();
    void closeEndsEventLoop();

private:
    Calculator *window = nullptr;
};

void tst_Window::init()
{
    window = new Calculator;
}

void tst_Window::cleanup()
{
    delete window;
    window = nullptr;
}

void tst_Window::slotTable_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QByteArray>("signature");

    QTest::newRow("0") << 0 << QByteArray("slotCalculateHDDtoDays()");
    QTest::newRow("1") << 1 << QByteArray("slotCalculateDaystoHDD()");
    QTest::newRow("2") << 2 << QByteArray("slotleReset()");
    QTest::newRow("3") << 3 << QByteArray("slotDeviceTypeChange()");
    QTest::newRow("4") << 4 << QByteArray("slotResolutionChange()");
    QTest::newRow("5") << 5 << QByteArray("slotCalcTogetherChecked(bool)");
}

void tst_Window::slotTable()
{
    QFETCH(int, index);
    QFETCH(QByteArray, signature);

    const QMetaObject *meta = window->metaObject();
    const QMetaMethod method = meta->method(meta->methodOffset() + index);
    QCOMPARE(method.methodSignature(), signature);
    QCOMPARE(method.methodType(), QMetaMethod::Slot);
    QCOMPARE(method.access(), QMetaMethod::Private);
    QCOMPARE(method.returnType(), int(QMetaType::Void));
}

void tst_Window::metaObjectShape()
{
    const QMetaObject *meta = window->metaObject();
    QCOMPARE(meta, &Calculator::staticMetaObject);
    QCOMPARE(QByteArray(meta->className()), QByteArray("Calculator"));
    QCOMPARE(meta->superClass(), &QMainWindow::staticMetaObject);
    QCOMPARE(meta->methodCount() - meta->methodOffset(), 6);
    QCOMPARE(meta->propertyCount(), meta->propertyOffset());
    QCOMPARE(meta->enumeratorCount(), meta->enumeratorOffset());
    QCOMPARE(meta->classInfoCount(), meta->classInfoOffset());
    QCOMPARE(meta->constructorCount(), 0);
    const QMetaMethod checked = meta->method(meta->methodOffset() + 5);
    QCOMPARE(checked.parameterNames(), QList<QByteArray>{"_checked"});
}

void tst_Window::metacast_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("found");

    QTest::newRow("own class") << QByteArray("Calculator") << true;
    QTest::newRow("base class") << QByteArray("QMainWindow") << true;
    QTest::newRow("lower case") << QByteArray("calculator") << false;
    QTest::newRow("unrelated") << QByteArray("QPushButton") << false;
}

void tst_Window::metacast()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, found);

    void *cast = window->qt_metacast(name.constData());
    QCOMPARE(cast != nullptr, found);
    if (name == "Calculator")
        QCOMPARE(cast, static_cast<void *>(window));
    if (name == "QMainWindow")
        QCOMPARE(cast, static_cast<void *>(static_cast<QMainWindow *>(window)));
}

void tst_Window::resetByName()
{
    auto *size = widget<QComboBox>(*window, "leHDDSize");
    auto *days = widget<QComboBox>(*window, "leDesiredDays");
    size->setCurrentText(QStringLiteral("3.52"));
    days->setCurrentText(QStringLiteral("30"));

    QVERIFY(QMetaObject::invokeMethod(window, "slotleReset"));
    QCOMPARE(size->currentText(), QString());
    QCOMPARE(days->currentText(), QString());
    QCOMPARE(size->count(), 11);
    QCOMPARE(days->count(), 5);
}

void tst_Window::validators()
{
    const QList<QIntValidator *> validators =
        window->findChildren<QIntValidator *>(QString(), Qt::FindDirectChildrenOnly);
    QCOMPARE(validators.size(), 2);
    const QValidator *sizeValidator = widget<QComboBox>(*window, "leHDDSize")->validator();
    const QValidator *daysValidator = widget<QComboBox>(*window, "leDesiredDays")->validator();
    QVERIFY(sizeValidator != daysValidator);
    for (const QIntValidator *validator : validators) {
        QVERIFY(validator == sizeValidator || validator == daysValidator);
        QCOMPARE(validator->bottom(), 0);
        QCOMPARE(validator->top(), 10000);
    }
}

void tst_Window::typing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("state");

    const int acceptable = QValidator::Acceptable;
    const int intermediate = QValidator::Intermediate;
    // clang-format off
    QTest::newRow("whole number") << "365" << "365" << acceptable;
    QTest::newRow("top") << "10000" << "10000" << acceptable;
    QTest::newRow("zero") << "0" << "0" << acceptable;
    // Five digits may still be on the way to a valid number; six never are.
    QTest::newRow("above top") << "10001" << "10001" << intermediate;
    QTest::newRow("six digits") << "123456" << "12345" << intermediate;
    QTest::newRow("far above top") << "99999" << "99999" << intermediate;
    QTest::newRow("minus sign") << "-5" << "5" << acceptable;
    QTest::newRow("decimal point") << "1.5" << "15" << acceptable;
    QTest::newRow("letters") << "abc" << "" << intermediate;
    QTest::newRow("mixed") << "1a2b3" << "123" << acceptable;
    QTest::newRow("exponent") << "1e3" << "13" << acceptable;
    QTest::newRow("space") << "1 2" << "12" << acceptable;
    // clang-format on
}

void tst_Window::typing()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, state);

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    for (const char *name : {"leHDDSize", "leDesiredDays"}) {
        auto *entry = widget<QComboBox>(*window, name);
        QTest::keyClicks(entry->lineEdit(), typed);
        QCOMPARE(entry->currentText(), shown);
        QString text = entry->currentText();
        int position = 0;
        QCOMPARE(int(entry->validator()->validate(text, position)), state);
    }
}

void tst_Window::writtenTextStays()
{
    for (const char *name : {"leHDDSize", "leDesiredDays"}) {
        auto *entry = widget<QComboBox>(*window, name);
        entry->setCurrentText(QStringLiteral("242.73"));
        QCOMPARE(entry->currentText(), QStringLiteral("242.73"));
    }
}

void tst_Window::constructorStyleSheets_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sheet");

    const QString entry = QStringLiteral(
        "QComboBox{background-color:#D8D8D8; border : 0px;} QComboBox QWidget{background-color:#D8D8D8; "
        "border: none;}QComboBox::drop-down{subcontrol-origin: padding; subcontrol-position: top right; "
        "width: 15px; border: 1px solid #9A9A9A;}QComboBox::down-arrow{image: url(:/images/arrow.png);}");
    const QString second =
        QStringLiteral("QComboBox:disabled{color:transparent;} QComboBox{background-color:#D8D8D8; border : 0px;} "
                       "QComboBox QWidget{background-color:#D8D8D8; border: none;}");

    // clang-format off
    QTest::newRow("window W1")
        << "Calculator"
        << "QComboBox::drop-down{subcontrol-origin: padding; subcontrol-position: top right; width: 15px; "
           "border: 1px solid #9A9A9A;}QComboBox::down-arrow{image: url(:/images/arrow.png);}"
           "QPushButton{border: none;}QPushButton:hover{border: 1px solid #9A9A9A;}"
           "QGroupBox{border: 1px solid #9A9A9A;}";
    QTest::newRow("leHDDSize E") << "leHDDSize" << entry;
    QTest::newRow("leDesiredDays E") << "leDesiredDays" << entry;
    QTest::newRow("cbQualitySub S1") << "cbQualitySub" << second;
    QTest::newRow("cbFpsSub S1") << "cbFpsSub" << second;
    QTest::newRow("cbResolutionSub S2")
        << "cbResolutionSub"
        << "QComboBox:disabled{color:transparent;} QComboBox{background-color:#D8D8D8; border : 0px;} "
           "QComboBox QWidget{background-color:#D8D8D8; border: none; border-top-right-radius: 3px; "
           "border-bottom-right-radius: 3px;}";
    QTest::newRow("cbQuality keeps C1") << "cbQuality"
                                        << "background-color:#D8D8D8;\ncolor: black;\nborder : 0px;\n";
    // clang-format on
}

void tst_Window::constructorStyleSheets()
{
    QFETCH(QString, name);
    QFETCH(QString, sheet);

    const QWidget *target = windowOrChild(*window, name);
    QCOMPARE(target->styleSheet(), sheet);
}

void tst_Window::arrowResource()
{
    // Nothing in this test registers resources: the image was there before main() ran.
    QVERIFY(QFile::exists(QStringLiteral(":/images/arrow.png")));
    const QImage arrow(QStringLiteral(":/images/arrow.png"));
    QCOMPARE(arrow.size(), QSize(16, 16));
    QVERIFY(arrow.hasAlphaChannel());

    const int triangle[][2] = {{6, 5}, {6, 11}, {7, 6}, {7, 10}, {8, 7}, {8, 9}, {9, 8}};
    int opaque = 0;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 16; ++x) {
            const QRgb pixel = arrow.pixel(x, y);
            if (qAlpha(pixel) == 0)
                continue;
            ++opaque;
            QCOMPARE(qAlpha(pixel), 255);
            QCOMPARE(qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)), ArrowBlue);
        }
    }
    QCOMPARE(opaque, 16);
    for (const auto &cell : triangle)
        QCOMPARE(qAlpha(arrow.pixel(cell[1], cell[0])), 255);
    QCOMPARE(qAlpha(arrow.pixel(4, 6)), 0);
    QCOMPARE(qAlpha(arrow.pixel(8, 10)), 0);

#ifdef __ELF__
    // Registered once, in format version 2; unregistering tells which collection is ours.
    qCleanupResources_hddcalc();
    QVERIFY(!QFile::exists(QStringLiteral(":/images/arrow.png")));
    QVector<int> ourVersions;
    for (const auto &[version, tree] : *registrations) {
        if (tree == cleanedTree)
            ourVersions.append(version);
    }
    QCOMPARE(ourVersions, QVector<int>{2});
    QVERIFY(qInitResources_hddcalc());
#endif
}

void tst_Window::focusChain()
{
    window->show();
    window->activateWindow(); // an X display without a window manager activates nothing itself
    QVERIFY(QTest::qWaitForWindowActive(window));
    auto *first = widget<QWidget>(*window, "cbDeviceType");
    first->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), first);

    const QStringList expected{"cbDeviceType",   "cbChannels",      "cbResolution",    "cbQuality",
                               "cbFps",          "cbQualitySub",    "cbResolutionSub", "cbFpsSub",
                               "cbCalcTogether", "pbCalculateHDD",  "leHDDSize",       "cbARH",
                               "leDesiredDays",  "pbCalculateDays", "pbClose",         "cbDeviceType"};
    QStringList visited;
    for (int step = 0; step < expected.size(); ++step) {
        QWidget *focus = QApplication::focusWidget();
        QVERIFY(focus);
        // An editable combo box's line edit holds the focus on its behalf.
        if (qobject_cast<QLineEdit *>(focus) && qobject_cast<QComboBox *>(focus->parentWidget()))
            focus = focus->parentWidget();
        visited.append(focus->objectName());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QCOMPARE(visited, expected);
}

void tst_Window::closeEndsEventLoop()
{
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto *close = widget<QPushButton>(*window, "pbClose");
    QTimer::singleShot(0, close, [close] { QTest::mouseClick(close, Qt::LeftButton); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window->isVisible());
}

// A style the user names wins over the form's; a style sheet is no style.
void tst_Window::namesStyle_data()
{
    QTest::addColumn<QByteArray>("arguments");
    QTest::addColumn<QByteArray>("override");
    QTest::addColumn<bool>("named");

    QTest::newRow("none") << QByteArray() << QByteArray() << false;
    QTest::newRow("-style fusion") << QByteArray("-style fusion") << QByteArray() << true;
    QTest::newRow("-style=fusion") << QByteArray("-style=fusion") << QByteArray() << true;
    QTest::newRow("--style=fusion") << QByteArray("--style=fusion") << QByteArray() << true;
    QTest::newRow("-style, no name") << QByteArray("-style") << QByteArray() << false;
    QTest::newRow("-stylesheet=a.qss") << QByteArray("-stylesheet=a.qss") << QByteArray() << false;
    QTest::newRow("-stylesheet a.qss") << QByteArray("-stylesheet a.qss") << QByteArray() << false;
    QTest::newRow("QT_STYLE_OVERRIDE") << QByteArray() << QByteArray("fusion") << true;
}

void tst_Window::namesStyle()
{
    QFETCH(QByteArray, arguments);
    QFETCH(QByteArray, override);
    QFETCH(bool, named);

    QList<QByteArray> words = ("hddcalc " + arguments).trimmed().split(' ');
    QVector<char *> argv;
    for (QByteArray &word : words)
        argv.append(word.data());
    const QByteArray saved = qgetenv("QT_STYLE_OVERRIDE");
    qputenv("QT_STYLE_OVERRIDE", override);
    const bool result = ::namesStyle(argv.size(), argv.data());
    qputenv("QT_STYLE_OVERRIDE", saved);
    QCOMPARE(result, named);
}

HDDCALC_TEST_MAIN(tst_Window)
#include "tst_window.moc"
