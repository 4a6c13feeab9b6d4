#include "toolkit/WSCbase.h"

#include <algorithm>
#include <cstdio>

#include "toolkit/WSCobjectList.h"
#include "toolkit/WSCpeer.h"
#include "toolkit/WSDdev.h"
#include "toolkit/WSNames.h"
#include "toolkit/WSbackend.h"
#include "toolkit/WSevents.h"

WSCbase::WSCbase(WSCbase* parent, const char* instance_name, const char* class_name)
    : parent_(parent),
      instance_name_(instance_name ? instance_name : ""),
      class_name_(class_name ? class_name : "") {
    WSGIappObjectList()->add(this);
}

WSCbase::~WSCbase() {
    WSGIappObjectList()->remove(this);
}

void WSCbase::initialize() {
    if (peer_) return;
    if (WSbackend* backend = WSinstalledBackend()) peer_ = backend->realise(*this);
}

WSCbase* WSCbase::cast(const char* class_name) {
    if (!class_name) return nullptr;
    const std::string_view wanted(class_name);
    return wanted == class_name_ || wanted == "WSCbase" ? this : nullptr;
}

long WSCbase::store(const char* name, std::string value) {
    if (!name) return 0;
    auto it = properties_.find(name);
    if (it == properties_.end()) {
        it = properties_.emplace(name, std::move(value)).first;
    } else {
        it->second = std::move(value);
    }
    if (peer_) peer_->propertyChanged(it->first);
    return 1;
}

long WSCbase::setPropertyV(const char* name, const char* value) {
    return store(name, value ? value : "");
}
long WSCbase::setPropertyV(const char* name, short value) {
    return store(name, std::to_string(value));
}
long WSCbase::setPropertyV(const char* name, unsigned short value) {
    return store(name, std::to_string(value));
}
long WSCbase::setPropertyV(const char* name, unsigned char value) {
    return store(name, std::to_string(value));
}
long WSCbase::setProperty(const char* name, const WSCvariant& value) {
    return store(name, value.text());
}

WSCvariant WSCbase::getProperty(const char* name) const {
    if (!name) return WSCvariant();
    auto it = properties_.find(name);
    return it != properties_.end() ? WSCvariant(it->second) : WSCvariant(defaultValue(name));
}

void WSCbase::storeUserValue(const char* name, const char* value) {
    properties_[name] = value ? value : "";
}

std::string WSCbase::defaultValue(std::string_view) const {
    return {};
}

void WSCbase::addProcedure(WSCprocedure* procedure) {
    if (procedure) procedures_.emplace_back(procedure);
}

void WSCbase::execProcedure(long event) {
    // By index: a callback may add procedures while this runs.
    for (std::size_t i = 0; i < procedures_.size(); ++i) {
        if (procedures_[i]->getTrigger() == event) procedures_[i]->exec(this);
    }
}

bool WSCbase::handles(long event) const {
    return std::ranges::any_of(procedures_, [event](const std::unique_ptr<WSCprocedure>& p) {
        return p->getTrigger() == event;
    });
}

void WSCbase::setVisible(long visible) {
    if (peer_) peer_->visibilityChanged(visible != 0);
}

void WSCbase::raiseKeyEvent(const std::string& key) {
    key_ = key;
    execProcedure(WSEV_KEY_PRESS);
}

double WSCbase::pixelRatio() const {
    return parent_ ? parent_->pixelRatio() : 1.0;
}

WSDdev* WSCbase::getdev() {
    const unsigned short width = getProperty(_WSNwidth());
    const unsigned short height = getProperty(_WSNheight());
    if (!window_device_) {
        window_device_ = std::make_unique<WSDdev>();
        window_device_->setChangeListener([this] {
            if (peer_) peer_->pictureChanged();
        });
    }
    const double ratio = pixelRatio();
    if (!window_device_->hasSize(width, height, ratio))
        window_device_->setSize(width, height, ratio);
    return window_device_.get();
}
