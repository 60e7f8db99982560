#include "gfx/glfw_program_manager.h"

void GLFWProgramManager::add(const char *name, int vertexResource, int fragmentResource) {
    auto program = std::make_unique<GLFWProgram>(vertexResource, fragmentResource);
    programs.try_emplace(name, std::move(program));
}

GLFWProgram *GLFWProgramManager::find(const char *name) const {
    auto found = programs.find(name);
    return found == programs.end() ? nullptr : found->second.get();
}

void GLFWProgramManager::use(const char *name) const {
    if (GLFWProgram *program = find(name)) program->use();
}
