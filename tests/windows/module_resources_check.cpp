// The module as the Windows loader sees it: its one export, the DLLs it needs, and every
// resource read back with the resource, cursor, string and version APIs.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "checks.h"

namespace wintest {

namespace {

constexpr WORD kLanguage = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

std::string narrow(const wchar_t* text, size_t length) {
    std::string out;
    for (size_t i = 0; i < length; ++i) out += text[i] < 128 ? static_cast<char>(text[i]) : '?';
    return out;
}

std::vector<unsigned char> resource(HMODULE module, LPCWSTR type, int id) {
    HRSRC found = FindResourceExW(module, type, MAKEINTRESOURCEW(id), kLanguage);
    if (!found) return {};
    auto* data = static_cast<const unsigned char*>(LockResource(LoadResource(module, found)));
    return data ? std::vector<unsigned char>(data, data + SizeofResource(module, found))
                : std::vector<unsigned char>{};
}

uint32_t le(const std::vector<unsigned char>& b, size_t at, size_t size) {
    uint32_t v = 0;
    for (size_t i = 0; i < size && at + i < b.size(); ++i) v |= uint32_t(b[at + i]) << (8 * i);
    return v;
}

// The loaded image's headers: the export names and the DLLs it imports.
void checkImage(Checks& checks, HMODULE module) {
    auto* base = reinterpret_cast<const unsigned char*>(module);
    auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    checks.expect((nt->FileHeader.Characteristics & IMAGE_FILE_DLL) != 0, "the module is a DLL");

    const IMAGE_DATA_DIRECTORY& exportsDir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + exportsDir.VirtualAddress);
    std::string names;
    auto* nameRvas = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        if (i > 0) names += ',';
        names += reinterpret_cast<const char*>(base + nameRvas[i]);
    }
    checks.equal(names, std::string("PluginMain"), "the only exported name is PluginMain");
    checks.equal(exports->NumberOfFunctions, DWORD(1), "one exported function");

    // Every DLL the module imports is one of the system's: no C++ runtime DLL to ship.
    wchar_t system[MAX_PATH];
    GetSystemDirectoryW(system, MAX_PATH);
    const IMAGE_DATA_DIRECTORY& importsDir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    auto* import = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + importsDir.VirtualAddress);
    for (; import->Name != 0; ++import) {
        std::string dll = reinterpret_cast<const char*>(base + import->Name);
        bool inSystem = std::filesystem::exists(std::filesystem::path(system) / dll);
        checks.expect(inSystem, "imports only system DLLs: " + dll);
    }
}

void checkPropertyList(Checks& checks, HMODULE module) {
    std::vector<unsigned char> pipl = resource(module, L"PIPL", 16000);
    if (!checks.expect(pipl.size() >= 12, "PIPL 16000 (language 1033) is present")) return;
    checks.equal(le(pipl, 0, 4), 1u, "PIPL format version");
    checks.equal(le(pipl, 8, 4), 4u, "PIPL property count");
    std::string found;
    size_t at = 12;
    for (uint32_t i = 0; i < le(pipl, 8, 4) && at + 16 <= pipl.size(); ++i) {
        std::string owner(pipl.begin() + at, pipl.begin() + at + 4);
        std::string key(pipl.begin() + at + 4, pipl.begin() + at + 8);
        uint32_t length = le(pipl, at + 12, 4);
        if (at + 16 + length > pipl.size()) break;
        std::string data(pipl.begin() + at + 16, pipl.begin() + at + 16 + length);
        if (key == "ivrs") data = std::to_string(le(pipl, at + 16, 4));
        if (!data.empty() && data.back() == '\0') data.pop_back();
        found += owner + "/" + key + "=" + data + ";";
        at += 16 + (length + 3) / 4 * 4;
    }
    checks.equal(found,
                 std::string("QTRB/kind=SPEA;QTRB/ivrs=2;QTRB/wx86=PluginMain;QTRB/pinm=ZU41_QuenTarb;"),
                 "PIPL properties: kind, interface version, x86 entry point, name");
    checks.equal(at, pipl.size(), "PIPL ends after its last property");
}

