#pragma once

#include <string>

#include "toolkit/WSCfunctionRegister.h"

// Binds a callback to one event of a widget. The widget that it is added to owns it.
class WSCprocedure {
  public:
    WSCprocedure(const char* name, long event);

    // The callback to run and its registered name; a null function is looked up by name
    // in the registry each time the procedure runs.
    void setFunction(WSCcallback function, const char* function_name);

    const char* getName() const { return name_.c_str(); }
    long getTrigger() const { return event_; }
    const char* getFunctionName() const { return function_name_.c_str(); }

    void exec(WSCbase* object) const;

  private:
    std::string name_;
    long event_;
    WSCcallback function_ = nullptr;
    std::string function_name_;
};
