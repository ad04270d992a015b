// What the program needs of the system it runs on, kept in one place so that
// the rest of it deals in bytes and streams only.
#pragma once

// Makes standard input and output plain byte streams that can always be used.
// On Windows both are switched to binary mode, so that the CR LF the program
// writes reach the console as written. Where a standard stream was closed by
// whoever started the program, it is opened on the null device: otherwise the
// list file would take its place and text meant for the screen would land in
// the list.
void prepare_standard_streams();
