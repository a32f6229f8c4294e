// Store <-> control transfers shared by the init procedure, the option-change handler and
// Reset.
#include "options/control_values.h"

#include <cstdio>

#include "frame/suite_pointers.h"
#include "frame/text_buffer.h"

namespace options {

void insertEntries(ADMItemRef item, std::span<const EntryRun> runs) {
    ADMListRef list = sADMItem->GetList(item);
    if (!list) return;
    char text[kTextBufferSize];
    int32_t index = 0;
    for (const EntryRun& run : runs) {
        for (int32_t k = 0; k < run.size(); ++k, ++index) {
            if (run.last < run.first)
                std::snprintf(text, sizeof text, "%s", run.text);
            else
                std::snprintf(text, sizeof text, "%s%d%s", run.text, static_cast<int>(run.first + k),
                              run.suffix);
            ADMEntryRef entry = sADMList->InsertEntry(list, index);
            if (!entry) continue;
            sADMEntry->SetText(entry, text);
            sADMEntry->SetID(entry, index);
        }
    }
}

void selectEntry(ADMItemRef item, int32_t index) {
    ADMListRef list = sADMItem->GetList(item);
    if (!list) return;
    if (ADMEntryRef entry = sADMList->IndexEntry(list, index)) sADMEntry->Select(entry, true);
}

int32_t activeEntryID(ADMItemRef item, int32_t fallback) {
    ADMListRef list = item ? sADMItem->GetList(item) : nullptr;
    ADMEntryRef entry = list ? sADMList->GetActiveEntry(list) : nullptr;
    return entry ? sADMEntry->GetID(entry) : fallback;
}

void readControl(ADMItemRef item, const Control& control) {
    if (!item) return;
    const OptionRef& option = control.option;
    switch (control.kind) {
        case Kind::intSpin: *option.integer = sADMItem->GetIntValue(item); break;
        case Kind::floatSpin: *option.real = sADMItem->GetFloatValue(item); break;
        case Kind::checkBox: *option.boolean = sADMItem->GetBooleanValue(item) != 0; break;
        case Kind::popup: *option.integer = activeEntryID(item, *option.integer); break;
        case Kind::staticText:
        case Kind::pushButton: break;
    }
}

void writeControl(ADMItemRef item, const Control& control) {
    if (!item) return;
    const OptionRef& option = control.option;
    switch (control.kind) {
        case Kind::intSpin: sADMItem->SetIntValue(item, *option.integer); break;
        case Kind::floatSpin: sADMItem->SetFloatValue(item, *option.real); break;
        case Kind::checkBox: sADMItem->SetBooleanValue(item, *option.boolean); break;
        case Kind::popup: selectEntry(item, *option.integer); break;
        case Kind::staticText:
        case Kind::pushButton: break;
    }
}

}  // namespace options
