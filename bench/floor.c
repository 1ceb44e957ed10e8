/* The floor of the benchmark: the bytes that bucket-puzzle writes for any number of answers of
   15 followed by an answer of 0, written with one write(2) for each line that bucket-puzzle
   flushes, straight from constant data: no C stdio, no C++ streams, no formatting. It reads its
   input with read(2) as well. Nothing a real program does can cost less. */

#include <string.h>
#include <unistd.h>

static const char* const introduction[] = {
    "There are two buckets A (5 liters) and B (7 liters) You can only do three things:\n",
    "1. Completely Fill container A -FILL\n",
    "2. Completely empty container B -EMPTY\n",
    "3. Transfer contents of container A in to container B, untill B is Full or A is Empty - "
    "TRANSFER\n",
    " Using these operations you can reach any number between 1 and 12 \n",
};
#define PROMPT "Enter the amout of water you want in bucket both buckets put together:\n"
static const char refused[] = "\nError too much water please try again\n" PROMPT;
/* The heading and the header wait in the buffer for the first row's flush. */
static const char opening[] =
    "These are the steps you need to follow to get a total of 0 litres in the buckets"
    "\n\n\n| Step |     Operation     |  Litres in A  |  Litres in B  |  Total Litres  |\n"
    "1      |     Initial       |      ?        |       ?       |       ?        |\n";
static const char* const later_rows[] = {
    "2      |      EMPTY        |      ?        |       0       |     ? + 0      |\n",
    "3      |      FILL         |      5        |       0       |       5        |\n",
    "4      |    TRANSFER       |      0        |       5       |       5     |\n",
    "5      |    TRANSFER       |      0        |       5       |       5     |\n",
    "6      |      FILL         |      5        |       5       |       10     |\n",
    "7      |    TRANSFER       |      3        |       7       |       10     |\n",
    "8      |      EMPTY        |      3        |       0       |        3     |\n",
    "9      |    TRANSFER       |      0        |       3       |       3     |\n",
    "10      |      FILL         |      5        |       3       |       8     |\n",
    "11      |    TRANSFER       |      1        |       7       |       8     |\n",
    "12      |      EMPTY        |      1        |       0       |        1     |\n",
    "13      |    TRANSFER       |      0        |       1       |       1     |\n",
    "14      |      FILL         |      5        |       1       |       6     |\n",
    "15      |    TRANSFER       |      0        |       6       |       6     |\n",
    "16      |    TRANSFER       |      0        |       6       |       6     |\n",
    "17      |      FILL         |      5        |       6       |       11     |\n",
    "18      |    TRANSFER       |      4        |       7       |       11     |\n",
    "19      |      EMPTY        |      4        |       0       |        4     |\n",
    "20      |    TRANSFER       |      0        |       4       |       4     |\n",
    "21      |      FILL         |      5        |       4       |       9     |\n",
    "22      |    TRANSFER       |      2        |       7       |       9     |\n",
    "23      |      EMPTY        |      2        |       0       |        2     |\n",
    "24      |    TRANSFER       |      0        |       2       |       2     |\n",
    "25      |      FILL         |      5        |       2       |       7     |\n",
    "26      |    TRANSFER       |      0        |       7       |       7     |\n",
    "27      |      EMPTY        |      0        |       0       |        0     |\n",
    "28      |    TRANSFER       |      0        |       0       |       0     |\n",
};

static void put(const char* text, size_t length) {
    if (write(1, text, length) != (ssize_t)length) {
        _exit(1);
    }
}

int main(void) {
    char input[65536];
    size_t i;
    for (i = 0; i < sizeof introduction / sizeof *introduction; ++i) {
        put(introduction[i], strlen(introduction[i]));
    }
    put(PROMPT, sizeof PROMPT - 1);
    /* Each line of the input is an answer: "0" ends the asking, anything else is refused. */
    int at_line_start = 1;
    for (;;) {
        ssize_t got = read(0, input, sizeof input);
        if (got <= 0) {
            return 1;
        }
        for (ssize_t k = 0; k < got; ++k) {
            if (at_line_start && input[k] == '0') {
                put(opening, sizeof opening - 1);
                for (i = 0; i < sizeof later_rows / sizeof *later_rows; ++i) {
                    put(later_rows[i], strlen(later_rows[i]));
                }
                return 0;
            }
            if (input[k] == '\n') {
                put(refused, sizeof refused - 1);
            }
            at_line_start = input[k] == '\n';
        }
    }
}
