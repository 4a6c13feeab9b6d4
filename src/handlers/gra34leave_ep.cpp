#include <optional>

#include "handlers/bin_reading_display.h"
#include "handlers/keyboard_reading.h"
#include "handlers/pointer_callbacks.h"
#include "toolkit/toolkit.h"

void gra34leave_ep(WSCbase*) {
    showSpectrumReading(std::nullopt);
    // A reading the keys hold on a focused plot is shown again.
    followKeyboardReading();
}

static WSCfunctionRegister op("gra34leave_ep", (void*)gra34leave_ep);
