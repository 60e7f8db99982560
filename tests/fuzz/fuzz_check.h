#pragma once
// What the fuzz targets share: a check that turns a broken promise into a crash libFuzzer reports
// and saves, and a stream that swallows the OBJ reader's progress report.
#include <cstdio>
#include <cstdlib>
#include <streambuf>

/// Aborts with the failed promise; the sanitizers' own checks cover memory and undefined behaviour.
inline void fuzzCheck(bool holds, const char *promise) {
    if (holds) return;
    std::fprintf(stderr, "fuzz check failed: %s\n", promise);
    std::abort();
}

/// Discards everything, so that millions of loads do not flood the terminal or cost write calls.
class NullBuffer : public std::streambuf {
protected:
    int overflow(int c) override { return traits_type::not_eof(c); }
};
