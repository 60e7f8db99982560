#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_platform.h"
#include "gfx/text_resource.h"

namespace {

constexpr std::uint16_t testId = 900;
constexpr char untouched = 0x55;

// Reads into a buffer with guard bytes after the capacity + 4 that the reader may use, and checks
// that the text is followed by four zeros and that nothing after those was written.
std::string readGuarded(std::size_t capacity) {
    std::vector<char> buffer(capacity + 4 + 16, untouched);
    readTextResource(testId, buffer.data(), capacity);
    std::string text(buffer.data());
    for (std::size_t i = text.size(); i < text.size() + 4; ++i) EXPECT_EQ(buffer[i], 0) << "at " << i;
    for (std::size_t i = text.size() + 4; i < buffer.size(); ++i) EXPECT_EQ(buffer[i], untouched) << "at " << i;
    return text;
}

struct TextCase {
    const char *what;
    std::string bytes;
    std::size_t capacity;
    std::string expected;
};

class TextResourceRead : public testing::TestWithParam<TextCase> {};

TEST_P(TextResourceRead, EndsAtTheFirstTildeTheSizeOrTheCapacity) {
    fakePlatform::reset();
    fakePlatform::setTextResource(testId, GetParam().bytes);
    EXPECT_EQ(readGuarded(GetParam().capacity), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, TextResourceRead,
                         testing::Values(TextCase{"tildeFirst", "~void main() {}\r\n", 64, ""},
                                         TextCase{"firstTildeOnly", "a = 1;~b = 2;~\r\n", 64, "a = 1;"},
                                         TextCase{"markerLineEndNotCopied", "x\r\n//~\r\n", 64, "x\r\n//"},
                                         TextCase{"noTildeEndsAtSize", "v 1 2 3\r\n", 64, "v 1 2 3\r\n"},
                                         TextCase{"emptyResource", "", 64, ""},
                                         TextCase{"longerThanCapacityIsCut", "abcdefgh~", 5, "abcde"},
                                         TextCase{"tildeJustPastCapacity", "abcde~", 5, "abcde"},
                                         TextCase{"zeroCapacity", "abc~", 0, ""}),
                         [](const auto &testCase) { return std::string(testCase.param.what); });

TEST(TextResource, MissingResourceReadsAsEmptyText) {
    fakePlatform::reset();
    fakePlatform::removeTextResource(testId);
    EXPECT_EQ(readGuarded(64), "");
}

TEST(TextResource, ShaderTextsEndWithTheSlashesOfTheMarkerLine) {
    fakePlatform::reset();
    for (std::uint16_t id : {std::uint16_t{136}, std::uint16_t{137}}) {
        const platform::TextResource resource = platform::findTextResource(id);
        ASSERT_NE(resource.bytes, nullptr) << id;
        std::vector<char> buffer(textResourceBufferSize, untouched);
        readTextResource(id, buffer.data(), textResourceCapacity);
        const std::string text(buffer.data());
        EXPECT_EQ(text + "~\r\n", std::string(resource.bytes, resource.size)) << id;
        EXPECT_EQ(text.substr(text.size() - 4), "\r\n//") << id;
    }
}

} // namespace
