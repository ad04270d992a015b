"""Drives the built program through a terminal the way a person does: each
answer is typed only once its prompt is on the screen. A prompt left in an
output buffer while the program waits for its answer never shows, and the
test fails.

Usage: terminal_test.py [EMULATOR] PATH_TO_RENBAN
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
from renban_texts import MENU, QUESTIONS, confirmation, text, texts, url_list

PROGRAM = None
# How long a prompt may take to show; far beyond what a working program needs.
PROMPT_LIMIT_SECONDS = 20


class Terminal:
    def __init__(self, folder):
        self.master, slave = pty.openpty()
        # Raw: the screen gets the program's bytes unchanged, and typed bytes
        # reach the program without being echoed or turned into others.
        tty.setraw(slave)
        self.process = subprocess.Popen(PROGRAM, stdin=slave, stdout=slave, cwd=folder)
        os.close(slave)
        self.screen = b""

    def wait_for(self, expected):
        """Reads the screen until it is exactly `expected` (all shown so far)."""
        deadline = time.monotonic() + PROMPT_LIMIT_SECONDS
        while self.screen != expected:
            if not expected.startswith(self.screen):
                raise AssertionError("screen went astray:\n%r\nexpected\n%r"
                                     % (self.screen, expected))
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.master], [], [], left)[0]:
                raise AssertionError("waited in vain for the screen to show\n%r\nit shows\n%r"
                                     % (expected, self.screen))
            try:
                self.screen += os.read(self.master, 4096)
            except OSError:  # the program has ended and closed the terminal
                raise AssertionError("program ended; the screen shows\n%r" % self.screen)

    def type(self, line):
        os.write(self.master, line + b"\n")

    def close(self, failed):
        """Returns the exit status; a program that failed the test is ended."""
        if failed:
            self.process.kill()
        status = self.process.wait(timeout=PROMPT_LIMIT_SECONDS)
        os.close(self.master)
        return status


class TypingAtThePrompts(unittest.TestCase):
    def run_dialogue(self, steps, closing):
        """`steps` pairs what the screen shows next with the answer typed then."""
        with tempfile.TemporaryDirectory(prefix="renban-tty-") as folder:
            terminal = Terminal(folder)
            try:
                shown = b""
                for expected, answer in steps:
                    shown += expected
                    terminal.wait_for(shown)
                    terminal.type(answer)
                terminal.wait_for(shown + closing)
            except BaseException:
                terminal.close(failed=True)
                raise
            status = terminal.close(failed=False)
            self.assertEqual(status, 1)
            with open(os.path.join(folder, "uho.txt"), "rb") as file:
                return file.read()

    def test_each_prompt_shows_before_its_answer_is_typed(self):
        prompts = QUESTIONS[3]
        answers = [b"v", b"01", b"03", b"_", b"11", b"13", b"p", b"jpg"]
        steps = [(texts(*MENU), b"3")]
        steps += [(text(prompt), answer) for prompt, answer in zip(prompts, answers)]
        steps.append((confirmation(b"v01_11p.jpg", b"v03_13p.jpg"), b"1"))
        listed = self.run_dialogue(steps, text("TEXT_DONE"))
        self.assertEqual(listed, url_list([b"v01_11p.jpg", b"v02_12p.jpg", b"v03_13p.jpg"]))

    def test_empty_lines_are_skipped_without_asking_again(self):
        steps = [(texts(*MENU), b"1"), (text("ASK_PART"), b""), (b"", b"  "), (b"", b"img 001"),
                 (text("ASK_START") + text("ASK_END"), b"002"), (text("ASK_EXTENSION"), b"jpg"),
                 (confirmation(b"img001.jpg", b"img002.jpg"), b"0")]
        listed = self.run_dialogue(steps, b"")
        self.assertEqual(listed, b"")


if __name__ == "__main__":
    PROGRAM = renban_run.command(sys.argv[1:])
    unittest.main(argv=sys.argv[:1], verbosity=2)
