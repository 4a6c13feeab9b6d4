#include "toolkit/WSNames.h"

const char* _WSNname() {
    return "name";
}
const char* _WSNx() {
    return "x";
}
const char* _WSNy() {
    return "y";
}
const char* _WSNwidth() {
    return "width";
}
const char* _WSNheight() {
    return "height";
}
const char* _WSNvis() {
    return "vis";
}
const char* _WSNlabelString() {
    return "labelString";
}
const char* _WSNtitleString() {
    return "titleString";
}
const char* _WSNmenuItems() {
    return "menuItems";
}
const char* _WSNbackBlinkColor() {
    return "backBlinkColor";
}
const char* _WSNworkBackColor() {
    return "workBackColor";
}
const char* _WSNinterCur() {
    return "interCur";
}
const char* _WSNvalue() {
    return "value";
}
const char* _WSNminimum() {
    return "minimum";
}
const char* _WSNmaximum() {
    return "maximum";
}
const char* _WSNdragInterval() {
    return "dragInterval";
}
const char* _WSNfileName() {
    return "fileName";
}
const char* _WSNtoolTip() {
    return "toolTip";
}
const char* _WSNoverlayBand() {
    return "overlayBand";
}
const char* _WSNoverlaySecondBand() {
    return "overlaySecondBand";
}
const char* _WSNoverlayLabels() {
    return "overlayLabels";
}