void checkIcons(Checks& checks, HMODULE module) {
    std::vector<unsigned char> icons[2] = {resource(module, L"PNGI", 16051),
                                           resource(module, L"PNGI", 16052)};
    for (int i = 0; i < 2; ++i) {
        const auto& png = icons[i];
        std::string id = "PNGI " + std::to_string(16051 + i);
        bool isPng = png.size() > 24 && std::memcmp(png.data(), "\x89PNG\r\n\x1a\n", 8) == 0;
        checks.expect(isPng, id + " is a PNG image");
        auto be32 = [&](size_t at) {
            return uint32_t(png[at]) << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3];
        };
        if (isPng) checks.expect(be32(16) == 24 && be32(20) == 24, id + " is 24 x 24");
    }
    checks.expect(icons[0] != icons[1], "the two tool icons differ");
}

void checkCursor(Checks& checks, HMODULE module) {
    std::vector<unsigned char> group = resource(module, MAKEINTRESOURCEW(12) /* RT_GROUP_CURSOR */, 16001);
    if (!checks.expect(group.size() >= 20, "cursor 16001 (language 1033) is present")) return;
    checks.equal(le(group, 4, 2), 1u, "cursor 16001 has one image");
    checks.expect(le(group, 6, 2) == 32 && le(group, 8, 2) == 64, "its image is 32 x 32 (two masks)");
    checks.equal(le(group, 12, 2), 1u, "one bit per pixel");

    HANDLE cursor = LoadImageW(module, MAKEINTRESOURCEW(16001), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE);
    if (!checks.expect(cursor != nullptr, "LoadImage loads cursor 16001")) return;
    ICONINFO info{};
    if (checks.expect(GetIconInfo(static_cast<HICON>(cursor), &info) != 0, "GetIconInfo reads it")) {
        checks.expect(info.xHotspot == 16 && info.yHotspot == 15, "hot spot (16, 15)",
                      std::to_string(info.xHotspot) + "," + std::to_string(info.yHotspot));
        checks.expect(info.hbmColor == nullptr, "a monochrome cursor (no colour bitmap)");
        if (info.hbmMask) DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
    }
    DestroyCursor(static_cast<HCURSOR>(cursor));
}

// DLGTEMPLATE: style, extended style, item count, x, y, cx, cy, menu, class, caption, font.
void checkDialog(Checks& checks, HMODULE module) {
    std::vector<unsigned char> d = resource(module, MAKEINTRESOURCEW(5) /* RT_DIALOG */, 16201);
    if (!checks.expect(d.size() >= 18, "dialog 16201 (language 1033) is present")) return;
    uint32_t style = le(d, 0, 4);
    checks.equal(le(d, 8, 2), 0u, "dialog 16201 has no items");
    checks.expect(le(d, 14, 2) == 113 && le(d, 16, 2) == 145, "dialog 16201 is 113 x 145 units");
    size_t at = 18;
    checks.expect(le(d, at, 2) == 0 && le(d, at + 2, 2) == 0, "no menu, the standard dialog class");
    at += 4;
    auto text = [&] {
        std::wstring s;
        for (; at + 1 < d.size() && le(d, at, 2) != 0; at += 2)
            s.push_back(static_cast<wchar_t>(le(d, at, 2)));
        at += 2;
        return narrow(s.data(), s.size());
    };
    checks.equal(text(), std::string("QUENTARB "), "caption with its trailing blank");
    checks.expect((style & DS_SETFONT) != 0, "the frame names its font");
    checks.equal(le(d, at, 2), 8u, "8-point font");
    at += 2;
    checks.equal(text(), std::string("MS Sans Serif"), "font face");
}

