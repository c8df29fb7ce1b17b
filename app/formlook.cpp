#include "app/formlook.h"

#include "app/FormStyle.h"

#include <QApplication>
#include <QByteArray>
#include <QFont>
#include <QFontDatabase>

void scaleWithScreen()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QCoreApplication::setAttribute(Qt::AA_EnableHighDpiScaling); // always on from Qt 6
#endif
#if QT_VERSION >= QT_VERSION_CHECK(5, 14, 0)
    // 125 % must scale by 1.25, not by a rounded 1 or 2; before 5.14 Qt rounds.
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
#endif
}

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
    return false;
}

void applyFormLook(bool styleNamed)
{
#ifdef Q_OS_WIN
    Q_UNUSED(styleNamed)
#else
    if (!styleNamed && qEnvironmentVariableIsEmpty("QT_STYLE_OVERRIDE"))
        QApplication::setStyle(new FormStyle); // the application owns it

    constexpr int PointSize = 8;
    const QString metricCompatible = QStringLiteral("Liberation Sans");
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const bool hasMetricCompatible = QFontDatabase::hasFamily(metricCompatible);
#else
    const bool hasMetricCompatible = QFontDatabase().hasFamily(metricCompatible);
#endif
    if (hasMetricCompatible) {
        QApplication::setFont(QFont(metricCompatible, PointSize));
        return;
    }
    // Without Arial's metrics, narrow the platform's own family instead.
    QFont fallback = QApplication::font();
    fallback.setPointSize(PointSize);
    fallback.setStretch(QFont::SemiCondensed);
    QApplication::setFont(fallback);
#endif
}
