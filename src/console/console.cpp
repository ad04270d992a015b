#include "console/console.h"

void write_bytes(console& con, std::string_view bytes) {
    con.output->sputn(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void flush_output(console& con) {
    con.output->pubsync();
}

int peek_byte(console& con) {
    // in_avail() is positive only when a byte can be had without waiting.
    if (con.input->in_avail() <= 0) {
        flush_output(con);
    }
    return con.input->sgetc();  // a byte as unsigned char, or END_OF_INPUT
}

void take_byte(console& con) {
    con.input->sbumpc();
}
