// The options palette as built at the first tool selection, checked item by item against
// the layout table below: identifiers, kinds, bounds, captions, ranges, decimals, popup
// entries, building order, visibility and the notification procedures.
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "fixture.h"

namespace {

using qthost::DialogItem;

enum class K { text, intSpin, floatSpin, check, popup, button };

// Stands for the document's swatch count, the maximum of the two swatch spin edits.
constexpr double kSwatchMax = -1.0;

struct Row {
    ASInt32 id;
    K kind;
    ADMRect bounds;
    const char* caption;  // static texts, check boxes, buttons
    double min, max;      // spin edits
    int entryCount;       // popups
    const char* firstEntry;
    bool allEntriesListed;  // the entries of the row below list every text
    int page;               // tool 0..12, -1 for the shared block
    const char* option;
};

// In building order: pages 0 to 12, then the shared controls, the tool selector last.
const Row kLayout[] = {
    {310, K::text, {10, 10, 185, 30}, "Columns / rows", 0, 0, 0, "", true, 0, ""},
    {312, K::text, {10, 32, 185, 52}, "Rotation (o)", 0, 0, 0, "", true, 0, ""},
    {313, K::text, {10, 54, 185, 74}, "Jitter (p)", 0, 0, 0, "", true, 0, ""},
    {25, K::intSpin, {190, 10, 250, 30}, "", 1, 300, 0, "", true, 0, "horizontalcopiesvalue_0"},
    {26, K::intSpin, {260, 10, 320, 30}, "", 1, 300, 0, "", true, 0, "verticalcopiesvalue_0"},
    {27, K::floatSpin, {190, 32, 250, 52}, "", -360, 360, 0, "", true, 0, "rotatevalue_0"},
    {28, K::floatSpin, {190, 54, 250, 74}, "", 0, 1000, 0, "", true, 0, "jittervalue_0"},
    {33, K::popup, {10, 77, 160, 97}, "", 0, 0, 10, " Ignore checkerboard", true, 0, "checkoptions_0"},
    {36, K::popup, {170, 77, 320, 97}, "", 0, 0, 5, " Ignore turn", true, 0, "flipoptions_0"},
    {34,
     K::popup,
     {10, 102, 160, 122},
     "",
     0,
     0,
     43,
     " Default horizontal apply",
     false,
     0,
     "scalexoptions_0"},
    {35,
     K::popup,
     {170, 102, 320, 122},
     "",
     0,
     0,
     43,
     " Default vertical apply",
     false,
     0,
     "scaleyoptions_0"},
    {29, K::check, {10, 125, 110, 139}, "Trail", 0, 0, 0, "", true, 0, "trailvalue_0"},
    {30, K::check, {113, 125, 213, 139}, "Warp [R]", 0, 0, 0, "", true, 0, "envelopevalue_0"},
    {31, K::check, {216, 125, 316, 139}, "Create [R]", 0, 0, 0, "", true, 0, "placementvalue_0"},
    {32, K::check, {10, 142, 110, 156}, "Rotation [R]", 0, 0, 0, "", true, 0, "rotation_0"},
    {314, K::text, {10, 10, 185, 30}, "Copies", 0, 0, 0, "", true, 1, ""},
    {315, K::text, {10, 32, 185, 52}, "Rotation (o)", 0, 0, 0, "", true, 1, ""},
    {316, K::text, {10, 54, 185, 74}, "Jitter (p) (Horz)", 0, 0, 0, "", true, 1, ""},
    {317, K::text, {10, 76, 185, 96}, "Jitter (p) (Vert)", 0, 0, 0, "", true, 1, ""},
    {42, K::intSpin, {190, 10, 250, 30}, "", 2, 500, 0, "", true, 1, "copiesvalue_1"},
    {43, K::floatSpin, {190, 32, 250, 52}, "", -360, 360, 0, "", true, 1, "rotatevalue_1"},
    {44, K::floatSpin, {190, 54, 250, 74}, "", 0, 1000, 0, "", true, 1, "jitterxvalue_1"},
    {45, K::floatSpin, {190, 76, 250, 96}, "", 0, 1000, 0, "", true, 1, "jitteryvalue_1"},
    {47, K::check, {10, 100, 110, 114}, "Trail", 0, 0, 0, "", true, 1, "trailvalue_1"},
    {48, K::check, {113, 100, 213, 114}, "Warp [R]", 0, 0, 0, "", true, 1, "envelopevalue_1"},
    {49, K::check, {216, 100, 316, 114}, "Create [R]", 0, 0, 0, "", true, 1, "placementvalue_1"},
    {318, K::text, {10, 10, 185, 30}, "Copies", 0, 0, 0, "", true, 2, ""},
    {319, K::text, {10, 32, 185, 52}, "Interpolate (%)", 0, 0, 0, "", true, 2, ""},
    {320, K::text, {10, 54, 185, 74}, "Curve (p)", 0, 0, 0, "", true, 2, ""},
    {50, K::intSpin, {190, 10, 250, 30}, "", 2, 500, 0, "", true, 2, "copiesvalue_2"},
    {51, K::floatSpin, {190, 32, 250, 52}, "", 0, 100, 0, "", true, 2, "interpolatevalue_2"},
    {52, K::floatSpin, {190, 54, 250, 74}, "", 0, 1000, 0, "", true, 2, "curvevalue_2"},
    {53, K::popup, {10, 80, 160, 100}, "", 0, 0, 6, " Zoom - Default", true, 2, "zoomoptions_2"},
    {54, K::check, {10, 105, 110, 119}, "Trail", 0, 0, 0, "", true, 2, "trailvalue_2"},
    {55, K::check, {113, 105, 213, 119}, "Warp [R]", 0, 0, 0, "", true, 2, "envelopevalue_2"},
    {56, K::check, {216, 105, 316, 119}, "Length [R]", 0, 0, 0, "", true, 2, "lengthvalue_2"},
    {57, K::check, {10, 123, 110, 137}, "Document view", 0, 0, 0, "", true, 2, "viewvalue_2"},
    {321, K::text, {10, 10, 185, 30}, "Copies / width", 0, 0, 0, "", true, 3, ""},
    {322, K::text, {10, 32, 185, 52}, "Copies / height", 0, 0, 0, "", true, 3, ""},
    {323, K::text, {10, 54, 185, 74}, "Rotation (o)", 0, 0, 0, "", true, 3, ""},
    {324, K::text, {10, 76, 185, 96}, "Jitter (p)", 0, 0, 0, "", true, 3, ""},
    {326, K::text, {10, 98, 185, 118}, "Scale (%)", 0, 0, 0, "", true, 3, ""},
    {70, K::intSpin, {190, 10, 250, 30}, "", 2, 300, 0, "", true, 3, "horizontalcopiesvalue_3"},
    {71, K::intSpin, {190, 32, 250, 52}, "", 2, 300, 0, "", true, 3, "verticalcopiesvalue_3"},
    {72, K::floatSpin, {190, 54, 250, 74}, "", -360, 360, 0, "", true, 3, "rotateanglevalue_3"},
    {73, K::floatSpin, {190, 76, 250, 96}, "", 0, 1000, 0, "", true, 3, "jittervalue_3"},
    {74, K::floatSpin, {190, 98, 250, 118}, "", 3, 120, 0, "", true, 3, "scalevalue_3"},
    {78, K::popup, {10, 125, 160, 145}, "", 0, 0, 5, " Edge - Default", true, 3, "edgeoptions_3"},
    {77, K::check, {10, 150, 110, 164}, "Trail", 0, 0, 0, "", true, 3, "trailvalue_3"},
    {79, K::check, {113, 150, 213, 164}, "Warp [R]", 0, 0, 0, "", true, 3, "envelopevalue_3"},
    {80, K::check, {216, 150, 316, 164}, "Create [R]", 0, 0, 0, "", true, 3, "placementvalue_3"},
    {75, K::check, {10, 167, 110, 181}, "Delete", 0, 0, 0, "", true, 3, "deletepathvalue_3"},
    {327, K::text, {10, 10, 185, 30}, "Copies", 0, 0, 0, "", true, 4, ""},
    {328, K::text, {10, 32, 185, 52}, "Scale (% Min)", 0, 0, 0, "", true, 4, ""},
    {329, K::text, {10, 54, 185, 74}, "Scale (% Max)", 0, 0, 0, "", true, 4, ""},
    {330, K::text, {10, 76, 185, 96}, "Jitter (p)", 0, 0, 0, "", true, 4, ""},
    {90, K::intSpin, {190, 10, 250, 30}, "", 2, 300, 0, "", true, 4, "copiesvalue_4"},
    {91, K::floatSpin, {190, 32, 250, 52}, "", 3, 200, 0, "", true, 4, "scaleminvalue_4"},
    {92, K::floatSpin, {190, 54, 250, 74}, "", 3, 200, 0, "", true, 4, "scalemaxvalue_4"},
    {93, K::floatSpin, {190, 76, 250, 96}, "", 0, 1000, 0, "", true, 4, "jittervalue_4"},
    {96, K::check, {10, 100, 110, 114}, "Trail", 0, 0, 0, "", true, 4, "trailvalue_4"},
    {97, K::check, {113, 100, 213, 114}, "Warp [R]", 0, 0, 0, "", true, 4, "envelopevalue_4"},
    {98, K::check, {216, 100, 316, 114}, "Rotation [R]", 0, 0, 0, "", true, 4, "applyrotatevalue_4"},
    {95, K::check, {10, 117, 110, 131}, "Linked scale", 0, 0, 0, "", true, 4, "linkedvalue_4"},
    {331, K::text, {10, 10, 185, 30}, "Copies / Circles", 0, 0, 0, "", true, 5, ""},
    {332, K::text, {10, 32, 185, 52}, "Rotation (o)/ Factor", 0, 0, 0, "", true, 5, ""},
    {333, K::text, {10, 54, 185, 74}, "Scale (%) / Turn (p)", 0, 0, 0, "", true, 5, ""},
    {334, K::text, {10, 76, 185, 96}, "Alt (p) / CirclesRadius", 0, 0, 0, "", true, 5, ""},
    {335, K::text, {10, 98, 185, 118}, "Initial (p) / Re-Scale(%)", 0, 0, 0, "", true, 5, ""},
    {336, K::text, {10, 120, 185, 140}, "Jitter (p)", 0, 0, 0, "", true, 5, ""},
    {110, K::intSpin, {190, 10, 250, 30}, "", 2, 300, 0, "", true, 5, "copiesvalue_5"},
    {111, K::intSpin, {260, 10, 320, 30}, "", 1, 30, 0, "", true, 5, "circlesvalue_5"},
    {113, K::floatSpin, {190, 32, 250, 52}, "", -360, 360, 0, "", true, 5, "rotatevalue_5"},
    {129, K::floatSpin, {260, 32, 320, 52}, "", -1000, 1000, 0, "", true, 5, "gapvvalue_5"},
    {117, K::floatSpin, {190, 54, 250, 74}, "", -120, 120, 0, "", true, 5, "scalevalue_5"},
    {118, K::floatSpin, {260, 54, 320, 74}, "", -500, 500, 0, "", true, 5, "turnvalue_5"},
    {115, K::floatSpin, {190, 76, 250, 96}, "", -500, 500, 0, "", true, 5, "offsetvalue_5"},
    {116, K::floatSpin, {260, 76, 320, 96}, "", -500, 500, 0, "", true, 5, "circlesradiusvalue_5"},
    {125, K::floatSpin, {190, 98, 250, 118}, "", 0, 1000, 0, "", true, 5, "initialvalue_5"},
    {126, K::floatSpin, {260, 98, 320, 118}, "", 3, 110, 0, "", true, 5, "resizevalue_5"},
    {114, K::floatSpin, {190, 120, 250, 140}, "", 0, 1000, 0, "", true, 5, "jittervalue_5"},
    {119, K::popup, {10, 145, 100, 165}, "", 0, 0, 3, " Points", true, 5, "measureoptions_5"},
    {120, K::popup, {110, 145, 200, 165}, "", 0, 0, 56, " Ignore", false, 5, "windmilloptions_5"},
    {121, K::popup, {210, 145, 300, 165}, "", 0, 0, 8, " Turn - Vertical", true, 5, "turnoptions_5"},
    {124, K::check, {10, 168, 110, 182}, "Trail", 0, 0, 0, "", true, 5, "trailvalue_5"},
    {127, K::check, {113, 168, 213, 182}, "Warp [R]", 0, 0, 0, "", true, 5, "envelopevalue_5"},
    {128, K::check, {216, 168, 316, 182}, "Create [R]", 0, 0, 0, "", true, 5, "placementvalue_5"},
    {122, K::check, {10, 185, 110, 199}, "Delete", 0, 0, 0, "", true, 5, "deletepathvalue_5"},
    {112, K::check, {113, 185, 213, 199}, "Align", 0, 0, 0, "", true, 5, "alignvalue_5"},
    {123, K::check, {216, 185, 316, 199}, "Match", 0, 0, 0, "", true, 5, "matchvalue_5"},
    {338, K::text, {10, 10, 185, 30}, "Copies", 0, 0, 0, "", true, 6, ""},
    {339, K::text, {10, 32, 185, 52}, "Scale (%)", 0, 0, 0, "", true, 6, ""},
    {341, K::text, {10, 54, 185, 74}, "Jitter (p)", 0, 0, 0, "", true, 6, ""},
    {342, K::text, {10, 76, 185, 96}, "Twists", 0, 0, 0, "", true, 6, ""},
    {343, K::text, {10, 98, 185, 118}, "Opacity fade (%)", 0, 0, 0, "", true, 6, ""},
    {344, K::text, {10, 120, 185, 140}, "Turn / Rotate (o)", 0, 0, 0, "", true, 6, ""},
    {140, K::intSpin, {190, 10, 250, 30}, "", 2, 500, 0, "", true, 6, "copiesvalue_6"},
    {141, K::floatSpin, {190, 32, 250, 52}, "", -120, 120, 0, "", true, 6, "scalehvalue_6"},
    {142, K::floatSpin, {260, 32, 320, 52}, "", -120, 120, 0, "", true, 6, "scalevvalue_6"},
    {144, K::floatSpin, {190, 54, 250, 74}, "", 0, 1000, 0, "", true, 6, "jittervalue_6"},
    {143, K::intSpin, {190, 76, 250, 96}, "", 0, 50, 0, "", true, 6, "twistvalue_6"},
    {150, K::floatSpin, {190, 98, 250, 118}, "", 0, 200, 0, "", true, 6, "fadefillvalue_6"},
    {152, K::floatSpin, {190, 120, 250, 140}, "", -360, 360, 0, "", true, 6, "turnvalue_6"},
    {153, K::floatSpin, {260, 120, 320, 140}, "", -360, 360, 0, "", true, 6, "rotatevalue_6"},
    {151, K::popup, {10, 145, 160, 165}, "", 0, 0, 32, " Default apply", false, 6, "scaleoptions_6"},
    {146, K::check, {10, 168, 110, 182}, "Trail", 0, 0, 0, "", true, 6, "trailvalue_6"},
    {148, K::check, {113, 168, 213, 182}, "Warp [R]", 0, 0, 0, "", true, 6, "envelopevalue_6"},
    {149, K::check, {216, 168, 316, 182}, "Create [R]", 0, 0, 0, "", true, 6, "placementvalue_6"},
    {345, K::text, {10, 10, 185, 30}, "Copies", 0, 0, 0, "", true, 7, ""},
    {346, K::text, {10, 32, 185, 52}, "Scale / Rotation", 0, 0, 0, "", true, 7, ""},
    {347, K::text, {10, 54, 185, 74}, "Jitter (p)", 0, 0, 0, "", true, 7, ""},
    {349, K::text, {10, 76, 185, 96}, "Bounce", 0, 0, 0, "", true, 7, ""},
    {180, K::intSpin, {190, 10, 250, 30}, "", 2, 500, 0, "", true, 7, "copiesvalue_7"},
    {181, K::floatSpin, {190, 32, 250, 52}, "", 3, 120, 0, "", true, 7, "scalevalue_7"},
    {182, K::floatSpin, {260, 32, 320, 52}, "", -360, 360, 0, "", true, 7, "rotatevalue_7"},
    {184, K::floatSpin, {190, 54, 250, 74}, "", 0, 1000, 0, "", true, 7, "jittervalue_7"},
    {183, K::intSpin, {190, 76, 250, 96}, "", 0, 50, 0, "", true, 7, "bouncevalue_7"},
    {187, K::check, {10, 100, 110, 114}, "Trail", 0, 0, 0, "", true, 7, "trailvalue_7"},
    {188, K::check, {113, 100, 213, 114}, "Warp [R]", 0, 0, 0, "", true, 7, "envelopevalue_7"},
    {189, K::check, {216, 100, 316, 114}, "Create [R]", 0, 0, 0, "", true, 7, "placementvalue_7"},
    {185, K::check, {10, 117, 110, 131}, "Crunch", 0, 0, 0, "", true, 7, "crunchvalue_7"},
    {350, K::text, {10, 10, 185, 30}, "Copies", 0, 0, 0, "", true, 8, ""},
    {351, K::text, {10, 32, 185, 52}, "Scale (%)", 0, 0, 0, "", true, 8, ""},
    {352, K::text, {10, 54, 185, 74}, "Rotation (o)", 0, 0, 0, "", true, 8, ""},
    {353, K::text, {10, 76, 185, 96}, "Arms", 0, 0, 0, "", true, 8, ""},
    {354, K::text, {10, 98, 185, 118}, "Decay (%)", 0, 0, 0, "", true, 8, ""},
    {355, K::text, {10, 120, 185, 140}, "Jitter (p)", 0, 0, 0, "", true, 8, ""},
    {200, K::intSpin, {190, 10, 250, 30}, "", 2, 500, 0, "", true, 8, "copiesvalue_8"},
    {204, K::floatSpin, {190, 32, 250, 52}, "", 3, 120, 0, "", true, 8, "scalevalue_8"},
    {202, K::floatSpin, {190, 54, 250, 74}, "", -360, 360, 0, "", true, 8, "rotatevalue_8"},
    {205, K::intSpin, {190, 76, 250, 96}, "", 1, 50, 0, "", true, 8, "spiralsvalue_8"},
    {206, K::floatSpin, {190, 98, 250, 118}, "", 3, 150, 0, "", true, 8, "decayvalue_8"},
    {203, K::floatSpin, {190, 120, 250, 140}, "", 0, 1000, 0, "", true, 8, "jittervalue_8"},
    {210, K::check, {10, 145, 110, 159}, "Trail", 0, 0, 0, "", true, 8, "trailvalue_8"},
    {211, K::check, {113, 145, 213, 159}, "Warp [R]", 0, 0, 0, "", true, 8, "envelopevalue_8"},
    {212, K::check, {216, 145, 316, 159}, "Create [R]", 0, 0, 0, "", true, 8, "placementvalue_8"},
    {207, K::check, {10, 162, 110, 176}, "Delete", 0, 0, 0, "", true, 8, "deletepathvalue_8"},
    {201, K::check, {113, 162, 213, 176}, "Align", 0, 0, 0, "", true, 8, "alignvalue_8"},
    {208, K::check, {216, 162, 316, 176}, "Match", 0, 0, 0, "", true, 8, "matchvalue_8"},
    {209, K::check, {10, 179, 110, 193}, "Reverse", 0, 0, 0, "", true, 8, "reversevalue_8"},
    {356, K::text, {10, 10, 185, 30}, "Columns", 0, 0, 0, "", true, 9, ""},
    {357, K::text, {10, 32, 185, 52}, "Rows", 0, 0, 0, "", true, 9, ""},
    {358, K::text, {10, 54, 185, 74}, "Rotation (o)", 0, 0, 0, "", true, 9, ""},
    {359, K::text, {10, 76, 185, 96}, "Jitter (p)", 0, 0, 0, "", true, 9, ""},
    {230, K::intSpin, {190, 10, 250, 30}, "", 2, 300, 0, "", true, 9, "horizontalcopiesvalue_9"},
    {231, K::intSpin, {190, 32, 250, 52}, "", 2, 300, 0, "", true, 9, "verticalcopiesvalue_9"},
    {234, K::floatSpin, {190, 54, 250, 74}, "", -360, 360, 0, "", true, 9, "rotatevalue_9"},
    {235, K::floatSpin, {190, 76, 250, 96}, "", 0, 1000, 0, "", true, 9, "jittervalue_9"},
    {238, K::check, {10, 100, 110, 114}, "Trail", 0, 0, 0, "", true, 9, "trailvalue_9"},
    {236, K::check, {113, 100, 213, 114}, "Warp [R]", 0, 0, 0, "", true, 9, "envelopevalue_9"},
    {237, K::check, {216, 100, 316, 114}, "Create [R]", 0, 0, 0, "", true, 9, "placementvalue_9"},
    {233, K::check, {10, 117, 110, 131}, "Touch", 0, 0, 0, "", true, 9, "scaledvalue_9"},
    {360, K::text, {10, 10, 185, 30}, "Scale (% Horz)", 0, 0, 0, "", true, 10, ""},
    {361, K::text, {10, 32, 185, 52}, "Scale (% Vert)", 0, 0, 0, "", true, 10, ""},
    {362, K::text, {10, 54, 185, 74}, "Opacity fade (%)", 0, 0, 0, "", true, 10, ""},
    {363, K::text, {10, 76, 185, 96}, "Intensity color", 0, 0, 0, "", true, 10, ""},
    {364, K::text, {10, 98, 185, 118}, "Jitter (p)", 0, 0, 0, "", true, 10, ""},
    {250, K::floatSpin, {190, 10, 250, 30}, "", 1, 120, 0, "", true, 10, "scaledhvalue_10"},
    {251, K::floatSpin, {190, 32, 250, 52}, "", 1, 120, 0, "", true, 10, "scaledvvalue_10"},
    {252, K::floatSpin, {190, 54, 250, 74}, "", 0, 200, 0, "", true, 10, "fadefillvalue_10"},
    {254, K::floatSpin, {190, 76, 250, 96}, "", -100, 100, 0, "", true, 10, "intensityvalue_10"},
    {253, K::floatSpin, {190, 98, 250, 118}, "", 0, 1000, 0, "", true, 10, "jittervalue_10"},
    {256, K::check, {10, 125, 110, 139}, "Warp [R]", 0, 0, 0, "", true, 10, "envelopevalue_10"},
    {258, K::check, {113, 125, 213, 139}, "Create [R]", 0, 0, 0, "", true, 10, "placementvalue_10"},
    {257, K::check, {216, 125, 316, 139}, "Rotation [R]", 0, 0, 0, "", true, 10, "anglevalue_10"},
    {255, K::check, {10, 142, 110, 156}, "Follow", 0, 0, 0, "", true, 10, "followvalue_10"},
    {365, K::text, {10, 10, 185, 30}, "Jitter (p)", 0, 0, 0, "", true, 11, ""},
    {270, K::floatSpin, {190, 10, 250, 30}, "", 0, 1000, 0, "", true, 11, "jittervalue_11"},
    {366, K::text, {10, 10, 185, 30}, "Copies", 0, 0, 0, "", true, 12, ""},
    {367, K::text, {10, 32, 185, 52}, "Scale (%Min)", 0, 0, 0, "", true, 12, ""},
    {368, K::text, {10, 54, 185, 74}, "Scale (%Max)", 0, 0, 0, "", true, 12, ""},
    {369, K::text, {10, 76, 185, 96}, "Frame (%)", 0, 0, 0, "", true, 12, ""},
    {290, K::intSpin, {190, 10, 250, 30}, "", 2, 300, 0, "", true, 12, "copiesvalue_12"},
    {291, K::floatSpin, {190, 32, 250, 52}, "", 3, 200, 0, "", true, 12, "scaleminvalue_12"},
    {292, K::floatSpin, {190, 54, 250, 74}, "", 3, 200, 0, "", true, 12, "scalemaxvalue_12"},
    {293, K::floatSpin, {190, 76, 250, 96}, "", 0, 50, 0, "", true, 12, "framevalue_12"},
    {296, K::check, {10, 100, 110, 114}, "Trail", 0, 0, 0, "", true, 12, "trailvalue_12"},
    {297, K::check, {113, 100, 213, 114}, "Warp [R]", 0, 0, 0, "", true, 12, "envelopevalue_12"},
    {298, K::check, {216, 100, 316, 114}, "Rotation [R]", 0, 0, 0, "", true, 12, "applyrotatevalue_12"},
    {295, K::check, {10, 117, 110, 131}, "Linked scale", 0, 0, 0, "", true, 12, "linkedvalue_12"},
    {12, K::popup, {10, 222, 160, 242}, "", 0, 0, 15, " Fill color - Ignore", true, -1, "filloptions"},
    {14, K::intSpin, {190, 222, 250, 242}, "", 0, kSwatchMax, 0, "", true, -1, "fillswatchvalue"},
    {18, K::intSpin, {260, 222, 320, 242}, "", 0, 1000, 0, "", true, -1, "fillprocessvalue"},
    {13, K::popup, {10, 247, 160, 267}, "", 0, 0, 15, " Stroke color - Ignore", true, -1, "strokeoptions"},
    {15, K::intSpin, {190, 247, 250, 267}, "", 0, kSwatchMax, 0, "", true, -1, "strokeswatchvalue"},
    {19, K::intSpin, {260, 247, 320, 267}, "", 0, 1000, 0, "", true, -1, "strokeprocessvalue"},
    {17,
     K::popup,
     {10, 270, 160, 290},
     "",
     0,
     0,
     58,
     " Pattern / tile - Ignore",
     false,
     -1,
     "patternoptions"},
    {20,
     K::popup,
     {170, 270, 320, 290},
     "",
     0,
     0,
     4,
     " Scaling line width - ignore",
     true,
     -1,
     "scalelinesoptions"},
    {8, K::popup, {10, 295, 160, 315}, "", 0, 0, 17, " Place above", true, -1, "beneathoptions"},
    {370, K::text, {10, 320, 185, 340}, "Slowdown", 0, 0, 0, "", true, -1, ""},
    {11, K::intSpin, {190, 320, 250, 340}, "", 0, 300, 0, "", true, -1, "countvalue"},
    {10, K::check, {10, 345, 80, 359}, "Blend", 0, 0, 0, "", true, -1, "blend"},
    {9, K::check, {83, 345, 153, 359}, "Opacity", 0, 0, 0, "", true, -1, "opacity"},
    {5, K::check, {156, 345, 226, 359}, "Pen/Opac", 0, 0, 0, "", true, -1, "pr_opacityvalue"},
    {6, K::check, {229, 345, 299, 359}, "Pen/Len", 0, 0, 0, "", true, -1, "pr_lengthvalue"},
    {16, K::check, {10, 362, 80, 376}, "Width", 0, 0, 0, "", true, -1, "width"},
    {4, K::check, {83, 362, 153, 376}, "Layer", 0, 0, 0, "", true, -1, "layer"},
    {23, K::check, {156, 362, 226, 376}, "Closed", 0, 0, 0, "", true, -1, "closedpath"},
    {7, K::check, {229, 362, 299, 376}, "Pen/Width", 0, 0, 0, "", true, -1, "pr_widthvalue"},
    {3, K::button, {240, 385, 320, 405}, "Reset", 0, 0, 0, "", true, -1, ""},
    {22, K::popup, {10, 410, 160, 430}, "", 0, 0, 24, " Default single line", true, -1, "currentpath"},
    {21, K::popup, {10, 385, 160, 405}, "", 0, 0, 13, " QuenTarb - Grid plug-in", false, -1, "currenttool"},
};

struct EntryList {
    ASInt32 id;
    std::vector<std::string> texts;
};

const EntryList kEntryLists[] = {
    {33,
     {" Ignore checkerboard", " Check 1", " Check 2", " Check 3", " Check 4", " Check 5", " Check 6",
      " Check 7", " Check 8", " Check 9"}},
    {36, {" Ignore turn", " Turn 1", " Turn 2", " Turn 3", " Turn 4"}},
    {53, {" Zoom - Default", " Grid", " Left right", " Top down", " Bottom zoom", " Abstract"}},
    {78, {" Edge - Default", " Edge - Turn 1", " Edge - Turn 2", " Edge - Flip", " Edge - Randomized"}},
    {119, {" Points", " cm", " Inches"}},
    {121,
     {" Turn - Vertical", " Horizontal", " Shear 1", " Shear 2", " Shear 3", " Ripple 1", " Ripple 2",
      " Ripple 3"}},
    {12,
     {" Fill color - Ignore", " To white", " To black", " Random colors", " Random swatches",
      " To white / midpoint", " To swatch", " To half color", " To inverted", " Alternate white",
      " Alternate black", " Alternate swatch", " Alternate inverted", " To half color inverted",
      " 10% reduction"}},
    {13,
     {" Stroke color - Ignore", " To white", " To black", " Random colors", " Random swatches",
      " To white / midpoint", " To swatch", " To half color", " To inverted", " Alternate white",
      " Alternate black", " Alternate swatch", " Alternate inverted", " To half color inverted",
      " 10% reduction"}},
    {20,
     {" Scaling line width - ignore", " Standard scaling of stroke width", " Alternate scaling",
      " Alternate scaling"}},
    {8,
     {" Place above", " Place beneath", " Alternate 1", " Alternate 2", " Random 1", " Alternate 1/path",
      " Alternate 2/path", " Alternate 3/path", " Alternate 4/path", " Alternate 5/path", " Alternate 6/path",
      " Alternate 7/path", " Alternate 8/path", " Alternate 9/path", " Alternate 10/path",
      " Alternate 11/path", " Alternate 12/path"}},
    {22,
     {" Default single line",
      " Line split horizontal",
      " Line split vertical",
      " Four - step",
      " Curved line 1",
      " Curved line 2",
      " Points - 40",
      " Points - 80",
      " Points - 80 Random Curved",
      " Points - Random 80",
      " Points - Random 80 Random Curved",
      " Random interpolate single line",
      " Points - keys",
      " Random Curved line",
      " Random Curved line 2",
      " Random Curved line 3",
      " Points - keys (Random curve)",
      " Curved line 3",
      " Curved line 4",
      " Curved line 5",
      " Curved line 6",
      " Curved line 7",
      " Curved line 8",
      " Curved line 9"}},
};

const char* typeOf(K kind) {
    switch (kind) {
        case K::text: return kADMTextStaticType;
        case K::intSpin:
        case K::floatSpin: return kADMSpinEditType;
        case K::check: return kADMTextCheckBoxType;
        case K::popup: return kADMPopupListType;
        case K::button: return kADMTextPushButtonType;
    }
    return "";
}

std::string entryText(const DialogItem* item, int index) {
    if (!item || index < 0 || index >= static_cast<int>(item->entries().size())) return "<missing>";
    return item->entries()[index]->text;
}

class PaletteLayout : public qttest::PluginTest {};

TEST_F(PaletteLayout, ItemsAreBuiltInTableOrderAndNoOthers) {
    ASSERT_NE(palette(), nullptr);
    std::vector<ASInt32> built;
    for (const auto& item : palette()->items()) built.push_back(item->id());
    std::vector<ASInt32> expected;
    for (const Row& row : kLayout) expected.push_back(row.id);
    EXPECT_EQ(built, expected);
    for (ASInt32 absent : {1, 2, 299}) EXPECT_EQ(item(absent), nullptr) << "no item " << absent;
}

TEST_F(PaletteLayout, EveryItemMatchesItsRow) {
    const double swatchCount = static_cast<double>(document().swatches().size());
    for (const Row& row : kLayout) {
        SCOPED_TRACE("item " + std::to_string(row.id));
        const DialogItem* it = item(row.id);
        ASSERT_NE(it, nullptr);
        EXPECT_EQ(it->type(), typeOf(row.kind));
        EXPECT_EQ(it->bounds().left, row.bounds.left);
        EXPECT_EQ(it->bounds().top, row.bounds.top);
        EXPECT_EQ(it->bounds().right, row.bounds.right);
        EXPECT_EQ(it->bounds().bottom, row.bounds.bottom);
        EXPECT_EQ(it->visible(), row.page <= 0) << "only tool 0's page and the shared block start visible";
        switch (row.kind) {
            case K::text:
            case K::check:
            case K::button: EXPECT_EQ(it->text(), row.caption); break;
            case K::intSpin:
            case K::floatSpin:
                EXPECT_EQ(it->units(), kADMNoUnits);
                EXPECT_EQ(it->minimum(), row.min);
                EXPECT_EQ(it->maximum(), row.max == kSwatchMax ? swatchCount : row.max);
                if (row.kind == K::floatSpin) {
                    EXPECT_EQ(it->precision(), 2);
                }
                break;
            case K::popup:
                EXPECT_EQ(static_cast<int>(it->entries().size()), row.entryCount);
                EXPECT_EQ(entryText(it, 0), row.firstEntry);
                for (int i = 0; i < static_cast<int>(it->entries().size()); ++i)
                    EXPECT_EQ(it->entries()[i]->id, i) << "entry " << i << " has its index as identifier";
                break;
        }
    }
}

TEST_F(PaletteLayout, PopupEntriesReadExactly) {
    for (const EntryList& list : kEntryLists) {
        SCOPED_TRACE("item " + std::to_string(list.id));
        const DialogItem* it = item(list.id);
        ASSERT_NE(it, nullptr);
        std::vector<std::string> texts;
        for (const auto& entry : it->entries()) texts.push_back(entry->text);
        EXPECT_EQ(texts, list.texts);
    }
    // Lists given by rule: the ends and the joins of each numbered run.
    struct Spot {
        ASInt32 id;
        int index;
        const char* text;
        const char* why;
    };
    const Spot spots[] = {
        {34, 1, " Apply 1", "horizontal apply run starts at 1"},
        {35, 42, " Apply 42", "vertical apply run ends at 42"},
        {120, 1, " Re-size 1", "windmill re-size run starts at 1"},
        {120, 55, " Re-size 55", "windmill re-size run ends at 55"},
        {151, 16, " Apply 16", "scaledown run before the scale swaps"},
        {151, 17, " Apply 17 (scale swap)", "first scale swap"},
        {151, 18, " Apply 18 (scale swap)", "second scale swap"},
        {151, 19, " Apply 19", "run resumes after the swaps"},
        {151, 31, " Apply 31", "scaledown run ends at 31"},
        {17, 1, " Pattern 1", "pattern run starts at 1"},
        {17, 57, " Pattern 57", "pattern run ends at 57"},
        {21, 6, " QuenTarb - Scaleddown plug-in", "tool 6 keeps its spelling"},
        {21, 7, " QuenTarb - Bouncealong plug-in", "tool 7"},
        {21, 12, " QuenTarb - Background plug-in", "last tool"},
    };
    for (const Spot& spot : spots) EXPECT_EQ(entryText(item(spot.id), spot.index), spot.text) << spot.why;
    const std::vector<std::string> tools = {
        " QuenTarb - Grid plug-in",       " QuenTarb - Drag plug-in",
        " QuenTarb - Zoom plug-in",       " QuenTarb - Framed plug-in",
        " QuenTarb - Rim random plug-in", " QuenTarb - Windmill plug-in",
        " QuenTarb - Scaleddown plug-in", " QuenTarb - Bouncealong plug-in",
        " QuenTarb - Spiral plug-in",     " QuenTarb - Checkerboard plug-in",
        " QuenTarb - Paint plug-in",      " QuenTarb - Basic tile plug-in",
        " QuenTarb - Background plug-in"};
    for (int i = 0; i < 13; ++i) EXPECT_EQ(entryText(item(21), i), tools[i]) << "tool " << i;
}

TEST_F(PaletteLayout, NotificationProceduresByRole) {
    ASSERT_NE(item(25), nullptr);
    const ADMItemNotifyProc optionChanged = item(25)->notifyProc();
    ASSERT_NE(optionChanged, nullptr);
    const std::set<ASInt32> ownProc = {3, 12, 13, 21};
    for (const Row& row : kLayout) {
        SCOPED_TRACE("item " + std::to_string(row.id));
        const DialogItem* it = item(row.id);
        ASSERT_NE(it, nullptr);
        if (row.kind == K::text) {
            EXPECT_EQ(it->notifyProc(), nullptr) << "static texts have no procedure";
        } else if (ownProc.count(row.id) == 0) {
            EXPECT_EQ(it->notifyProc(), optionChanged) << "every option control shares one procedure";
        }
    }
    EXPECT_EQ(item(12)->notifyProc(), item(13)->notifyProc()) << "both colour modes share theirs";
    const std::set<ADMItemNotifyProc> distinct = {optionChanged, item(3)->notifyProc(),
                                                  item(12)->notifyProc(), item(21)->notifyProc()};
    EXPECT_EQ(distinct.size(), 4u) << "Reset, colour modes and tool selector each have their own";
    EXPECT_EQ(distinct.count(nullptr), 0u);
}

TEST_F(PaletteLayout, PaletteFrameAndStartingState) {
    ASSERT_NE(palette(), nullptr);
    EXPECT_EQ(palette()->width(), 330);
    EXPECT_EQ(palette()->height(), 430);
    EXPECT_EQ(palette()->bounds().left, qthost::DialogModel::kDefaultLeft) << "no remembered position yet";
    EXPECT_EQ(palette()->bounds().top, qthost::DialogModel::kDefaultTop);
    EXPECT_EQ(item(21)->activeIndex(), 0) << "tool selector starts on the grid";
    EXPECT_EQ(palette()->title().find("QUENTARB - "), std::string::npos)
        << "the build leaves the resource's title until the selector changes";
    for (ASInt32 id : {14, 15, 18, 19})
        EXPECT_FALSE(item(id)->enabled()) << "item " << id << " is off while both colour modes ignore colour";
    EXPECT_EQ(host().dialogs().dialogs().size(), 1u);
}

TEST_F(PaletteLayout, SelectingTheToolAgainBuildsNothing) {
    ASSERT_EQ(host().selectTool(), kNoErr);
    ASSERT_EQ(host().deselectTool(), kNoErr);
    ASSERT_EQ(host().selectTool(), kNoErr);
    EXPECT_EQ(host().dialogs().dialogs().size(), 1u);
    EXPECT_EQ(palette()->items().size(), std::size(kLayout));
}

}  // namespace
