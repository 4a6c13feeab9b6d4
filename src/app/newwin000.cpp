#include "app/newwin000.h"

#include <string>

#include "app/window_layout.h"
#include "handlers/control_callbacks.h"
#include "handlers/pointer_callbacks.h"
#include "names/window_names.h"
#include "plot/view_callbacks.h"
#include "toolkit/toolkit.h"

WSCmainWindow* newwin000 = nullptr;
WSCvbtn* newvbtn_000 = nullptr;
WSCvdrawingArea* newvdra_001 = nullptr;
WSCvslider* newvsli_000 = nullptr;
WSCvdrawingArea* newvdra_002 = nullptr;
WSCvlabel* newvlab_000 = nullptr;
WSCvlabel* newvlab_005 = nullptr;
WSCvlabel* newvlab_011 = nullptr;
WSCvlabel* newvlab_012 = nullptr;
WSCvlabel* newvlab_013 = nullptr;
WSCcomboBox* newcomb_000 = nullptr;
WSCvdrawingArea* newvdra_000 = nullptr;
WSCvdrawingArea* newvdra_003 = nullptr;
WSCvlabel* newvlab_002 = nullptr;
WSCvlabel* newvlab_007 = nullptr;
WSCvbtn* newvbtn_001 = nullptr;
WSCvbtn* newvbtn_002 = nullptr;

namespace {

constexpr unsigned char kVisible = 1;

void bind(WSCbase* widget, const char* procedure_name, long event, WSCcallback callback,
          const char* callback_name) {
    auto* procedure = new WSCprocedure(procedure_name, event);
    procedure->setFunction(callback, callback_name);
    widget->addProcedure(procedure);
}

template <class Widget>
Widget* create(const char* name) {
    auto* widget = new Widget(newwin000, name);
    widget->initialize();
    return widget;
}

void place(WSCbase* widget, const char* name, short x, short y) {
    widget->setPropertyV(_WSNname(), name);
    widget->setPropertyV(_WSNvis(), kVisible);
    widget->setPropertyV(_WSNx(), x);
    widget->setPropertyV(_WSNy(), y);
}

void size(WSCbase* widget, unsigned short width, unsigned short height) {
    widget->setPropertyV(_WSNwidth(), width);
    widget->setPropertyV(_WSNheight(), height);
}

// A button or label with its text at (x, y), keeping the toolkit's default size.
template <class Widget>
Widget* makeTextWidget(const char* name, const char* text, short x, short y) {
    auto* widget = create<Widget>(name);
    widget->setPropertyV(_WSNlabelString(), text);
    place(widget, name, x, y);
    return widget;
}

// A button or caption with its text and a set size.
template <class Widget>
Widget* makeSizedTextWidget(const char* name, const char* text, short x, short y,
                            unsigned short width, unsigned short height) {
    auto* widget = makeTextWidget<Widget>(name, text, x, y);
    size(widget, width, height);
    return widget;
}

// Where a widget that grows with the window stands as the window is built.
WidgetPlace builtPlace(const char* name) {
    return growingWidgetPlace(name, names::kLeastWindowWidth, names::kLeastWindowHeight).value();
}

// A caption over a plot, with its text, placed and sized with the plot.
WSCvlabel* makeCaption(const char* name, const char* text) {
    const WidgetPlace at = builtPlace(name);
    return makeSizedTextWidget<WSCvlabel>(name, text, at.x, at.y, at.width, at.height);
}

// A drawing area or the slider: placed and sized, no text.
template <class Widget>
Widget* makeArea(const char* name) {
    const WidgetPlace at = builtPlace(name);
    auto* widget = create<Widget>(name);
    place(widget, name, at.x, at.y);
    size(widget, at.width, at.height);
    return widget;
}

}  // namespace

