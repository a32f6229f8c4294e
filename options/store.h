// The option store: every palette option and the drag state, as plain module-wide variables
// of static storage duration (all zero until the palette is first built). The palette's
// procedures write the options; the drag engine and the styling steps read them.
//
// Conventions: the suffix _N names the tool (drawing mode) an option belongs to; a popup
// option holds the index of its selected entry; percentages are stored as shown (100.0 is
// 100 %). `dialogposition` is an ADMRect: four int32 in the order left, top, right, bottom.
#ifndef QT_OPTIONS_STORE_H
#define QT_OPTIONS_STORE_H

#include <cstdint>

#include "sdk/QuenTarbSDK.h"

namespace g {

// The value `firsttime` holds once the defaults have been applied.
constexpr int32_t kDefaultsApplied = 929;

// Tool 0, grid.
extern int32_t horizontalcopiesvalue_0, verticalcopiesvalue_0;
extern float rotatevalue_0, jittervalue_0;
extern int32_t checkoptions_0, flipoptions_0, scalexoptions_0, scaleyoptions_0;
extern bool trailvalue_0, envelopevalue_0, placementvalue_0, rotation_0;

// Tool 1, drag.
extern int32_t copiesvalue_1;
extern float rotatevalue_1, jitterxvalue_1, jitteryvalue_1;
extern bool trailvalue_1, envelopevalue_1, placementvalue_1;

// Tool 2, zoom.
extern int32_t copiesvalue_2;
extern float interpolatevalue_2, curvevalue_2;
extern int32_t zoomoptions_2;
extern bool trailvalue_2, envelopevalue_2, lengthvalue_2, viewvalue_2;

// Tool 3, framed.
extern int32_t horizontalcopiesvalue_3, verticalcopiesvalue_3;
extern float rotateanglevalue_3, jittervalue_3, scalevalue_3;
extern int32_t edgeoptions_3;
extern bool trailvalue_3, envelopevalue_3, placementvalue_3, deletepathvalue_3;

// Tool 4, rim random.
extern int32_t copiesvalue_4;
extern float scaleminvalue_4, scalemaxvalue_4, jittervalue_4;
extern bool trailvalue_4, envelopevalue_4, applyrotatevalue_4, linkedvalue_4;

// Tool 5, windmill.
extern int32_t copiesvalue_5, circlesvalue_5;
extern float rotatevalue_5, gapvvalue_5, scalevalue_5, turnvalue_5, offsetvalue_5, circlesradiusvalue_5;
extern float initialvalue_5, resizevalue_5, jittervalue_5;
extern int32_t measureoptions_5, windmilloptions_5, turnoptions_5;
extern bool trailvalue_5, envelopevalue_5, placementvalue_5, deletepathvalue_5, alignvalue_5, matchvalue_5;

// Tool 6, scaledown.
extern int32_t copiesvalue_6;
extern float scalehvalue_6, scalevvalue_6, jittervalue_6;
extern int32_t twistvalue_6;
extern float fadefillvalue_6, turnvalue_6, rotatevalue_6;
extern int32_t scaleoptions_6;
extern bool trailvalue_6, envelopevalue_6, placementvalue_6;

// Tool 7, bounce-along.
extern int32_t copiesvalue_7;
extern float scalevalue_7, rotatevalue_7, jittervalue_7;
extern int32_t bouncevalue_7;
extern bool trailvalue_7, envelopevalue_7, placementvalue_7, crunchvalue_7;

// Tool 8, spiral.
extern int32_t copiesvalue_8;
extern float scalevalue_8, rotatevalue_8;
extern int32_t spiralsvalue_8;
extern float decayvalue_8, jittervalue_8;
extern bool trailvalue_8, envelopevalue_8, placementvalue_8, deletepathvalue_8, alignvalue_8, matchvalue_8,
    reversevalue_8;

// Tool 9, checkerboard.
extern int32_t horizontalcopiesvalue_9, verticalcopiesvalue_9;
extern float rotatevalue_9, jittervalue_9;
extern bool trailvalue_9, envelopevalue_9, placementvalue_9, scaledvalue_9;

// Tool 10, paint. `trailvalue_10` has no control and is always true.
extern float scaledhvalue_10, scaledvvalue_10, fadefillvalue_10, intensityvalue_10, jittervalue_10;
extern bool envelopevalue_10, placementvalue_10, anglevalue_10, followvalue_10, trailvalue_10;

// Tool 11, basic tile. The two copy counts are set to 2 by the tool itself on every event.
extern float jittervalue_11;
extern float horizontalcopiesvalue_11, verticalcopiesvalue_11;

// Tool 12, background. `deletepathvalue_12` has no control.
extern int32_t copiesvalue_12;
extern float scaleminvalue_12, scalemaxvalue_12, framevalue_12;
extern bool trailvalue_12, envelopevalue_12, applyrotatevalue_12, linkedvalue_12, deletepathvalue_12;

// Shared options, visible whatever the tool.
extern int32_t currenttool;  // 0 grid ... 12 background
extern int32_t currentpath;  // line type 0 to 23
extern int32_t filloptions, fillswatchvalue, fillprocessvalue;
extern int32_t strokeoptions, strokeswatchvalue, strokeprocessvalue;
extern int32_t patternoptions, scalelinesoptions, beneathoptions, countvalue;
extern bool blend, opacity, pr_opacityvalue, pr_lengthvalue, pr_widthvalue, width, layer, closedpath;

// Drag state: reset at mouse-down, advanced by the drag engine.
extern AIRealPoint startingPoint;
extern AIRealPoint endPoint;
extern AIRealPoint point1[25];
extern bool keydown;
extern int32_t pointcount;
extern int32_t count;
extern int32_t count_10;
extern AIRealPoint lastposition_10;
extern float scalehvalue_10, scalevvalue_10, fadefillaccvalue_10;
extern float resizeaccvalue_5;

// Dialog bookkeeping.
extern int32_t firsttime;  // kDefaultsApplied once the defaults are in
extern ADMDialogRef dialogref;
extern bool positionset;
extern ADMRect dialogposition;  // screen bounds: left, top, right, bottom

// Every option back to its default, with `currentpath` and `count_10` at 0 (the Reset
// button). Leaves `currenttool`, the dialog bookkeeping and the drag state alone.
void applyOptionDefaults();

// First build of the palette: unless `firsttime` already says so, apply the option
// defaults, select tool 0, forget any position and record `dialog` in `dialogref`.
// A later build keeps the options, the tool and the position.
void initialiseOnce(ADMDialogRef dialog);

}  // namespace g

#endif
