// The one function every error code of the plug-in's own passes through.
#include "frame/error.h"

ASErr makeError(ASErr code) noexcept { return code; }
