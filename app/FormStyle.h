#ifndef FORMSTYLE_H
#define FORMSTYLE_H

#include <QProxyStyle>

// Qt's classic "Windows" style, whose metrics the form's sizes were laid out
// for: Fusion makes the form a pixel taller than its maximum and, under the
// group boxes' transparent background, draws no check box frame at all. The
// one change: a focused read-only combo box keeps its dark text, since the
// style sheets colour its field grey rather than with the selection colour.
class FormStyle : public QProxyStyle
{
    Q_OBJECT

public:
    FormStyle();

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
};

#endif // FORMSTYLE_H
