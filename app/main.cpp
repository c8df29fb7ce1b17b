#include "app/Calculator.h"
#include "app/formlook.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    scaleWithScreen();
    const bool styleNamed = namesStyle(argc, argv);
    QApplication app(argc, argv);
    applyFormLook(styleNamed);
    Calculator window;
    window.show();
    return app.exec();
}
