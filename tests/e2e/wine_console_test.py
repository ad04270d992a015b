"""The Windows build at a console: wine gives renban.exe a console on a
terminal, as Windows would, and Ctrl+Z then Enter must end the input there,
as the end of input does from a pipe. The screen is left alone: wine shows
it in the terminal's own character set.

Usage: wine_console_test.py EMULATOR... PATH_TO_RENBAN_EXE
"""
import os
import pty
import select
import subprocess
import sys
import tempfile
import time
import tty
import unittest

import renban_run

PROGRAM = None


def run_at_console(keys):
    """Types `keys` at the console once the menu shows; gives (status, list)."""
    with tempfile.TemporaryDirectory(prefix="renban-console-") as folder:
        master, slave = pty.openpty()
        tty.setraw(slave)
        child = subprocess.Popen(PROGRAM, stdin=slave, stdout=slave, cwd=folder)
        os.close(slave)
        try:
            deadline = time.monotonic() + renban_run.HANG_LIMIT_SECONDS
            while not select.select([master], [], [], 0.1)[0]:
                if time.monotonic() > deadline:
                    raise AssertionError("the menu never showed")
            os.write(master, keys)
            # Read the screen away meanwhile, so that the program never
            # blocks on a full terminal.
            while child.poll() is None:
                if time.monotonic() > deadline:
                    raise AssertionError("the program still waits for input")
                if select.select([master], [], [], 0.1)[0]:
                    try:
                        os.read(master, 4096)
                    except OSError:
                        pass
        finally:
            if child.poll() is None:
                child.kill()
            child.wait()
            os.close(master)
        with open(os.path.join(folder, "uho.txt"), "rb") as file:
            return child.returncode, file.read()


class WineConsole(unittest.TestCase):
    def test_ctrl_z_then_enter_ends_the_input(self):
        cases = [
            # At the first question: the run ends, its list empty.
            (b"1\rimg\r\x1a\r", b""),
            # Behind an answer on its line: the answer still counts.
            (b"1\rimg\r001\r003\rjpg\r1\x1a\r", b"img001.jpg\r\nimg002.jpg\r\nimg003.jpg\r\n"),
        ]
        for keys, listed in cases:
            with self.subTest(keys=keys):
                self.assertEqual(run_at_console(keys), (1, listed))


if __name__ == "__main__":
    PROGRAM = renban_run.command(sys.argv[1:])
    unittest.main(argv=sys.argv[:1], verbosity=2)
