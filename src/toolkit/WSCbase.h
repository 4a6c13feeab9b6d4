#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "toolkit/WSCprocedure.h"
#include "toolkit/WSCvariant.h"

class WSDdev;
class WSCpeer;

// Every widget: an instance name, a class name and a table of properties held as text.
// The table is the truth; a backend's on-screen widget is only a view of it.
class WSCbase {
  public:
    WSCbase(WSCbase* parent, const char* instance_name, const char* class_name);
    virtual ~WSCbase();
    WSCbase(const WSCbase&) = delete;
    WSCbase& operator=(const WSCbase&) = delete;

    // One-time set-up after construction, before any property is set; it shows the
    // widget to the installed backend.
    virtual void initialize();

    const char* getInstanceName() const { return instance_name_.c_str(); }
    const char* getClassName() const { return class_name_.c_str(); }
    WSCbase* getParent() const { return parent_; }

    // This object when it is of the named class (or the class is "WSCbase"), else null.
    WSCbase* cast(const char* class_name);

    long setPropertyV(const char* name, const char* value);
    long setPropertyV(const char* name, short value);
    long setPropertyV(const char* name, unsigned short value);
    long setPropertyV(const char* name, unsigned char value);
    long setProperty(const char* name, const WSCvariant& value);
    // What was set; a property never set reads as its default (empty text for most).
    WSCvariant getProperty(const char* name) const;
    // Stores a value that came from the user's own action on the on-screen widget, so the
    // widget is not told back about it.
    void storeUserValue(const char* name, const char* value);
    // Every property set so far, by name.
    const std::map<std::string, std::string, std::less<>>& properties() const {
        return properties_;
    }

    // Takes ownership; procedures of one event run in the order they were added.
    void addProcedure(WSCprocedure* procedure);
    // Runs every procedure bound to event before it returns; nothing for an unbound event.
    void execProcedure(long event);
    // Whether some procedure is bound to event.
    bool handles(long event) const;

    virtual void setVisible(long visible);

    // Device pixels per logical pixel of the screen that shows the widget: its window's.
    virtual double pixelRatio() const;

    // The widget's window device: a picture of the widget's current width × height at its
    // pixel ratio, which the backend shows.
    WSDdev* getdev();

    WSCpeer* peer() const { return peer_.get(); }

    // Called by the backend: records the key, named as "Left", "Shift+Right", "Escape",
    // "Plus", "Minus" …, then runs the key press procedures.
    void raiseKeyEvent(const std::string& key);
    const std::string& key() const { return key_; }

  protected:
    virtual std::string defaultValue(std::string_view name) const;

  private:
    long store(const char* name, std::string value);

    WSCbase* parent_;
    std::string instance_name_;
    std::string class_name_;
    std::map<std::string, std::string, std::less<>> properties_;
    std::vector<std::unique_ptr<WSCprocedure>> procedures_;
    std::unique_ptr<WSDdev> window_device_;
    std::unique_ptr<WSCpeer> peer_;
    std::string key_;
};
