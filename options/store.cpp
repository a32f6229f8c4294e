// Definitions of the option store (all zero at load) and its two ways of taking defaults.
#include "options/store.h"

#include "options/option_table.h"

namespace g {

#define QT_OPTION(name, type, ...) QT_OPTION_TYPE_##type name;
#include "resources/option_table.def"
#undef QT_OPTION

int32_t count_10;

int32_t firsttime;
ADMDialogRef dialogref;
bool positionset;
ADMRect dialogposition;

// Every row of the option table but the tool selector's, which Reset leaves alone.
void applyOptionDefaults() {
    using options::OptionSpec;
    for (const OptionSpec& o : options::kOptionTable) {
        if (o.control == options::ControlType::Tool) continue;
        if (o.ref.integer) *o.ref.integer = static_cast<int32_t>(o.defaultValue);
        if (o.ref.real) *o.ref.real = static_cast<float>(o.defaultValue);
        if (o.ref.boolean) *o.ref.boolean = o.defaultValue != 0.0;
    }
    count_10 = 0;
}

void initialiseOnce(ADMDialogRef dialog) {
    if (firsttime == kDefaultsApplied) return;
    applyOptionDefaults();
    currenttool = 0;
    positionset = false;
    dialogref = dialog;
    firsttime = kDefaultsApplied;
}

}  // namespace g
