#include "app/FormStyle.h"

#include <QPainter>
#include <QStyleOptionComboBox>

FormStyle::FormStyle()
    : QProxyStyle(QStringLiteral("Windows"))
    , classic(true)
{
}

FormStyle::FormStyle(QStyle *named)
    : QProxyStyle(named)
    , classic(false)
{
}

void FormStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                            const QWidget *widget) const
{
    const auto *combo = qstyleoption_cast<const QStyleOptionComboBox *>(option);
    if (element != CE_ComboBoxLabel || !combo || !(combo->state & State_HasFocus)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    // The style would draw a focused box's text in the selection's text colour.
    QStyleOptionComboBox focused(*combo);
    focused.palette.setBrush(QPalette::HighlightedText, combo->palette.text());
    QProxyStyle::drawControl(element, &focused, painter, widget);
}

// The group boxes' sheet makes the window, base and button colours
// transparent, and other styles draw the box's outline in a shade of those.
// The classic style's frame uses the shadow colours the sheet leaves alone.
void FormStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    QProxyStyle::drawPrimitive(element, option, painter, widget);
    if (classic || element != PE_IndicatorCheckBox)
        return;
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(option->palette.color(QPalette::Shadow));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

// The second-stream sheets hide a disabled box's text by making its colour
// transparent; the classic style would still etch it in the light colour below.
void FormStyle::drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette,
                             bool enabled, const QString &text, QPalette::ColorRole textRole) const
{
    const QColor colour = textRole == QPalette::NoRole ? painter->pen().color() : palette.color(textRole);
    if (!enabled && colour.alpha() == 0)
        return;
    QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, textRole);
}

// Fusion's size grip, and some others', is 17 pixels where the classic one is
// 13: the status bar would take 4 pixels from the form, or make the window taller.
QSize FormStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                  const QWidget *widget) const
{
    if (type == CT_SizeGrip && !classic)
        return size;
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}
