// The real executable on a real X display: starts hddcalc, takes a screenshot of
// its window from the X server and looks at the pixels. Run under xvfb-run.
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QtTest>

#include "testsupport.h"

namespace {

const QRgb NoteRed = qRgb(0xFD, 0x52, 0x52);

// The connected groups of pixels of one colour, as their bounding boxes and sizes.
struct Blob
{
    QRect box;
    int pixels = 0;
};

QVector<Blob> blobsOf(const QImage &image, QRgb colour)
{
    QVector<Blob> blobs;
    QVector<bool> seen(image.width() * image.height());
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (seen[y * image.width() + x] || (image.pixel(x, y) & 0xffffff) != (colour & 0xffffff))
                continue;
            Blob blob;
            QVector<QPoint> todo{QPoint(x, y)};
            seen[y * image.width() + x] = true;
            while (!todo.isEmpty()) {
                const QPoint p = todo.takeLast();
                blob.box |= QRect(p, QSize(1, 1));
                ++blob.pixels;
                for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint n = p + step;
                    if (!image.rect().contains(n) || seen[n.y() * image.width() + n.x()]
                        || (image.pixel(n) & 0xffffff) != (colour & 0xffffff))
                        continue;
                    seen[n.y() * image.width() + n.x()] = true;
                    todo.append(n);
                }
            }
            blobs.append(blob);
        }
    }
    return blobs;
}

// The geometry of the top-level window with the given title, as the X server has it.
QRect windowGeometry(const QString &title)
{
    QProcess info;
    info.start(QStringLiteral("xwininfo"), {QStringLiteral("-name"), title});
    if (!info.waitForFinished(5000) || info.exitCode() != 0)
        return QRect();
    const QString out = QString::fromLocal8Bit(info.readAllStandardOutput());
    const auto field = [&out](const char *name) {
        const QRegularExpression line(QStringLiteral("%1:\\s+(-?\\d+)").arg(QLatin1String(name)));
        return line.match(out).captured(1).toInt();
    };
    return QRect(field("Absolute upper-left X"), field("Absolute upper-left Y"), field("Width"), field("Height"));
}

} // namespace

class tst_Screen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void windowSize();
    void arrowOnEveryComboBox();
    void noteInRed();
    void nothingCutOff();
    void classOfDesktopEntry();
    void closesWithStatusZero();

private:
    QProcess program;
    QRect geometry;
    QImage shot;
};

void tst_Screen::initTestCase()
{
    const QString executable = qEnvironmentVariable("HDDCALC_EXECUTABLE");
    QVERIFY2(QFile::exists(executable), "HDDCALC_EXECUTABLE names no program");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    program.setProcessEnvironment(environment);
    program.start(executable, QStringList());
    QVERIFY(program.waitForStarted());

    QTRY_VERIFY_WITH_TIMEOUT(!(geometry = windowGeometry(QStringLiteral("Calculator"))).isEmpty(), 20000);
    // Painted once every combo box shows its arrow.
    QScreen *screen = QGuiApplication::primaryScreen();
    QTRY_VERIFY_WITH_TIMEOUT(
        blobsOf(shot = screen->grabWindow(0, geometry.x(), geometry.y(), geometry.width(), geometry.height()).toImage(),
                ArrowBlue)
                .size()
            >= 11,
        20000);
    const QString saveAs = qEnvironmentVariable("HDDCALC_SCREENSHOT");
    if (!saveAs.isEmpty())
        QVERIFY(shot.save(saveAs));
}

void tst_Screen::cleanupTestCase()
{
    if (program.state() == QProcess::NotRunning)
        return;
    program.kill();
    program.waitForFinished(5000);
}

void tst_Screen::windowSize()
{
    QCOMPARE(geometry.width(), 510);
    QVERIFY2(geometry.height() <= 440, qPrintable(QString::number(geometry.height())));
    QCOMPARE(shot.size(), geometry.size());
}

// Every combo box draws the whole 7-5-3-1 triangle, once.
void tst_Screen::arrowOnEveryComboBox()
{
    const QVector<Blob> arrows = blobsOf(shot, ArrowBlue);
    QCOMPARE(arrows.size(), 11);
    for (const Blob &arrow : arrows) {
        QCOMPARE(arrow.pixels, 16);
        QCOMPARE(arrow.box.size(), QSize(7, 4));
        QCOMPARE(shot.pixel(arrow.box.center().x(), arrow.box.bottom()) & 0xffffff, ArrowBlue & 0xffffff);
        QVERIFY(shot.rect().adjusted(0, 0, -11, -11).contains(arrow.box));
    }
}

void tst_Screen::noteInRed()
{
    QRect note;
    int pixels = 0;
    for (const Blob &letter : blobsOf(shot, NoteRed)) {
        note |= letter.box;
        pixels += letter.pixels;
    }
    QVERIFY2(pixels > 300, qPrintable(QString::number(pixels)));
    // One line, 13 px text in its 20 px row, below the stream boxes.
    QVERIFY(note.height() <= 16);
    QVERIFY(note.top() > shot.height() / 3);
    QVERIFY(note.bottom() < shot.height() * 2 / 3);
    QVERIFY(note.left() >= 11);
}

// The window lies whole on the screen, and the sentence ends before its edge.
void tst_Screen::nothingCutOff()
{
    QVERIFY(QGuiApplication::primaryScreen()->geometry().contains(geometry));
    QRect note;
    for (const Blob &letter : blobsOf(shot, NoteRed))
        note |= letter.box;
    QVERIFY2(!note.isNull(), "no red note on the screen");
    QVERIFY2(note.right() < shot.width() - 11, qPrintable(QString::number(note.right())));
}

// A desktop matches the window to its desktop entry by the window's class.
void tst_Screen::classOfDesktopEntry()
{
    QFile entry(qEnvironmentVariable("HDDCALC_DESKTOP_ENTRY"));
    QVERIFY2(entry.open(QIODevice::ReadOnly), "HDDCALC_DESKTOP_ENTRY names no desktop entry");
    const QRegularExpression key(QStringLiteral("^StartupWMClass=(.+)$"), QRegularExpression::MultilineOption);
    const QString startupClass = key.match(QString::fromUtf8(entry.readAll())).captured(1);
    QProcess xprop;
    xprop.start(QStringLiteral("xprop"),
                {QStringLiteral("-name"), QStringLiteral("Calculator"), QStringLiteral("WM_CLASS")});
    QVERIFY(xprop.waitForFinished(5000));
    // WM_CLASS(STRING) = "instance", "class"
    const QString classes = QString::fromLatin1(xprop.readAllStandardOutput());
    QVERIFY2(!startupClass.isEmpty(), "the desktop entry has no StartupWMClass");
    QCOMPARE(classes.section(QLatin1Char('"'), 3, 3), startupClass);
}

// As a user would: focus the window, step back from the first field to "Close"
// and press it.
void tst_Screen::closesWithStatusZero()
{
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--name"), QStringLiteral("^Calculator$")});
    QVERIFY2(search.waitForFinished(5000) && search.exitCode() == 0, "xdotool finds no window");
    const QString id = QString::fromLatin1(search.readAllStandardOutput()).split(QLatin1Char('\n')).first();
    QCOMPARE(
        QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), id}), 0);
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"),
                               {QStringLiteral("key"), QStringLiteral("--clearmodifiers"), QStringLiteral("shift+Tab"),
                                QStringLiteral("space")}),
             0);
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    if (program.exitCode() != 0)
        qWarning("%s", program.readAllStandardError().constData());
    QCOMPARE(program.exitCode(), 0);
}

QTEST_MAIN(tst_Screen)
#include "tst_screen.moc"
