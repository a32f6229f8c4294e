// The tool table (tool_table.def) as constants for every layer: the tools and the drag path
// shapes in number order, their counts, and the tools by command-line name.
#ifndef QT_RESOURCES_TOOL_TABLE_H
#define QT_RESOURCES_TOOL_TABLE_H

#include <string_view>

namespace qttable {

struct Tool {
    int number;
    const char* name;
    const char* title;
    const char* entry;
    const char* bench;
};

inline constexpr Tool kTools[] = {
#define QT_TOOL(number, name, title, entry, bench) {number, name, title, entry, bench},
#include "resources/tool_table.def"
#undef QT_TOOL
};
inline constexpr int kToolCount = static_cast<int>(sizeof kTools / sizeof kTools[0]);

struct Shape {
    int number;
    const char* entry;
};

inline constexpr Shape kShapes[] = {
#define QT_SHAPE(number, entry) {number, entry},
#include "resources/tool_table.def"
#undef QT_SHAPE
};
inline constexpr int kShapeCount = static_cast<int>(sizeof kShapes / sizeof kShapes[0]);

// A row's number is its place: readers index the tables by number.
template <typename Row, int N>
constexpr bool numberedInOrder(const Row (&rows)[N]) {
    for (int i = 0; i < N; ++i)
        if (rows[i].number != i) return false;
    return true;
}
static_assert(numberedInOrder(kTools), "tool_table.def: tools out of order");
static_assert(numberedInOrder(kShapes), "tool_table.def: shapes out of order");

// The tool the command line calls `name`; -1 for none.
constexpr int toolNumber(std::string_view name) {
    for (const Tool& tool : kTools)
        if (std::string_view(tool.name) == name) return tool.number;
    return -1;
}

// The same for constants: a name the table does not have does not compile.
consteval int toolNamed(std::string_view name) {
    const int number = toolNumber(name);
    if (number < 0) throw "tool_table.def has no tool of this name";
    return number;
}

// The tool numbered `number`: its row, or null.
constexpr const Tool* tool(int number) {
    return number >= 0 && number < kToolCount ? &kTools[number] : nullptr;
}

}  // namespace qttable

#endif
