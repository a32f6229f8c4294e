// The options palette: its init procedure builds every control from the option store, and
// its notification procedures keep the store and the palette in step. The host calls them
// directly, outside the exception boundary, so none of them throws.
#ifndef QT_OPTIONS_PALETTE_H
#define QT_OPTIONS_PALETTE_H

#include "sdk/quen_tarb_sdk.h"

// Applies the first-time defaults, places and sizes the palette and builds every control.
ASErr ToolPluginInitProc0(ADMDialogRef dialog) noexcept;

// Any option control: copies every control of the palette into the store and remembers
// where the palette stands.
void ToolDlgOKButtonProc0(ADMItemRef item, ADMNotifierRef notifier) noexcept;
// The tool selector: chooses the tool, shows its page and sets the title.
void enabled(ADMItemRef item, ADMNotifierRef notifier) noexcept;
// The fill and stroke colour modes: stores both and enables the controls they use.
void colorchange(ADMItemRef item, ADMNotifierRef notifier) noexcept;
// The Reset button: every option back to its default, in the store and in the palette.
void ToolDlgResetButtonProc(ADMItemRef item, ADMNotifierRef notifier) noexcept;

#endif
