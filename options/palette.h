// The options palette: its init procedure builds every control from the option store.
#ifndef QT_OPTIONS_PALETTE_H
#define QT_OPTIONS_PALETTE_H

#include "sdk/QuenTarbSDK.h"

ASErr ToolPluginInitProc0(ADMDialogRef dialog);

#endif
