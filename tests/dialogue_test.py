#!/usr/bin/env python3
"""Runs the real program with answers on standard input and checks every byte it writes, its
diagnostics and its exit status. The program is named by the BUCKET_PUZZLE variable."""

import os
import subprocess
import unittest

from expected import (
    DATA,
    INPUT_ENDED,
    NEGATIVE,
    NOT_A_NUMBER,
    PROGRAM,
    TOO_MUCH,
    conversation,
)


def run(answers, *arguments, **options):
    return subprocess.run(
        [PROGRAM, *arguments], input=answers, capture_output=True, timeout=20, **options
    )


class Dialogue(unittest.TestCase):
    def assert_run(self, answers, expected_output, status=0, diagnostic=b""):
        result = run(answers)
        self.assertEqual(result.stdout, expected_output)
        self.assertEqual(result.stderr, diagnostic)
        self.assertEqual(result.returncode, status)

    def test_matches_the_worked_examples_byte_for_byte(self):
        for name in ("answers-15-then-3", "answer-5"):
            with self.subTest(name):
                self.assert_run(
                    (DATA / f"{name}.in").read_bytes(), (DATA / f"{name}.out").read_bytes()
                )

    def test_every_accepted_target_gives_its_table(self):
        for target in range(12):
            with self.subTest(target=target):
                self.assert_run(f"{target}\n".encode(), conversation(target=target))

    def test_answers(self):
        cases = [
            (b"11\n", [], 11),
            (b"12\n11\n", [TOO_MUCH], 11),
            (b"15 3\n", [TOO_MUCH], 3),
            (b"15\n20\n4\n", [TOO_MUCH, TOO_MUCH], 4),
            (b" \t\n\n\n  7\n", [], 7),
            (b"5abc\n", [], 5),
            (b"3.7\n", [], 3),
            (b"+5\n", [], 5),
            (b"+ 5\n", [], 5),
            (b"007\n", [], 7),
            (b"0x1A\n", [], 0),
            (b"3", [], 3),
            (b"3\r\n", [], 3),
            (b"0000000000000000000003\n", [], 3),
            (b"-0\n", [], 0),
            (b"4294967296\n3\n", [TOO_MUCH], 3),
            (b"4294967307\n2\n", [TOO_MUCH], 2),
            (b"99999999999\n1\n", [TOO_MUCH], 1),
            (b"-3\n2\n", [NEGATIVE], 2),
            (b"- 3\n2\n", [NEGATIVE], 2),
            (b"-4294967297\n2\n", [NEGATIVE], 2),
            (b"-3 4\n", [NEGATIVE], 4),
            (b"abc\n3\n", [NOT_A_NUMBER], 3),
            (b"-x 5\n3\n", [NOT_A_NUMBER], 3),
            (b"15abc 2\n6\n", [TOO_MUCH, NOT_A_NUMBER], 6),
            (b"\xff\xfe\x00\n8\n", [NOT_A_NUMBER], 8),
        ]
        for answers, refusals, target in cases:
            with self.subTest(answers=answers):
                self.assert_run(answers, conversation(*refusals, target=target))

    def test_input_that_ends_before_an_accepted_amount_fails(self):
        cases = [
            (b"", []),
            (b"  \n\t\n", []),
            (b"-", []),
            (b"+ \n", []),
            (b"15\n", [TOO_MUCH]),
            (b"-3", [NEGATIVE]),
            (b"abc", [NOT_A_NUMBER]),
        ]
        for answers, refusals in cases:
            with self.subTest(answers=answers):
                self.assert_run(answers, conversation(*refusals), 1, INPUT_ENDED)

    def test_ignores_its_command_line_and_environment(self):
        result = run(b"3\n", "--help", "-v", env={"LANG": "de_DE.UTF-8", "LC_ALL": "de_DE.UTF-8"})
        self.assertEqual(result.stdout, conversation(target=3))
        self.assertEqual(result.returncode, 0)

    def test_a_failing_read_is_reported(self):
        directory = os.open(DATA, os.O_RDONLY | os.O_DIRECTORY)
        try:
            result = subprocess.run([PROGRAM], stdin=directory, capture_output=True, timeout=20)
        finally:
            os.close(directory)
        self.assertEqual(result.stdout, conversation())
        self.assertTrue(result.stderr.startswith(b"bucket-puzzle: read error"), result.stderr)
        self.assertEqual(result.returncode, 1)


ENDLESS_REFUSALS = ["yes", "15"]


def run_fed(command, answers, stdout):
    """Runs `command` with `answers` on its standard input: bytes, or a command that writes
    answers without end."""
    if isinstance(answers, bytes):
        return subprocess.run(
            command, input=answers, stdout=stdout, stderr=subprocess.PIPE, timeout=20
        )
    with subprocess.Popen(answers, stdout=subprocess.PIPE) as source:
        try:
            return subprocess.run(
                command, stdin=source.stdout, stdout=stdout, stderr=subprocess.PIPE, timeout=20
            )
        finally:
            source.kill()


class OutputFaults(unittest.TestCase):
    def assert_write_error(self, result):
        self.assertEqual(result.returncode, 1)
        self.assertRegex(result.stderr, rb"^bucket-puzzle: write error(: [^\n]+)?\n$")

    def test_a_full_device_fails_the_run(self):
        for answers in (b"3\n", ENDLESS_REFUSALS):
            with self.subTest(answers=answers), open("/dev/full", "wb") as full:
                self.assert_write_error(run_fed([PROGRAM], answers, full))

    def test_a_closed_standard_output_fails_the_run(self):
        closing_stdout = ["sh", "-c", 'exec "$0" >&-', PROGRAM]
        for answers in (b"3\n", ENDLESS_REFUSALS):
            with self.subTest(answers=answers):
                self.assert_write_error(run_fed(closing_stdout, answers, subprocess.DEVNULL))

    def test_a_reader_that_closes_early_ends_the_run(self):
        for feed in ("echo 0", "yes 15"):
            with self.subTest(feed=feed):
                # The shell waits for the whole pipeline, so a program that hangs times out.
                pipeline = f'{feed} | "$0" | head -c 100 >/dev/null'
                subprocess.run(["sh", "-c", pipeline, PROGRAM], timeout=20, check=True)


if __name__ == "__main__":
    unittest.main()
