// The shared block of the palette, always visible below the tool pages: colour modes and
// their swatch and process values, pattern, line scaling, placement, slowdown, the
// switches, Reset, the line type and, built last, the tool selector.
#include "options/controls.h"

namespace options {
namespace {

constexpr EntryRun kFillEntries[] = {{" Fill color - Ignore"},
                                     {" To white"},
                                     {" To black"},
                                     {" Random colors"},
                                     {" Random swatches"},
                                     {" To white / midpoint"},
                                     {" To swatch"},
                                     {" To half color"},
                                     {" To inverted"},
                                     {" Alternate white"},
                                     {" Alternate black"},
                                     {" Alternate swatch"},
                                     {" Alternate inverted"},
                                     {" To half color inverted"},
                                     {" 10% reduction"}};
constexpr EntryRun kStrokeEntries[] = {{" Stroke color - Ignore"},
                                       {" To white"},
                                       {" To black"},
                                       {" Random colors"},
                                       {" Random swatches"},
                                       {" To white / midpoint"},
                                       {" To swatch"},
                                       {" To half color"},
                                       {" To inverted"},
                                       {" Alternate white"},
                                       {" Alternate black"},
                                       {" Alternate swatch"},
                                       {" Alternate inverted"},
                                       {" To half color inverted"},
                                       {" 10% reduction"}};
constexpr EntryRun kPatternEntries[] = {{" Pattern / tile - Ignore"}, {" Pattern ", 1, 57}};
// Entries 2 and 3 share their text; they are different values.
constexpr EntryRun kScaleLinesEntries[] = {{" Scaling line width - ignore"},
                                           {" Standard scaling of stroke width"},
                                           {" Alternate scaling"},
                                           {" Alternate scaling"}};
constexpr EntryRun kBeneathEntries[] = {{" Place above"}, {" Place beneath"},
                                        {" Alternate 1"}, {" Alternate 2"},
                                        {" Random 1"},    {" Alternate ", 1, 12, "/path"}};
// The line type popup and the tool selector: one entry per row of the tool table.
constexpr EntryRun kLineTypeEntries[] = {
#define QT_SHAPE(number, entry) {entry},
#include "resources/tool_table.def"
#undef QT_SHAPE
};
constexpr EntryRun kToolEntries[] = {
#define QT_TOOL(number, name, title, entry, bench) {entry},
#include "resources/tool_table.def"
#undef QT_TOOL
};

// The push buttons, by name.
struct Button {
    int32_t item;
    const char* caption;
};
#define QT_BUTTON(name, item, caption) constexpr Button name##Button{item, caption};
#include "resources/palette_buttons.def"
#undef QT_BUTTON

constexpr Control kShared[] = {
    control(Option::filloptions, {10, 222, 160, 242}, kFillEntries, Proc::colourMode),
    control(Option::fillswatchvalue, {190, 222, 250, 242}),
    control(Option::fillprocessvalue, {260, 222, 320, 242}),
    control(Option::strokeoptions, {10, 247, 160, 267}, kStrokeEntries, Proc::colourMode),
    control(Option::strokeswatchvalue, {190, 247, 250, 267}),
    control(Option::strokeprocessvalue, {260, 247, 320, 267}),
    control(Option::patternoptions, {10, 270, 160, 290}, kPatternEntries),
    control(Option::scalelinesoptions, {170, 270, 320, 290}, kScaleLinesEntries),
    control(Option::beneathoptions, {10, 295, 160, 315}, kBeneathEntries),
    label(370, {10, 320, 185, 340}, Option::countvalue),
    control(Option::countvalue, {190, 320, 250, 340}),
    control(Option::blend, {10, 345, 80, 359}),
    control(Option::opacity, {83, 345, 153, 359}),
    control(Option::pr_opacityvalue, {156, 345, 226, 359}),
    control(Option::pr_lengthvalue, {229, 345, 299, 359}),
    control(Option::width, {10, 362, 80, 376}),
    control(Option::layer, {83, 362, 153, 376}),
    control(Option::closedpath, {156, 362, 226, 376}),
    control(Option::pr_widthvalue, {229, 362, 299, 376}),
    pushButton(resetButton.item, {240, 385, 320, 405}, resetButton.caption, Proc::reset),
    control(Option::currentpath, {10, 410, 160, 430}, kLineTypeEntries),
    control(Option::currenttool, {10, 385, 160, 405}, kToolEntries),
};

}  // namespace

std::span<const Control> sharedControls() { return kShared; }

}  // namespace options
