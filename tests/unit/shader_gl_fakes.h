#pragma once
// GL entries that answer like a driver compiling shaders, on top of the recording table: shader
// names by type, a compile status per shader, an info log, and the source texts as GL saw them.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "gl_recorder.h"

namespace shaderFakes {

inline constexpr GLuint vertexShaderName = 10;
inline constexpr GLuint fragmentShaderName = 11;

inline GLuint failingShader = 0; // 0: every shader compiles
inline std::string infoLog;
inline std::vector<std::string> sources;
/// Death tests turn this on to see, beside the boxes, which shaders existed before the exit.
inline bool traceOnStderr = false;

inline GLuint APIENTRY createShader(GLenum type) {
    GlRecorder::record("glCreateShader", {GlArg{static_cast<long long>(type)}});
    if (traceOnStderr) std::fprintf(stderr, "[glCreateShader %u]\n", type);
    return type == GL_VERTEX_SHADER ? vertexShaderName : fragmentShaderName;
}

inline void APIENTRY shaderSource(GLuint shader, GLsizei count, const GLchar *const *text, const GLint *length) {
    GlRecorder::record("glShaderSource", {GlArg{static_cast<long long>(shader)}, GlArg{static_cast<long long>(count)},
                                          GlArg{static_cast<const void *>(length)}});
    sources.emplace_back(text[0]);
}

inline void APIENTRY getShaderiv(GLuint shader, GLenum pname, GLint *params) {
    GlRecorder::record("glGetShaderiv", {GlArg{static_cast<long long>(shader)}, GlArg{static_cast<long long>(pname)}});
    if (pname == GL_COMPILE_STATUS) *params = shader == failingShader ? 0 : 1;
    if (pname == GL_INFO_LOG_LENGTH) *params = infoLog.empty() ? 0 : static_cast<GLint>(infoLog.size() + 1);
}

inline void APIENTRY getShaderInfoLog(GLuint shader, GLsizei bufSize, GLsizei *length, GLchar *log) {
    GlRecorder::record("glGetShaderInfoLog",
                       {GlArg{static_cast<long long>(shader)}, GlArg{static_cast<long long>(bufSize)}});
    if (bufSize <= 0) return;
    const std::size_t copied = std::min(infoLog.size(), static_cast<std::size_t>(bufSize) - 1);
    std::memcpy(log, infoLog.data(), copied);
    log[copied] = '\0';
    *length = static_cast<GLsizei>(copied);
}

inline void APIENTRY deleteShader(GLuint shader) {
    GlRecorder::record("glDeleteShader", {GlArg{static_cast<long long>(shader)}});
    if (traceOnStderr) std::fprintf(stderr, "[glDeleteShader %u]\n", shader);
}

/// Recording stubs everywhere, these fakes on the shader entries, every shader compiling.
inline void install() {
    GlRecorder::installStubs();
    failingShader = 0;
    traceOnStderr = false;
    infoLog.clear();
    sources.clear();
    glCreateShader = createShader;
    glShaderSource = shaderSource;
    glGetShaderiv = getShaderiv;
    glGetShaderInfoLog = getShaderInfoLog;
    glDeleteShader = deleteShader;
}

} // namespace shaderFakes
