// The module's own resources on Windows, read with the resource API and written out in the
// resource-file format of host/resources.h, so that the suites find them as they find the
// resource file beside a module elsewhere.
#if defined(_WIN32)

#include <windows.h>

#include <cstdint>
#include <map>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "host/module_loader.h"

namespace qthost {

namespace {

constexpr WORD kLanguage = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);  // 1033

struct Bytes {
    const unsigned char* data = nullptr;
    size_t size = 0;
};

Bytes resourceBytes(HMODULE module, LPCWSTR type, int id) {
    HRSRC found = FindResourceExW(module, type, MAKEINTRESOURCEW(id), kLanguage);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    if (!loaded) return {};
    return {static_cast<const unsigned char*>(LockResource(loaded)), SizeofResource(module, found)};
}

BOOL CALLBACK collectId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR ids) {
    if (IS_INTRESOURCE(name))
        reinterpret_cast<std::vector<int>*>(ids)->push_back(
            static_cast<int>(reinterpret_cast<uintptr_t>(name)));
    return TRUE;
}

std::vector<int> resourceIds(HMODULE module, LPCWSTR type) {
    std::vector<int> ids;
    EnumResourceNamesW(module, type, collectId, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

std::string utf8(const wchar_t* text, size_t length) {
    if (length == 0) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), out.data(), n, nullptr, nullptr);
    return out;
}

// Little-endian fields of a resource, with every read checked against its size.
class Reader {
  public:
    explicit Reader(Bytes bytes) : bytes_(bytes), ok_(bytes.data != nullptr) {}
    bool ok() const { return ok_; }
    size_t offset() const { return at_; }

    uint32_t read(size_t size) {
        if (!ok_ || at_ + size > bytes_.size) {
            ok_ = false;
            return 0;
        }
        uint32_t value = 0;
        for (size_t i = 0; i < size; ++i) value |= uint32_t(bytes_.data[at_ + i]) << (8 * i);
        at_ += size;
        return value;
    }
    uint16_t u16() { return static_cast<uint16_t>(read(2)); }
    uint32_t u32() { return read(4); }
    void skip(size_t size) {
        if (ok_ && at_ + size <= bytes_.size)
            at_ += size;
        else
            ok_ = false;
    }
    bool bit(size_t byteOffset, int bitIndex) const {  // bit 0 is the byte's highest
        return byteOffset < bytes_.size && (bytes_.data[byteOffset] >> (7 - bitIndex)) & 1;
    }

    // A NUL-terminated UTF-16 string.
    std::string text() {
        std::wstring wide;
        for (uint16_t ch = u16(); ok_ && ch != 0; ch = u16()) wide.push_back(static_cast<wchar_t>(ch));
        return utf8(wide.data(), wide.size());
    }
    // A dialog template's menu or class field: none, an ordinal, or a string.
    void skipNameOrOrdinal() {
        uint16_t first = u16();
        if (first == 0xFFFF)
            u16();
        else if (first != 0)
            text();
    }

  private:
    Bytes bytes_;
    size_t at_ = 0;
    bool ok_;
};

std::string base64(Bytes bytes) {
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    for (size_t i = 0; i < bytes.size; i += 3) {
        uint32_t group = uint32_t(bytes.data[i]) << 16;
        if (i + 1 < bytes.size) group |= uint32_t(bytes.data[i + 1]) << 8;
        if (i + 2 < bytes.size) group |= bytes.data[i + 2];
        out += alphabet[(group >> 18) & 63];
        out += alphabet[(group >> 12) & 63];
        out += i + 1 < bytes.size ? alphabet[(group >> 6) & 63] : '=';
        out += i + 2 < bytes.size ? alphabet[group & 63] : '=';
    }
    return out;
}

// String blocks hold 16 counted strings each: block b has the ids (b - 1) * 16 to b * 16 - 1.
// An index-string list is a header string followed by its entries, up to the next gap.
nlohmann::json indexStrings(HMODULE module) {
    std::map<int, std::string> strings;
    for (int block : resourceIds(module, MAKEINTRESOURCEW(6) /* RT_STRING */)) {
        Reader r(resourceBytes(module, MAKEINTRESOURCEW(6), block));
        for (int i = 0; i < 16 && r.ok(); ++i) {
            std::wstring wide(r.u16(), L'\0');
            for (wchar_t& ch : wide) ch = static_cast<wchar_t>(r.u16());
            if (r.ok() && !wide.empty()) strings[(block - 1) * 16 + i] = utf8(wide.data(), wide.size());
        }
    }
    nlohmann::json lists = nlohmann::json::object();
    for (const auto& [id, header] : strings) {
        if (strings.count(id - 1)) continue;
        nlohmann::json entries = nlohmann::json::array();
        for (int next = id + 1; strings.count(next); ++next) entries.push_back(strings[next]);
        lists[std::to_string(id)] = entries;
    }
    return lists;
}

