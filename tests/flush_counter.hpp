// A string buffer that counts how often its stream is flushed.
#pragma once

#include <sstream>

class FlushCounter : public std::stringbuf {
public:
    int flushes = 0;

protected:
    int sync() override {
        ++flushes;
        return 0;
    }
};
