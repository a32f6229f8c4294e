// The per-copy steps that make, colour, size, tag and move a copy.
#include "drag/copy_steps.h"

#include "frame/suite_pointers.h"
#include "options/store.h"
#include "styling/colors.h"

namespace {

// The tag every marked copy carries.
constexpr const char* kTagName = "quen-tarb";
constexpr const char* kTagType = "string";
constexpr const char* kTagValue = "quen-tarb";

// The process value, or the tool's fallback (usually its copy count minus one) when it is 0.
int32_t cycle(int32_t processValue, int32_t fallback) { return processValue != 0 ? processValue : fallback; }

}  // namespace

namespace drag {

bool placementSkips(bool createSwitch) {
    if (!createSwitch) return false;
    return sAIRandom->FloatRnd() > 0.5f;
}

ASErr duplicateCopy(AIArtHandle source, int32_t b, AIArtHandle* copy) {
    const ASInt16 order = b != 0 ? kPlaceBelowAll : kPlaceAboveAll;
    return sAIArt->DuplicateArt(source, order, source, copy);
}

void fillStep(const Event& event, AIArtHandle art, int32_t index, int32_t fallback) {
    const int32_t P = cycle(g::fillprocessvalue, fallback);
    ::filloptions(g::filloptions, art, event.swatchCount, g::fillswatchvalue, P / 2, index, P);
}

void strokeStep(const Event& event, AIArtHandle art, int32_t index, int32_t fallback) {
    const int32_t Q = cycle(g::strokeprocessvalue, fallback);
    ::strokeoptions(g::strokeoptions, art, event.swatchCount, g::strokeswatchvalue, Q / 2, index, Q);
}

void widthStep(const Event& event, AIArtHandle art) {
    if (!g::width && !g::pr_widthvalue) return;
    AIPathStyle style{};
    const ASErr readError = sAIPathStyle->GetPathStyle(art, &style);
    // The draw is taken even when the read failed, so later draws keep their order.
    AIReal strokeWidth = style.stroke.width * event.V;
    if (g::width) strokeWidth *= sAIRandom->FloatRnd();
    if (strokeWidth < 0) strokeWidth = 0;
    // A style that could not be read is not written back: that would overwrite it with blanks.
    if (readError) return;
    style.stroke.width = strokeWidth;
    sAIPathStyle->SetPathStyle(art, &style);
}

void tagStep(AIArtHandle art) { sAITag->SetTag(art, kTagName, kTagType, kTagValue); }

ASErr transformStep(const Event& event, AIArtHandle art, const AIRealMatrix& matrix, AIReal lineScale) {
    return sAITransformArt->TransformArt(art, &matrix, lineScale, event.transformFlags);
}

bool scalesLines(bool evenCopy) {
    return g::scalelinesoptions == 1 || (g::scalelinesoptions == 2 && evenCopy);
}

}  // namespace drag
