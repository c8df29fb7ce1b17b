#ifndef FORMLOOK_H
#define FORMLOOK_H

class QFont;
class QPalette;

// The form's pixel sizes were laid out for 96 dpi, an 8-point font with Arial's
// metrics and the classic Windows style's metrics. These make it look that way
// on every screen and desktop.

// The form's font: Liberation Sans (Arial's metrics) at 8 points, or the
// platform's family narrowed; Windows' own font on Windows.
QFont formFont();

// The colours the form was designed in, light behind the sheets' black text,
// whatever palette the desktop hands over; the window sets them on itself, so
// that a later change of the desktop's colours leaves them.
QPalette formPalette();

#endif // FORMLOOK_H
