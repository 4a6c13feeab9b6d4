#pragma once

#include <string_view>
#include <vector>

class WSCbase;

// Every live widget, in creation order, found by class name and instance name.
class WSCobjectList {
  public:
    // The widget of that class and instance name, or null.
    WSCbase* getInstance(const char* class_name, const char* instance_name) const;
    // The first widget of that instance name, whatever its class, or null.
    WSCbase* findInstance(std::string_view instance_name) const;
    const std::vector<WSCbase*>& all() const { return objects_; }

    void add(WSCbase* object) { objects_.push_back(object); }
    void remove(WSCbase* object);

  private:
    std::vector<WSCbase*> objects_;
};

WSCobjectList* WSGIappObjectList();
