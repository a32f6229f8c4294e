// Building the palette: defaults first, then place and size it, then every control from the
// store in building order, and finally a change notice to the fill mode so that the colour
// controls start out enabled or disabled as the current modes need.
#include "options/palette.h"

#include <algorithm>

#include "frame/suite_pointers.h"
#include "options/control_values.h"
#include "options/controls.h"
#include "options/store.h"

namespace {

using options::Control;
using options::Kind;
using options::Proc;

constexpr ASInt32 kPaletteWidth = 330;
constexpr ASInt32 kPaletteHeight = 430;
constexpr ASInt32 kFillModeItem = options::spec(options::Option::filloptions).item;

const char* itemType(Kind kind) {
    switch (kind) {
        case Kind::staticText: return kADMTextStaticType;
        case Kind::intSpin:
        case Kind::floatSpin: return kADMSpinEditType;
        case Kind::checkBox: return kADMTextCheckBoxType;
        case Kind::popup: return kADMPopupListType;
        case Kind::pushButton: return kADMTextPushButtonType;
    }
    return kADMTextStaticType;
}

ADMItemNotifyProc notifyProc(Proc proc) {
    switch (proc) {
        case Proc::none: return nullptr;
        case Proc::optionChanged: return ToolDlgOKButtonProc0;
        case Proc::reset: return ToolDlgResetButtonProc;
        case Proc::toolSelector: return enabled;
        case Proc::colourMode: return colorchange;
    }
    return nullptr;
}

void configure(ADMItemRef item, const Control& c, ASInt32 swatchCount) {
    switch (c.kind) {
        case Kind::staticText:
        case Kind::pushButton: sADMItem->SetText(item, c.caption); break;
        case Kind::intSpin:
            sADMItem->SetUnits(item, kADMNoUnits);
            sADMItem->SetMinIntValue(item, static_cast<ASInt32>(c.min));
            sADMItem->SetMaxIntValue(item, c.maxIsSwatchCount ? swatchCount : static_cast<ASInt32>(c.max));
            sADMItem->SetIntValue(item, *c.option.integer);
            break;
        case Kind::floatSpin:
            // Decimals before the value, so that a stored value keeps its two places.
            sADMItem->SetUnits(item, kADMNoUnits);
            sADMItem->SetPrecision(item, 2);
            sADMItem->SetMinFloatValue(item, c.min);
            sADMItem->SetMaxFloatValue(item, c.max);
            sADMItem->SetFloatValue(item, *c.option.real);
            break;
        case Kind::checkBox:
            sADMItem->SetBooleanValue(item, *c.option.boolean);
            sADMItem->SetText(item, c.caption);
            break;
        case Kind::popup:
            options::insertEntries(item, c.entries);
            options::selectEntry(item, *c.option.integer);
            break;
    }
}

void build(ADMDialogRef dialog, const Control& c, int32_t tool, ASInt32 swatchCount) {
    ADMItemRef item = sADMDialog->CreateItem(dialog, c.id, itemType(c.kind), &c.bounds, nullptr, nullptr, 0);
    if (!item) return;
    configure(item, c, swatchCount);
    if (ADMItemNotifyProc proc = notifyProc(c.proc)) sADMItem->SetNotifyProc(item, proc);
    // Only tool 0's page starts visible; the selector shows the others.
    if (tool > 0) sADMItem->Show(item, false);
}

}  // namespace

ASErr ToolPluginInitProc0(ADMDialogRef dialog) noexcept {
    g::initialiseOnce(dialog);

    // Read once: the swatch spin edits keep this maximum while the palette lives. A host
    // without a document may answer below zero; an empty range starts at 0.
    const ASInt32 swatchCount = std::max<ASInt32>(0, sAISwatchList->CountSwatches(nullptr));

    // Position first, then size: the remembered top-left corner stays, the size is fixed.
    if (g::positionset) sADMDialog->SetBoundsRect(dialog, &g::dialogposition);
    sADMDialog->Size(dialog, kPaletteWidth, kPaletteHeight);

    options::forEachControl([&](const Control& c, int32_t tool) { build(dialog, c, tool, swatchCount); });

    if (ADMItemRef fillMode = sADMDialog->GetItem(dialog, kFillModeItem))
        sADMItem->SendNotify(fillMode, kADMUserChangedNotifier);
    return kNoErr;
}
