// Moving values between the option store and the palette's controls, through the host's
// dialog suites. A missing item (null) is left alone and leaves its option alone.
#ifndef QT_OPTIONS_CONTROL_VALUES_H
#define QT_OPTIONS_CONTROL_VALUES_H

#include <cstdint>

#include "options/controls.h"

namespace options {

// Inserts the popup's entries in order, entry i with identifier i.
void insertEntries(ADMItemRef item, std::span<const EntryRun> runs);
// Makes entry `index` the popup's active entry; an index it does not have changes nothing.
void selectEntry(ADMItemRef item, int32_t index);
// The identifier of the popup's active entry, or `fallback` when it has none.
int32_t activeEntryID(ADMItemRef item, int32_t fallback);

// Copies the control's value into its option.
void readControl(ADMItemRef item, const Control& control);
// Writes the option's value into its control.
void writeControl(ADMItemRef item, const Control& control);

}  // namespace options

#endif
