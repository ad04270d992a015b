"""Faults and hostile input, end to end: whatever the input or the system
does, the program ends, shows the text that fits, and its list is either
whole or empty, never cut short and passed off as done.

Usage: fault_test.py [EMULATOR] PATH_TO_RENBAN
"""
import os
import sys
import unittest
from collections import namedtuple

import renban_run
from renban_texts import MENU, QUESTIONS, confirmation, text, texts, url_list

PROGRAM = None

# A run that goes through for each layout: its answers, confirmation left out,
# with the first and last URL they give and the whole list.
RUNS = {
    1: ([b"img", b"001", b"003", b"jpg"], b"img001.jpg", b"img003.jpg",
        [b"img001.jpg", b"img002.jpg", b"img003.jpg"]),
    2: ([b"a", b"001", b"003", b"_b", b"png"], b"a001_b.png", b"a003_b.png",
        [b"a001_b.png", b"a002_b.png", b"a003_b.png"]),
    3: ([b"v", b"01", b"03", b"_", b"11", b"13", b"p", b"jpg"], b"v01_11p.jpg", b"v03_13p.jpg",
        [b"v01_11p.jpg", b"v02_12p.jpg", b"v03_13p.jpg"]),
}
# Where the numbers sit among the answers: (start, end) of each number.
NUMBER_ANSWERS = {1: [(1, 2)], 2: [(1, 2)], 3: [(1, 2), (4, 5)]}

Case = namedtuple("Case", "name typed screen listed prepare typed_later close_stdout",
                  defaults=(None, b"", False))


def typed(layout, answers, confirm=b"1", menu=None):
    """One answer a line: the menu choice (the layout's number unless given),
    the answers and the confirmation."""
    return b"\n".join([menu or b"%d" % layout, *answers, confirm]) + b"\n"


def asked(layout):
    return texts(*MENU, *QUESTIONS[layout])


def confirmed_run(name, layout, answers, first, last, lines, menu=None, confirm=b"1"):
    return Case(name, typed(layout, answers, confirm, menu),
                asked(layout) + confirmation(first, last) + text("TEXT_DONE"), url_list(lines))


def end_of_input_cases():
    """The input ends at each question in turn, and at the confirmation."""
    cases = []
    for layout, (answers, first, last, _) in RUNS.items():
        for at, question in enumerate(QUESTIONS[layout]):
            cases.append(Case(f"layout {layout}, input ends at {question}",
                              b"\n".join([b"%d" % layout, *answers[:at]]) + b"\n",
                              texts(*MENU, *QUESTIONS[layout][:at + 1]), b""))
        cases.append(Case(f"layout {layout}, input ends at the confirmation",
                          b"\n".join([b"%d" % layout, *answers]),
                          asked(layout) + confirmation(first, last), b""))
    return cases


def huge_number_cases():
    """15 digits and more at every number question: outside int32 they are
    refused with the range text, never wrapped into a small number."""
    cases = []
    for layout, (answers, first, last, _) in RUNS.items():
        for pair, (start_at, end_at) in enumerate(NUMBER_ANSWERS[layout], start=1):
            fault = "ERR_RANGE" if layout < 3 else f"ERR_RANGE_{pair}"
            for at in (start_at, end_at):
                for huge in (b"999999999999999", b"-99999999999999", b"9" * 40, b"4294967297"):
                    changed = list(answers)
                    changed[at] = huge
                    other = end_at if at == start_at else start_at
                    # The other number of the pair gets the same width, so
                    # only the range test can fail.
                    changed[other] = b"%0*d" % (len(huge), 3 if other == end_at else 1)
                    cases.append(Case(f"layout {layout}, {huge[:20]!r} at answer {at}",
                                      typed(layout, changed), asked(layout) + text(fault), b""))
    return cases


def number_answer_cases():
    answers, first, last, lines = RUNS[1]
    wide = [b"img", b"000000000000001", b"000000000000003", b"jpg"]
    return [
        Case("15-digit menu choice", b"123456789012345\n", texts(*MENU), None),
        Case("menu choice that wraps to 1 in 32 bits", b"4294967297 img 001 003 jpg 1\n",
             texts(*MENU), None),
        confirmed_run("15-digit menu choice of value 1", 1, answers, first, last, lines,
                      menu=b"000000000000001"),
        Case("15-digit confirmation", typed(1, answers, b"100000000000001"),
             asked(1) + confirmation(first, last), b""),
        Case("confirmation that wraps to 1 in 32 bits", typed(1, answers, b"4294967297"),
             asked(1) + confirmation(first, last), b""),
        confirmed_run("15-digit confirmation of value 1", 1, answers, first, last, lines,
                      confirm=b"000000000000001"),
        confirmed_run("15-digit numbers of small value", 1, wide, b"img000000000000001.jpg",
                      b"img000000000000003.jpg",
                      [b"img00000000000000%d.jpg" % n for n in (1, 2, 3)]),
    ]


