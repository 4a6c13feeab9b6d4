#pragma once

class WSCbase;
using WSCcallback = void (*)(WSCbase*);

// Makes a callback known by name for as long as the object lives. The registry is built
// on first use, so registrars may run during static initialisation in any order.
class WSCfunctionRegister {
  public:
    WSCfunctionRegister(const char* name, void* function);
    ~WSCfunctionRegister();
    WSCfunctionRegister(const WSCfunctionRegister&) = delete;
    WSCfunctionRegister& operator=(const WSCfunctionRegister&) = delete;

    // The callback registered under name, or null.
    static WSCcallback find(const char* name);
    // How many callbacks are registered now.
    static long count();

  private:
    const char* name_;
};
