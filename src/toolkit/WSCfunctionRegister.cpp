#include "toolkit/WSCfunctionRegister.h"

#include <map>
#include <string>

namespace {

// Name → callback, with a count per name so that one registrar's end does not withdraw
// another registration of the same name.
struct Entry {
    WSCcallback function;
    int registrations;
};

std::map<std::string, Entry, std::less<>>& registry() {
    static std::map<std::string, Entry, std::less<>> entries;
    return entries;
}

}  // namespace

WSCfunctionRegister::WSCfunctionRegister(const char* name, void* function) : name_(name) {
    Entry& entry = registry()[name];
    entry.function = reinterpret_cast<WSCcallback>(function);
    ++entry.registrations;
}

WSCfunctionRegister::~WSCfunctionRegister() {
    auto it = registry().find(name_);
    if (it != registry().end() && --it->second.registrations == 0) registry().erase(it);
}

WSCcallback WSCfunctionRegister::find(const char* name) {
    if (!name) return nullptr;
    auto it = registry().find(name);
    return it == registry().end() ? nullptr : it->second.function;
}

long WSCfunctionRegister::count() {
    return static_cast<long>(registry().size());
}
