#include "app/startup.h"

#include "app/FormStyle.h"
#include "app/formlook.h"

#include <QApplication>
#include <QByteArray>
#include <QFont>
#include <QPalette>

namespace {

// Before the application object exists: scale the whole window with the
// screen's logical DPI (125 %, 150 %, ...) rather than only its fonts. A user's
// own Qt scaling variables still win.
void scaleWithScreen()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling); // always on from Qt 6
#endif
    // 125 % must scale by 1.25, not by a rounded 1 or 2.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
}

// The form's style, font and colours, except on Windows, which keeps its own
// style and font. A style the user named stays, with the form's mends
// (FormStyle). The window holds the font and colours itself as well, but the
// sheets take each styled widget's font and colours from the application's.
void applyFormLook(bool styleNamed)
{
#ifdef Q_OS_WIN
    Q_UNUSED(styleNamed)
#else
    // The application owns the new style, which owns the one it wraps.
    QApplication::setStyle(styleNamed ? new FormStyle(QApplication::style()) : new FormStyle);
    QApplication::setFont(formFont());
    QApplication::setPalette(formPalette());
#endif
}

} // namespace

// The same test as QApplication's own parsing, which also takes "--style".
bool namesStyle(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        QByteArray argument(argv[i]);
        if (argument.startsWith("--"))
            argument.remove(0, 1);
        if (argument.startsWith("-style=") || (argument == "-style" && i + 1 < argc))
            return true;
    }
    return !qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE");
}

std::unique_ptr<QApplication> startApplication(int &argc, char **argv)
{
    scaleWithScreen();
    // Read before the application object takes its options off the command line.
    const bool styleNamed = namesStyle(argc, argv);
    auto app = std::make_unique<QApplication>(argc, argv);
    // The desktop entry's name: on Wayland the window's application id, by
    // which the desktop shows it with the entry's icon and name.
    QGuiApplication::setDesktopFileName(QStringLiteral(HDDCALC_APP_ID));
    // A desktop's theme queues its own font, palette and style as the
    // application object is made; they go first, so that the form's win.
    QCoreApplication::processEvents();
    applyFormLook(styleNamed);
    return app;
}
