#pragma once

namespace wsqt {

// Gives the application the one font its text is drawn in, whatever fonts and font settings
// the machine has, so that the window's pictures are the same everywhere. Needs the
// application object.
void useProgramFont();

}  // namespace wsqt
