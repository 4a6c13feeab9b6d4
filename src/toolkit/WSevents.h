#pragma once

// Event numbers of the procedures a widget runs.
enum WSevent : long {
    WSEV_INITIALIZE = 0,    // once per widget, when the main window is first shown
    WSEV_ACTIVATE = 2,      // button press, combo box choice, end of a slider gesture
    WSEV_VALUE_CHANGE = 3,  // every user movement of a slider
    WSEV_EXPOSE = 9,        // a drawing area must show its picture
};
