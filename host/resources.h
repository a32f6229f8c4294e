// The plug-in's resource file (JSON beside the module): index strings, images, cursors and
// dialog frames, read as the host reads a bundle's resources.
#ifndef QT_HOST_RESOURCES_H
#define QT_HOST_RESOURCES_H

#include <map>
#include <string>
#include <vector>

#include "sdk/as_types.h"

namespace qthost {

struct CursorResource {
    int width = 0;
    int height = 0;
    int hotH = 0;
    int hotV = 0;
    std::vector<std::string> rows;  // '1' set, '0' clear
};

struct DialogResource {
    std::string caption;
    std::string font;
    int pointSize = 0;
    int width = 0;
    int height = 0;
};

class Resources {
  public:
    // Replaces the contents with the file's. A missing file leaves no resources and returns
    // kNoErr (the host then finds nothing); a file that cannot be parsed returns kBadParameterErr.
    ASErr load(const std::string& path);
    void clear();

    // Entry `index` (from 1) of index-string list `list`; null when missing.
    const std::string* indexString(int list, int index) const;
    // Image resource `id` as its decoded bytes; null when missing.
    const std::string* image(int id) const;
    const CursorResource* cursor(int id) const;
    const DialogResource* dialog(int id) const;
    const std::string& path() const { return path_; }

  private:
    std::string path_;
    std::map<int, std::vector<std::string>> strings_;
    std::map<int, std::string> images_;
    std::map<int, CursorResource> cursors_;
    std::map<int, DialogResource> dialogs_;
};

// Standard base64 (padding optional); false on any character outside the alphabet.
bool decodeBase64(const std::string& text, std::string& bytes);
// Width and height of a PNG from its header; false when the bytes are not a PNG.
bool pngSize(const std::string& bytes, int& width, int& height);

}  // namespace qthost

#endif
