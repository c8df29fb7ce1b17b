#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHash>
#include <QMessageBox>
#include <QStyleOptionButton>
#include <QtTest>

#include <cmath>

namespace {

QtMessageHandler toolkitHandler = nullptr;

void dropPlatformNotes(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type == QtWarningMsg && message.startsWith(QLatin1String("This plugin does not support ")))
        return;
    toolkitHandler(type, context, message);
}

} // namespace

// WCAG 2's contrast of two colours: 4.5 is the least for text, 3 for other parts.
double contrast(QRgb first, QRgb second)
{
    const auto luminance = [](QRgb colour) {
        const auto linear = [](int channel) {
            const double value = channel / 255.0;
            return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) + 0.0722 * linear(qBlue(colour));
    };
    const double a = luminance(first) + 0.05;
    const double b = luminance(second) + 0.05;
    return a > b ? a / b : b / a;
}

QRgb background(const QImage &image, const QRectF &area)
{
    QHash<QRgb, int> counts;
    countPixels(image, area, [&counts](QRgb pixel) { return ++counts[pixel] > 0; });
    QRgb common = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > counts.value(common))
            common = it.key();
    }
    return common;
}

double textContrast(const QImage &image, const QRectF &area)
{
    const QRgb behind = background(image, area);
    double strongest = 1;
    countPixels(image, area, [&](QRgb pixel) {
        strongest = qMax(strongest, contrast(pixel, behind));
        return true;
    });
    return strongest;
}

int runTest(QObject &test, int argc, char **argv)
{
    QTest::qInit(&test, argc, argv);
    // In front of the test log's own handler, which qInit installs.
    toolkitHandler = qInstallMessageHandler(dropPlatformNotes);
    const int failures = QTest::qRun();
    QTest::qCleanup();
    return failures;
}

const QWidget *windowOrChild(const QWidget &window, const QString &name)
{
    if (name == window.objectName())
        return &window;
    return widget<QWidget>(window, qPrintable(name));
}

QComboBox *combo(const QObject &window, const char *name)
{
    return widget<QComboBox>(window, name);
}

QRect checkIndicator(const QCheckBox *check)
{
    QStyleOptionButton option;
    option.initFrom(check);
    return check->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check);
}

QStringList itemTexts(const QComboBox *combo)
{
    QStringList texts;
    for (int i = 0; i < combo->count(); ++i)
        texts.append(combo->itemText(i));
    return texts;
}

void offerAllFamilies(const QObject &window)
{
    auto *device = widget<QComboBox>(window, "cbDeviceType");
    device->addItem(QStringLiteral("family 1"));
    device->addItem(QStringLiteral("family 2"));
}

void choose(QComboBox *combo, const QString &text)
{
    const int index = combo->findText(text);
    if (index < 0)
        qFatal("%s offers no %s", qPrintable(combo->objectName()), qPrintable(text));
    combo->setCurrentIndex(index);
}

ModalCloser::ModalCloser()
{
    connect(&poll, &QTimer::timeout, this, &ModalCloser::closeActiveModal);
    poll.start(5);
}

void ModalCloser::closeActiveModal()
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box || !box->isVisible())
        return;
    ++closed;
    lastTitle = box->windowTitle();
    lastInformativeText = box->informativeText();
    lastWidth = box->width();
    lastWidener = QSize();
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout())) {
        for (int i = 0; i < grid->count(); ++i) {
            int row, column, rowSpan, columnSpan;
            grid->getItemPosition(i, &row, &column, &rowSpan, &columnSpan);
            QSpacerItem *spacer = grid->itemAt(i)->spacerItem();
            if (spacer && row == grid->rowCount() - 1 && column == 0 && columnSpan == grid->columnCount())
                lastWidener = spacer->sizeHint();
        }
    }
    if (QAbstractButton *ok = box->button(QMessageBox::Ok))
        ok->click();
    else
        box->reject();
}

IndexChangeTrace::IndexChangeTrace()
{
    qApp->installEventFilter(this);
}

IndexChangeTrace::~IndexChangeTrace()
{
    qApp->removeEventFilter(this);
}

// A combo box gets its first event (its style sheet, in this window) before the
// window fills it, so hooking it there sees every change of its index.
bool IndexChangeTrace::eventFilter(QObject *watched, QEvent *)
{
    if (auto *combo = qobject_cast<QComboBox *>(watched))
        hook(combo);
    return false;
}

void IndexChangeTrace::watch(const QObject &root)
{
    for (QComboBox *combo : root.findChildren<QComboBox *>())
        hook(combo);
}

void IndexChangeTrace::hook(QComboBox *combo)
{
    if (hooked.contains(combo))
        return;
    hooked.insert(combo);
    connect(combo, &QObject::destroyed, this, [this, combo] { hooked.remove(combo); });
    const auto record = [this, combo](int index) { changes.append({combo, index}); };
    connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this, record);
}

QStringList IndexChangeTrace::entries() const
{
    QStringList list;
    for (const Change &change : changes) {
        const QString name = change.combo ? change.combo->objectName() : QStringLiteral("(gone)");
        list.append(name + QLatin1Char(':') + QString::number(change.index));
    }
    return list;
}
