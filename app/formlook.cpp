#include "app/formlook.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QPalette>
#include <QStringList>

#ifndef Q_OS_WIN
namespace {

QFont chooseFormFont()
{
    QFont platform = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    constexpr int PointSize = 8;
    const QString metricCompatible = QStringLiteral("Liberation Sans");
    // The installed families by name: hasFamily() would first ask fontconfig
    // for an alias, a look-up that costs the start-up about 1 % for a name
    // that is no alias.
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    const QStringList families = QFontDatabase::families();
#else
    const QStringList families = QFontDatabase().families();
#endif
    const bool hasMetricCompatible = families.contains(metricCompatible, Qt::CaseInsensitive);
    if (hasMetricCompatible)
        return QFont(metricCompatible, PointSize);
    // Without Arial's metrics, narrow the platform's own family instead.
    platform.setPointSize(PointSize);
    platform.setStretch(QFont::SemiCondensed);
    return platform;
}

} // namespace
#endif

QFont formFont()
{
#ifdef Q_OS_WIN
    return QApplication::font();
#else
    // Chosen once: the look-up loads the font database, and the start-up asks twice.
    static const QFont chosen = chooseFormFont();
    return chosen;
#endif
}

namespace {

struct RoleColours
{
    QPalette::ColorRole role;
    QRgb normal; // active and inactive
    QRgb disabled;
};

// Qt's own light palette on a desktop that sets none, which the form was laid out in.
// clang-format off
constexpr RoleColours FormColours[] = {
    {QPalette::WindowText, 0xff000000, 0xffbebebe},
    {QPalette::Button, 0xffefefef, 0xffefefef},
    {QPalette::Light, 0xffffffff, 0xffffffff},
    {QPalette::Midlight, 0xffcacaca, 0xffcacaca},
    {QPalette::Dark, 0xff9f9f9f, 0xffbebebe},
    {QPalette::Mid, 0xffb8b8b8, 0xffb8b8b8},
    {QPalette::Text, 0xff000000, 0xffbebebe},
    {QPalette::BrightText, 0xffffffff, 0xffffffff},
    {QPalette::ButtonText, 0xff000000, 0xffbebebe},
    {QPalette::Base, 0xffffffff, 0xffefefef},
    {QPalette::Window, 0xffefefef, 0xffefefef},
    {QPalette::Shadow, 0xff767676, 0xffb1b1b1},
    {QPalette::Highlight, 0xff308cc6, 0xff919191},
    {QPalette::HighlightedText, 0xffffffff, 0xffffffff},
    {QPalette::Link, 0xff0000ff, 0xff0000ff},
    {QPalette::LinkVisited, 0xffff00ff, 0xffff00ff},
    {QPalette::AlternateBase, 0xfff7f7f7, 0xfff7f7f7},
    {QPalette::ToolTipBase, 0xffffffdc, 0xffffffdc},
    {QPalette::ToolTipText, 0xff000000, 0xff000000},
    {QPalette::PlaceholderText, 0x80000000, 0x80000000},
};
// clang-format on

} // namespace

QPalette formPalette()
{
    QPalette palette;
    for (const RoleColours &colours : FormColours) {
        palette.setColor(QPalette::Active, colours.role, QColor::fromRgba(colours.normal));
        palette.setColor(QPalette::Inactive, colours.role, QColor::fromRgba(colours.normal));
        palette.setColor(QPalette::Disabled, colours.role, QColor::fromRgba(colours.disabled));
    }
    return palette;
}
