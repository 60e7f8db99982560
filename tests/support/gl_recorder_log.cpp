#include "gl_recorder.h"

std::vector<GlCall> GlRecorder::log;
std::map<std::string, long long> GlRecorder::results;

void GlRecorder::reset() {
    log.clear();
    results.clear();
}

void GlRecorder::record(const char *name, std::vector<GlArg> args) { log.push_back({name, std::move(args)}); }

long long GlRecorder::result(const char *name) {
    auto found = results.find(name);
    return found == results.end() ? 0 : found->second;
}

void GlRecorder::setResult(const std::string &name, long long value) { results[name] = value; }

const std::vector<GlCall> &GlRecorder::calls() { return log; }

std::vector<std::string> GlRecorder::names() {
    std::vector<std::string> result;
    result.reserve(log.size());
    for (const auto &call : log) result.push_back(call.name);
    return result;
}

std::vector<GlCall> GlRecorder::callsOf(const std::string &name) {
    std::vector<GlCall> result;
    for (const auto &call : log)
        if (call.name == name) result.push_back(call);
    return result;
}
