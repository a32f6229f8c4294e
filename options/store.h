// The option store: every palette option, as plain module-wide variables
// of static storage duration (all zero until the palette is first built). The options, their
// types and defaults come from the option table (resources/option_table.def). The palette's
// procedures write the options; the drag engine and the styling steps read them.
//
// Conventions: the suffix _N names the tool (drawing mode) an option belongs to; a popup
// option holds the index of its selected entry; percentages are stored as shown (100.0 is
// 100 %). `dialogposition` is an ADMRect: four int32 in the order left, top, right, bottom.
#ifndef QT_OPTIONS_STORE_H
#define QT_OPTIONS_STORE_H

#include <cstdint>

#include "sdk/quen_tarb_sdk.h"

namespace g {

// The value `firsttime` holds once the defaults have been applied.
constexpr int32_t kDefaultsApplied = 929;

// Every option of the table (resources/option_table.def), as `extern <type> <name>;`.
#define QT_OPTION_TYPE_Int int32_t
#define QT_OPTION_TYPE_Real float
#define QT_OPTION_TYPE_Bool bool
#define QT_OPTION(name, type, ...) extern QT_OPTION_TYPE_##type name;
#include "resources/option_table.def"
#undef QT_OPTION

// The paint tool's stamp count. The drag state (drag/drag_state.h) holds the rest of what a
// drag carries; this count is kept here because Reset clears it too.
extern int32_t count_10;

// Dialog bookkeeping.
extern int32_t firsttime;  // kDefaultsApplied once the defaults are in
extern ADMDialogRef dialogref;
extern bool positionset;
extern ADMRect dialogposition;  // screen bounds: left, top, right, bottom

// Every option back to its default, with `currentpath` and `count_10` at 0 (the Reset
// button). Leaves `currenttool` and the dialog bookkeeping alone.
void applyOptionDefaults();

// First build of the palette: unless `firsttime` already says so, apply the option
// defaults, select tool 0, forget any position and record `dialog` in `dialogref`.
// A later build keeps the options, the tool and the position.
void initialiseOnce(ADMDialogRef dialog);

}  // namespace g

#endif
