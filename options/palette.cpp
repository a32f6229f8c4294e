// Placeholder until the palette lands.
#include "options/palette.h"

ASErr ToolPluginInitProc0(ADMDialogRef) { return kNoErr; }
