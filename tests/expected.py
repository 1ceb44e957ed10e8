"""What the program writes, word for word, shared by the tests that run the real program."""

import os
from pathlib import Path

PROGRAM = os.environ["BUCKET_PUZZLE"]
DATA = Path(__file__).with_name("dialogue")

INTRODUCTION = (
    "There are two buckets A (5 liters) and B (7 liters) You can only do three things:\n"
    "1. Completely Fill container A -FILL\n"
    "2. Completely empty container B -EMPTY\n"
    "3. Transfer contents of container A in to container B, untill B is Full or A is Empty"
    " - TRANSFER\n"
    " Using these operations you can reach any number between 1 and 12 \n"
)
PROMPT = "Enter the amout of water you want in bucket both buckets put together:\n"
TOO_MUCH = "\nError too much water please try again\n"
NEGATIVE = "\nError the amount cannot be negative please try again\n"
NOT_A_NUMBER = "\nError that is not a whole number please try again\n"
INPUT_ENDED = b"bucket-puzzle: input ended before an amount was accepted\n"

# The header line and the 28 rows of the longest table; every table is a head of it.
TABLE = (DATA / "table.txt").read_text().splitlines(keepends=True)
ROWS_FOR_TARGET = {
    0: 28, 1: 13, 2: 24, 3: 9, 4: 20, 5: 3, 6: 16, 7: 26, 8: 11, 9: 22, 10: 7, 11: 18
}


def conversation(*refusals, target=None):
    """What the program writes for answers refused with the given messages and then, if any,
    the accepted target."""
    text = INTRODUCTION + PROMPT + "".join(message + PROMPT for message in refusals)
    if target is not None:
        text += (
            f"These are the steps you need to follow to get a total of {target}"
            " litres in the buckets\n\n\n" + "".join(TABLE[: 1 + ROWS_FOR_TARGET[target]])
        )
    return text.encode()
