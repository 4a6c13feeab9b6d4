#include <QApplication>

#include "toolkit/WSapplication.h"
#include "toolkit/WSbackend.h"
#include "toolkit/qt/qt_backend.h"

int _win_main(int argc, char** argv)
{
    QApplication application(argc, argv);
    wsqt::QtBackend backend;
    WSinstallBackend(&backend);
    WSDappDev::runInitHandlers();
    const int result = QApplication::exec();
    WSinstallBackend(nullptr);
    return result;
}
