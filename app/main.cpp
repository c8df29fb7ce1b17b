#include "app/Calculator.h"
#include "app/formfont.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    applyFormFont();
    Calculator window;
    window.show();
    return app.exec();
}
