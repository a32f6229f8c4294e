// The option table (resources/option_table.def) as the plug-in reads it: every option's
// facts and the store variable it names, one row per option, in the table's order.
#ifndef QT_OPTIONS_OPTION_TABLE_H
#define QT_OPTIONS_OPTION_TABLE_H

#include <cstddef>
#include <cstdint>

#include "options/store.h"
#include "resources/option_types.h"

namespace options {

using qttable::ControlType;
using qttable::OptionType;

// The store variable an option names; exactly one pointer is set, matching its type.
struct OptionRef {
    int32_t* integer = nullptr;
    float* real = nullptr;
    bool* boolean = nullptr;
};

struct OptionSpec {
    const char* name;
    OptionType type;
    double defaultValue;
    float min, max;
    int32_t item;  // -1: no control
    int32_t tool;  // -1: the shared block
    ControlType control;
    const char* caption;
    OptionRef ref;
};

// One enumerator per row, named after the option: Option::copiesvalue_8.
enum class Option : int32_t {
#define QT_OPTION(name, ...) name,
#include "resources/option_table.def"
#undef QT_OPTION
};

#define QT_OPTION_REF_Int(name) \
    OptionRef { .integer = &g::name }
#define QT_OPTION_REF_Real(name) \
    OptionRef { .real = &g::name }
#define QT_OPTION_REF_Bool(name) \
    OptionRef { .boolean = &g::name }

inline constexpr OptionSpec kOptionTable[] = {
#define QT_OPTION(name, type, def, min, max, item, tool, control, caption)                \
    {#name,   OptionType::type,          def, min, max, item, tool, ControlType::control, \
     caption, QT_OPTION_REF_##type(name)},
#include "resources/option_table.def"
#undef QT_OPTION
};

#undef QT_OPTION_REF_Int
#undef QT_OPTION_REF_Real
#undef QT_OPTION_REF_Bool

constexpr const OptionSpec& spec(Option option) { return kOptionTable[static_cast<std::size_t>(option)]; }

}  // namespace options

#endif
