#ifndef STARTUP_H
#define STARTUP_H

#include <memory>

class QApplication;

// How hddcalc starts, up to building its window: the whole window scaled with
// the screen, the application object, then the form's style (or the one the
// user names) and font. main(), the start-up benchmark and the tests all start
// this way. argc must outlive the application object.
std::unique_ptr<QApplication> startApplication(int &argc, char **argv);

// Whether the user asks Qt for a style, on the command line (-style NAME,
// -style=NAME) or in QT_STYLE_OVERRIDE; it then wins over the form's. Read
// before the application object consumes the command line.
bool namesStyle(int argc, char **argv);

#endif // STARTUP_H