nlohmann::json images(HMODULE module) {
    nlohmann::json out = nlohmann::json::object();
    for (int id : resourceIds(module, L"PNGI"))
        out[std::to_string(id)] = base64(resourceBytes(module, L"PNGI", id));
    return out;
}

// A group cursor names its images; the first is read: hot spot, then a one-bit DIB whose height
// counts the XOR and the AND masks, rows bottom-up. A pixel is set where its AND bit is clear.
nlohmann::json cursors(HMODULE module) {
    nlohmann::json out = nlohmann::json::object();
    for (int id : resourceIds(module, MAKEINTRESOURCEW(12) /* RT_GROUP_CURSOR */)) {
        Reader group(resourceBytes(module, MAKEINTRESOURCEW(12), id));
        group.skip(4);
        if (group.u16() < 1) continue;
        group.skip(12);
        int imageId = group.u16();
        Reader image(resourceBytes(module, MAKEINTRESOURCEW(1) /* RT_CURSOR */, imageId));
        int hotH = image.u16(), hotV = image.u16();
        size_t header = image.offset();
        uint32_t headerSize = image.u32();
        int width = static_cast<int32_t>(image.u32());
        int height = static_cast<int32_t>(image.u32()) / 2;
        image.skip(2);
        int bitCount = image.u16();
        if (!group.ok() || !image.ok() || bitCount != 1 || width <= 0 || height <= 0) continue;
        size_t stride = (static_cast<size_t>(width) + 31) / 32 * 4;
        size_t andMask = header + headerSize + 2 * 4 + stride * static_cast<size_t>(height);
        std::vector<std::string> rows;
        for (int y = 0; y < height; ++y) {
            std::string row;
            size_t line = andMask + stride * static_cast<size_t>(height - 1 - y);
            for (int x = 0; x < width; ++x)
                row += image.bit(line + static_cast<size_t>(x / 8), x % 8) ? '0' : '1';
            rows.push_back(row);
        }
        out[std::to_string(id)] = {
            {"width", width}, {"height", height}, {"hotspot", {hotH, hotV}}, {"rows", rows}};
    }
    return out;
}

// Dialog frames: the caption, the font and the size in dialog units (DLGTEMPLATE or
// DLGTEMPLATEEX; the items are not read).
nlohmann::json dialogs(HMODULE module) {
    nlohmann::json out = nlohmann::json::object();
    for (int id : resourceIds(module, MAKEINTRESOURCEW(5) /* RT_DIALOG */)) {
        Reader r(resourceBytes(module, MAKEINTRESOURCEW(5), id));
        bool extended = r.u16() == 1 && r.u16() == 0xFFFF;
        uint32_t style;
        if (extended) {
            r.skip(8);
            style = r.u32();
        } else {
            r = Reader(resourceBytes(module, MAKEINTRESOURCEW(5), id));
            style = r.u32();
            r.skip(4);
        }
        r.skip(2 + 4);  // item count, x, y
        int width = static_cast<int16_t>(r.u16());
        int height = static_cast<int16_t>(r.u16());
        r.skipNameOrOrdinal();  // menu
        r.skipNameOrOrdinal();  // window class
        std::string caption = r.text();
        int pointSize = 0;
        std::string font;
        if (style & DS_SETFONT) {
            pointSize = r.u16();
            if (extended) r.skip(4);  // weight, italic, character set
            font = r.text();
        }
        if (!r.ok()) continue;
        out[std::to_string(id)] = {{"caption", caption},
                                   {"font", font},
                                   {"pointSize", pointSize},
                                   {"width", width},
                                   {"height", height}};
    }
    return out;
}

}  // namespace

std::string windowsModuleResources(void* module) {
    HMODULE m = static_cast<HMODULE>(module);
    nlohmann::json file = {{"indexStrings", indexStrings(m)},
                           {"images", images(m)},
                           {"cursors", cursors(m)},
                           {"dialogs", dialogs(m)}};
    return file.dump();
}

}  // namespace qthost

#endif
