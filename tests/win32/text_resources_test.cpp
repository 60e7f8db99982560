#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "platform/platform.h"

namespace {

struct Text {
    WORD id;
    const char *file;
};
const Text texts[] = {{136, "background_fragment.glsl"},
                      {137, "background_vertex.glsl"},
                      {140, "rectangle_object.mtl"},
                      {141, "rectangle_object.obj"}};
const WORD russian = MAKELANGID(LANG_RUSSIAN, SUBLANG_DEFAULT); // 1049

std::string fileBytes(const char *name) {
    std::ifstream file(std::string(VORLUNE_RESOURCES_DIR) + "/" + name, std::ios::binary);
    EXPECT_TRUE(file.good()) << name;
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string resourceBytes(HRSRC found) {
    HGLOBAL loaded = LoadResource(nullptr, found);
    return {static_cast<const char *>(LockResource(loaded)), SizeofResource(nullptr, found)};
}

TEST(TextResources, EachIsInTheExecutableUnderLanguage1049ByteForByteAsInResources) {
    ASSERT_EQ(russian, 1049);
    for (const Text &text : texts) {
        SCOPED_TRACE(text.file);
        HRSRC found = FindResourceExA(nullptr, "TEXTFILE", MAKEINTRESOURCEA(text.id), russian);
        ASSERT_NE(found, nullptr);
        EXPECT_EQ(resourceBytes(found), fileBytes(text.file));
    }
}

TEST(TextResources, LookupWithoutLanguageFindsTheSameBytes) {
    for (const Text &text : texts) {
        SCOPED_TRACE(text.file);
        const platform::TextResource resource = platform::findTextResource(text.id);
        ASSERT_NE(resource.bytes, nullptr);
        EXPECT_EQ(std::string(resource.bytes, resource.size), fileBytes(text.file));
    }
    EXPECT_EQ(platform::findTextResource(138).bytes, nullptr);
}

BOOL CALLBACK collectName(HMODULE, LPCSTR, LPSTR name, LONG_PTR names) {
    // A string name would not be an integer resource; record it as 0 so the test sees it.
    reinterpret_cast<std::set<ULONG_PTR> *>(names)->insert(IS_INTRESOURCE(name) ? reinterpret_cast<ULONG_PTR>(name)
                                                                                : 0);
    return TRUE;
}

BOOL CALLBACK collectLanguage(HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR languages) {
    reinterpret_cast<std::set<WORD> *>(languages)->insert(language);
    return TRUE;
}

TEST(TextResources, TypeHoldsExactlyTheFourIntegerNamesInOneLanguage) {
    std::set<ULONG_PTR> names;
    ASSERT_TRUE(EnumResourceNamesA(nullptr, "TEXTFILE", collectName, reinterpret_cast<LONG_PTR>(&names)));
    EXPECT_EQ(names, (std::set<ULONG_PTR>{136, 137, 140, 141}));
    for (const Text &text : texts) {
        std::set<WORD> languages;
        EnumResourceLanguagesA(nullptr, "TEXTFILE", MAKEINTRESOURCEA(text.id), collectLanguage,
                               reinterpret_cast<LONG_PTR>(&languages));
        EXPECT_EQ(languages, std::set<WORD>{russian}) << text.file;
    }
}

} // namespace
