#pragma once

class WSCmainWindow;
class WSCvbtn;
class WSCvdrawingArea;
class WSCvslider;
class WSCvlabel;
class WSCcomboBox;

// The main window and its sixteen widgets, one pointer per widget under its instance name.
// Handlers never use these: they look widgets up by class and instance name.
extern WSCmainWindow* newwin000;
extern WSCvbtn* newvbtn_000;
extern WSCvdrawingArea* newvdra_001;
extern WSCvslider* newvsli_000;
extern WSCvdrawingArea* newvdra_002;
extern WSCvlabel* newvlab_000;
extern WSCvlabel* newvlab_005;
extern WSCvlabel* newvlab_011;
extern WSCvlabel* newvlab_012;
extern WSCvlabel* newvlab_013;
extern WSCcomboBox* newcomb_000;
extern WSCvdrawingArea* newvdra_000;
extern WSCvdrawingArea* newvdra_003;
extern WSCvlabel* newvlab_002;
extern WSCvlabel* newvlab_007;
extern WSCvbtn* newvbtn_001;
extern WSCvbtn* newvbtn_002;

// Init handler: builds the window, binds the callbacks and shows it.
void _create_win_newwin000();
