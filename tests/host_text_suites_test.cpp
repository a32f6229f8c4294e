// The host's text at the plug-in boundary: a Unicode string takes UTF-8 and gives UTF-16, a
// menu item's text comes as UTF-16 and a tool's title and tooltip as UTF-8. Malformed text is
// the bad-parameter error and leaves nothing behind, never a garbled string.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/host_impl.h"

namespace {

template <typename Suite>
const Suite* acquire(const char* name, ASInt32 version) {
    const void* suite = nullptr;
    EXPECT_EQ(qthost::basicSuite()->AcquireSuite(name, version, &suite), kNoErr) << name;
    return static_cast<const Suite*>(suite);
}

struct TextSuites : ::testing::Test {
    qthost::Host host;  // the active host: the suites work on it
    const AIUnicodeStringSuite* strings =
        acquire<AIUnicodeStringSuite>(kAIUnicodeStringSuite, kAIUnicodeStringSuiteVersion);
    const AIMenuSuite* menus = acquire<AIMenuSuite>(kAIMenuSuite, kAIMenuSuiteVersion);
    const AIToolSuite* tools = acquire<AIToolSuite>(kAIToolSuite, kAIToolSuiteVersion);
    SPPluginRef self = reinterpret_cast<SPPluginRef>(&host);  // any plug-in reference
};

// Each row is one way UTF-8 goes wrong.
struct Malformed {
    std::string bytes;
    const char* why;
};
const Malformed kMalformedUtf8[] = {
    {"\x80", "a continuation byte with no lead"},
    {"ab\xBF", "a continuation byte after ASCII"},
    {"\xC3\x28", "a two-byte lead followed by ASCII"},
    {"\xE2\x28\xA1", "a three-byte form whose second byte is no continuation"},
    {"\xF0\x90\x28\xBC", "a four-byte form whose third byte is no continuation"},
    {"\xC0\xAF", "'/' in two bytes (overlong)"},
    {"\xC1\xBF", "U+007F in two bytes (overlong)"},
    {"\xE0\x80\xAF", "'/' in three bytes (overlong)"},
    {"\xF0\x80\x80\xAF", "'/' in four bytes (overlong)"},
    {"\xED\xA0\x80", "a lone high surrogate, U+D800"},
    {"\xED\xBF\xBF", "a lone low surrogate, U+DFFF"},
    {"\xED\xA0\xBD\xED\xB8\x80", "a surrogate pair written as two three-byte forms"},
    {"a\xC3", "cut off after a two-byte lead"},
    {"\xE2\x82", "cut off inside a three-byte form"},
    {"\xF0\x9D\x84", "cut off inside a four-byte form"},
    {"\xF4\x90\x80\x80", "U+110000, past the last code point"},
    {"\xF5\x80\x80\x80", "a lead byte above F4"},
    {"\xF8\x88\x80\x80\x80", "a five-byte form"},
    {"\xFE", "the byte FE"},
    {"\xFF", "the byte FF"},
};

TEST_F(TextSuites, AStringOfWellFormedUtf8IsItsUtf16) {
    const struct {
        std::string utf8;
        std::u16string utf16;
    } rows[] = {
        {"", u""},
        {"QuenTarb", u"QuenTarb"},
        {"\xC3\xA9", u"\u00E9"},
        {"\xE2\x82\xAC", u"\u20AC"},
        {"\xEF\xBF\xBD", u"\uFFFD"},
        {"\xF0\x9D\x84\x9E", u"\U0001D11E"},
        {"\xF4\x8F\xBF\xBF", u"\U0010FFFF"},
        {std::string("a\0b", 3), std::u16string(u"a\0b", 3)},  // a length counts a zero byte too
    };
    for (const auto& row : rows) {
        AIUnicodeStringHandle text = nullptr;
        ASSERT_EQ(strings->Initialize(&text, row.utf8.data(), static_cast<ASInt32>(row.utf8.size())), kNoErr);
        const ASUnicode* units = nullptr;
        ASInt32 length = -1;
        ASSERT_EQ(strings->GetUTF16(text, &units, &length), kNoErr);
        EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(units), static_cast<size_t>(length)),
                  row.utf16);
        EXPECT_EQ(strings->Destroy(text), kNoErr);
    }
}

TEST_F(TextSuites, MalformedUtf8MakesNoString) {
    for (const Malformed& row : kMalformedUtf8) {
        SCOPED_TRACE(row.why);
        AIUnicodeStringHandle text = nullptr;
        EXPECT_EQ(strings->Initialize(&text, row.bytes.data(), static_cast<ASInt32>(row.bytes.size())),
                  kBadParameterErr);
        EXPECT_EQ(text, nullptr);
        EXPECT_EQ(strings->Initialize(&text, row.bytes.c_str(), -1), kBadParameterErr)
            << "up to the terminator";
        EXPECT_EQ(text, nullptr);
    }
    AIUnicodeStringHandle text = nullptr;
    EXPECT_EQ(strings->Initialize(&text, "caf\xC3\xA9", 4), kBadParameterErr)
        << "a length that cuts a character";
}

TEST_F(TextSuites, AToolsTitleAndTooltipMustBeWellFormed) {
    AIToolHandle tool = nullptr;
    for (const Malformed& row : kMalformedUtf8) {
        SCOPED_TRACE(row.why);
        const AIAddToolData badTitle{row.bytes.c_str(), "tip", nullptr, kNoTool, kNoTool};
        EXPECT_EQ(tools->AddTool(self, "tool", &badTitle, 0, &tool), kBadParameterErr);
        const AIAddToolData badTip{"title", row.bytes.c_str(), nullptr, kNoTool, kNoTool};
        EXPECT_EQ(tools->AddTool(self, "tool", &badTip, 0, &tool), kBadParameterErr);
    }
    EXPECT_TRUE(host.records().toolDetails.empty());
    const AIAddToolData good{"Caf\xC3\xA9", "\xE2\x82\xAC", nullptr, kNoTool, kNoTool};
    ASSERT_EQ(tools->AddTool(self, "tool", &good, 0, &tool), kNoErr);
    EXPECT_EQ(host.records().toolDetails.at(0).title, "Caf\xC3\xA9");
}

TEST_F(TextSuites, AMenuItemsUtf16MustBeWellFormed) {
    const std::vector<std::u16string> malformed = {
        {char16_t(0xD800), u'A'},  // a high surrogate with no low one after it
        {u'A', char16_t(0xD834)},  // a high surrogate at the end
        {char16_t(0xDD1E)},        // a low surrogate with no high one before it
    };
    AIMenuItemHandle item = nullptr;
    for (const std::u16string& text : malformed) {
        const AIPlatformAddMenuItemDataUS data{kAboutMenuGroup,
                                               reinterpret_cast<const ASUnicode*>(text.c_str())};
        EXPECT_EQ(menus->AddMenuItem(self, "key", &data, 0, &item), kBadParameterErr);
    }
    EXPECT_TRUE(host.records().menuItems.empty());
    const std::u16string clef = u"\U0001D11E clef";
    const AIPlatformAddMenuItemDataUS data{kAboutMenuGroup, reinterpret_cast<const ASUnicode*>(clef.c_str())};
    ASSERT_EQ(menus->AddMenuItem(self, "key", &data, 0, &item), kNoErr);
    EXPECT_EQ(host.records().menuItems, std::vector<std::string>{"About/\xF0\x9D\x84\x9E clef"});
}

}  // namespace
