// Reading the resource file. The format is the JSON that the build generates from resources/.
#include "host/resources.h"

#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

namespace qthost {

namespace {

int keyNumber(const std::string& key) {
    try {
        size_t used = 0;
        int n = std::stoi(key, &used);
        return used == key.size() ? n : -1;
    } catch (...) {
        return -1;
    }
}

}  // namespace

void Resources::clear() {
    path_.clear();
    strings_.clear();
    images_.clear();
    cursors_.clear();
    dialogs_.clear();
}

ASErr Resources::load(const std::string& path) {
    clear();
    path_ = path;
    std::ifstream in(path, std::ios::binary);
    if (!in) return kNoErr;
    nlohmann::json doc = nlohmann::json::parse(in, nullptr, false);
    if (doc.is_discarded() || !doc.is_object()) return kBadParameterErr;
    try {
        if (auto it = doc.find("indexStrings"); it != doc.end() && it->is_object())
            for (auto& [key, list] : it->items())
                if (list.is_array()) strings_[keyNumber(key)] = list.get<std::vector<std::string>>();
        if (auto it = doc.find("images"); it != doc.end() && it->is_object())
            for (auto& [key, text] : it->items()) {
                std::string bytes;
                // An image that does not decode is kept as empty bytes: present but unusable.
                if (text.is_string() && !decodeBase64(text.get<std::string>(), bytes)) bytes.clear();
                images_[keyNumber(key)] = bytes;
            }
        if (auto it = doc.find("cursors"); it != doc.end() && it->is_object())
            for (auto& [key, c] : it->items()) {
                CursorResource cursor;
                cursor.width = c.value("width", 0);
                cursor.height = c.value("height", 0);
                if (auto hot = c.find("hotspot"); hot != c.end() && hot->is_array() && hot->size() == 2) {
                    cursor.hotH = (*hot)[0].get<int>();
                    cursor.hotV = (*hot)[1].get<int>();
                }
                cursor.rows = c.value("rows", std::vector<std::string>{});
                cursors_[keyNumber(key)] = cursor;
            }
        if (auto it = doc.find("dialogs"); it != doc.end() && it->is_object())
            for (auto& [key, d] : it->items()) {
                DialogResource dialog;
                dialog.caption = d.value("caption", std::string());
                dialog.font = d.value("font", std::string());
                dialog.pointSize = d.value("pointSize", 0);
                dialog.width = d.value("width", 0);
                dialog.height = d.value("height", 0);
                dialogs_[keyNumber(key)] = dialog;
            }
    } catch (const nlohmann::json::exception&) {
        clear();
        path_ = path;
        return kBadParameterErr;
    }
    return kNoErr;
}

const std::string* Resources::indexString(int list, int index) const {
    auto it = strings_.find(list);
    if (it == strings_.end() || index < 1 || static_cast<size_t>(index) > it->second.size()) return nullptr;
    return &it->second[static_cast<size_t>(index) - 1];
}

const std::string* Resources::image(int id) const {
    auto it = images_.find(id);
    return it == images_.end() ? nullptr : &it->second;
}

const CursorResource* Resources::cursor(int id) const {
    auto it = cursors_.find(id);
    return it == cursors_.end() ? nullptr : &it->second;
}

const DialogResource* Resources::dialog(int id) const {
    auto it = dialogs_.find(id);
    return it == dialogs_.end() ? nullptr : &it->second;
}

bool decodeBase64(const std::string& text, std::string& bytes) {
    bytes.clear();
    uint32_t buffer = 0;
    int bits = 0;
    for (char ch : text) {
        int value;
        if (ch >= 'A' && ch <= 'Z')
            value = ch - 'A';
        else if (ch >= 'a' && ch <= 'z')
            value = ch - 'a' + 26;
        else if (ch >= '0' && ch <= '9')
            value = ch - '0' + 52;
        else if (ch == '+')
            value = 62;
        else if (ch == '/')
            value = 63;
        else if (ch == '=')
            break;
        else if (ch == '\n' || ch == '\r' || ch == ' ')
            continue;
        else
            return false;
        buffer = (buffer << 6) | static_cast<uint32_t>(value);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes.push_back(static_cast<char>((buffer >> bits) & 0xff));
        }
    }
    return true;
}

bool pngSize(const std::string& bytes, int& width, int& height) {
    static const unsigned char signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    if (bytes.size() < 24) return false;
    for (int i = 0; i < 8; ++i)
        if (static_cast<unsigned char>(bytes[static_cast<size_t>(i)]) != signature[i]) return false;
    if (bytes.compare(12, 4, "IHDR") != 0) return false;
    auto be32 = [&](size_t at) {
        uint32_t v = 0;
        for (size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(bytes[at + i]);
        return v;
    };
    width = static_cast<int>(be32(16));
    height = static_cast<int>(be32(20));
    return width > 0 && height > 0;
}

}  // namespace qthost
