#include "toolkit/WSapplication.h"

#include <string>
#include <vector>

namespace {

struct Application {
    bool device_initialized = false;
    bool init_handlers_run = false;
    std::vector<WSinitHandler> init_handlers;
    std::string instance_name;
    const char* const* fonts = nullptr;
    const char* const* cursors = nullptr;
};

Application& application() {
    static Application app;
    return app;
}

}  // namespace

void WSGFdeviceInitialize() {
    application().device_initialized = true;
}

void WSDappDev::setInitHandler(WSinitHandler handler) {
    if (handler) application().init_handlers.push_back(handler);
}

void WSDappDev::runInitHandlers() {
    Application& app = application();
    if (app.init_handlers_run) return;
    app.init_handlers_run = true;
    for (std::size_t i = 0; i < app.init_handlers.size(); ++i) app.init_handlers[i]();
}

void WSDappDev::setInstanceName(const char* name) {
    application().instance_name = name ? name : "";
}

const char* WSDappDev::getInstanceName() const {
    return application().instance_name.c_str();
}

WSDappDev* WSGIappDev() {
    static WSDappDev dev;
    return &dev;
}

WSDlocaleSet* WSGIappLocaleSet() {
    static WSDlocaleSet locale;
    return &locale;
}

void WSGFloadFontData(const char* const* table) {
    application().fonts = table;
}
void WSGFloadMouseCursorData(const char* const* table) {
    application().cursors = table;
}
const char* const* WSGFfontData() {
    return application().fonts;
}
const char* const* WSGFmouseCursorData() {
    return application().cursors;
}
