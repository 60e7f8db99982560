#include "scene/glfw_drawable_object.h"

#include "gfx/glfw_program_manager.h"
#include "gl_table.h"
#include "mesh/glfw_mesh.h"
#include "mesh/glfw_mesh_buffers.h"
#include "scene/camera.h"

GLFWDrawableObject::GLFWDrawableObject(GLFWSceneState *state, GLFWCamera *sceneCamera, GLFWProgramManager *manager,
                                       const char *name, std::int32_t objResourceId, std::int32_t mtlResourceId,
                                       float scale)
    : sceneState(state), programManager(manager), mesh(new GLFWMesh(objResourceId, mtlResourceId, scale)),
      meshBuffers(new GLFWMeshBuffers(manager)), camera(sceneCamera), programName(name) {
    meshBuffers->setVertexData(mesh->vertexBytes(), mesh->vertexArray(), mesh->floatsPerVertex());
    meshBuffers->setIndexData(mesh->indexBytes(), mesh->indexArray(), mesh->indexCount());
}

GLFWDrawableObject::~GLFWDrawableObject() {
    delete mesh;
    delete meshBuffers;
}

void GLFWDrawableObject::initBuffers() {
    setupAttributes();
    meshBuffers->upload();
}

void GLFWDrawableObject::setModelMatrix(Mat4 model) { modelMatrix = model; }

void GLFWDrawableObject::draw(std::int32_t instanceCount) {
    programManager->use(programName);
    prepareDraw();
    setMatrixUniforms();
    setUniforms();
    meshBuffers->bind();
    if (instanceCount == 0)
        glDrawElements(GL_TRIANGLES, meshBuffers->getIndexCount(), GL_UNSIGNED_INT, nullptr);
    else
        glDrawElementsInstanced(GL_TRIANGLES, meshBuffers->getIndexCount(), GL_UNSIGNED_INT, nullptr, instanceCount);
}

void GLFWDrawableObject::setMatrixUniforms() {
    Mat4 worldProjection = camera->projection() * camera->view();
    Mat4 modelProjection = worldProjection * modelMatrix;
    setMatrixUniform("model_world", modelMatrix);
    setMatrixUniform("world_projection", worldProjection);
    setMatrixUniform("model_projection", modelProjection);
}

// The program is found by name for every upload, so a drawable never holds on to a program or a
// location; an unregistered name uploads nothing.
void GLFWDrawableObject::setMatrixUniform(const char *name, const Mat4 &matrix) {
    if (GLFWProgram *program = programManager->find(programName))
        glUniformMatrix4fv(program->uniformLocation(name), 1, GL_FALSE, matrix.data());
}

void GLFWDrawableObject::setFloatUniform(const char *name, float value) {
    if (GLFWProgram *program = programManager->find(programName)) glUniform1f(program->uniformLocation(name), value);
}
