#pragma once

// Binds the pointer callbacks of the plots, and the slider's callback that moves the band
// and the readouts with the segment, beside the window's other bindings. Widgets are found
// by name; a missing one is skipped.
void bindPointerProcedures();
