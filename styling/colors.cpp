// Fill and stroke colour series: read the copy's path style, change one paint, write the
// whole style back (also when nothing changed). Mode 0 touches nothing, not even the host.
#include "styling/colors.h"

#include "frame/suite_pointers.h"
#include "styling/color_modes.h"

namespace {

enum class Part { fill, stroke };

void applyToPathStyle(Part part, int32_t mode, AIArtHandle art, const styling::SeriesPlace& place) {
    if (mode == 0) return;
    AIPathStyle style{};
    // A failed read leaves nothing worth writing back: skip rather than overwrite the art's
    // style with an empty one.
    if (sAIPathStyle->GetPathStyle(art, &style) != kNoErr) return;
    if (part == Part::fill) {
        styling::applyColorMode(mode, {style.fill.color, style.fillPaint}, place);
    } else if (mode != 13 && mode != 14) {
        // The stroke popup offers 13 and 14 too; on the stroke they leave the style alone.
        styling::applyColorMode(mode, {style.stroke.color, style.strokePaint}, place);
    }
    sAIPathStyle->SetPathStyle(art, &style);
}

}  // namespace

void filloptions(int32_t mode, AIArtHandle art, int32_t S, int32_t w, int32_t h, int32_t i, int32_t P) {
    applyToPathStyle(Part::fill, mode, art, {S, w, h, i, P});
}

void strokeoptions(int32_t mode, AIArtHandle art, int32_t S, int32_t w, int32_t h, int32_t i, int32_t P) {
    applyToPathStyle(Part::stroke, mode, art, {S, w, h, i, P});
}
