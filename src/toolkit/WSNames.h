#pragma once

// Property names. Each function returns the one text under which a widget keeps that
// property, so a misspelt name is a compile error rather than a silently empty value.
const char* _WSNname();
const char* _WSNx();
const char* _WSNy();
const char* _WSNwidth();
const char* _WSNheight();
const char* _WSNvis();
const char* _WSNlabelString();
const char* _WSNtitleString();
const char* _WSNmenuItems();
const char* _WSNbackBlinkColor();
const char* _WSNworkBackColor();
const char* _WSNinterCur();
const char* _WSNvalue();
const char* _WSNminimum();
const char* _WSNmaximum();
const char* _WSNdragInterval();
const char* _WSNfileName();
// The text a user reads when resting the pointer on the widget; none when empty.
const char* _WSNtoolTip();
// A drawing area's band: "FIRST,LAST", the columns (both included) that the backend tints
// over the area's picture; none when empty. The picture itself is left as it is.
const char* _WSNoverlayBand();
// A drawing area's second band, as _WSNoverlayBand reads, tinted toward orange under the
// first; none when empty.
const char* _WSNoverlaySecondBand();
// A drawing area's axis labels: texts the backend writes over the area's picture, as
// WSaxisLabels holds them; none when empty. The picture itself is left as it is.
const char* _WSNoverlayLabels();
