#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "gl_table.h"

namespace {

TEST(GlEntryPointTable, HoldsTheCoreFunctionsThenTheArbExtensionsInHeaderOrder) {
    ASSERT_EQ(glEntryPointCount, 700);
    EXPECT_STREQ(glEntryPointNames[0], "glCullFace");
    EXPECT_STREQ(glEntryPointNames[652], "glTextureBarrier");
    EXPECT_STREQ(glEntryPointNames[653], "glGetTextureHandleARB");
    EXPECT_STREQ(glEntryPointNames[668], "glGetVertexAttribLui64vARB");
    EXPECT_STREQ(glEntryPointNames[669], "glCreateSyncFromCLeventARB");
    EXPECT_STREQ(glEntryPointNames[670], "glDispatchComputeGroupSizeARB");
    EXPECT_STREQ(glEntryPointNames[671], "glDebugMessageControlARB");
    EXPECT_STREQ(glEntryPointNames[699], "glTexPageCommitmentARB");

    std::set<std::string> distinct(glEntryPointNames, glEntryPointNames + glEntryPointCount);
    EXPECT_EQ(distinct.size(), 700u);
    EXPECT_EQ(distinct.count("glBegin"), 0u) << "compatibility-only functions are not in the table";
    EXPECT_EQ(distinct.count("glSpecializeShader"), 0u) << "OpenGL 4.6 is not in the table";
}

TEST(GlEntryPointTable, EachSlotIsTheEntryOfItsName) {
    auto slotOf = [](const char *name) {
        for (int i = 0; i < glEntryPointCount; ++i)
            if (std::strcmp(glEntryPointNames[i], name) == 0) return glEntryPointSlots[i];
        return static_cast<void **>(nullptr);
    };
    EXPECT_EQ(slotOf("glClear"), reinterpret_cast<void **>(&glClear));
    EXPECT_EQ(slotOf("glCreateShader"), reinterpret_cast<void **>(&glCreateShader));
    EXPECT_EQ(slotOf("glTexPageCommitmentARB"), reinterpret_cast<void **>(&glTexPageCommitmentARB));
}

} // namespace
