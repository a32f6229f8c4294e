// ai::UnicodeString: a host Unicode string (AI Unicode String suite) owned by the plug-in.
// Every failing host call raises ai::Error with the host's code.
#ifndef QT_FRAME_UNICODESTRING_H
#define QT_FRAME_UNICODESTRING_H

#include "frame/error.h"
#include "sdk/quen_tarb_sdk.h"

namespace ai {

class UnicodeString {
  public:
    // From zero-terminated UTF-8.
    explicit UnicodeString(const char* utf8);
    ~UnicodeString();
    UnicodeString(UnicodeString&& other) noexcept;
    UnicodeString& operator=(UnicodeString&& other) noexcept;
    UnicodeString(const UnicodeString&) = delete;
    UnicodeString& operator=(const UnicodeString&) = delete;

    // Zero-terminated UTF-16 text, valid as long as this string.
    const ASUnicode* as_ASUnicode() const;
    ASInt32 length() const;

  private:
    AIUnicodeStringHandle handle_ = nullptr;
};

}  // namespace ai

#endif
