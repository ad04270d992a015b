#include "app/program_flow.h"

#include <cstdint>
#include <iostream>
#include <optional>

#include "app/platform.h"
#include "console/answers.h"
#include "console/texts.h"
#include "urllist/dialogues.h"
#include "urllist/list_file.h"

namespace {

constexpr int EXIT_STATUS = 1;

void show_menu(console& con) {
    for (const text_id id : {TEXT_INTRO, TEXT_CHOOSE_FORMAT, TEXT_FORMAT_1, TEXT_FORMAT_2,
                             TEXT_FORMAT_3, TEXT_MENU_PROMPT}) {
        show_text(con, id);
    }
}

void run_dialogue(console& con, list_file& file, std::int32_t choice) {
    if (choice == 3) {
        run_two_counter_dialogue(con, file);
    } else {
        run_single_counter_dialogue(con, file, choice);
    }
}

}  // namespace

int run_program(console& con) {
    show_menu(con);
    const std::optional<std::int32_t> choice = read_number(con);
    // Any other answer ends the run silently, before the list file is touched.
    if (choice && 1 <= *choice && *choice <= 3) {
        // Opened before the first question, so that a list left by an earlier
        // run is gone even when this one writes none.
        if (std::optional<list_file> file = open_list_file()) {
            run_dialogue(con, *file, *choice);
            close_list_file(*file);
        } else {
            show_text(con, TEXT_OPEN_FAILED);
        }
    }
    flush_output(con);
    return EXIT_STATUS;
}

int run_program() {
    prepare_standard_streams();
    // The console is read and written through the streams' own buffers, which
    // pass bytes through untouched.
    std::ios::sync_with_stdio(false);
    console con{standard_input(), std::cout.rdbuf()};
    return run_program(con);
}
