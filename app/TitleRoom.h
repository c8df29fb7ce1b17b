#ifndef TITLEROOM_H
#define TITLEROOM_H

#include <QObject>

class QWidget;

// Keeps every group box of a window at the contents margins of a titled box
// in the classic style: the style's frame on each side and the title's height
// above. The window's sheet draws a border round each group box, and a box laid
// out by that border alone leaves its title no room; a box lays itself out
// again each time it is re-polished (the sheet set after the box was made, a
// desktop's theme changing its colours or font). Styles the user names keep
// the same room for the title, so that the window keeps its size in them too.
class TitleRoom : public QObject
{
public:
    explicit TitleRoom(QWidget *window); // a child of the window

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

#endif // TITLEROOM_H
