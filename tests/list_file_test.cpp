#include "urllist/list_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "test_support.h"

namespace {

using ListFile = in_fresh_folder;

TEST_F(ListFile, HoldsTheLinesEachEndedByCrLf) {
    std::optional<list_file> file = open_list_file();
    ASSERT_TRUE(file);
    EXPECT_TRUE(write_list_line(*file, "img001.jpg"));
    EXPECT_TRUE(write_list_line(*file, "\x82\xa0%s.jpg"));
    EXPECT_TRUE(flush_list_file(*file));
    close_list_file(*file);
    EXPECT_EQ(file_bytes("uho.txt"), "img001.jpg\r\n\x82\xa0%s.jpg\r\n");
}

// Lines are gathered into blocks: none may be cut or lost where a block ends,
// and a line longer than a block still arrives whole and in its place.
TEST_F(ListFile, KeepsLinesWholeAndInOrderAcrossBlocks) {
    std::optional<list_file> file = open_list_file();
    ASSERT_TRUE(file);
    std::string expected;
    auto write = [&](const std::string& line) {
        EXPECT_TRUE(write_list_line(*file, line));
        expected += line + "\r\n";
    };
    for (std::size_t k = 0; expected.size() < 3 * LIST_BLOCK_SIZE; ++k) {
        write(std::string(1 + k % 97, static_cast<char>('a' + k % 26)));
        if (k == 20000) {
            write(std::string(LIST_BLOCK_SIZE + 5, '\x82'));
        }
    }
    EXPECT_TRUE(flush_list_file(*file));
    close_list_file(*file);
    EXPECT_TRUE(file_bytes("uho.txt") == expected);
}

TEST_F(ListFile, EmptiesAListLeftByAnEarlierRun) {
    std::ofstream("uho.txt", std::ios::binary) << "old\r\nlist\r\n";
    std::optional<list_file> file = open_list_file();
    ASSERT_TRUE(file);
    EXPECT_EQ(std::filesystem::file_size("uho.txt"), 0u);
    close_list_file(*file);
    EXPECT_EQ(file_bytes("uho.txt"), "");
}

TEST_F(ListFile, CannotBeOpenedWhereAFolderTakesItsName) {
    std::filesystem::create_directory("uho.txt");
    EXPECT_FALSE(open_list_file());
}

TEST_F(ListFile, ReportsAFailedWriteAndWritesNothingAfterIt) {
    if (!list_file_on_full_device()) {
        GTEST_SKIP() << "no device that is always full";
    }
    // However few lines were written, the failure is known once flushed.
    std::optional<list_file> short_list = open_list_file();
    ASSERT_TRUE(short_list);
    write_list_line(*short_list, "img0001.jpg");
    EXPECT_FALSE(flush_list_file(*short_list));
    close_list_file(*short_list);

    // A long list fails while it is written, and stays failed.
    std::optional<list_file> long_list = open_list_file();
    ASSERT_TRUE(long_list);
    int written = 0;
    while (written < 100000 && write_list_line(*long_list, "img0001.jpg")) {
        ++written;
    }
    EXPECT_LT(written, 100000);
    EXPECT_FALSE(write_list_line(*long_list, "img0001.jpg"));
    EXPECT_FALSE(flush_list_file(*long_list));
    close_list_file(*long_list);
}

}  // namespace
