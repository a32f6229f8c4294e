// The host Unicode string wrapper: creation, the UTF-16 view and release.
#include "frame/unicode_string.h"

#include <utility>

#include "frame/suite_pointers.h"

namespace ai {

namespace {

const AIUnicodeStringSuite& suite() {
    if (sAIUnicodeString == nullptr) throw Error(makeError(kInvalidStateErr));
    return *sAIUnicodeString;
}

}  // namespace

UnicodeString::UnicodeString(const char* utf8) {
    check(suite().Initialize(&handle_, utf8 != nullptr ? utf8 : "", -1));
}

UnicodeString::~UnicodeString() {
    // A destructor must not throw: a failing release is ignored.
    if (handle_ != nullptr && sAIUnicodeString != nullptr) sAIUnicodeString->Destroy(handle_);
}

UnicodeString::UnicodeString(UnicodeString&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)) {}

UnicodeString& UnicodeString::operator=(UnicodeString&& other) noexcept {
    if (this != &other) {
        if (handle_ != nullptr && sAIUnicodeString != nullptr) sAIUnicodeString->Destroy(handle_);
        handle_ = std::exchange(other.handle_, nullptr);
    }
    return *this;
}

const ASUnicode* UnicodeString::as_ASUnicode() const {
    const ASUnicode* text = nullptr;
    ASInt32 length = 0;
    check(suite().GetUTF16(handle_, &text, &length));
    return text;
}

ASInt32 UnicodeString::length() const {
    const ASUnicode* text = nullptr;
    ASInt32 length = 0;
    check(suite().GetUTF16(handle_, &text, &length));
    return length;
}

}  // namespace ai
