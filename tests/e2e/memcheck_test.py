"""One whole run of each layout under valgrind's memcheck: no memory error,
and nothing left allocated at exit but what the suppressions name.

Usage: memcheck_test.py PATH_TO_VALGRIND PATH_TO_RENBAN SUPPRESSIONS
"""
import os
import sys
import unittest

import renban_run
from renban_texts import MENU, QUESTIONS, confirmation, text, texts, url_list

COMMAND = None
# What valgrind ends with when it found anything; renban itself always ends with 1.
FOUND_STATUS = 99

RUNS = [
    (b"1\nimg\n098\n101\njpg\n1\n", 1, b"img098.jpg", b"img101.jpg",
     [b"img%03d.jpg" % n for n in range(98, 102)]),
    (b"2 a -2 02 _b png 1\n", 2, b"a-2_b.png", b"a02_b.png",
     [b"a-2_b.png", b"a-1_b.png", b"a00_b.png", b"a01_b.png", b"a02_b.png"]),
    (b"3\nv\n8\n9\n_\n99\n99\np\njpg\n1\n", 3, b"v8_99p.jpg", b"v9_99p.jpg", None),
    (b"3\nv\n08\n11\n_\n998\n999\np\njpg\n1\n", 3, b"v08_998p.jpg", b"v11_999p.jpg",
     [b"v08_998p.jpg", b"v09_999p.jpg"]),
]


class Memcheck(unittest.TestCase):
    def test_each_layout_runs_clean(self):
        for typed, layout, first, last, lines in RUNS:
            with self.subTest(typed=typed):
                # Errors show as valgrind's status and on standard error,
                # which the run turns into a failure.
                screen, listed, status = renban_run.run(COMMAND, typed)
                if lines is None:
                    # Equal start and end: the order test refuses it.
                    self.assertEqual(screen, texts(*MENU, *QUESTIONS[layout], "ERR_ORDER_2"))
                    self.assertEqual(listed, b"")
                else:
                    self.assertEqual(screen, texts(*MENU, *QUESTIONS[layout])
                                     + confirmation(first, last) + text("TEXT_DONE"))
                    self.assertEqual(listed, url_list(lines))
                self.assertEqual(status, 1)


if __name__ == "__main__":
    valgrind, program, suppressions = (os.path.abspath(a) for a in sys.argv[1:4])
    del sys.argv[1:4]
    COMMAND = [valgrind, "-q", f"--error-exitcode={FOUND_STATUS}", "--leak-check=full",
               "--show-leak-kinds=all", "--errors-for-leak-kinds=all",
               f"--suppressions={suppressions}", program]
    unittest.main(verbosity=2)
