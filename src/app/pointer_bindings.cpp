#include "app/pointer_bindings.h"

#include "handlers/pointer_callbacks.h"
#include "names/window_names.h"
#include "toolkit/toolkit.h"

namespace {

struct PointerBinding {
    const char* class_name;
    const char* instance_name;
    const char* procedure_name;
    long event;
    WSCcallback callback;
    const char* callback_name;
};

// The slider raises value change on every movement (and after a size change), activate when
// the spectra are analysed again, and expose after the program sets its value (a load, a
// step): the band and the readouts follow all three.
const PointerBinding kPointerBindings[] = {
    {"WSCvdrawingArea", names::kWholeWaveArea, "move_ep", WSEV_POINTER_MOVE, gra1move_ep,
     "gra1move_ep"},
    {"WSCvdrawingArea", names::kWholeWaveArea, "release_ep", WSEV_POINTER_RELEASE, gra1release_ep,
     "gra1release_ep"},
    {"WSCvdrawingArea", names::kSegmentArea, "move_ep", WSEV_POINTER_MOVE, gra2move_ep,
     "gra2move_ep"},
    {"WSCvdrawingArea", names::kPowerArea, "move_ep", WSEV_POINTER_MOVE, gra34move_ep,
     "gra34move_ep"},
    {"WSCvdrawingArea", names::kPowerArea, "leave_ep", WSEV_POINTER_LEAVE, gra34leave_ep,
     "gra34leave_ep"},
    {"WSCvdrawingArea", names::kPhaseArea, "move_ep", WSEV_POINTER_MOVE, gra34move_ep,
     "gra34move_ep"},
    {"WSCvdrawingArea", names::kPhaseArea, "leave_ep", WSEV_POINTER_LEAVE, gra34leave_ep,
     "gra34leave_ep"},
    {"WSCvslider", names::kPositionSlider, "follow_ep", WSEV_VALUE_CHANGE, sli1follow_ep,
     "sli1follow_ep"},
    {"WSCvslider", names::kPositionSlider, "follow_ep", WSEV_ACTIVATE, sli1follow_ep,
     "sli1follow_ep"},
    {"WSCvslider", names::kPositionSlider, "follow_ep", WSEV_EXPOSE, sli1follow_ep,
     "sli1follow_ep"},
};

}  // namespace

void bindPointerProcedures() {
    for (const PointerBinding& binding : kPointerBindings) {
        WSCbase* widget =
            WSGIappObjectList()->getInstance(binding.class_name, binding.instance_name);
        if (!widget) continue;
        auto* procedure = new WSCprocedure(binding.procedure_name, binding.event);
        procedure->setFunction(binding.callback, binding.callback_name);
        widget->addProcedure(procedure);
    }
}