void _create_win_newwin000() {
    newwin000 = new WSCmainWindow(nullptr, names::kMainWindow);
    newwin000->initialize();
    newwin000->setPropertyV(_WSNname(), names::kMainWindow);
    newwin000->setPropertyV(_WSNtitleString(), "Sefaro");
    newwin000->setPropertyV(_WSNx(), short{100});
    newwin000->setPropertyV(_WSNy(), short{100});
    newwin000->setPropertyV(_WSNwidth(), static_cast<unsigned short>(names::kLeastWindowWidth));
    newwin000->setPropertyV(_WSNheight(), static_cast<unsigned short>(names::kLeastWindowHeight));
    newwin000->setPropertyV(_WSNvis(), kVisible);

    newvbtn_000 = makeTextWidget<WSCvbtn>(names::kSelectButton, "select WAVE", 10, 8);
    bind(newvbtn_000, "act_ep", WSEV_ACTIVATE, wave1act_ep, "wave1act_ep");

    newvdra_001 = makeArea<WSCvdrawingArea>(names::kWholeWaveArea);
    bind(newvdra_001, "init_ep", WSEV_INITIALIZE, gra1Init_ep, "gra1Init_ep");
    bind(newvdra_001, "expose_ep", WSEV_EXPOSE, gra1Expose_ep, "gra1Expose_ep");
    bind(newvdra_001, "move_ep", WSEV_POINTER_MOVE, gra1move_ep, "gra1move_ep");
    bind(newvdra_001, "release_ep", WSEV_POINTER_RELEASE, gra1release_ep, "gra1release_ep");

    newvsli_000 = makeArea<WSCvslider>(names::kPositionSlider);
    bind(newvsli_000, "valueCH_ep", WSEV_VALUE_CHANGE, sli1valueCH_ep, "sli1valueCH_ep");
    bind(newvsli_000, "act_ep", WSEV_ACTIVATE, sli1act_ep, "sli1act_ep");
    // The slider raises value change on every movement (and after a size change), activate
    // when the spectra are analysed again, and expose after the program sets its value (a
    // load, a step): the band and the readouts follow all three.
    for (const long event : {WSEV_VALUE_CHANGE, WSEV_ACTIVATE, WSEV_EXPOSE})
        bind(newvsli_000, "follow_ep", event, sli1follow_ep, "sli1follow_ep");

    newvdra_002 = makeArea<WSCvdrawingArea>(names::kSegmentArea);
    bind(newvdra_002, "init2_ep", WSEV_INITIALIZE, gra2Init_ep, "gra2Init_ep");
    bind(newvdra_002, "expose2_ep", WSEV_EXPOSE, gra2Expose_ep, "gra2Expose_ep");
    bind(newvdra_002, "move_ep", WSEV_POINTER_MOVE, gra2move_ep, "gra2move_ep");

    newvlab_000 = makeTextWidget<WSCvlabel>(names::kNameLabel, "name", 10, 40);
    newvlab_005 = makeTextWidget<WSCvlabel>(names::kRateLabel, "sample freq", 10, 70);
    newvlab_011 = makeTextWidget<WSCvlabel>(names::kBitsLabel, "bits per sample", 10, 100);
    newvlab_012 = makeTextWidget<WSCvlabel>(names::kPointsLabel, "points", 10, 130);
    newvlab_013 = makeTextWidget<WSCvlabel>(names::kPositionLabel, "position", 10, 160);

    newcomb_000 = new WSCcomboBox(newwin000, names::kSizeBox);
    newcomb_000->initialize();
    newcomb_000->setPropertyV(_WSNmenuItems(), names::kSegmentSizeItems);
    newcomb_000->setPropertyV(_WSNbackBlinkColor(), "DEF13");
    newcomb_000->setPropertyV(_WSNworkBackColor(), "DEF11");
    newcomb_000->setPropertyV(_WSNlabelString(),
                              std::to_string(names::kDefaultSegmentSize).c_str());
    newcomb_000->setPropertyV(_WSNinterCur(), static_cast<unsigned char>(0));
    newcomb_000->setPropertyV(_WSNname(), names::kSizeBox);
    newcomb_000->setPropertyV(_WSNx(), short{10});
    newcomb_000->setPropertyV(_WSNy(), short{190});
    newcomb_000->setPropertyV(_WSNheight(), static_cast<unsigned short>(20));
    newcomb_000->setPropertyV(_WSNvis(), kVisible);
    bind(newcomb_000, "act_ep", WSEV_ACTIVATE, combo1act_ep, "combo1act_ep");

    newvdra_000 = makeArea<WSCvdrawingArea>(names::kPowerArea);
    bind(newvdra_000, "init_ep", WSEV_INITIALIZE, gra3init_ep, "gra3init_ep");
    bind(newvdra_000, "expose_ep", WSEV_EXPOSE, gra3expose_ep, "gra3expose_ep");
    bind(newvdra_000, "move_ep", WSEV_POINTER_MOVE, gra34move_ep, "gra34move_ep");
    bind(newvdra_000, "leave_ep", WSEV_POINTER_LEAVE, gra34leave_ep, "gra34leave_ep");
    bind(newvdra_000, "key_ep", WSEV_KEY_PRESS, gra34key_ep, "gra34key_ep");
    bind(newvdra_000, "focusIn_ep", WSEV_FOCUS_IN, gra34focusIn_ep, "gra34focusIn_ep");
    bind(newvdra_000, "focusOut_ep", WSEV_FOCUS_OUT, gra34focusOut_ep, "gra34focusOut_ep");
    bind(newvdra_000, "wheel_ep", WSEV_WHEEL, gra34wheel_ep, "gra34wheel_ep");
    bind(newvdra_000, "pan_ep", WSEV_PAN_PRESS, gra34pan_ep, "gra34pan_ep");
    bind(newvdra_000, "showAll_ep", WSEV_DOUBLE_CLICK, gra34showAll_ep, "gra34showAll_ep");

    newvdra_003 = makeArea<WSCvdrawingArea>(names::kPhaseArea);
    bind(newvdra_003, "init_ep", WSEV_INITIALIZE, gra4init_ep, "gra4init_ep");
    bind(newvdra_003, "expose_ep", WSEV_EXPOSE, gra4expose_ep, "gra4expose_ep");
    bind(newvdra_003, "move_ep", WSEV_POINTER_MOVE, gra34move_ep, "gra34move_ep");
    bind(newvdra_003, "leave_ep", WSEV_POINTER_LEAVE, gra34leave_ep, "gra34leave_ep");
    bind(newvdra_003, "key_ep", WSEV_KEY_PRESS, gra34key_ep, "gra34key_ep");
    bind(newvdra_003, "focusIn_ep", WSEV_FOCUS_IN, gra34focusIn_ep, "gra34focusIn_ep");
    bind(newvdra_003, "focusOut_ep", WSEV_FOCUS_OUT, gra34focusOut_ep, "gra34focusOut_ep");
    bind(newvdra_003, "wheel_ep", WSEV_WHEEL, gra34wheel_ep, "gra34wheel_ep");
    bind(newvdra_003, "pan_ep", WSEV_PAN_PRESS, gra34pan_ep, "gra34pan_ep");
    bind(newvdra_003, "showAll_ep", WSEV_DOUBLE_CLICK, gra34showAll_ep, "gra34showAll_ep");

    newvlab_002 = makeCaption(names::kPowerCaption, names::kPowerCaptionText);
    newvlab_007 = makeCaption(names::kPhaseCaption, names::kPhaseCaptionText);

    newvbtn_001 = makeSizedTextWidget<WSCvbtn>(names::kBackButton, "back", 10, 214, 48, 22);
    bind(newvbtn_001, "act_ep", WSEV_ACTIVATE, btn1act_ep, "btn1act_ep");
    newvbtn_002 = makeSizedTextWidget<WSCvbtn>(names::kForwButton, "forw", 63, 214, 48, 22);
    bind(newvbtn_002, "act_ep", WSEV_ACTIVATE, btn2act_ep, "btn2act_ep");

    // A new size: the growing widgets placed for it first, then the plots drawn again there.
    bind(newwin000, "layout_ep", WSEV_RESIZE, win1layout_ep, "win1layout_ep");
    bind(newwin000, "redraw_ep", WSEV_RESIZE, win1redraw_ep, "win1redraw_ep");
    bind(newwin000, "key_ep", WSEV_KEY_PRESS, win1key_ep, "win1key_ep");

    newwin000->setVisible(1);
}
