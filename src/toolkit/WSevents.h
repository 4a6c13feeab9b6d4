#pragma once

// Event numbers of the procedures a widget runs.
enum WSevent : long {
    WSEV_INITIALIZE = 0,    // once per widget, when the main window is first shown
    WSEV_ACTIVATE = 2,      // button press, combo box choice, end of a slider gesture
    WSEV_VALUE_CHANGE = 3,  // every user movement of a slider
    WSEV_EXPOSE = 9,        // a drawing area must show its picture
    // A drawing area's pointer; where it is: WSCvdrawingArea::pointer().
    WSEV_POINTER_MOVE = 20,     // moved over the area, or dragged on from a press there
    WSEV_POINTER_LEAVE = 21,    // left the area
    WSEV_POINTER_PRESS = 22,    // left button pressed over the area
    WSEV_POINTER_RELEASE = 23,  // left button let go after a press on the area
    // A drawing area that takes the keyboard focus; which key: WSCbase::key().
    WSEV_KEY_PRESS = 24,  // a key pressed while the area has the focus, or that the main
                          // window's focused widget left to it
    WSEV_FOCUS_IN = 25,   // the area took the keyboard focus
    WSEV_FOCUS_OUT = 26,  // the area lost it
    // A main window took another size, or another pixel ratio: the user resized or
    // maximised it, or it came to another screen.
    WSEV_RESIZE = 27,
    // A drawing area's pointer again: the middle button, or Shift with the left one, pressed
    // over the area to pan what it shows (WSpointer::panning until it is let go); the wheel
    // turned over it (WSCvdrawingArea::wheelSteps()); the left button double-clicked there,
    // after the press of its second click.
    WSEV_PAN_PRESS = 28,
    WSEV_PAN_RELEASE = 29,
    WSEV_WHEEL = 30,
    WSEV_DOUBLE_CLICK = 31,
};
