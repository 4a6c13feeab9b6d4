#include "toolkit/WSdesktop.h"

#include "toolkit/WSCbase.h"
#include "toolkit/WSCobjectList.h"
#include "toolkit/WSdialogs.h"
#include "toolkit/WSevents.h"

WSdesktop& WSGIdesktop() {
    static WSdesktop description;
    return description;
}

void WSopenFile(const std::string& path) {
    WSCbase* widget = WSGIappObjectList()->findInstance(WSGIdesktop().open_widget);
    if (!widget) return;
    WSGIappFileSelect()->confirmNext(path);
    widget->execProcedure(WSEV_ACTIVATE);
}
