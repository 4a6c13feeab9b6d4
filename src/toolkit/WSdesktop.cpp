#include "toolkit/WSdesktop.h"

#include "toolkit/WSCbase.h"
#include "toolkit/WSCobjectList.h"
#include "toolkit/WSdialogs.h"
#include "toolkit/WSevents.h"

namespace {

std::function<void(const std::string&)>& documentListener() {
    static std::function<void(const std::string&)> listener;
    return listener;
}

}  // namespace

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

void WSopenOutsideFile(const std::string& path) {
    const WSdesktop& description = WSGIdesktop();
    if (description.open_outside && description.open_outside(path)) return;
    WSopenFile(path);
}

bool WSchooseDesktopAction(const std::string& label, bool on) {
    const WSdesktop& desktop = WSGIdesktop();
    for (const auto* entries : {&desktop.actions, &desktop.view_entries}) {
        for (const WSdesktopAction& action : *entries) {
            if (action.label != label) continue;
            if (!action.isEnabled()) return false;
            if (!action.checked || action.checked() != on) action.run();
            return true;
        }
    }
    return false;
}

void WSshowDocumentName(const std::string& name) {
    if (documentListener()) documentListener()(name);
}

void WSsetDocumentListener(std::function<void(const std::string& name)> listener) {
    documentListener() = std::move(listener);
}
