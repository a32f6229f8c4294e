// The tag interner: equal texts and equal sets of tags each get one index.
#include <gtest/gtest.h>

#include "host/tag_interner.h"

namespace {

using qthost::TagInterner;

std::vector<std::string> describe(const TagInterner& tags, uint32_t set) {
    std::vector<std::string> out;
    for (const TagInterner::Tag& t : tags.set(set))
        out.push_back(tags.text(t.name) + ":" + tags.text(t.type) + "=" + tags.text(t.value));
    return out;
}

TEST(HostTagInterner, EqualSetsShareOneIndexHoweverTheyWereMade) {
    TagInterner tags;
    const TagInterner::Tag a = tags.tag("a", "string", "1");
    const TagInterner::Tag b = tags.tag("b", "string", "2");
    EXPECT_EQ(tags.tag("a", "string", "1"), a) << "the same texts: the same tag";
    EXPECT_EQ(a.type, b.type) << "a text is interned once";

    uint32_t ab = tags.setWith(tags.setWith(TagInterner::kEmptySet, a), b);
    uint32_t again = tags.setWith(tags.setWith(TagInterner::kEmptySet, a), b);
    EXPECT_EQ(ab, again);
    EXPECT_NE(tags.setWith(tags.setWith(TagInterner::kEmptySet, b), a), ab) << "order is part of a set";
    EXPECT_EQ(tags.setWith(ab, a), ab) << "setting a tag it holds leaves the set";
    EXPECT_EQ(describe(tags, ab), (std::vector<std::string>{"a:string=1", "b:string=2"}));

    uint32_t changed = tags.setWith(ab, tags.tag("a", "string", "3"));
    EXPECT_EQ(describe(tags, changed), (std::vector<std::string>{"a:string=3", "b:string=2"}))
        << "a tag of the same name is replaced in place";
    EXPECT_EQ(describe(tags, ab), (std::vector<std::string>{"a:string=1", "b:string=2"}))
        << "sets never change";
    EXPECT_TRUE(describe(tags, TagInterner::kEmptySet).empty());
}

TEST(HostTagInterner, TextsAreFoundOnlyOnceInterned) {
    TagInterner tags;
    EXPECT_FALSE(tags.find("name"));
    const TagInterner::Tag t = tags.tag("name", "", "value");
    ASSERT_TRUE(tags.find("name"));
    EXPECT_EQ(*tags.find("name"), t.name);
    EXPECT_EQ(*tags.find(""), t.type);
    EXPECT_EQ(tags.text(t.value), "value");
}

}  // namespace
