// Errors shown to the user: the filter list, the duplicate window and the alert text built
// from the key/template pairs of index-string list 16050.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "frame/plugin.h"
#include "frame/suite_pointers.h"
#include "frame/text_buffer.h"
#include "sdk/error_code_text.h"

namespace {

constexpr ASInt32 kErrorStringsList = 16050;
constexpr ASInt32 kKeyBufferSize = 10;
constexpr ASInt32 kTemplateBufferSize = 128;
constexpr size_t kFormattedTemplateLimit = 120;  // longer templates are shown as they are

// Zero-terminated.
constexpr ASErr kFilteredErrors[] = {
    QT_FOURCC('F', 'M', 'T', '?'),
    QT_FOURCC('R', 'F', 'S', 'E'),
    QT_FOURCC('A', 'F', 'T', 'R'),
    QT_FOURCC('V', 'A', 'L', 'D'),
    QT_FOURCC('M', 'O', 'O', 'T'),
    QT_FOURCC('T', 'R', 'S', 'H'),
    QT_FOURCC('C', 'H', 'E', 'K'),
    QT_FOURCC('C', 'H', 'I', 'T'),
    QT_FOURCC('T', 'L', 'T', 'K'),
    QT_FOURCC('p', 'F', 'l', 's'),
    QT_FOURCC('S', '!', 'F', 'd'),
    QT_FOURCC('!', 'A', 'c', 'q'),
    QT_FOURCC('d', 's', 'R', 'P'),
    QT_FOURCC('s', 'k', 'p', 'E'),
    QT_FOURCC('D', 'O', 'N', 'E'),
    QT_FOURCC('S', 'T', 'O', 'P'),
    361,
    0,
};

// A key that starts with '-' or a digit is a decimal number; any other is a four-character
// code packed from its first four bytes, most significant first.
ASErr keyValue(const char (&key)[kKeyBufferSize]) {
    if (key[0] == '-' || std::isdigit(static_cast<unsigned char>(key[0])))
        return static_cast<ASErr>(std::strtol(key, nullptr, 10));
    return QT_FOURCC(key[0], key[1], key[2], key[3]);
}

// The template of `error`, or the list's last template when no key matches. False when the
// list has not even one readable key.
bool findTemplate(SPPluginRef pluginRef, ASErr error, char (&found)[kTemplateBufferSize]) {
    bool haveTemplate = false;
    for (ASInt32 index = 1;; index += 2) {
        char key[kKeyBufferSize] = {};
        if (sADMBasic->GetIndexString(pluginRef, kErrorStringsList, index, key, kKeyBufferSize) != kNoErr ||
            key[0] == '\0')
            return haveTemplate;
        std::memset(found, 0, sizeof found);
        if (sADMBasic->GetIndexString(pluginRef, kErrorStringsList, index + 1, found, kTemplateBufferSize) !=
            kNoErr)
            found[0] = '\0';
        haveTemplate = true;
        if (keyValue(key) == error) return true;
    }
}

// printf-style with one string argument, but only "%s" and "%%" are honoured: the template
// comes from a resource file, and any other conversion is copied as it stands rather than
// reading an argument that is not there.
void formatTemplate(const char* pattern, const char* argument, char* out, size_t size) {
    size_t length = 0;
    auto put = [&](char c) {
        if (length + 1 < size) out[length++] = c;
    };
    bool argumentUsed = false;
    for (const char* p = pattern; *p != '\0'; ++p) {
        if (p[0] == '%' && p[1] == '%') {
            put('%');
            ++p;
        } else if (p[0] == '%' && p[1] == 's' && !argumentUsed) {
            for (const char* a = argument; *a != '\0'; ++a) put(*a);
            argumentUsed = true;
            ++p;
        } else {
            put(*p);
        }
    }
    out[length] = '\0';
}

void errorText(ASErr error, char (&text)[16]) {
    if (isFourCharCode(error)) {
        std::memcpy(text, fourChars(error).text, sizeof(FourChars::text));
    } else {
        std::snprintf(text, sizeof text, "%d", static_cast<int>(error));
    }
}

}  // namespace

bool Plugin::FilterError(ASErr error) {
    for (const ASErr* filtered = kFilteredErrors; *filtered != 0; ++filtered)
        if (*filtered == error) return true;
    return false;
}

void Plugin::ReportError(ASErr error, const char*, const char*, void*) {
    if (FilterError(error)) return;
    const std::time_t now = std::time(nullptr);
    if (error == lastError && suppressDuplicateErrors && now < lastErrorTime + errorTimeout) return;
    lastError = error;
    lastErrorTime = now;
    DefaultError(pluginRef, error);
}

void Plugin::DefaultError(SPPluginRef pluginRef, ASErr error) {
    if (FilterError(error)) return;

    // Without a plug-in object (a failed start-up) the basic suite is borrowed for this call.
    bool borrowed = false;
    if (sADMBasic == nullptr) {
        const void* suite = nullptr;
        if (sSPBasic == nullptr ||
            sSPBasic->AcquireSuite(kADMBasicSuite, kADMBasicSuiteVersion2, &suite) != kNoErr ||
            suite == nullptr)
            return;
        sADMBasic = static_cast<const ADMBasicSuite*>(suite);
        borrowed = true;
    }

    char pattern[kTemplateBufferSize] = {};
    if (findTemplate(pluginRef, error, pattern) && pattern[0] != '\0') {
        if (std::strlen(pattern) < kFormattedTemplateLimit) {
            char code[16];
            errorText(error, code);
            char text[kTextBufferSize];
            formatTemplate(pattern, code, text, sizeof text);
            sADMBasic->MessageAlert(text);
        } else {
            sADMBasic->MessageAlert(pattern);
        }
    }

    if (borrowed) {
        sSPBasic->ReleaseSuite(kADMBasicSuite, kADMBasicSuiteVersion2);
        sADMBasic = nullptr;
    }
}
