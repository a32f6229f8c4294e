#include "host/tag_interner.h"

#include <algorithm>
#include <cstring>

namespace qthost {

TagInterner::TagInterner() {
    sets_.emplace_back();
    setIds_.emplace(std::string(), kEmptySet);
}

uint32_t TagInterner::intern(std::string_view text) {
    auto found = stringIds_.find(text);
    if (found != stringIds_.end()) return found->second;
    uint32_t id = static_cast<uint32_t>(strings_.size());
    strings_.emplace_back(text);
    stringIds_.emplace(strings_.back(), id);
    return id;
}

std::optional<uint32_t> TagInterner::find(std::string_view text) const {
    auto found = stringIds_.find(text);
    if (found == stringIds_.end()) return std::nullopt;
    return found->second;
}

TagInterner::Tag TagInterner::tag(const char* name, const char* type, const char* value) {
    if (lastTag_.name != UINT32_MAX && std::strcmp(lastTagTexts_[0], name) == 0 &&
        std::strcmp(lastTagTexts_[1], type) == 0 && std::strcmp(lastTagTexts_[2], value) == 0)
        return lastTag_;
    lastTag_ = {intern(name), intern(type), intern(value)};
    lastTagTexts_[0] = strings_[lastTag_.name].c_str();
    lastTagTexts_[1] = strings_[lastTag_.type].c_str();
    lastTagTexts_[2] = strings_[lastTag_.value].c_str();
    return lastTag_;
}

uint32_t TagInterner::setWith(uint32_t set, const Tag& tag) {
    if (lastEdit_.from == set && lastEdit_.tag == tag) return lastEdit_.to;
    std::vector<Tag> tags = sets_[set];
    auto same = std::find_if(tags.begin(), tags.end(), [&](const Tag& t) { return t.name == tag.name; });
    if (same != tags.end())
        *same = tag;
    else
        tags.push_back(tag);
    std::string key(reinterpret_cast<const char*>(tags.data()), tags.size() * sizeof(Tag));
    auto [found, added] = setIds_.emplace(std::move(key), static_cast<uint32_t>(sets_.size()));
    if (added) sets_.push_back(std::move(tags));
    lastEdit_ = {set, tag, found->second};
    return found->second;
}

}  // namespace qthost
