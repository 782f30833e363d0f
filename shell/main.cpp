#include "form1.h"
#include "systemplatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    const std::unique_ptr<Platform> platform = systemPlatform();
    (new Form1(*platform))->showCentred();
    return application.exec();
}
