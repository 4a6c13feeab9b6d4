#include "handlers/pointer_callbacks.h"
#include "handlers/pointer_display.h"
#include "handlers/pointer_readouts.h"
#include "handlers/wave_readout.h"
#include "plot/off_screen_view.h"
#include "toolkit/toolkit.h"
#include "wave/analysis_state.h"

void gra1move_ep(WSCbase* object) {
    WSCvdrawingArea* area = asDrawingArea(object);
    if (!area) return;
    readOutWave(area);

    // Small jitters of a click do not move the segment; past them the press is a drag.
    const WSpointer& pointer = area->pointer();
    if (!siii || !seliii || !pointer.pressed ||
        withinClick(pointer.press_x, pointer.press_y, pointer.x, pointer.y)) {
        return;
    }
    const unsigned short width = area->getProperty(_WSNwidth());
    dragSliderTo(positionAtColumn(width, maxsize, selsize, pixelIndex(pointer.x)));
}

static WSCfunctionRegister op("gra1move_ep", (void*)gra1move_ep);
