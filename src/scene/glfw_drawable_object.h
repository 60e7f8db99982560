#pragma once
#include <cstdint>

#include "scene/matrix.h"

class GLFWCamera;
class GLFWMesh;
class GLFWMeshBuffers;
class GLFWProgramManager;
class GLFWSceneState;

/// One object of the scene, drawn with one shader program: its geometry in memory and on the GPU,
/// placed by a model matrix and the camera's view and projection. Subclasses choose the vertex
/// attributes their program reads and the uniforms it gets beyond the three matrices.
class GLFWDrawableObject {
public:
    /// Reads the geometry from an OBJ and an MTL text resource (ending the process if it cannot be
    /// loaded) and creates its GPU buffers. programName is stored, not copied: it must outlive the
    /// drawable. Needs a current GL context.
    GLFWDrawableObject(GLFWSceneState *sceneState, GLFWCamera *camera, GLFWProgramManager *programManager,
                       const char *programName, std::int32_t objResourceId, std::int32_t mtlResourceId, float scale);
    virtual ~GLFWDrawableObject();
    GLFWDrawableObject(const GLFWDrawableObject &) = delete;
    GLFWDrawableObject &operator=(const GLFWDrawableObject &) = delete;

    /// Records the attributes and uploads the geometry; once, before the first draw.
    void initBuffers();
    void setModelMatrix(Mat4 model);
    /// Draws once for an instanceCount of 0, else that many instances.
    void draw(std::int32_t instanceCount);

protected:
    /// Records every vertex attribute the program reads.
    virtual void setupAttributes() = 0;
    /// Uploads the subclass's own uniforms; the program is current.
    virtual void setUniforms() = 0;
    /// Runs right after the program is made current, before any uniform.
    virtual void prepareDraw() = 0;

    /// Uploads a float uniform of the drawable's program, looked up afresh by name.
    void setFloatUniform(const char *name, float value);
    void setMatrixUniforms();

    GLFWSceneState *sceneState;
    GLFWProgramManager *programManager;
    GLFWMesh *mesh;
    GLFWMeshBuffers *meshBuffers;
    GLFWCamera *camera;
    const char *programName;
    Mat4 modelMatrix;

private:
    void setMatrixUniform(const char *name, const Mat4 &matrix);
};
