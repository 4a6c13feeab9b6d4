#include "toolkit/WSCobjectList.h"

#include <algorithm>
#include <cstring>

#include "toolkit/WSCbase.h"

WSCbase* WSCobjectList::getInstance(const char* class_name, const char* instance_name) const {
    if (!class_name || !instance_name) return nullptr;
    for (WSCbase* object : objects_) {
        if (std::strcmp(object->getClassName(), class_name) == 0 &&
            std::strcmp(object->getInstanceName(), instance_name) == 0) {
            return object;
        }
    }
    return nullptr;
}

WSCbase* WSCobjectList::findInstance(std::string_view instance_name) const {
    for (WSCbase* object : objects_) {
        if (instance_name == object->getInstanceName()) return object;
    }
    return nullptr;
}

void WSCobjectList::remove(WSCbase* object) {
    objects_.erase(std::remove(objects_.begin(), objects_.end(), object), objects_.end());
}

WSCobjectList* WSGIappObjectList() {
    static WSCobjectList list;
    return &list;
}
