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
    const std::string& name = WSGIdesktop().open_widget;
    for (WSCbase* widget : WSGIappObjectList()->all()) {
        if (name != widget->getInstanceName()) continue;
        WSGIappFileSelect()->confirmNext(path);
        widget->execProcedure(WSEV_ACTIVATE);
        return;
    }
}
