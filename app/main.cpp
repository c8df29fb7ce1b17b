#include "app/Calculator.h"
#include "app/startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    const std::unique_ptr<QApplication> app = startApplication(argc, argv);
    Calculator window;
    window.show();
    return app->exec();
}
