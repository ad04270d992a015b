#include "app/program_flow.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "test_support.h"

namespace {

using ProgramFlow = in_fresh_folder;

TEST_F(ProgramFlow, AnyOtherChoiceEndsSilentlyAndLeavesTheListAlone) {
    std::ofstream("uho.txt", std::ios::binary) << "old\r\n";
    for (const std::string_view typed :
         {"4\n", "0\n", "-1\n", "x\n", "4294967297\n", "4294967298\n", "", "\n\n", "+\n"}) {
        SCOPED_TRACE(typed);
        memory_console console(typed);
        EXPECT_EQ(run_program(console.con), 1);
        EXPECT_EQ(console.shown(), MENU);
        EXPECT_EQ(file_bytes("uho.txt"), "old\r\n");
    }
    std::filesystem::remove("uho.txt");
    memory_console console("7\n");
    run_program(console.con);
    EXPECT_FALSE(std::filesystem::exists("uho.txt"));
}

TEST_F(ProgramFlow, RunsTheDialogueOfTheChosenFormat) {
    const struct {
        std::string_view typed;
        std::string shown;
        std::string list;
    } cases[] = {
        {"1\nimg\n001\n002\njpg\n1\n",
         MENU + FORMAT_1_QUESTIONS + confirmation("img001.jpg", "img002.jpg") + DONE,
         list({"img001.jpg", "img002.jpg"})},
        // The byte behind the choice begins the first answer.
        {"2x 1 2 y z 1", MENU + FORMAT_2_QUESTIONS + confirmation("x1y.z", "x2y.z") + DONE,
         list({"x1y.z", "x2y.z"})},
        {"03 a 1 2 b 3 4 c d 1",
         MENU + FORMAT_3_QUESTIONS + confirmation("a1b3c.d", "a2b4c.d") + DONE,
         list({"a1b3c.d", "a2b4c.d"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        memory_console console(c.typed);
        EXPECT_EQ(run_program(console.con), 1);
        EXPECT_EQ(console.shown(), c.shown);
        EXPECT_EQ(file_bytes("uho.txt"), c.list);
    }
}

TEST_F(ProgramFlow, EmptiesAnEarlierListEvenWhenNothingIsWritten) {
    for (const std::string_view typed : {"1 a 1 2 j 0", "1 a 1 2", "1", "3 a 2 1 b 1 2 c j 1"}) {
        SCOPED_TRACE(typed);
        std::ofstream("uho.txt", std::ios::binary) << "old\r\n";
        memory_console console(typed);
        EXPECT_EQ(run_program(console.con), 1);
        EXPECT_EQ(file_bytes("uho.txt"), "");
    }
}

TEST_F(ProgramFlow, ReportsAListFileThatCannotBeOpenedBeforeAnyQuestion) {
    std::filesystem::create_directory("uho.txt");
    memory_console console("1 img 001 002 jpg 1");
    EXPECT_EQ(run_program(console.con), 1);
    EXPECT_EQ(console.shown(), MENU + texts({{TEXT_OPEN_FAILED}}));
}

TEST_F(ProgramFlow, ReportsAFailedWriteInsteadOfDone) {
    if (!list_file_on_full_device()) {
        GTEST_SKIP() << "no device that is always full";
    }
    memory_console console("1 img 001 120 jpg 1");
    EXPECT_EQ(run_program(console.con), 1);
    EXPECT_EQ(console.shown(), MENU + FORMAT_1_QUESTIONS +
                                   confirmation("img001.jpg", "img120.jpg") +
                                   texts({{TEXT_WRITE_FAILED}}));
}

}  // namespace
