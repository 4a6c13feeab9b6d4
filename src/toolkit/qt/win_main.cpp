#include <QApplication>
#include <optional>

#include "toolkit/WSapplication.h"
#include "toolkit/WSbackend.h"
#include "toolkit/WSdesktop.h"
#include "toolkit/qt/qt_backend.h"
#include "toolkit/qt/qt_desktop.h"

// Uses the application the caller made, if any (it may have read its command line first).
int _win_main(int argc, char** argv) {
    std::optional<QApplication> owned;
    if (!QApplication::instance()) owned.emplace(argc, argv);
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
