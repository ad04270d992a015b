"""Runs the built program as a user does: answers piped in, a fresh working
folder for each run."""
import os
import subprocess
import tempfile
import time

# Far beyond any run of the tests; it only stops a hung program from hanging
# the suite.
HANG_LIMIT_SECONDS = 60


def command(arguments):
    """The command that runs the program: its path, behind an emulator (wine)
    for a build of another system."""
    return [os.path.abspath(a) if os.path.exists(a) else a for a in arguments]


def is_windows_build(program):
    return program[-1].endswith(".exe")


def run(program, typed, prepare=None, typed_later=b"", close_stdout=False):
    """Runs `program` in a fresh folder; returns (screen, list, status).

    `program` is the program's path, or a list: a command that runs it.
    `prepare(folder)` sets the folder up first. `typed_later` is sent after a
    pause, so that the program has to wait for it, flushing what it has shown.
    With `close_stdout` the program starts with standard output closed and the
    screen is empty. `list` is None when no file uho.txt exists afterwards.
    """
    with tempfile.TemporaryDirectory(prefix="renban-e2e-") as folder:
        if prepare:
            prepare(folder)
        argv = program if isinstance(program, list) else [program]
        if close_stdout:
            argv = ["sh", "-c", 'exec "$0" "$@" >&-', *argv]
        child = subprocess.Popen(argv, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                 stderr=subprocess.PIPE, cwd=folder)
        if typed_later:
            child.stdin.write(typed)
            child.stdin.flush()
            time.sleep(0.2)
            typed = typed_later
        screen, errors = child.communicate(typed, timeout=HANG_LIMIT_SECONDS)
        # The program has nothing to say on standard error; a sanitizer does.
        if errors:
            raise AssertionError("standard error:\n" + errors.decode(errors="replace"))
        path = os.path.join(folder, "uho.txt")
        listed = None
        if os.path.isfile(path):
            with open(path, "rb") as file:
                listed = file.read()
        return screen, listed, child.returncode
