#include "app/platform.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/program_flow.h"
#include "test_support.h"

namespace {

using CtrlZ = in_fresh_folder;

// Typed at a Windows console, Ctrl+Z then Enter ends the input: answers typed
// before it count, and nothing behind it is read.
TEST_F(CtrlZ, EndsTheInputWhereverItIsTyped) {
    const struct {
        std::string typed;
        std::string shown;
        std::string listed;
    } cases[] = {
        {"1\nimg\n001\n\x1a\r\n003\njpg\n1\n", MENU + texts({{ASK_PART}, {ASK_START}, {ASK_END}}),
         ""},
        // The confirmation typed in front of Ctrl+Z on its line still counts.
        {"1 img 001 002 jpg 1\x1a\r\n",
         MENU + FORMAT_1_QUESTIONS + confirmation("img001.jpg", "img002.jpg") + DONE,
         list({"img001.jpg", "img002.jpg"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        std::stringbuf source(c.typed);
        ctrl_z_ends_input input(&source);
        std::stringbuf output;
        console con{&input, &output};
        EXPECT_EQ(run_program(con), 1);
        EXPECT_EQ(output.str(), c.shown);
        EXPECT_EQ(file_bytes("uho.txt"), c.listed);
        EXPECT_EQ(source.sgetc(), 0x1a) << "nothing behind Ctrl+Z is taken";
    }
}

}  // namespace
