// The one size of the plug-in's text buffers: its name, the tool's title, the about lines,
// the alert text and the palette's popup entries each fit 255 bytes and the terminator.
#ifndef QT_FRAME_TEXTBUFFER_H
#define QT_FRAME_TEXTBUFFER_H

#include "sdk/quen_tarb_sdk.h"

constexpr ASInt32 kTextBufferSize = 256;

#endif
