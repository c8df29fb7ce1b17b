#include "app/TitleRoom.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QtMath>

namespace {

// The frame's width of the style the window is built in, beneath the sheets,
// on every side, and the title's height above.
void keepTitleRoom(QGroupBox *box)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame;
    const QRect contents =
        QApplication::style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxContents, box);
    const int frame = contents.left() - option.rect.left();
    // The title's ascent and descent, each in whole pixels as a hinted font has
    // them (Qt 5); Qt 6 rounds their sum instead, a pixel less at the form's size.
    const QFontMetricsF metrics(box->font());
    const int title = box->title().isEmpty() ? 0 : qCeil(metrics.ascent()) + qCeil(metrics.descent());
    // Setting the same margins again does nothing, so this ends the second time round.
    box->setContentsMargins(frame, frame + title, frame, frame);
}

} // namespace

TitleRoom::TitleRoom(QWidget *window)
    : QObject(window)
{
    const QList<QGroupBox *> boxes = window->findChildren<QGroupBox *>();
    for (QGroupBox *box : boxes) {
        box->installEventFilter(this);
        keepTitleRoom(box);
    }
}

bool TitleRoom::eventFilter(QObject *watched, QEvent *event)
{
    // A box that lays itself out again sets its margins, which sends this event.
    if (event->type() == QEvent::ContentsRectChange)
        keepTitleRoom(static_cast<QGroupBox *>(watched));
    return false;
}
