// Art tags, interned: every text once, every set of tags once. Art holds the index of its set,
// so a copy shares its original's tags at no cost. Nothing here is undone: an index, once
// given, names the same set for the document's life.
#ifndef QT_HOST_TAG_INTERNER_H
#define QT_HOST_TAG_INTERNER_H

#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace qthost {

class TagInterner {
  public:
    struct Tag {
        uint32_t name, type, value;  // interned texts
        bool operator==(const Tag&) const = default;
    };
    static constexpr uint32_t kEmptySet = 0;

    TagInterner();

    // The tag with these texts. The tag interned last is compared first, since a drag tags
    // every copy alike.
    Tag tag(const char* name, const char* type, const char* value);
    // Set `set` with `tag` in it: a tag of the same name is replaced in place (the order stays
    // that of first setting), a new name goes last.
    uint32_t setWith(uint32_t set, const Tag& tag);

    std::span<const Tag> set(uint32_t index) const { return sets_[index]; }
    const std::string& text(uint32_t id) const { return strings_[id]; }
    // The id of a text interned before, if it was.
    std::optional<uint32_t> find(std::string_view text) const;

  private:
    uint32_t intern(std::string_view text);

    std::deque<std::string> strings_;  // deque keeps views and c_str() stable
    std::unordered_map<std::string_view, uint32_t> stringIds_;
    Tag lastTag_{UINT32_MAX, 0, 0};
    const char* lastTagTexts_[3] = {};

    std::vector<std::vector<Tag>> sets_;
    std::unordered_map<std::string, uint32_t> setIds_;  // key: the set's Tag bytes
    struct Edit {
        uint32_t from = UINT32_MAX;
        Tag tag{};
        uint32_t to = 0;
    } lastEdit_;
};

}  // namespace qthost

#endif
