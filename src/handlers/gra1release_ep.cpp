#include "handlers/pointer_callbacks.h"
#include "handlers/pointer_display.h"
#include "handlers/wave_readout.h"
#include "plot/off_screen_view.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"

// Done as a user's drag and release of the slider would be: value change, then activate.
void gra1release_ep(WSCbase* object) {
    WSCvdrawingArea* area = asDrawingArea(object);
    if (!area || !siii || !seliii) return;
    const WSpointer& pointer = area->pointer();
    if (withinClick(pointer.press_x, pointer.press_y, pointer.x, pointer.y)) {
        const unsigned short width = area->getProperty(_WSNwidth());
        dragSliderTo(positionAtColumn(width, maxsize, selsize, pixelIndex(pointer.x)));
    }
    releaseSlider();
}

static WSCfunctionRegister op("gra1release_ep", (void*)gra1release_ep);
