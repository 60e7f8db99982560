#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

#include "effect_reference.h"
#include "gfx/glfw_program.h"
#include "hidden_gl_context.h"

namespace {

// The background program from the executable's own resources, drawn over the full viewport into
// an 8-bit RGBA framebuffer object, read back bottom row first.
class BackgroundEffect : public testing::Test {
protected:
    void SetUp() override {
        context = std::make_unique<HiddenGlContext>();
        ASSERT_NE(context->window, nullptr) << "no OpenGL context on this display";
        program = std::make_unique<GLFWProgram>(137, 136);
    }
    void TearDown() override {
        program.reset(); // while the context still exists
        context.reset();
    }

    std::vector<unsigned char> draw(int width, int height, float time) {
        GLuint framebuffer = 0, colour = 0, buffer = 0;
        glGenFramebuffers(1, &framebuffer);
        glGenRenderbuffers(1, &colour);
        glBindRenderbuffer(GL_RENDERBUFFER, colour);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
        glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, colour);
        EXPECT_EQ(glCheckFramebufferStatus(GL_FRAMEBUFFER), static_cast<GLenum>(GL_FRAMEBUFFER_COMPLETE));
        glViewport(0, 0, width, height);
        glDisable(GL_DITHER);
        glClearColor(0.5f, 0.5f, 0.5f, 0.0f);
        glClear(GL_COLOR_BUFFER_BIT);

        // The rectangle's two triangles as the OBJ resource lists them.
        const float corners[] = {-1, 1, 0, -1, -1, 0, 1, 1, 0, 1, -1, 0, 1, 1, 0, -1, -1, 0};
        glGenBuffers(1, &buffer);
        glBindBuffer(GL_ARRAY_BUFFER, buffer);
        glBufferData(GL_ARRAY_BUFFER, sizeof corners, corners, GL_STATIC_DRAW);
        program->use();
        const GLint position = program->attributeLocation("position");
        EXPECT_GE(position, 0);
        glVertexAttribPointer(static_cast<GLuint>(position), 3, GL_FLOAT, GL_FALSE, 0, nullptr);
        glEnableVertexAttribArray(static_cast<GLuint>(position));
        glUniform1f(program->uniformLocation("iTime"), time);
        glUniform1f(program->uniformLocation("viewportWidth"), static_cast<float>(width));
        glUniform1f(program->uniformLocation("viewportHeight"), static_cast<float>(height));
        glDrawArrays(GL_TRIANGLES, 0, 6);

        std::vector<unsigned char> pixels(static_cast<std::size_t>(width * height * 4));
        glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        glDisableVertexAttribArray(static_cast<GLuint>(position));
        glBindFramebuffer(GL_FRAMEBUFFER, 0);
        glDeleteBuffers(1, &buffer);
        glDeleteRenderbuffers(1, &colour);
        glDeleteFramebuffers(1, &framebuffer);
        return pixels;
    }

    std::unique_ptr<HiddenGlContext> context;
    std::unique_ptr<GLFWProgram> program;
};

TEST_F(BackgroundEffect, BothShadersCompileAndLinkTogether) {
    GLint linked = 0, attached = 0;
    glGetProgramiv(program->id(), GL_LINK_STATUS, &linked);
    glGetProgramiv(program->id(), GL_ATTACHED_SHADERS, &attached);
    EXPECT_EQ(linked, GL_TRUE);
    EXPECT_EQ(attached, 2);
    for (const char *uniform : {"iTime", "viewportWidth", "viewportHeight"})
        EXPECT_GE(program->uniformLocation(uniform), 0) << uniform;
}

struct KnownPixel {
    int x, y; // fragment (x + 0.5, y + 0.5)
    float time;
    double red, green, blue;
};

// Colours worked out by hand for an 80 by 60 viewport, to two decimals.
TEST_F(BackgroundEffect, KnownFragmentsOfAn80By60Viewport) {
    const std::vector<unsigned char> frame0 = draw(80, 60, 0.0f);
    const std::vector<unsigned char> frame10 = draw(80, 60, 10.0f);
    for (const KnownPixel &known :
         {KnownPixel{40, 42, 0.0f, 0.45, 0.65, 0.51}, KnownPixel{10, 10, 10.0f, 0.91, 0.00, 0.69},
          KnownPixel{0, 0, 0.0f, 0.00, 0.00, 0.00}}) {
        const auto &frame = known.time == 0.0f ? frame0 : frame10;
        const unsigned char *pixel = &frame[static_cast<std::size_t>(known.y * 80 + known.x) * 4];
        SCOPED_TRACE(testing::Message() << "fragment " << known.x << ".5, " << known.y << ".5 at " << known.time);
        EXPECT_NEAR(pixel[0] / 255.0, known.red, 0.01);
        EXPECT_NEAR(pixel[1] / 255.0, known.green, 0.01);
        EXPECT_NEAR(pixel[2] / 255.0, known.blue, 0.01);
        EXPECT_EQ(pixel[3], 255);
    }
}

// GL computes in 32-bit floats, the reference in doubles; on llvmpipe every channel of every pixel,
// the centre included, lands within one level of 255 of the rounded reference.
constexpr int kTolerance = 1;

struct Frame {
    int width, height;
    float time;
};

class BackgroundEffectFrames : public BackgroundEffect, public testing::WithParamInterface<Frame> {};

TEST_P(BackgroundEffectFrames, MatchTheReferenceRenderer) {
    const Frame frame = GetParam();
    const std::vector<unsigned char> pixels = draw(frame.width, frame.height, frame.time);
    int worst = 0, outside = 0;
    for (int y = 0; y < frame.height; ++y)
        for (int x = 0; x < frame.width; ++x) {
            const double fx = x + 0.5, fy = y + 0.5;
            const auto expected = effectColor(fx, fy, frame.width, frame.height, frame.time);
            const unsigned char *pixel = &pixels[static_cast<std::size_t>(y * frame.width + x) * 4];
            for (int c = 0; c < 4; ++c) {
                const int difference = std::abs(pixel[c] - storedChannel(expected[static_cast<std::size_t>(c)]));
                worst = std::max(worst, difference);
                if (difference > kTolerance) ++outside;
            }
        }
    EXPECT_EQ(outside, 0) << "worst difference " << worst << " levels";
}

INSTANTIATE_TEST_SUITE_P(SizesAndTimes, BackgroundEffectFrames,
                         testing::Values(Frame{80, 60, 0.0f}, Frame{80, 60, 10.0f}, Frame{173, 97, 3.75f},
                                         Frame{97, 173, 41.5f}, Frame{640, 360, 123.25f}, Frame{1, 1, 7.0f}));

} // namespace
