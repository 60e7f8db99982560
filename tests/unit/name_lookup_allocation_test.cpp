// The frame looks programs and uniform locations up by name on every upload. Those lookups must
// compare the caller's text in place: copying it into a std::string key allocates for any name
// past the short-string buffer ("BackgroundProgram", "world_projection", "model_projection").
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>

#include "fake_platform.h"
#include "gfx/glfw_program_manager.h"
#include "shader_gl_fakes.h"

namespace {
bool counting = false;
int allocations = 0;
} // namespace

// Counts this executable's heap allocations while a test asks for it, and only then.
void *operator new(std::size_t size) {
    if (counting) ++allocations;
    if (void *memory = std::malloc(size == 0 ? 1 : size)) return memory;
    throw std::bad_alloc();
}
// Out of line: inlined into a new-expression, GCC takes the free for one of a built-in new.
[[gnu::noinline]] void operator delete(void *memory) noexcept { std::free(memory); }
[[gnu::noinline]] void operator delete(void *memory, std::size_t) noexcept { std::free(memory); }

namespace {

// The recorder keeps every call in a log, which allocates; this test counts the registry's own.
void APIENTRY useProgramSilently(GLuint) {}

class NameLookups : public testing::Test {
protected:
    void SetUp() override {
        fakePlatform::reset();
        shaderFakes::install();
        registry.add("BackgroundProgram", 137, 136);
        // The first lookup of a location asks GL and fills the cache; the frames after it do not.
        program = registry.find("BackgroundProgram");
        program->uniformLocation("world_projection");
    }

    template <typename Lookup>
    int allocationsOf(Lookup lookup) {
        allocations = 0;
        counting = true;
        lookup();
        counting = false;
        return allocations;
    }

    GLFWProgramManager registry;
    GLFWProgram *program = nullptr;
};

TEST_F(NameLookups, FindingAProgramByItsLongNameAllocatesNothing) {
    GLFWProgram *found = nullptr;
    EXPECT_EQ(allocationsOf([&] { found = registry.find("BackgroundProgram"); }), 0);
    EXPECT_EQ(found, program);
}

TEST_F(NameLookups, UsingAProgramByItsLongNameAllocatesNothing) {
    glUseProgram = useProgramSilently;
    EXPECT_EQ(allocationsOf([&] { registry.use("BackgroundProgram"); }), 0);
}

TEST_F(NameLookups, ACachedLocationOfALongNameAllocatesNothing) {
    GLint location = -2;
    EXPECT_EQ(allocationsOf([&] { location = program->uniformLocation("world_projection"); }), 0);
    EXPECT_EQ(location, program->uniformLocation("world_projection")) << "the cached answer";
}

} // namespace
