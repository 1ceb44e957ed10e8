#!/usr/bin/env python3
"""Runs the real program on a pseudo-terminal and types at it as a person would, each answer only
after the program has asked for it. The program is named by the BUCKET_PUZZLE variable."""

import os
import pty
import select
import time
import unittest

from expected import PROMPT, TOO_MUCH, conversation

WAIT_SECONDS = 10


class Terminal:
    """The program on a pseudo-terminal: what it has shown so far, and a keyboard."""

    def __init__(self):
        self.pid, self.fd = pty.fork()
        if self.pid == 0:
            try:
                os.execv(os.environ["BUCKET_PUZZLE"], ["bucket-puzzle"])
            finally:
                os._exit(127)
        self.screen = b""

    def type(self, keys):
        os.write(self.fd, keys)

    def read_more(self, deadline):
        """Adds what the program shows next to the screen; False once it has ended, or when
        the deadline passes with nothing new."""
        left = deadline - time.monotonic()
        if left <= 0 or not select.select([self.fd], [], [], left)[0]:
            return False
        try:
            block = os.read(self.fd, 4096)
        except OSError:  # the program has ended and let go of the terminal
            return False
        self.screen += block.replace(b"\r\n", b"\n")
        return bool(block)

    def read_until(self, ending):
        """Reads until the screen ends with `ending`; fails if the program stops showing
        anything first, as it would if it waited for an answer without flushing its prompt."""
        deadline = time.monotonic() + WAIT_SECONDS
        while not self.screen.endswith(ending):
            if not self.read_more(deadline):
                raise AssertionError(f"waited in vain for {ending!r}; the screen: {self.screen!r}")

    def close(self):
        """Reads the rest until the program ends, hangs up, and returns the exit status."""
        deadline = time.monotonic() + WAIT_SECONDS
        while self.read_more(deadline):
            pass
        os.close(self.fd)
        _, status = os.waitpid(self.pid, 0)
        return os.waitstatus_to_exitcode(status)


def with_typing(output, *lines):
    """`output` as the terminal shows it: each typed line echoed after the prompt it answers."""
    prompt = PROMPT.encode()
    head, *rest = output.split(prompt)
    shown = head
    for index, tail in enumerate(rest):
        shown += prompt + (lines[index] if index < len(lines) else b"") + tail
    return shown


class TypingAtTheTerminal(unittest.TestCase):
    def assert_session(self, steps, expected):
        """For each step, waits until the screen ends with its text, then types its keys; then
        expects the whole screen to be `expected` and the program to end with status 0."""
        terminal = Terminal()
        try:
            for shown, keys in steps:
                terminal.read_until(shown)
                terminal.type(keys)
        finally:
            status = terminal.close()
        self.assertEqual(terminal.screen, expected)
        self.assertEqual(status, 0)

    def test_each_answer_is_asked_for_before_it_is_typed(self):
        prompt = PROMPT.encode()
        self.assert_session(
            [(prompt, b"15\n"), (b"15\n" + TOO_MUCH.encode() + prompt, b"3\n")],
            with_typing(conversation(TOO_MUCH, target=3), b"15\n", b"3\n"),
        )

    def test_a_refused_and_an_accepted_answer_on_one_line(self):
        self.assert_session(
            [(PROMPT.encode(), b"15 3\n")],
            with_typing(conversation(TOO_MUCH, target=3), b"15 3\n"),
        )

if __name__ == "__main__":
    unittest.main()