void checkStrings(Checks& checks, HMODULE module) {
    struct Row {
        int id;
        const char* text;  // null: no such string
    };
    const Row rows[] = {{16100, "<First Mac index is 1>"},
                        {16101, "QuenTarb"},
                        {16102, nullptr},
                        {16050, nullptr},  // alert templates: only in the resource file elsewhere
                        {16600, nullptr}};
    for (const Row& row : rows) {
        wchar_t buffer[256];
        int n = LoadStringW(module, static_cast<UINT>(row.id), buffer, 256);
        checks.equal(narrow(buffer, static_cast<size_t>(n)), std::string(row.text ? row.text : ""),
                     "string " + std::to_string(row.id));
    }
}

void checkVersion(Checks& checks, const std::string& modulePath) {
    std::wstring path = std::filesystem::path(modulePath).wstring();
    DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr);
    std::vector<unsigned char> info(size);
    if (!checks.expect(size && GetFileVersionInfoW(path.c_str(), 0, size, info.data()), "version resource 1"))
        return;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    if (VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) && fixed) {
        checks.expect(fixed->dwFileVersionMS == 0x000E0000 && fixed->dwFileVersionLS == 0,
                      "file version 14.0.0.0");
        checks.expect(fixed->dwProductVersionMS == 0x000E0000 && fixed->dwProductVersionLS == 0,
                      "product version 14.0.0.0");
    }
    auto value = [&](const wchar_t* name) {
        std::wstring query = std::wstring(L"\\StringFileInfo\\040904b0\\") + name;
        wchar_t* text = nullptr;
        UINT n = 0;
        if (!VerQueryValueW(info.data(), query.c_str(), reinterpret_cast<void**>(&text), &n) || !text)
            return std::string();
        return narrow(text, wcslen(text));
    };
    checks.equal(value(L"FileVersion"), std::string("14.0"), "version text");
    checks.equal(value(L"ProductVersion"), std::string("14.0"), "product version text");
    checks.equal(value(L"CompanyName"), std::string("Morvesh Software Ltd"), "the maker");
    checks.equal(value(L"OriginalFilename"), std::string("ZU41_QuenTarb.aip"), "the module's file name");
}

// Every resource of the module, whatever its type, is in language 1033.
struct LanguageCount {
    int total = 0;
    int other = 0;
};

BOOL CALLBACK countLanguage(HMODULE, LPCWSTR, LPCWSTR, WORD language, LONG_PTR count) {
    auto* c = reinterpret_cast<LanguageCount*>(count);
    ++c->total;
    if (language != kLanguage) ++c->other;
    return TRUE;
}

BOOL CALLBACK countName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR count) {
    EnumResourceLanguagesW(module, type, name, countLanguage, count);
    return TRUE;
}

BOOL CALLBACK countType(HMODULE module, LPWSTR type, LONG_PTR count) {
    EnumResourceNamesW(module, type, countName, count);
    return TRUE;
}

void checkLanguages(Checks& checks, HMODULE module) {
    LanguageCount count;
    EnumResourceTypesW(module, countType, reinterpret_cast<LONG_PTR>(&count));
    // PIPL, two PNGI, the cursor's image and group, the dialog, one string block, the version.
    checks.equal(count.total, 8, "resources in the module");
    checks.equal(count.other, 0, "resources in another language than 1033");
}

}  // namespace

void checkModuleResources(Checks& checks, const std::string& modulePath) {
    std::wstring path = std::filesystem::path(modulePath).wstring();
    HMODULE module = LoadLibraryW(path.c_str());
    if (!checks.expect(module != nullptr, "LoadLibrary loads " + modulePath)) return;
    FARPROC entry = GetProcAddress(module, "PluginMain");
    checks.expect(entry != nullptr, "GetProcAddress finds PluginMain");
    checks.expect(GetProcAddress(module, "_PluginMain") == nullptr &&
                      GetProcAddress(module, "PluginMain@12") == nullptr,
                  "the export is the plain name, undecorated");
    checkImage(checks, module);
    checkPropertyList(checks, module);
    checkIcons(checks, module);
    checkCursor(checks, module);
    checkDialog(checks, module);
    checkStrings(checks, module);
    checkVersion(checks, modulePath);
    checkLanguages(checks, module);
    FreeLibrary(module);
}

}  // namespace wintest
