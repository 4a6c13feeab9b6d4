#include "toolkit/WSapplication.h"

// Everything happens in the toolkit's init handlers and callbacks; the command line goes
// to the toolkit untouched.
int main(int argc, char** argv) { return _win_main(argc, argv); }
