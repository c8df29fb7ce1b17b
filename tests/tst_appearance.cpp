// How the window looks with the font it starts with: its size, every text
// whole in the room its widget gives it, and the arrow on every combo box.
// Registered with the machine's fonts, without Liberation Sans, and on X11.
#include "app/Calculator.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>
#include <QTextDocument>
#include <QtTest>

#include "testsupport.h"

namespace {

const QRgb ArrowBlue = qRgb(3, 53, 134);

bool hasArrowPixel(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixel(x, y) == ArrowBlue)
                return true;
        }
    }
    return false;
}

QStyleOptionComboBox comboOption(const QComboBox *combo)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    option.currentText = combo->currentText();
    option.subControls = QStyle::SC_All;
    return option;
}

} // namespace

class tst_Appearance : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { startLikeMain(); }
    void init();
    void cleanup();

    void formFont();
    void fitsItsFont();
    void nothingCutOff();
    void cannotGrow();
    void arrowOnEveryComboBox();

private:
    Calculator *window = nullptr;
};

void tst_Appearance::init()
{
    window = new Calculator;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void tst_Appearance::cleanup()
{
    delete window;
    window = nullptr;
}

// EXPECTED_FONT_FAMILY names the family the registration's fonts leave.
void tst_Appearance::formFont()
{
    const QString expected = qEnvironmentVariable("EXPECTED_FONT_FAMILY", QStringLiteral("Liberation Sans"));
    const QFont font = QApplication::font();
    QCOMPARE(font.pointSize(), 8);
    QCOMPARE(QFontInfo(font).family(), expected);
    const bool fallback = expected != QLatin1String("Liberation Sans");
    QCOMPARE(font.stretch() == QFont::SemiCondensed, fallback);
    QCOMPARE(widget<QComboBox>(*window, "cbResolution")->font(), font);
}

void tst_Appearance::fitsItsFont()
{
    QCOMPARE(window->width(), 510);
    QVERIFY2(window->height() <= 440, qPrintable(QString::number(window->height())));
    QCOMPARE(widget<QLabel>(*window, "label")->height(), 20);
    QCOMPARE(widget<QLabel>(*window, "lbHddUnit")->size(), QSize(30, 25));
}

// Each text must have the room its widget gives it, for every entry a list offers.
void tst_Appearance::nothingCutOff()
{

    for (QComboBox *combo : window->findChildren<QComboBox *>()) {
        const QStyleOptionComboBox option = comboOption(combo);
        const QRect room = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, combo);
        for (const QString &text : itemTexts(combo)) {
            const int advance = combo->fontMetrics().horizontalAdvance(text);
            QVERIFY2(advance <= room.width(),
                     qPrintable(QStringLiteral("%1: \"%2\" needs %3, has %4")
                                    .arg(combo->objectName(), text)
                                    .arg(advance)
                                    .arg(room.width())));
        }
        QVERIFY2(combo->fontMetrics().height() <= room.height(), qPrintable(combo->objectName()));
    }
    for (QLabel *label : window->findChildren<QLabel *>()) {
        QTextDocument document;
        document.setHtml(label->text());
        const QString text = document.toPlainText();
        const QRect room = label->contentsRect();
        QVERIFY2(label->fontMetrics().horizontalAdvance(text) <= room.width(),
                 qPrintable(label->objectName()));
        QVERIFY2(label->fontMetrics().height() <= room.height(), qPrintable(label->objectName()));
    }
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= room.width(),
                 qPrintable(button->objectName()));
    }
    auto *check = widget<QCheckBox>(*window, "cbCalcTogether");
    QStyleOptionButton checkOption;
    checkOption.initFrom(check);
    checkOption.text = check->text();
    const QRect checkRoom =
        check->style()->subElementRect(QStyle::SE_CheckBoxContents, &checkOption, check);
    QVERIFY(check->fontMetrics().horizontalAdvance(check->text()) <= checkRoom.width());
    for (QGroupBox *box : window->findChildren<QGroupBox *>()) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel;
        const QRect title =
            box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
        QVERIFY2(box->rect().contains(title), qPrintable(box->objectName()));
    }
}

void tst_Appearance::cannotGrow()
{
    const QSize opened = window->size();
    window->resize(800, 700);
    QCOMPARE(window->size(), opened);
    QVERIFY(window->width() <= 510);
}

void tst_Appearance::arrowOnEveryComboBox()
{
    const QList<QComboBox *> combos = window->findChildren<QComboBox *>();
    QCOMPARE(combos.size(), 11);
    for (QComboBox *combo : combos) {
        const QImage image = combo->grab().toImage();
        const QStyleOptionComboBox option = comboOption(combo);
        const QRect arrowArea =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, combo);
        QCOMPARE(arrowArea.width(), 15 + 2); // inside a 1 px border
        QVERIFY2(hasArrowPixel(image, arrowArea), qPrintable(combo->objectName()));
        QVERIFY2(!hasArrowPixel(image, QRect(0, 0, arrowArea.left(), image.height())),
                 qPrintable(combo->objectName()));
    }
}

QTEST_MAIN(tst_Appearance)
#include "tst_appearance.moc"
