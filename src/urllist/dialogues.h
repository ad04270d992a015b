// The dialogues of the three URL formats. Each asks all its questions, tests
// the serial numbers, shows the first and the last URL, asks for confirmation
// and, on confirmation, writes the list into the open list file. A dialogue
// ends by returning, whatever happened: it neither opens nor closes the file.
// When the input ends before an answer, it returns at once without a further
// text and without writing.
#pragma once

#include "console/console.h"
#include "urllist/list_file.h"

// Formats 1 and 2: one serial number. `format` is 1 or 2.
void run_single_counter_dialogue(console& con, list_file& file, int format);

// Format 3: two serial numbers that advance together.
void run_two_counter_dialogue(console& con, list_file& file);
