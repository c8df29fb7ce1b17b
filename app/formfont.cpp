#include "app/formfont.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

void applyFormFont()
{
#ifndef Q_OS_WIN
    constexpr int PointSize = 8;
    const QString metricCompatible = QStringLiteral("Liberation Sans");
    if (QFontDatabase().hasFamily(metricCompatible)) {
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
