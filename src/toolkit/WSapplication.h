#pragma once

// Application start-up: what a program configures before the event loop runs.

// Prepares the toolkit's devices; call once before anything else of the toolkit.
void WSGFdeviceInitialize();

using WSinitHandler = void (*)();

class WSDappDev {
  public:
    // Adds a function that runs once when the application starts, after those added before.
    static void setInitHandler(WSinitHandler handler);
    // Runs every init handler once, in the order they were added; later calls do nothing.
    static void runInitHandlers();

    void setInstanceName(const char* name);
    const char* getInstanceName() const;
};
WSDappDev* WSGIappDev();

class WSDlocaleSet {
  public:
    void setDefaultEncoding(long encoding) { encoding_ = encoding; }
    long getDefaultEncoding() const { return encoding_; }

  private:
    long encoding_ = 0;
};
WSDlocaleSet* WSGIappLocaleSet();

// Tables of descriptions ending at the first null entry; the toolkit keeps the pointers.
void WSGFloadFontData(const char* const* table);
void WSGFloadMouseCursorData(const char* const* table);
const char* const* WSGFfontData();
const char* const* WSGFmouseCursorData();

// Runs the application: the init handlers, then the event loop until the last window
// closes. Its result is the process result. Provided by the windowing backend.
int _win_main(int argc, char** argv);
