"""A real downloader takes the list: a small HTTP server on 127.0.0.1 serves
the images, renban writes the list of their URLs, and `wget -i uho.txt`
fetches every one of them, byte for byte.

Usage: download_test.py WGET [EMULATOR] PATH_TO_RENBAN
"""
import functools
import http.server
import os
import random
import subprocess
import sys
import tempfile
import threading
import unittest

import renban_run

WGET = None
PROGRAM = None


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Download(unittest.TestCase):
    def setUp(self):
        self.served = tempfile.TemporaryDirectory(prefix="renban-served-")
        self.addCleanup(self.served.cleanup)
        handler = functools.partial(QuietHandler, directory=self.served.name)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        thread.start()
        # Stopped whatever the test does.
        self.addCleanup(self.server.server_close)
        self.addCleanup(self.server.shutdown)
        self.base = b"http://127.0.0.1:%d/" % self.server.server_address[1]

    def serve(self, paths):
        """Puts a file of its own random bytes at each path; gives path -> bytes."""
        chance = random.Random(932)
        files = {}
        for path in paths:
            full = os.path.join(self.served.name, path)
            os.makedirs(os.path.dirname(full), exist_ok=True)
            files[path] = chance.randbytes(chance.randint(1, 40000))
            with open(full, "wb") as file:
                file.write(files[path])
        return files

    def fetch_list(self, typed, files):
        """Has renban write the list, then wget fetch it; compares every file."""
        _, listed, _ = renban_run.run(PROGRAM, typed)
        self.assertEqual(listed.count(b"\r\n"), len(files))
        with tempfile.TemporaryDirectory(prefix="renban-download-") as folder:
            with open(os.path.join(folder, "uho.txt"), "wb") as file:
                file.write(listed)
            fetched = subprocess.run([WGET, "--quiet", "--input-file=uho.txt",
                                      "--directory-prefix=fetched"], cwd=folder,
                                     timeout=renban_run.HANG_LIMIT_SECONDS)
            self.assertEqual(fetched.returncode, 0, "wget could not fetch every URL")
            for path, content in files.items():
                with open(os.path.join(folder, "fetched", os.path.basename(path)), "rb") as file:
                    self.assertTrue(file.read() == content, path)
            self.assertEqual(len(os.listdir(os.path.join(folder, "fetched"))), len(files))

    def test_layout_1(self):
        files = self.serve(["img%03d.jpg" % n for n in range(1, 121)])
        self.fetch_list(b"1\n%simg\n001\n120\njpg\n1\n" % self.base, files)

    def test_layout_3(self):
        files = self.serve(["set%02d/img%02d_s.jpg" % (n, n + 10) for n in range(1, 13)])
        self.fetch_list(b"3\n%sset\n01\n12\n/img\n11\n22\n_s\njpg\n1\n" % self.base, files)


if __name__ == "__main__":
    WGET = sys.argv[1]
    PROGRAM = renban_run.command(sys.argv[2:])
    unittest.main(argv=sys.argv[:1], verbosity=2)
