#ifndef FORMLOOK_H
#define FORMLOOK_H

// The form's pixel sizes were laid out for 96 dpi, an 8-point font with Arial's
// metrics and the classic Windows style's metrics. These make it look that way
// on every screen and desktop.

// Before the application object exists: scale the whole window with the
// screen's logical DPI (125 %, 150 %, ...) rather than only its fonts. A user's
// own Qt scaling variables still win.
void scaleWithScreen();

// Whether the command line asks Qt for a style (-style NAME, -style=NAME); it
// then wins over the form's. Read before the application object consumes it.
bool namesStyle(int argc, char **argv);

// After the application object exists and before the window is built: the
// form's font and style, except on Windows, which keeps its own of both.
void applyFormLook(bool styleNamed = false);

#endif // FORMLOOK_H
