// The option table's type and control columns (option_table.def), one enum each for every
// layer that reads the table: the plug-in's store and palette, the session's catalogue and
// the front ends.
#ifndef QT_RESOURCES_OPTION_TYPES_H
#define QT_RESOURCES_OPTION_TYPES_H

namespace qttable {

// Int is an int32_t, Real a float.
enum class OptionType { Int, Real, Bool };
enum class ControlType { Spin, Swatch, Check, Popup, Tool, None };

// The type as `quentarb options` and the playground name it.
constexpr const char* typeName(OptionType type) {
    switch (type) {
        case OptionType::Int: return "int32";
        case OptionType::Real: return "float";
        case OptionType::Bool: return "bool";
    }
    return "?";
}

}  // namespace qttable

#endif
