#!/usr/bin/env python3
"""Installs the build into a temporary prefix and checks that the program and its manual page
land where a Unix system looks for them, that the installed program runs, and that the page
renders without warnings. The build tree is named by the BUCKET_PUZZLE_BUILD variable."""

import os
import subprocess
import tempfile
import unittest
from pathlib import Path

from expected import conversation

BUILD = os.environ["BUCKET_PUZZLE_BUILD"]


class Install(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.scratch = tempfile.TemporaryDirectory()
        cls.prefix = Path(cls.scratch.name)
        subprocess.run(
            ["cmake", "--install", BUILD, "--prefix", cls.prefix],
            check=True,
            stdout=subprocess.DEVNULL,
        )

    @classmethod
    def tearDownClass(cls):
        cls.scratch.cleanup()

    def test_the_installed_program_runs(self):
        program = self.prefix / "bin" / "bucket-puzzle"
        self.assertTrue(os.access(program, os.X_OK))
        result = subprocess.run([program], input=b"3\n", capture_output=True, timeout=20)
        self.assertEqual(result.stdout, conversation(target=3))
        self.assertEqual(result.returncode, 0)

    def test_the_manual_page_renders_without_warnings(self):
        page = self.prefix / "share" / "man" / "man6" / "bucket-puzzle.6"
        self.assertTrue(page.is_file())
        checked = subprocess.run(
            ["groff", "-man", "-ww", "-z", page], capture_output=True, timeout=60
        )
        self.assertEqual(checked.stderr, b"")
        self.assertEqual(checked.returncode, 0)
        shown = subprocess.run(
            ["man", "-l", page],
            capture_output=True,
            env={**os.environ, "MANWIDTH": "80", "LC_ALL": "C.UTF-8"},
            timeout=60,
        )
        self.assertEqual(shown.returncode, 0)
        text = shown.stdout.decode()
        headings = ("NAME", "SYNOPSIS", "DESCRIPTION", "EXIT STATUS", "DIAGNOSTICS", "EXAMPLES")
        for heading in headings:
            self.assertIn(f"\n{heading}\n", text)
        self.assertIn("bucket-puzzle - solve the two-bucket measuring puzzle", text)
        self.assertIn("bucket-puzzle 1.0.0", text)


if __name__ == "__main__":
    unittest.main()
