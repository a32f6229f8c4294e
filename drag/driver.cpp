// The drag driver: every drag event of every mode passes through tooldrag, which reverts
// the drag's earlier art, works out the per-event values, builds the drag path and hands
// over to the current mode's branch.
#include "drag/driver.h"

#include "drag/drag_state.h"
#include "drag/event.h"
#include "drag/keys.h"
#include "drag/modes.h"
#include "drag/shapes.h"
#include "frame/error.h"
#include "frame/suite_pointers.h"
#include "options/store.h"

namespace {

constexpr int32_t kZoomTool = 2;
constexpr ASUInt32 kPauseModifier = kOptionModifier;  // 0x40

// The current mode's Trail switch; the basic tile mode has none and always reverts.
// clang-format off
bool trailSwitch(int32_t tool) {
    switch (tool) {
        case 0: return g::trailvalue_0;
        case 1: return g::trailvalue_1;
        case 2: return g::trailvalue_2;
        case 3: return g::trailvalue_3;
        case 4: return g::trailvalue_4;
        case 5: return g::trailvalue_5;
        case 6: return g::trailvalue_6;
        case 7: return g::trailvalue_7;
        case 8: return g::trailvalue_8;
        case 9: return g::trailvalue_9;
        case 10: return g::trailvalue_10;
        case 12: return g::trailvalue_12;
        default: return false;
    }
}
// clang-format on

using ToolBranch = ASErr (*)(drag::Event&);

// Indexed by tool number.
// clang-format off
constexpr ToolBranch kBranches[] = {
    drag::gridTool,        drag::dragTool,       drag::zoomTool,         drag::framedTool,
    drag::rimRandomTool,   drag::windmillTool,   drag::scaledownTool,    drag::bounceAlongTool,
    drag::spiralTool,      drag::checkerboardTool, drag::paintTool,      drag::basicTileTool,
    drag::backgroundTool,
};
// clang-format on
constexpr int32_t kToolCount = static_cast<int32_t>(sizeof(kBranches) / sizeof(kBranches[0]));

// The new path art D of this event, shaped by the line type (and closed on request).
ASErr makeDragPath(drag::Event& event) {
    QT_PROPAGATE(sAIArt->NewArt(kPathArt, kPlaceAboveAll, nullptr, &event.path));
    QT_PROPAGATE(drag::buildDragPath(event.path, g::currentpath, event.H));
    if (g::closedpath) sAIPath->SetPathClosed(event.path, true);
    return kNoErr;
}

}  // namespace

ASErr tooldrag(AIRealPoint point, ASInt16 pressure, uint8_t /*flag: always 0, never read*/) {
    const bool trail = trailSwitch(g::currenttool);

    // Without Trail only the latest event's art stays: undo back to the mouse-down state.
    // The event never returns the revert's answer: the pause below needs Trail, and every
    // later exit has the answer of a later call.
    if (!trail) sAIUndo->UndoChanges();

    // Holding the pause key while trailing adds nothing, but the event still counts.
    if ((drag::modifiers() & kPauseModifier) && trail) {
        ++drag::state.count;
        return kNoErr;
    }

    drag::Event event;
    ASBoolean hasPressure = false;
    sAITool->SystemHasPressure(&hasPressure);  // a failed query leaves "no device"
    event.V = hasPressure ? static_cast<AIReal>(pressure / 255.0) : 1.0f;
    event.H = g::pr_lengthvalue ? event.V : 1.0f;

    AIDocumentSetup setup{};
    QT_PROPAGATE(sAIDocument->GetDocumentSetup(&setup));
    event.pageWidth = setup.width;
    event.pageHeight = setup.height;
    event.halfWidth = setup.width / 2;
    event.halfHeight = setup.height / 2;

    drag::state.endPoint = point;
    event.swatchCount = sAISwatchList->CountSwatches(nullptr);

    // Before the slowdown test, so skipped events open a layer too.
    if (g::layer) {
        g::beneathoptions = 0;
        AILayerHandle layer = nullptr;
        QT_PROPAGATE(sAILayer->InsertLayer(nullptr, kPlaceAboveAll, &layer));
    }

    if (drag::state.count < g::countvalue) {
        ++drag::state.count;
        return kNoErr;
    }
    drag::state.count = 0;

    if (g::currenttool != kZoomTool) {
        QT_PROPAGATE(makeDragPath(event));
    }
    event.tally = drag::isPointListShape(g::currentpath) ? drag::state.pointcount : 0;

    if (g::currenttool >= 0 && g::currenttool < kToolCount) {
        // A failing branch ends the event where it stands: its art stays, count does not move.
        QT_PROPAGATE(kBranches[g::currenttool](event));
    }

    ++drag::state.count;
    return kNoErr;
}
