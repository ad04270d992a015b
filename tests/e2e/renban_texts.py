"""The program's texts as a reader sees them, and the bytes it shows for them.

Kept apart from the program's own catalogue: the bytes here come from Python's
cp932 codec, so a mistyped byte on either side shows up as a difference.
"""

LINE_BREAK = b"\r\n"

# Identifier -> (text, whether a line break follows). "{url}" marks where the
# URL goes in the two URL texts.
TEXTS = {
    "TEXT_INTRO": ("連番を含む画像のURLを出力します", True),
    "TEXT_CHOOSE_FORMAT": ("URLの形式を選択してください", True),
    "TEXT_FORMAT_1": ("1.hogehoge連番.拡張子", True),
    "TEXT_FORMAT_2": ("2.hogehoge1連番hogehoge2.拡張子", True),
    "TEXT_FORMAT_3": ("3.hogehoge1連番1hogehoge2連番2hogehoge3.拡張子", True),
    "TEXT_MENU_PROMPT": ("…", False),
    "TEXT_OPEN_FAILED": ("ファイルオープンに失敗したんです＞＜", True),
    "ASK_PART": ("hogehoge部分を入力して下さいな…", False),
    "ASK_PART_1": ("hogehoge1部分を入力して下さいな…", False),
    "ASK_PART_2": ("hogehoge2部分を入力して下さいな…", False),
    "ASK_PART_3": ("hogehoge3部分を入力して下さいな…", False),
    "ASK_START": ("連番の始まる数を入力して下さいな…", False),
    "ASK_END": ("連番の終わる数を入力して下さいな…", False),
    "ASK_START_1": ("連番1の始まる数を入力して下さいな…", False),
    "ASK_END_1": ("連番1の終わる数を入力して下さいな…", False),
    "ASK_START_2": ("連番2の始まる数を入力して下さいな…", False),
    "ASK_END_2": ("連番2の終わる数を入力して下さいな…", False),
    "ASK_EXTENSION": ("拡張子を入力して下さいな….", False),
    "ERR_DIGITS": ("始まる数と終わる数の桁数が違います。桁数を揃えてくださいな", True),
    "ERR_ORDER": ("始まる数が終わる数と同じか大きいです。始まる数の方を小さくしてくださいな", True),
    "ERR_RANGE": ("連番の数が範囲を超えています。-2147483648から2147483647までの数にしてくださいな", True),
    "ERR_DIGITS_1": ("連番1の始まる数と終わる数の桁数が違います。桁数を揃えてくださいな", True),
    "ERR_DIGITS_2": ("連番2の始まる数と終わる数の桁数が違います。桁数を揃えてくださいな", True),
    "ERR_ORDER_1": ("連番1の始まる数が終わる数と同じか大きいです。始まる数の方を小さくしてくださいな", True),
    "ERR_ORDER_2": ("連番2の始まる数が終わる数と同じか大きいです。始まる数の方を小さくしてくださいな", True),
    "ERR_RANGE_1": ("連番1の数が範囲を超えています。-2147483648から2147483647までの数にしてくださいな", True),
    "ERR_RANGE_2": ("連番2の数が範囲を超えています。-2147483648から2147483647までの数にしてくださいな", True),
    "TEXT_FIRST_URL": ("最初のURLは{url}", True),
    "TEXT_LAST_URL": ("最後のURLは{url}でよろしいですか？", True),
    "ASK_CONFIRM": ("よろしければ1を、違うのであれば0を入力してくださいな…", False),
    "TEXT_DONE": ("ファイルへの出力が完了しました", True),
    "TEXT_WRITE_FAILED": ("ファイルへの出力に失敗したんです＞＜", True),
}

MENU = ["TEXT_INTRO", "TEXT_CHOOSE_FORMAT", "TEXT_FORMAT_1", "TEXT_FORMAT_2",
        "TEXT_FORMAT_3", "TEXT_MENU_PROMPT"]
QUESTIONS = {
    1: ["ASK_PART", "ASK_START", "ASK_END", "ASK_EXTENSION"],
    2: ["ASK_PART_1", "ASK_START", "ASK_END", "ASK_PART_2", "ASK_EXTENSION"],
    3: ["ASK_PART_1", "ASK_START_1", "ASK_END_1", "ASK_PART_2", "ASK_START_2",
        "ASK_END_2", "ASK_PART_3", "ASK_EXTENSION"],
}


def text(name, url=b""):
    """The bytes shown for one text; `url` is bytes, inserted as they are."""
    words, line_break = TEXTS[name]
    before, _, after = words.partition("{url}")
    shown = before.encode("cp932") + url + after.encode("cp932")
    return shown + (LINE_BREAK if line_break else b"")


def texts(*names):
    return b"".join(text(name) for name in names)


def confirmation(first, last):
    return text("TEXT_FIRST_URL", first) + text("TEXT_LAST_URL", last) + text("ASK_CONFIRM")


def url_list(lines):
    return b"".join(line + LINE_BREAK for line in lines)
