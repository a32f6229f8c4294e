// The keys' gestures and showing an option in the palette.
#include "drag/keys.h"

#include "frame/suite_pointers.h"
#include "options/option_table.h"

namespace drag {

namespace {

template <typename T>
void stepWrappingImpl(T& value, T step, T last, T restart) {
    value += step;
    if (step > 0 ? value > last : value < last) value = restart;
}

// The palette item of the option the pointer names; -1 for a variable that is not an
// option.
ASInt32 itemOf(const void* option) {
    for (const options::OptionSpec& o : options::kOptionTable) {
        const void* ref = o.ref.integer ? static_cast<const void*>(o.ref.integer)
                          : o.ref.real  ? static_cast<const void*>(o.ref.real)
                                        : static_cast<const void*>(o.ref.boolean);
        if (ref == option) return o.item;
    }
    return -1;
}

ADMItemRef controlOf(const void* option) {
    const ASInt32 item = itemOf(option);
    if (!g::dialogref || item < 0) return nullptr;
    return sADMDialog->GetItem(g::dialogref, item);
}

}  // namespace

// A null tracker asks for the event in progress.
ASUInt32 modifiers() { return sADMTracker->GetModifiers(nullptr); }

Keys keysHeld() {
    const ASUInt32 keys = modifiers();
    if ((keys & kShiftModifier) == 0) return Keys::none;
    return (keys & kOptionModifier) != 0 ? Keys::shiftAlt : Keys::shift;
}

void stepWrapping(int32_t& value, int32_t step, int32_t last, int32_t restart) {
    stepWrappingImpl(value, step, last, restart);
}

void stepWrapping(float& value, float step, float last, float restart) {
    stepWrappingImpl(value, step, last, restart);
}

void show(const int32_t* option) {
    if (ADMItemRef item = controlOf(option)) sADMItem->SetIntValue(item, *option);
}

void show(const float* option) {
    if (ADMItemRef item = controlOf(option)) sADMItem->SetFloatValue(item, *option);
}

}  // namespace drag
