#include "gfx/glfw_program.h"

#include <algorithm>

#include "gfx/text_resource.h"
#include "platform/platform.h"

GLFWProgram::GLFWProgram(int vertexResource, int fragmentResource)
    : vertexSource(textResourceBufferSize), fragmentSource(textResourceBufferSize) {
    readTextResource(static_cast<std::uint16_t>(vertexResource), vertexSource.data(), textResourceCapacity);
    readTextResource(static_cast<std::uint16_t>(fragmentResource), fragmentSource.data(), textResourceCapacity);
    // The program object exists before either shader, and a failing vertex shader ends the
    // process before any fragment shader object is made.
    programId = glCreateProgram();
    vertexShader = compileShader(GL_VERTEX_SHADER, vertexSource.data(), "Vertex shader compilation error");
    fragmentShader = compileShader(GL_FRAGMENT_SHADER, fragmentSource.data(), "Fragment shader compilation error");
    glAttachShader(programId, vertexShader);
    glAttachShader(programId, fragmentShader);
    glLinkProgram(programId);
}

GLFWProgram::~GLFWProgram() {
    glDeleteProgram(programId);
    glDeleteShader(vertexShader);
    glDeleteShader(fragmentShader);
}

GLuint GLFWProgram::compileShader(GLenum type, const char *source, const char *failureText) {
    const GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint status = 0;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &status);
    if (status == 0) {
        showShaderLog(shader);
        platform::showMessageBox(failureText, "Debug", platform::iconInformation);
        glDeleteShader(shader);
        platform::exitProcess();
    }
    return shader;
}

void GLFWProgram::use() const { glUseProgram(programId); }

GLint GLFWProgram::lookupLocation(LocationKind kind, const char *name) {
    auto cached = locationCache.find(name);
    if (cached != locationCache.end()) return cached->second;
    const GLint location =
        kind == LocationKind::Uniform ? glGetUniformLocation(programId, name) : glGetAttribLocation(programId, name);
    locationCache.emplace(name, location);
    return location;
}

void GLFWProgram::showShaderLog(GLuint shader) {
    GLint length = 0;
    glGetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    // Zero-filled and one byte longer than the log, so the text is terminated whatever GL writes.
    std::vector<char> log(static_cast<std::size_t>(std::max(length, 0)) + 1);
    GLsizei written = 0;
    glGetShaderInfoLog(shader, std::max(length, 0), &written, log.data());
    platform::showMessageBox(log.data(), "Debug", platform::iconInformation);
}
