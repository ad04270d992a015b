// What the unit tests share: a console in memory, the texts as the program
// shows them, and a fresh working folder for the list file.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <string_view>

#include "console/console.h"
#include "console/texts.h"
#include "platform_fixtures.h"

// A console whose input is typed ahead in full and whose output is kept.
struct memory_console {
    std::stringbuf input;
    std::stringbuf output;
    console con{&input, &output};

    explicit memory_console(std::string_view typed) : input(std::string(typed)) {}
    std::string shown() const { return output.str(); }
};

// One text as the program shows it, the URL in place for the URL texts.
struct shown_text {
    text_id id;
    std::string_view url = {};
};

inline std::string texts(std::initializer_list<shown_text> shown) {
    std::stringbuf in;
    std::stringbuf out;
    console con{&in, &out};
    for (const shown_text& text : shown) {
        show_text(con, text.id, text.url);
    }
    return out.str();
}

// What the program shows before the menu choice.
inline const std::string MENU = texts({{TEXT_INTRO},
                                       {TEXT_CHOOSE_FORMAT},
                                       {TEXT_FORMAT_1},
                                       {TEXT_FORMAT_2},
                                       {TEXT_FORMAT_3},
                                       {TEXT_MENU_PROMPT}});

// What the dialogues show, for building the expected screens.
inline const std::string FORMAT_1_QUESTIONS =
    texts({{ASK_PART}, {ASK_START}, {ASK_END}, {ASK_EXTENSION}});
inline const std::string FORMAT_2_QUESTIONS =
    texts({{ASK_PART_1}, {ASK_START}, {ASK_END}, {ASK_PART_2}, {ASK_EXTENSION}});
inline const std::string FORMAT_3_QUESTIONS = texts({{ASK_PART_1},
                                                     {ASK_START_1},
                                                     {ASK_END_1},
                                                     {ASK_PART_2},
                                                     {ASK_START_2},
                                                     {ASK_END_2},
                                                     {ASK_PART_3},
                                                     {ASK_EXTENSION}});
inline const std::string DONE = texts({{TEXT_DONE}});

inline std::string confirmation(std::string_view first, std::string_view last) {
    return texts({{TEXT_FIRST_URL, first}, {TEXT_LAST_URL, last}, {ASK_CONFIRM}});
}

// The list of `lines`, each ended as in the file.
inline std::string list(std::initializer_list<std::string_view> lines) {
    std::string bytes;
    for (const std::string_view line : lines) {
        bytes.append(line).append("\r\n");
    }
    return bytes;
}

inline std::string file_bytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Runs each test in a fresh empty working folder, where the list file goes.
class in_fresh_folder : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() /
                  ("renban-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directory(folder_);
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(folder_);
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::filesystem::remove_all(folder_);
    }

    std::filesystem::path folder_;
    std::filesystem::path previous_;
};
