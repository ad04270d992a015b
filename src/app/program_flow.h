// The program from start to end: the greeting and the menu, the choice of a
// URL format, the list file, and the dialogue of the chosen format. One run is
// one choice and at most one list; nothing leads back to the menu.
#pragma once

#include "console/console.h"

// Runs the program on the given console and returns the exit status, which
// is 1 on every path: whatever the user needs to know is in the texts shown.
int run_program(console& con);

// Runs the program on standard input and output.
int run_program();
