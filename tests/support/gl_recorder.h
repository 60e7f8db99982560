#pragma once
// A recording stand-in for the GL entry-point table: installStubs() points every
// entry at a stub that appends the call to a log and answers a chosen result.
#include <map>
#include <string>
#include <variant>
#include <vector>

#include "gl_table.h"

/// One argument as the stub saw it: integers and enums, floats, or an address.
using GlArg = std::variant<long long, double, const void *>;

struct GlCall {
    std::string name;
    std::vector<GlArg> args;

    long long intArg(size_t i) const { return std::get<long long>(args.at(i)); }
    double floatArg(size_t i) const { return std::get<double>(args.at(i)); }
    const void *pointerArg(size_t i) const { return std::get<const void *>(args.at(i)); }
};

class GlRecorder {
public:
    /// Points every entry at its recording stub and forgets earlier calls and results.
    static void installStubs();
    /// Clears the log and the chosen results, keeping the stubs.
    static void reset();

    static void record(const char *name, std::vector<GlArg> args);
    /// What the stub of name returns: the value set with setResult, else 0.
    static long long result(const char *name);
    static void setResult(const std::string &name, long long value);

    static const std::vector<GlCall> &calls();
    /// Names of the recorded calls, in order.
    static std::vector<std::string> names();
    /// The recorded calls of one function, in order.
    static std::vector<GlCall> callsOf(const std::string &name);

private:
    static std::vector<GlCall> log;
    static std::map<std::string, long long> results;
};
