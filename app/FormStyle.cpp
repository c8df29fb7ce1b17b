#include "app/FormStyle.h"

#include <QStyleOptionComboBox>

FormStyle::FormStyle()
    : QProxyStyle(QStringLiteral("Windows"))
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
