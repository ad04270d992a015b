"""Runs the built program as a user does: answers piped in, a fresh working
folder for each run, and the bytes of the screen and of uho.txt compared whole.

Usage: end_to_end_test.py [EMULATOR] PATH_TO_RENBAN
"""
import os
import sys
import unittest

import renban_run
from renban_texts import MENU, QUESTIONS, confirmation, text, texts, url_list

PROGRAM = None


def run(typed, prepare=None):
    return renban_run.run(PROGRAM, typed, prepare)


def earlier_list(folder):
    with open(os.path.join(folder, "uho.txt"), "wb") as file:
        file.write(b"old001.jpg\r\nold002.jpg\r\n")


class EndToEnd(unittest.TestCase):
    def test_confirmed_runs_write_the_whole_list(self):
        cases = [
            # The run of the introduction, one answer per line.
            (b"1\nimg\n001\n120\njpg\n1\n", 1, b"img001.jpg", b"img120.jpg",
             [b"img%03d.jpg" % n for n in range(1, 121)]),
            # Every answer typed ahead on one line.
            (b"2 a 001 003 _b png 1\n", 2, b"a001_b.png", b"a003_b.png",
             [b"a001_b.png", b"a002_b.png", b"a003_b.png"]),
            (b"3\nv\n01\n03\n_\n11\n13\np\njpg\n1\n", 3, b"v01_11p.jpg", b"v03_13p.jpg",
             [b"v01_11p.jpg", b"v02_12p.jpg", b"v03_13p.jpg"]),
        ]
        for typed, layout, first, last, lines in cases:
            with self.subTest(typed=typed):
                screen, listed, status = run(typed)
                self.assertEqual(screen, texts(*MENU, *QUESTIONS[layout])
                                 + confirmation(first, last) + text("TEXT_DONE"))
                self.assertEqual(listed, url_list(lines))
                self.assertEqual(status, 1)

    def test_refusal_empties_an_earlier_list(self):
        screen, listed, status = run(b"1\nimg\n001\n003\njpg\n0\n", earlier_list)
        self.assertEqual(screen, texts(*MENU, *QUESTIONS[1])
                         + confirmation(b"img001.jpg", b"img003.jpg"))
        self.assertEqual(listed, b"")
        self.assertEqual(status, 1)

    def test_failed_tests_write_nothing(self):
        screen, listed, status = run(b"1 p 100 99 j 1\n", earlier_list)
        self.assertEqual(screen, texts(*MENU, *QUESTIONS[1], "ERR_DIGITS", "ERR_ORDER"))
        self.assertEqual(listed, b"")
        self.assertEqual(status, 1)

    def test_other_choices_leave_the_list_untouched(self):
        for typed in [b"4\n", b"0\n", b"-1\n", b"4294967297\n", b"x\n", b""]:
            with self.subTest(typed=typed):
                screen, listed, status = run(typed, earlier_list)
                self.assertEqual(screen, texts(*MENU))
                self.assertEqual(listed, b"old001.jpg\r\nold002.jpg\r\n")
                self.assertEqual(status, 1)
                self.assertEqual(run(typed)[1], None, "no list file is created")


if __name__ == "__main__":
    PROGRAM = renban_run.command(sys.argv[1:])
    unittest.main(argv=sys.argv[:1], verbosity=2)
