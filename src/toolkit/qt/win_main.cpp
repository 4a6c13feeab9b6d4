#include <QApplication>
#include <cassert>

#include "toolkit/WSapplication.h"
#include "toolkit/WSbackend.h"
#include "toolkit/WSdesktop.h"
#include "toolkit/qt/qt_backend.h"
#include "toolkit/qt/qt_desktop.h"

// Runs the application the caller made: it reads its command line first.
int _win_main(int /*argc*/, char** /*argv*/) {
    assert(QApplication::instance());
    wsqt::prepareApplication(WSGIdesktop());
    wsqt::QtBackend backend;
    WSinstallBackend(&backend);
    WSDappDev::runInitHandlers();
    int result = 0;
    {
        const wsqt::Desktop desktop(WSGIdesktop());
        result = QApplication::exec();
    }
    WSinstallBackend(nullptr);
    return result;
}
