#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "gfx/glfw_program.h"

/// The scene's shader programs by name. Entries are never replaced or removed, so a program
/// found once stays valid for the life of the registry.
class GLFWProgramManager {
public:
    /// Builds a program from the two shader resources and registers it under name, unless name is
    /// registered already: then the earlier program stays and the new one is released at once.
    void add(const char *name, int vertexResource, int fragmentResource);
    /// The program registered under name, or null.
    GLFWProgram *find(const char *name) const;
    /// Makes the program registered under name current; an unknown name changes nothing.
    void use(const char *name) const;

private:
    // std::less<> compares a caller's name in place: find runs on every uniform upload, and a key
    // built from the text would allocate for names past the short-string buffer.
    std::map<std::string, std::unique_ptr<GLFWProgram>, std::less<>> programs;
};
