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
constexpr EntryRun kBeneathEntries[] = {{" Place above"}, {" Place beneath"}, {" Alternate 1"},
                                        {" Alternate 2"}, {" Random 1"},      {" Alternate ", 1, 12, "/path"}};
constexpr EntryRun kLineTypeEntries[] = {{" Default single line"},
                                         {" Line split horizontal"},
                                         {" Line split vertical"},
                                         {" Four - step"},
                                         {" Curved line 1"},
                                         {" Curved line 2"},
                                         {" Points - 40"},
                                         {" Points - 80"},
                                         {" Points - 80 Random Curved"},
                                         {" Points - Random 80"},
                                         {" Points - Random 80 Random Curved"},
                                         {" Random interpolate single line"},
                                         {" Points - keys"},
                                         {" Random Curved line"},
                                         {" Random Curved line 2"},
                                         {" Random Curved line 3"},
                                         {" Points - keys (Random curve)"},
                                         {" Curved line ", 3, 9}};
constexpr EntryRun kToolEntries[] = {{" QuenTarb - Grid plug-in"},       {" QuenTarb - Drag plug-in"},
                                     {" QuenTarb - Zoom plug-in"},       {" QuenTarb - Framed plug-in"},
                                     {" QuenTarb - Rim random plug-in"}, {" QuenTarb - Windmill plug-in"},
                                     {" QuenTarb - Scaleddown plug-in"}, {" QuenTarb - Bouncealong plug-in"},
                                     {" QuenTarb - Spiral plug-in"},     {" QuenTarb - Checkerboard plug-in"},
                                     {" QuenTarb - Paint plug-in"},      {" QuenTarb - Basic tile plug-in"},
                                     {" QuenTarb - Background plug-in"}};

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
    pushButton(3, {240, 385, 320, 405}, "Reset", Proc::reset),
    control(Option::currentpath, {10, 410, 160, 430}, kLineTypeEntries),
    control(Option::currenttool, {10, 385, 160, 405}, kToolEntries),
};

}  // namespace

std::span<const Control> sharedControls() { return kShared; }

}  // namespace options
