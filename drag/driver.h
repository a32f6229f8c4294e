// The drag driver: one call per drag event rebuilds the event's art. It works out the
// per-event values, builds the drag path and runs the current tool's branch; the
// per-copy steps below are what every branch applies to each art object it makes.
#ifndef QT_DRAG_DRIVER_H
#define QT_DRAG_DRIVER_H

#include "sdk/quen_tarb_sdk.h"

// Called by the mouse-drag handler with the event's cursor and pressure; flag is always 0.
ASErr tooldrag(AIRealPoint point, ASInt16 pressure, uint8_t flag);

// 1 when a copy is placed beneath the other art, else 0. grid is 1 for the grid and
// basic tile tools (a = row, b = column), 0 for the others (a = copy index).
int32_t beneathtest(int32_t option, int32_t a, int32_t b, int32_t tally, uint8_t grid);

namespace drag {

// Values worked out once per processed event and shared with the tool branch.
struct Event {
    AIReal V = 1.0f;               // pressure factor
    AIReal H = 1.0f;               // length factor
    AIReal pageWidth = 0.0f;
    AIReal pageHeight = 0.0f;
    AIReal halfWidth = 0.0f;       // page half-size; the zoom tool's view mode replaces it
    AIReal halfHeight = 0.0f;      // with the view centre for the pattern origins
    ASInt32 swatchCount = 0;       // S
    AIArtHandle path = nullptr;    // D; null for the zoom tool
    ASInt32 tally = 0;             // T
    ASInt32 transformFlags = kTransformObjects | kTransformFillGradients | kScaleLines;  // 19
};

// The steps a branch applies to one copy, in the order its tool fixes. Steps that can end
// the event return the host's code; the others ignore the host's answers.

// Step 1: beneath flag b (0 when beneathoptions is 0).
int32_t beneathFlag(const Event& event, int32_t a, int32_t b, uint8_t grid);
// Step 2: with the tool's Create switch on, one draw; true when the copy is not made.
bool placementSkips(bool createSwitch);
// Step 3: duplicate `source` above all art (b == 0) or below all art (b == 1).
ASErr duplicateCopy(AIArtHandle source, int32_t b, AIArtHandle* copy);
// Steps 4 and 5: fill and stroke series; P and Q are the fallbacks the tool gives when the
// process values are 0 (resolved here).
void fillStep(const Event& event, AIArtHandle art, int32_t index, int32_t fallback);
void strokeStep(const Event& event, AIArtHandle art, int32_t index, int32_t fallback);
// Step 6: stroke width, when `width` or `pr_widthvalue` is set.
void widthStep(const Event& event, AIArtHandle art);
// Step 7: the art tag.
void tagStep(AIArtHandle art);
// Step 8: transform with the tool's matrix and line scale.
ASErr transformStep(const Event& event, AIArtHandle art, const AIRealMatrix& matrix, AIReal lineScale);
// Steps 9, 10 and 11: random opacity, pressure opacity, random blend mode (each when its
// option is set).
void opacityStep(AIArtHandle art);
void pressureOpacityStep(const Event& event, AIArtHandle art);
void blendStep(AIArtHandle art);
// Step 12: the pattern figure, with (cx, cy) as the art centre.
ASErr patternStep(const Event& event, AIArtHandle art, int32_t b, AIReal cx, AIReal cy);
// Step 13: the envelope warp, when the tool's Warp switch is on.
ASErr envelopeStep(AIArtHandle art, bool warpSwitch);

// Steps 9 to 11 in order, for the tools that apply them together.
void opacityBlendSteps(const Event& event, AIArtHandle art);

// Art centre of D's bounds: (left + (right - left) / 2, bottom + (top - bottom) / 2).
ASErr artCentre(AIArtHandle art, AIReal* cx, AIReal* cy);

// A random sign from one draw: -1 when the draw is above 0.5, else +1.
AIReal randomSign();

// Modifier state of the event in progress.
ASUInt32 modifiers();

// The tool branches, one unit each.
ASErr gridTool(Event& event);
ASErr dragTool(Event& event);
ASErr zoomTool(Event& event);
ASErr framedTool(Event& event);
ASErr rimRandomTool(Event& event);
ASErr windmillTool(Event& event);
ASErr scaledownTool(Event& event);
ASErr bounceAlongTool(Event& event);
ASErr spiralTool(Event& event);
ASErr checkerboardTool(Event& event);
ASErr paintTool(Event& event);
ASErr basicTileTool(Event& event);
ASErr backgroundTool(Event& event);

}  // namespace drag

#endif
