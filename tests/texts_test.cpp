#include "console/texts.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "test_support.h"

namespace {

// Decodes with the system's own converter; an invalid byte shows in the text.
std::string readable_from(std::string_view bytes) {
    return utf8_from_cp932(bytes).value_or("<not code page 932: " + std::string(bytes) + ">");
}

// Every text as a reader sees it; "<URL>" marks where the URL goes, and a
// trailing "\n" stands for the line break.
const struct {
    text_id id;
    std::string_view readable;
} READABLE[] = {
    {TEXT_INTRO, "連番を含む画像のURLを出力します\n"},
    {TEXT_CHOOSE_FORMAT, "URLの形式を選択してください\n"},
    {TEXT_FORMAT_1, "1.hogehoge連番.拡張子\n"},
    {TEXT_FORMAT_2, "2.hogehoge1連番hogehoge2.拡張子\n"},
    {TEXT_FORMAT_3, "3.hogehoge1連番1hogehoge2連番2hogehoge3.拡張子\n"},
    {TEXT_MENU_PROMPT, "…"},
    {TEXT_OPEN_FAILED, "ファイルオープンに失敗したんです＞＜\n"},
    {ASK_PART, "hogehoge部分を入力して下さいな…"},
    {ASK_PART_1, "hogehoge1部分を入力して下さいな…"},
    {ASK_PART_2, "hogehoge2部分を入力して下さいな…"},
    {ASK_PART_3, "hogehoge3部分を入力して下さいな…"},
    {ASK_START, "連番の始まる数を入力して下さいな…"},
    {ASK_END, "連番の終わる数を入力して下さいな…"},
    {ASK_START_1, "連番1の始まる数を入力して下さいな…"},
    {ASK_END_1, "連番1の終わる数を入力して下さいな…"},
    {ASK_START_2, "連番2の始まる数を入力して下さいな…"},
    {ASK_END_2, "連番2の終わる数を入力して下さいな…"},
    {ASK_EXTENSION, "拡張子を入力して下さいな…."},
    {ERR_DIGITS, "始まる数と終わる数の桁数が違います。桁数を揃えてくださいな\n"},
    {ERR_ORDER, "始まる数が終わる数と同じか大きいです。始まる数の方を小さくしてくださいな\n"},
    {ERR_RANGE,
     "連番の数が範囲を超えています。-2147483648から2147483647までの数にしてくださいな\n"},
    {ERR_DIGITS_1, "連番1の始まる数と終わる数の桁数が違います。桁数を揃えてくださいな\n"},
    {ERR_DIGITS_2, "連番2の始まる数と終わる数の桁数が違います。桁数を揃えてくださいな\n"},
    {ERR_ORDER_1,
     "連番1の始まる数が終わる数と同じか大きいです。始まる数の方を小さくしてくださいな\n"},
    {ERR_ORDER_2,
     "連番2の始まる数が終わる数と同じか大きいです。始まる数の方を小さくしてくださいな\n"},
    {ERR_RANGE_1,
     "連番1の数が範囲を超えています。-2147483648から2147483647までの数にしてくださいな\n"},
    {ERR_RANGE_2,
     "連番2の数が範囲を超えています。-2147483648から2147483647までの数にしてくださいな\n"},
    {TEXT_FIRST_URL, "最初のURLは<URL>\n"},
    {TEXT_LAST_URL, "最後のURLは<URL>でよろしいですか？\n"},
    {ASK_CONFIRM, "よろしければ1を、違うのであれば0を入力してくださいな…"},
    {TEXT_DONE, "ファイルへの出力が完了しました\n"},
    {TEXT_WRITE_FAILED, "ファイルへの出力に失敗したんです＞＜\n"},
};

TEST(Catalogue, EveryTextIsTheJapaneseItMeans) {
    ASSERT_EQ(std::size(READABLE), static_cast<std::size_t>(TEXT_COUNT));
    for (const auto& expected : READABLE) {
        const text_entry& entry = catalogue_entry(expected.id);
        const bool carries_url = expected.id == TEXT_FIRST_URL || expected.id == TEXT_LAST_URL;
        const std::string decoded = readable_from(entry.text) + (carries_url ? "<URL>" : "") +
                                    readable_from(entry.after_url) + (entry.line_break ? "\n" : "");
        EXPECT_EQ(decoded, expected.readable) << "text " << expected.id;
    }
}

TEST(ShowText, WritesTheStoredBytesAndCrLfForLineTexts) {
    EXPECT_EQ(texts({{TEXT_MENU_PROMPT}}), "\x81\x63");
    EXPECT_EQ(texts({{TEXT_FORMAT_1}}), "1.hogehoge\x98\x41\x94\xd4.\x8a\x67\x92\xa3\x8e\x71\r\n");
    EXPECT_EQ(texts({{TEXT_FIRST_URL, "img001.jpg"}}),
              "\x8d\xc5\x8f\x89\x82\xccURL\x82\xcd"
              "img001.jpg\r\n");
    EXPECT_EQ(texts({{TEXT_LAST_URL, "a%s\x82\xa0"}}),
              "\x8d\xc5\x8c\xe3\x82\xccURL\x82\xcd"
              "a%s\x82\xa0"
              "\x82\xc5\x82\xe6\x82\xeb\x82\xb5\x82\xa2\x82\xc5\x82\xb7\x82\xa9\x81\x48\r\n");
}

}  // namespace
