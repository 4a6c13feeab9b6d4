#include "app/Vendrall.h"

#include "app/newwin000.h"
#include "toolkit/WSapplication.h"

const char* mou[8] = {"0   IDC_ARROW"};

// LOGFONT fields: height, width, escapement, orientation, weight, italic, underline,
// strike-out, character set, output and clipping precision, quality, pitch and family, face.
const char* fon[16] = {
    "13,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック", "15,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック",
    "17,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック", "19,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック",
    "22,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック", "24,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック",
    "26,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック", "34,0,0,0,400,0,0,0,128,3,2,1,1,ＭＳ ゴシック",
};

void _font_init_() {
    WSGFloadFontData(fon);
}

void _mouse_init_() {
    WSGFloadMouseCursorData(mou);
}

namespace {

// Runs during static initialisation, so the toolkit is configured before main; the
// callback registrars need none of it and may run before or after.
struct StartUpConfiguration {
    StartUpConfiguration() {
        WSGFdeviceInitialize();
        WSDappDev::setInitHandler(_font_init_);
        WSDappDev::setInitHandler(_mouse_init_);
        WSGIappLocaleSet()->setDefaultEncoding(21);
        WSGIappDev()->setInstanceName("Korimet");
        WSDappDev::setInitHandler(_create_win_newwin000);
    }
};

const StartUpConfiguration start_up;

}  // namespace