def hostile_answer_cases():
    long_part = b"a" * (10 * 1024 * 1024)
    control = b"\x00\x01\x07\x08\x1a\x1b[31m\x7f"
    high = bytes(range(0x80, 0x100))
    directives = [b"%s%n", b"%n%p%x", b"%99999999s%s", b"%s%n"]
    return [
        confirmed_run("10 MiB answer without whitespace", 1,
                      [long_part, b"1", b"2", b"jpg"], long_part + b"1.jpg", long_part + b"2.jpg",
                      [long_part + b"1.jpg", long_part + b"2.jpg"]),
        Case("100,000 empty lines before each answer",
             b"\n" * 100000 + b"1" + b"\n" * 100000 + b"\n".join(RUNS[1][0])
             + b"\n" * 100000 + b"1\n",
             asked(1) + confirmation(*RUNS[1][1:3]) + text("TEXT_DONE"), url_list(RUNS[1][3])),
        confirmed_run("NUL and control bytes in the fixed part", 1,
                      [control, b"1", b"2", b"jpg"], control + b"1.jpg", control + b"2.jpg",
                      [control + b"1.jpg", control + b"2.jpg"]),
        # 0x85 and 0xA0 among them: a locale may call those whitespace.
        confirmed_run("bytes 0x80 to 0xFF in the fixed part", 2,
                      [high, b"1", b"2", high, high], high + b"1" + high + b"." + high,
                      high + b"2" + high + b"." + high,
                      [high + b"1" + high + b"." + high, high + b"2" + high + b"." + high]),
        confirmed_run("printf directives in every fixed part", 3,
                      [directives[0], b"1", b"2", directives[1], b"1", b"2", directives[2],
                       directives[3]],
                      b"%s%n1%n%p%x1%99999999s%s.%s%n", b"%s%n2%n%p%x2%99999999s%s.%s%n",
                      [b"%s%n1%n%p%x1%99999999s%s.%s%n", b"%s%n2%n%p%x2%99999999s%s.%s%n"]),
    ]


def system_fault_cases():
    answers, first, last, lines = RUNS[1]
    cases = [
        Case("uho.txt cannot be opened: a folder of that name", typed(1, answers),
             texts(*MENU, "TEXT_OPEN_FAILED"), None,
             prepare=lambda folder: os.mkdir(os.path.join(folder, "uho.txt"))),
        # The program waits for the answers sent later, flushing its screen
        # meanwhile: none of it may reach the list.
        Case("standard output closed", b"1\nimg\n", b"", url_list(lines),
             typed_later=b"\n".join(answers[1:] + [b"1"]) + b"\n", close_stdout=True),
    ]
    # Linux only: a device that is always full, behind a symbolic link.
    if os.path.exists("/dev/full") and not renban_run.is_windows_build(PROGRAM):
        cases.append(Case("the disk fills while writing", typed(1, [b"img", b"0001", b"9999",
                                                                     b"jpg"]),
                          asked(1) + confirmation(b"img0001.jpg", b"img9999.jpg")
                          + text("TEXT_WRITE_FAILED"), None,
                          prepare=lambda folder: os.symlink("/dev/full",
                                                            os.path.join(folder, "uho.txt"))))
    return cases


class Faults(unittest.TestCase):
    def check(self, cases):
        for case in cases:
            with self.subTest(case.name):
                screen, listed, status = renban_run.run(
                    PROGRAM, case.typed, case.prepare, case.typed_later, case.close_stdout)
                if screen != case.screen:
                    self.fail(f"screen:\n{screen[-300:]!r}\nexpected:\n{case.screen[-300:]!r}")
                self.assertTrue(listed == case.listed, "the list differs")
                self.assertEqual(status, 1)

    def test_system_faults(self):
        self.check(system_fault_cases())

    def test_end_of_input_at_every_question(self):
        self.check(end_of_input_cases())

    def test_hostile_answers(self):
        self.check(hostile_answer_cases())

    def test_huge_numbers(self):
        self.check(huge_number_cases() + number_answer_cases())


if __name__ == "__main__":
    PROGRAM = renban_run.command(sys.argv[1:])
    unittest.main(argv=sys.argv[:1], verbosity=2)
