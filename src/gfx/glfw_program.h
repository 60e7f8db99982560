#pragma once
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "gl_table.h"

enum class LocationKind { Uniform = 0, Attribute = 1 };

/// A linked shader program built from two "TEXTFILE" shader resources, answering uniform and
/// attribute locations by name from one cache, so that GL is asked at most once per name.
/// A shader that fails to compile ends the process after showing its log.
class GLFWProgram {
public:
    /// Reads, compiles and links; needs a current context with loaded entry points.
    GLFWProgram(int vertexResource, int fragmentResource);
    /// Deletes the program and its shaders; only the registry's discarded duplicates die early.
    ~GLFWProgram();
    GLFWProgram(const GLFWProgram &) = delete;
    GLFWProgram &operator=(const GLFWProgram &) = delete;

    GLuint id() const { return programId; }
    void use() const;
    GLint uniformLocation(const char *name) { return lookupLocation(LocationKind::Uniform, name); }
    GLint attributeLocation(const char *name) { return lookupLocation(LocationKind::Attribute, name); }
    /// The cached location of name, -1 when the program has no such active name. Uniforms and
    /// attributes share the cache: the first kind asked for a name decides its entry.
    GLint lookupLocation(LocationKind kind, const char *name);
    /// Shows the info log of shader in a "Debug" message box.
    static void showShaderLog(GLuint shader);

private:
    /// Creates, feeds and compiles one shader; on failure shows the log and failureText and exits.
    static GLuint compileShader(GLenum type, const char *source, const char *failureText);

    std::vector<char> vertexSource;
    std::vector<char> fragmentSource;
    GLuint vertexShader = 0;
    GLuint fragmentShader = 0;
    GLuint programId = 0;
    // Looked up by the caller's text in place (std::less<>): a cached answer costs no allocation.
    std::map<std::string, GLint, std::less<>> locationCache;
};
