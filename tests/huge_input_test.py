#!/usr/bin/env python3
"""Feeds the real program huge answers through a pipe and checks that it gives the right output
and exit status while its peak memory stays that of a plain run: nothing may keep a whole line,
a whole number or the whole input. The program is named by the BUCKET_PUZZLE variable."""

import hashlib
import subprocess
import tempfile
import threading
import unittest

from expected import NOT_A_NUMBER, PROGRAM, PROMPT, TOO_MUCH, conversation

MIB = 1 << 20
# Allowance over a plain run, for the pages that buffers and stacks happen to touch.
MEMORY_ALLOWANCE_KIB = 1024


def repeated(piece, count):
    """Yields `piece` `count` times, about a megabyte at a time."""
    chunk_pieces = max(1, MIB // len(piece))
    while count > 0:
        take = min(count, chunk_pieces)
        yield piece * take
        count -= take


def run_measured(chunks):
    """Runs the program on the input that `chunks` yields and returns the digest of its output,
    its standard error, its exit status and its peak resident memory in KiB."""
    # GNU time measures the program alone: a child of this interpreter would carry the
    # interpreter's own peak over its exec.
    peak_file = tempfile.NamedTemporaryFile("r")
    program = subprocess.Popen(
        ["/usr/bin/time", "--format=%M", f"--output={peak_file.name}", PROGRAM],
        stdin=subprocess.PIPE,
        stdout=subprocess.PIPE,
        stderr=subprocess.PIPE,
    )

    def feed():
        try:
            for chunk in chunks:
                program.stdin.write(chunk)
            program.stdin.close()
        except BrokenPipeError:
            pass

    feeder = threading.Thread(target=feed)
    feeder.start()
    digest = hashlib.sha256()
    while block := program.stdout.read(MIB):
        digest.update(block)
    stderr = program.stderr.read()
    feeder.join()
    status = program.wait()
    program.stdout.close()
    program.stderr.close()
    with peak_file:
        peak = int(peak_file.read().split()[-1])
    return digest.hexdigest(), stderr, status, peak


class HugeInput(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        *_, status, cls.plain_peak = run_measured([b"3\n"])
        assert status == 0

    def assert_fed(self, chunks, target, refused_with=None, times=0):
        """Runs on `chunks` and expects `times` answers refused with the message `refused_with`,
        then the table for `target`."""
        opening = conversation()
        expected = hashlib.sha256(opening)
        if times:
            for chunk in repeated((refused_with + PROMPT).encode(), times):
                expected.update(chunk)
        expected.update(conversation(target=target)[len(opening) :])
        output, stderr, status, peak = run_measured(chunks)
        self.assertEqual(stderr, b"")
        self.assertEqual(status, 0)
        self.assertEqual(output, expected.hexdigest())
        self.assertLessEqual(peak, self.plain_peak + MEMORY_ALLOWANCE_KIB)

    def test_a_quarter_gigabyte_of_white_space(self):
        blanks = b" \t \n" * (MIB // 4)
        self.assert_fed([*(blanks for _ in range(256)), b"3\n"], 3)

    def test_a_line_of_a_hundred_million_letters(self):
        letters = b"x" * 10_000_000
        self.assert_fed([*(letters for _ in range(10)), b"\n3\n"], 3, NOT_A_NUMBER, 1)

    def test_a_number_of_ten_million_digits(self):
        self.assert_fed([*repeated(b"7", 10_000_000), b"\n2\n"], 2, TOO_MUCH, 1)

    def test_a_million_refused_answers(self):
        self.assert_fed([*repeated(b"15\n", 1_000_000), b"4\n"], 4, TOO_MUCH, 1_000_000)


if __name__ == "__main__":
    unittest.main()
