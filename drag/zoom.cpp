// Zoom mode: no drag path; each event draws a bundle of new two-anchor lines from the page
// or view edges, or from lines through the mouse-down point, towards the mouse.
#include "drag/art_centre.h"
#include "drag/beneath.h"
#include "drag/blend_steps.h"
#include "drag/copy_steps.h"
#include "drag/envelope_step.h"
#include "drag/keys.h"
#include "drag/modes.h"
#include "drag/pattern_step.h"
#include "drag/zoom_points.h"
#include "frame/error.h"
#include "frame/suite_pointers.h"
#include "options/store.h"

namespace drag {

namespace {

// Shift and Alt bend the lines 5 points more (above 100 the curve wraps to -100); Shift
// alone adds a line (back to 2 above 40). The palette shows the new values.
void applyModifierKeys() {
    switch (keysHeld()) {
        case Keys::shiftAlt:
            stepWrapping(g::curvevalue_2, 5.0f, 100.0f, -100.0f);
            show(&g::curvevalue_2);
            break;
        case Keys::shift:
            stepWrapping(g::copiesvalue_2, 1, 40, 2);
            show(&g::copiesvalue_2);
            break;
        case Keys::none: break;
    }
}

// The page, or the document view; with the view its centre also stands in for the page
// centre in the pattern origins for the rest of the event.
ASErr readFrame(Event& event, ZoomFrame* frame) {
    if (!g::viewvalue_2) {
        *frame = {0.0f, 0.0f, event.pageWidth, event.pageHeight};
        return kNoErr;
    }
    AIRealRect bounds;
    QT_PROPAGATE(sAIDocumentView->GetDocumentViewBounds(nullptr, &bounds));
    AIRealPoint centre;
    QT_PROPAGATE(sAIDocumentView->GetDocumentViewCenter(nullptr, &centre));
    *frame = {bounds.left, bounds.bottom, bounds.right - bounds.left, bounds.top - bounds.bottom};
    event.halfWidth = centre.h;
    event.halfHeight = centre.v;
    return kNoErr;
}

// The line's end lies at the fraction t of the way from S to E. The host interpolates
// p1 + f * (p2 - p1); with E first that is the fraction 1 - t, so t = 1 gives E exactly.
AIRealPoint lineEnd(const Event& event, const ZoomLine& line) {
    const AIReal q = g::lengthvalue_2 ? sAIRandom->FloatRnd() : 1.0f;
    const AIReal t = q * event.H * g::interpolatevalue_2 / 100.0f;
    AIRealPoint end;
    sAIRealMath->AIRealPointInterpolate(&line.end, &line.start, 1.0f - t, &end);
    return end;
}

// One line: a new path painted by b, S and its end written one segment at a time.
ASErr drawLine(const Event& event, const ZoomFrame& frame, int32_t b, AIArtHandle* art) {
    QT_PROPAGATE(sAIArt->NewArt(kPathArt, b == 0 ? kPlaceAboveAll : kPlaceBelowAll, nullptr, art));
    if (g::closedpath) sAIPath->SetPathClosed(*art, true);
    sAIPath->SetPathSegmentCount(*art, 1);

    const ZoomLine line = zoomLine(g::zoomoptions_2, frame);
    const AIPathSegment start = zoomSegment(line.start, g::curvevalue_2);
    QT_PROPAGATE(sAIPath->SetPathSegments(*art, 0, 1, &start));
    const AIPathSegment end = zoomSegment(lineEnd(event, line), g::curvevalue_2);
    return sAIPath->SetPathSegments(*art, 1, 1, &end);
}

}  // namespace

ASErr zoomTool(Event& event) {
    applyModifierKeys();

    ZoomFrame frame;
    QT_PROPAGATE(readFrame(event, &frame));

    const int32_t lines = g::copiesvalue_2;
    for (int32_t i = 0; i < lines; ++i) {
        // Lines have no line tally: the zoom mode builds no drag path.
        const int32_t b = g::beneathoptions != 0 ? beneathtest(g::beneathoptions, i, 0, 0, 0) : 0;
        AIArtHandle art = nullptr;
        QT_PROPAGATE(drawLine(event, frame, b, &art));

        // Styled where it stands: the lines are not transformed.
        fillStep(event, art, i, lines - 1);
        strokeStep(event, art, i, lines - 1);
        widthStep(event, art);
        tagStep(art);
        opacityBlendSteps(event, art);

        AIReal cx = 0.0f;
        AIReal cy = 0.0f;
        QT_PROPAGATE(artCentre(art, &cx, &cy));
        QT_PROPAGATE(patternStep(event, art, b, cx, cy));
        QT_PROPAGATE(envelopeStep(art, g::envelopevalue_2));
    }
    return kNoErr;
}

}  // namespace drag
