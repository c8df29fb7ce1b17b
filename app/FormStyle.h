#ifndef FORMSTYLE_H
#define FORMSTYLE_H

#include <QProxyStyle>

// By default Qt's classic "Windows" style, whose metrics the form's sizes were
// laid out for: Fusion makes the form a pixel taller than its maximum and,
// under the group boxes' transparent background, draws no check box frame at
// all. Over a style the user named instead, it keeps that style and mends
// just those two things. In either, a focused read-only combo box keeps its
// dark text, since the style sheets colour its field grey rather than with the
// selection colour, and a text the sheets made transparent leaves no shadow.
class FormStyle : public QProxyStyle
{
    Q_OBJECT

public:
    FormStyle();
    explicit FormStyle(QStyle *named); // takes ownership

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawItemText(QPainter *painter, const QRect &rect, int flags, const QPalette &palette, bool enabled,
                      const QString &text, QPalette::ColorRole textRole = QPalette::NoRole) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override;

private:
    bool classic;
};

#endif // FORMSTYLE_H
