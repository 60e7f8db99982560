// The baselines: a minimal harness that fills the window with one triangle and a fragment shader,
// with no clear, no blending and no per-frame state beyond the three uniforms the effect reads;
// and the same harness doing what the screensaver's defined drawing adds, to tell those costs
// from the cost of the program's own code.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <GLFW/glfw3.h>

#include "frame_source.h"
#include "gl_table.h"
#include "host/gl_loader.h"

namespace {

const char *const vertexSource = R"(#version 120
attribute vec2 corner;
void main() { gl_Position = vec4(corner, 0.0, 1.0); }
)";

const char *const flatFragmentSource = R"(#version 120
void main() { gl_FragColor = vec4(0.5, 0.5, 0.5, 1.0); }
)";

// Three corners whose triangle covers all of clip space [-1, 1]².
const std::vector<GLfloat> triangle = {-1.0f, -1.0f, 3.0f, -1.0f, -1.0f, 3.0f};
// Clip space as the screensaver's rectangle covers it: two triangles meeting on a diagonal.
const std::vector<GLfloat> rectangle = {-1.0f, -1.0f, 1.0f, -1.0f, 1.0f, 1.0f, -1.0f, -1.0f, 1.0f, 1.0f, -1.0f, 1.0f};

GLsizei vertexCount = 0;

GLint timeLocation = -1;
GLint widthLocation = -1;
GLint heightLocation = -1;
int width = 0;
int height = 0;

GLFWwindow *openFullScreenWindow() {
    glfwInit();
    glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
    glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
    GLFWmonitor *monitor = glfwGetPrimaryMonitor();
    const GLFWvidmode *mode = glfwGetVideoMode(monitor);
    width = mode->width;
    height = mode->height;
    GLFWwindow *window = glfwCreateWindow(width, height, "BenchTriangle", monitor, nullptr);
    glfwMakeContextCurrent(window);
    loadGlEntryPoints();
    glfwSwapInterval(0);
    return window;
}

GLuint compile(GLenum type, const char *source) {
    const GLuint shader = glCreateShader(type);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    return shader;
}

void useProgram(const char *fragmentSource, const std::vector<GLfloat> &corners) {
    const GLuint program = glCreateProgram();
    glAttachShader(program, compile(GL_VERTEX_SHADER, vertexSource));
    glAttachShader(program, compile(GL_FRAGMENT_SHADER, fragmentSource));
    glBindAttribLocation(program, 0, "corner");
    glLinkProgram(program);
    glUseProgram(program);
    timeLocation = glGetUniformLocation(program, "iTime");
    widthLocation = glGetUniformLocation(program, "viewportWidth");
    heightLocation = glGetUniformLocation(program, "viewportHeight");

    GLuint buffer = 0;
    glGenBuffers(1, &buffer);
    glBindBuffer(GL_ARRAY_BUFFER, buffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(corners.size() * sizeof(GLfloat)), corners.data(),
                 GL_STATIC_DRAW);
    vertexCount = static_cast<GLsizei>(corners.size() / 2);
    glEnableVertexAttribArray(0);
    glVertexAttribPointer(0, 2, GL_FLOAT, GL_FALSE, 0, nullptr);
}

std::string effectFragmentSource() {
    std::ifstream file(VORLUNE_EFFECT_SHADER);
    std::ostringstream text;
    text << file.rdbuf();
    if (text.str().empty()) std::fprintf(stderr, "cannot read %s\n", VORLUNE_EFFECT_SHADER);
    return text.str();
}

GLFWwindow *setUpEffect() {
    GLFWwindow *window = openFullScreenWindow();
    useProgram(effectFragmentSource().c_str(), triangle);
    return window;
}

GLFWwindow *setUpFlat() {
    GLFWwindow *window = openFullScreenWindow();
    useProgram(flatFragmentSource, triangle);
    return window;
}

// The three costs per pixel that the screensaver's defined drawing adds to the bare triangle: its
// rectangle's two triangles (the pixels along their shared edge are shaded for both), the
// blending its render host enables, and the colour and depth clear of every frame.
GLFWwindow *setUpEffectAsProgram() {
    GLFWwindow *window = openFullScreenWindow();
    useProgram(effectFragmentSource().c_str(), rectangle);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    return window;
}

void drawTriangle() {
    glUniform1f(timeLocation, static_cast<float>(glfwGetTime()));
    glUniform1f(widthLocation, static_cast<float>(width));
    glUniform1f(heightLocation, static_cast<float>(height));
    glDrawArrays(GL_TRIANGLES, 0, vertexCount);
}

void clearAndDrawTriangle() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawTriangle();
}

} // namespace

const FrameSource effectTriangle = {setUpEffect, drawTriangle};
const FrameSource effectAsProgram = {setUpEffectAsProgram, clearAndDrawTriangle};
const FrameSource flatTriangle = {setUpFlat, drawTriangle};
