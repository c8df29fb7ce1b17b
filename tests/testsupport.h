#ifndef TESTSUPPORT_H
#define TESTSUPPORT_H

#include <QImage>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QSize>
#include <QStringList>
#include <QTimer>
#include <QTransform>
#include <QVector>

#include "app/startup.h"

class QCheckBox;
class QComboBox;
class QWidget;

// The colour of the combo boxes' arrow image.
inline constexpr QRgb ArrowBlue = qRgb(3, 53, 134);

// Finds a widget of the window by its object name; fails the test when it is missing.
template<class T>
T *widget(const QObject &window, const char *name)
{
    T *found = window.findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no widget named %s", name);
    return found;
}

// The pixels of a widget's grab that lie in its logical rectangle area.
template<class Test>
int countPixels(const QImage &image, const QRectF &area, Test test)
{
    const QRect pixels = QTransform::fromScale(image.devicePixelRatio(), image.devicePixelRatio())
                             .mapRect(area)
                             .toAlignedRect()
                             .intersected(image.rect());
    int count = 0;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            count += test(image.pixel(x, y)) ? 1 : 0;
    }
    return count;
}

// WCAG 2's contrast of two colours: 4.5 is the least for text, 3 for other parts.
double contrast(QRgb first, QRgb second);

// The most common colour in an area of a grab: what its text or mark is drawn on.
QRgb background(const QImage &image, const QRectF &area);

// The contrast of the text in an area: its strongest pixel against the background.
double textContrast(const QImage &image, const QRectF &area);

// QTEST_MAIN, but with the application started as main() starts it.
#define HDDCALC_TEST_MAIN(TestObject)                  \
    int main(int argc, char *argv[])                   \
    {                                                  \
        const auto app = startApplication(argc, argv); \
        TestObject test;                               \
        QTEST_SET_MAIN_SOURCE_PATH                     \
        return runTest(test, argc, argv);              \
    }

// QTest::qExec, which also drops the offscreen platform's notes that it cannot
// raise windows, grab the keyboard or pass size hints to a window system it
// does not have.
int runTest(QObject &test, int argc, char **argv);

// The window itself where a data row names it by its object name, else its child of that name.
const QWidget *windowOrChild(const QWidget &window, const QString &name);

QComboBox *combo(const QObject &window, const char *name);

QStringList itemTexts(const QComboBox *combo);

// Where the check box draws its box, in its own coordinates.
QRect checkIndicator(const QCheckBox *check);

// The model list offers one device family; two more entries reach families 1 and 2.
void offerAllFamilies(const QObject &window);

// Selects the entry with the given text, as a user picking it from the list would.
void choose(QComboBox *combo, const QString &text);

// Closes every modal box that opens while it lives, with its default button, and
// remembers what the boxes said.
class ModalCloser : public QObject
{
    Q_OBJECT
public:
    ModalCloser();

    int closed = 0;
    QString lastTitle;
    QString lastInformativeText;
    int lastWidth = 0;
    QSize lastWidener; // the spacer in the box layout's last row, if any

private:
    void closeActiveModal();
    QTimer poll;
};

// Records, in order, every currentIndexChanged(int) of every combo box in the
// application from the moment it exists, as "objectName:index". Installed before
// a window is built, it shows what ran while the window was constructed.
class IndexChangeTrace : public QObject
{
    Q_OBJECT
public:
    IndexChangeTrace();
    ~IndexChangeTrace() override;

    // Also records the combo boxes that exist already below root.
    void watch(const QObject &root);
    QStringList entries() const;
    void clear() { changes.clear(); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void hook(QComboBox *combo);

    struct Change
    {
        QPointer<QComboBox> combo;
        int index;
    };
    QVector<Change> changes;
    QSet<QObject *> hooked;
};

#endif // TESTSUPPORT_H
