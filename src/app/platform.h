// What the program needs of the system it runs on, kept in one place so that
// the rest of it deals in bytes and streams only.
#pragma once

#include <streambuf>

// Makes standard input and output plain byte streams that can always be used.
// On Windows both are switched to binary mode, so that the CR LF the program
// writes reach the console as written. Where a standard stream was closed by
// whoever started the program, it is opened on the null device: otherwise the
// list file would take its place and text meant for the screen would land in
// the list.
void prepare_standard_streams();

// Standard input as the program reads it. At a Windows console, Ctrl+Z then
// Enter ends the input there, as Ctrl+D does at a Linux terminal; from a file
// or a pipe every byte is read as it is.
std::streambuf* standard_input();

// The bytes of `source` up to the first Ctrl+Z (0x1A), which reads as the end
// of input; nothing behind it is taken from the source.
class ctrl_z_ends_input : public std::streambuf {
public:
    explicit ctrl_z_ends_input(std::streambuf* source) : source_(source) {}

protected:
    int_type underflow() override;
    int_type uflow() override;
    std::streamsize showmanyc() override;

private:
    std::streambuf* source_;
};
