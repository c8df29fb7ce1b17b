#ifndef FORMFONT_H
#define FORMFONT_H

// The form's pixel sizes were laid out for an 8-point font with Arial's metrics;
// Linux desktops default to wider fonts, which would cut texts and enlarge the
// window. Sets the application font to match, except on Windows, which keeps its
// own. Call after the application object exists and before the window is built.
void applyFormFont();

#endif // FORMFONT_H
