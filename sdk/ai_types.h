// Geometry, art, colour and style records of the host interface.
#ifndef QT_SDK_AITYPES_H
#define QT_SDK_AITYPES_H

#include "as_types.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct AIRealPoint {
    AIReal h;
    AIReal v;
} AIRealPoint;

// Document coordinates: v grows upwards, so top > bottom.
typedef struct AIRealRect {
    AIReal left;
    AIReal top;
    AIReal right;
    AIReal bottom;
} AIRealRect;

// A point is a row vector multiplied on the left:
//   h' = a*h + c*v + tx,   v' = b*h + d*v + ty.
// "Concat" operations apply the new transform after the existing one: M' = M x T.
typedef struct AIRealMatrix {
    AIReal a, b, c, d, tx, ty;
} AIRealMatrix;

typedef struct AIPathSegment {
    AIRealPoint p;    // anchor
    AIRealPoint in;   // in-handle
    AIRealPoint out;  // out-handle
    ASBoolean corner;
} AIPathSegment;

// Opaque handles owned by the host.
typedef struct _AIArt* AIArtHandle;
typedef struct _AILayer* AILayerHandle;
typedef struct _AISwatchList* AISwatchListRef;
typedef struct _AISwatch* AISwatchRef;
typedef struct _AIDocumentView* AIDocumentViewHandle;
typedef struct _AITool* AIToolHandle;
typedef struct _AIMenuItem* AIMenuItemHandle;
typedef struct _AIMenuGroup* AIMenuGroup;
typedef struct _AINotifier* AINotifierHandle;
typedef struct _AIAppContext* AIAppContextHandle;
typedef struct _AIUnicodeString* AIUnicodeStringHandle;

// Art types.
enum { kUnknownArt = 0, kGroupArt = 1, kPathArt = 2, kEnvelopeArt = 3 };

// Paint orders for new, duplicated and reordered art and for new layers.
enum {
    kPlaceAbove = 1,
    kPlaceBelow = 2,
    kPlaceInsideOnTop = 3,
    kPlaceInsideOnBottom = 4,
    kPlaceAboveAll = 5,
    kPlaceBelowAll = 6
};

// Transform flags for TransformArt.
enum {
    kTransformObjects = 1,
    kTransformFillGradients = 2,
    kTransformFillPatterns = 4,
    kTransformStrokePatterns = 8,
    kScaleLines = 16
};

// Colour kinds.
enum {
    kGrayColor = 0,
    kFourColor = 1,
    kPattern = 2,
    kCustomColor = 3,
    kGradient = 4,
    kThreeColor = 5,
    kNoneColor = 6
};

typedef struct AIGrayColorStyle {
    AIReal gray;
} AIGrayColorStyle;  // 0 white, 1 black
typedef struct AIFourColorStyle {
    AIReal cyan, magenta, yellow, black;
} AIFourColorStyle;  // 0 is no ink
typedef struct AIThreeColorStyle {
    AIReal red, green, blue;
} AIThreeColorStyle;  // 1 is full light

typedef struct AIColor {
    ASInt32 kind;
    union {
        AIGrayColorStyle g;
        AIFourColorStyle f;
        AIThreeColorStyle rgb;
        AIReal values[4];  // the components by position
    } c;
} AIColor;

typedef struct AIFillStyle {
    AIColor color;
    ASBoolean overprint;
} AIFillStyle;

typedef struct AIStrokeStyle {
    AIColor color;
    ASBoolean overprint;
    AIReal width;
    ASInt32 cap;
    ASInt32 join;
    AIReal miterLimit;
} AIStrokeStyle;

typedef struct AIPathStyle {
    ASBoolean fillPaint;
    ASBoolean strokePaint;
    AIFillStyle fill;
    AIStrokeStyle stroke;
    ASBoolean evenodd;
} AIPathStyle;

typedef struct AIDocumentSetup {
    AIReal width;
    AIReal height;
} AIDocumentSetup;

// Envelope options: the first word holds the deformation switches.
typedef struct AIEnvelopeOptions {
    ASInt32 flags;
    ASInt32 fidelity;
} AIEnvelopeOptions;

// Warp styles 1..15: arc, arc lower, arc upper, arch, bulge, shell lower, shell upper,
// flag, wave, fish, rise, fisheye, inflate, squeeze, twist.
enum { kWarpStyleFirst = 1, kWarpStyleLast = 15 };

// Blend modes 0..15: normal, multiply, screen, overlay, soft light, hard light, color dodge,
// color burn, darken, lighten, difference, exclusion, hue, saturation, color, luminosity.
enum { kNormalBlendMode = 0, kLastBlendMode = 15 };

// Modifier bits of the tracker's modifier state.
enum {
    kShiftModifier = 0x20,
    kOptionModifier = 0x40,   // Alt
    kCommandModifier = 0x200  // Control
};

#ifdef __cplusplus
}
#endif

#endif
