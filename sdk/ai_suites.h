// The AI suites: tables of host operations acquired by name and version.
// Every operation that can fail returns an ASErr; the rest return their value.
#ifndef QT_SDK_AISUITES_H
#define QT_SDK_AISUITES_H

#include "sp_basic.h"

#ifdef __cplusplus
extern "C" {
#endif

// The Mac build asks for every AI suite at its version plus this offset; a host accepts
// both numbers.
#define kAIMacSuiteVersionOffset 1000

#define kAIArtSuite "AI Art Suite"
#define kAIArtSuiteVersion 14
typedef struct AIArtSuite {
    ASErr (*NewArt)(ASInt16 type, ASInt16 paintOrder, AIArtHandle prep, AIArtHandle* newArt);
    ASErr (*DisposeArt)(AIArtHandle art);
    ASErr (*ReorderArt)(AIArtHandle thisArt, ASInt16 paintOrder, AIArtHandle prep);
    ASErr (*DuplicateArt)(AIArtHandle thisArt, ASInt16 paintOrder, AIArtHandle prep, AIArtHandle* newArt);
    ASErr (*GetArtType)(AIArtHandle art, ASInt16* type);
    ASErr (*GetArtBounds)(AIArtHandle art, AIRealRect* bounds);
} AIArtSuite;

#define kAIPathSuite "AI Path Suite"
#define kAIPathSuiteVersion 8
typedef struct AIPathSuite {
    ASErr (*GetPathSegmentCount)(AIArtHandle path, ASInt16* count);
    ASErr (*SetPathSegmentCount)(AIArtHandle path, ASInt16 count);
    // Reads or writes `count` segments starting at `segNumber`. A write may start at the
    // current count, which appends.
    ASErr (*GetPathSegments)(AIArtHandle path, ASInt16 segNumber, ASInt16 count, AIPathSegment* segments);
    ASErr (*SetPathSegments)(AIArtHandle path, ASInt16 segNumber, ASInt16 count,
                             const AIPathSegment* segments);
    ASErr (*GetPathClosed)(AIArtHandle path, ASBoolean* closed);
    ASErr (*SetPathClosed)(AIArtHandle path, ASBoolean closed);
} AIPathSuite;

#define kAIPathStyleSuite "AI Path Style Suite"
#define kAIPathStyleSuiteVersion 10
typedef struct AIPathStyleSuite {
    ASErr (*GetPathStyle)(AIArtHandle art, AIPathStyle* style);
    ASErr (*SetPathStyle)(AIArtHandle art, const AIPathStyle* style);
} AIPathStyleSuite;

#define kAISwatchListSuite "AI Swatch List Suite"
#define kAISwatchListSuiteVersion 5
typedef struct AISwatchListSuite {
    // A null list means the current document's swatch list.
    ASInt32 (*CountSwatches)(AISwatchListRef list);
    // Null when there is no swatch n (counted from 0).
    AISwatchRef (*GetNthSwatch)(AISwatchListRef list, ASInt32 n);
    ASErr (*GetAIColor)(AISwatchRef swatch, AIColor* color);
} AISwatchListSuite;

#define kAIRealMathSuite "AI Real Math Suite"
#define kAIRealMathSuiteVersion 1
typedef struct AIRealMathSuite {
    AIReal (*DegreeToRadian)(AIReal degree);
    AIReal (*RadianToDegree)(AIReal radian);
    AIReal (*AIRealSqrt)(AIReal x);
    AIReal (*AIRealSin)(AIReal radian);
    AIReal (*AIRealCos)(AIReal radian);
    // Angle of the vector from p1 to p2, in radians.
    AIReal (*AIRealPointAngle)(const AIRealPoint* p1, const AIRealPoint* p2);
    AIReal (*AIRealPointLength)(const AIRealPoint* p1, const AIRealPoint* p2);
    // result = p1 + t * (p2 - p1)
    void (*AIRealPointInterpolate)(const AIRealPoint* p1, const AIRealPoint* p2, AIReal t,
                                   AIRealPoint* result);
    void (*AIRealMatrixSetIdentity)(AIRealMatrix* m);
    void (*AIRealMatrixSetTranslate)(AIRealMatrix* m, AIReal tx, AIReal ty);
    void (*AIRealMatrixSetScale)(AIRealMatrix* m, AIReal h, AIReal v);
    void (*AIRealMatrixSetRotate)(AIRealMatrix* m, AIReal angle);
    // Each concat applies its transform after the matrix's existing one.
    void (*AIRealMatrixConcatTranslate)(AIRealMatrix* m, AIReal tx, AIReal ty);
    void (*AIRealMatrixConcatScale)(AIRealMatrix* m, AIReal h, AIReal v);
    void (*AIRealMatrixConcatRotate)(AIRealMatrix* m, AIReal angle);
    void (*AIRealMatrixConcat)(const AIRealMatrix* m1, const AIRealMatrix* m2, AIRealMatrix* result);
    void (*AIRealMatrixXformPoint)(const AIRealMatrix* m, const AIRealPoint* in, AIRealPoint* out);
} AIRealMathSuite;

#define kAIRandomSuite "AI Random Suite"
#define kAIRandomSuiteVersion 3
typedef struct AIRandomSuite {
    AIReal (*FloatRnd)(void);  // uniform in [0, 1)
    void (*SetRndSeed)(ASInt32 seed);
} AIRandomSuite;

#define kAITagSuite "AI Tag Suite"
#define kAITagSuiteVersion 2
typedef struct AITagSuite {
    ASErr (*SetTag)(AIArtHandle art, const char* name, const char* type, const char* value);
    // Copies the value into `value` (at most maxLen bytes with the terminator).
    ASErr (*GetTag)(AIArtHandle art, const char* name, char* type, ASInt32 maxType, char* value,
                    ASInt32 maxLen);
} AITagSuite;

#define kAITransformArtSuite "AI Transform Art Suite"
#define kAITransformArtSuiteVersion 1
typedef struct AITransformArtSuite {
    ASErr (*TransformArt)(AIArtHandle art, const AIRealMatrix* matrix, AIReal lineScale, ASInt32 flags);
} AITransformArtSuite;

#define kAIBlendStyleSuite "AI Blend Style Suite"
#define kAIBlendStyleSuiteVersion 3
typedef struct AIBlendStyleSuite {
    AIReal (*GetOpacity)(AIArtHandle art);
    ASErr (*SetOpacity)(AIArtHandle art, AIReal opacity);
    ASInt32 (*GetBlendingMode)(AIArtHandle art);
    ASErr (*SetBlendingMode)(AIArtHandle art, ASInt32 mode);
} AIBlendStyleSuite;

#define kAIEnvelopeSuite "AI Envelope Suite"
#define kAIEnvelopeSuiteVersion 1
typedef struct AIEnvelopeSuite {
    // Wraps the listed art in an envelope shaped like envelopeObject, which it consumes.
    ASErr (*MakeEnvelope)(AIArtHandle* artList, ASInt32 count, AIArtHandle envelopeObject,
                          const AIEnvelopeOptions* options, AIArtHandle* envelope);
    // Re-shapes an envelope as a warp of the given style (1..15); bend and distortions in -1..1.
    ASErr (*ReshapeEnvelopeWithWarp)(AIArtHandle envelope, ASInt32 warpStyle, AIReal bend,
                                     AIReal horizDistort, AIReal vertDistort, ASBoolean rotate90);
} AIEnvelopeSuite;

#define kAIDocumentSuite "AI Document Suite"
#define kAIDocumentSuiteVersion 11
typedef struct AIDocumentSuite {
    ASErr (*GetDocumentSetup)(AIDocumentSetup* setup);
} AIDocumentSuite;

#define kAIDocumentViewSuite "AI Document View Suite"
#define kAIDocumentViewSuiteVersion 10
typedef struct AIDocumentViewSuite {
    // A null view means the current document's default view.
    ASErr (*GetDocumentViewBounds)(AIDocumentViewHandle view, AIRealRect* bounds);
    ASErr (*GetDocumentViewCenter)(AIDocumentViewHandle view, AIRealPoint* center);
} AIDocumentViewSuite;

#define kAILayerSuite "AI Layer Suite"
#define kAILayerSuiteVersion 11
typedef struct AILayerSuite {
    // A null reference with kPlaceAboveAll puts the layer on top; the new layer becomes current.
    ASErr (*InsertLayer)(AILayerHandle reference, ASInt16 paintOrder, AILayerHandle* layer);
    ASErr (*CountLayers)(ASInt32* count);
    ASErr (*GetCurrentLayer)(AILayerHandle* layer);
} AILayerSuite;

#define kAIToolSuite "AI Tool Suite"
#define kAIToolSuiteVersion 10
typedef struct AIAddToolData {
    const char* title;
    const char* tooltip;
    void* icon;             // an ADMIconRef
    ASInt32 sameGroupAs;    // -2: a group of its own
    ASInt32 sameToolsetAs;  // -2: a tool set of its own
} AIAddToolData;
enum { kNoTool = -2 };
enum { kToolWantsToTrackCursorOption = 1 };
typedef struct AIToolSuite {
    ASErr (*AddTool)(SPPluginRef self, const char* name, const AIAddToolData* data, ASInt32 options,
                     AIToolHandle* tool);
    // The tool's second (rollover) icon.
    ASErr (*SetToolRolloverIcon)(AIToolHandle tool, void* icon);
    ASErr (*SystemHasPressure)(ASBoolean* hasPressure);
} AIToolSuite;

#define kAIUndoSuite "AI Undo Suite"
#define kAIUndoSuiteVersion 4
typedef struct AIUndoSuite {
    // Reverts every change since the host's last recording point.
    ASErr (*UndoChanges)(void);
} AIUndoSuite;

#define kAIPluginSuite "AI Plugin Suite"
#define kAIPluginSuiteVersion 3
typedef struct AIPluginSuite {
    ASErr (*GetPluginOptions)(SPPluginRef plugin, ASInt32* options);
    ASErr (*SetPluginOptions)(SPPluginRef plugin, ASInt32 options);
} AIPluginSuite;

#define kAIMenuSuite "AI Menu Suite"
#define kAIMenuSuiteVersion 9
#define kAboutMenuGroup "About"
typedef struct AIPlatformAddMenuItemDataUS {
    const char* groupName;
    const ASUnicode* itemText;  // zero-terminated UTF-16
} AIPlatformAddMenuItemDataUS;
typedef struct AIMenuSuite {
    ASErr (*AddMenuItem)(SPPluginRef self, const char* keyName, const AIPlatformAddMenuItemDataUS* data,
                         ASInt32 options, AIMenuItemHandle* item);
    ASErr (*AddMenuGroupAsSubMenu)(const char* name, ASInt32 options, AIMenuItemHandle parentItem,
                                   AIMenuGroup* group);
    ASErr (*CountMenuGroups)(ASInt32* count);
    ASErr (*GetNthMenuGroup)(ASInt32 n, AIMenuGroup* group);
    ASErr (*GetMenuGroupName)(AIMenuGroup group, const char** name);
} AIMenuSuite;

#define kAINotifierSuite "AI Notifier Suite"
#define kAINotifierSuiteVersion 2
typedef struct AINotifierSuite {
    ASErr (*AddNotifier)(SPPluginRef self, const char* name, const char* type, AINotifierHandle* notifier);
} AINotifierSuite;

#define kAIContextSuite "AI Context Suite"
#define kAIContextSuiteVersion 4
typedef struct AIContextSuite {
    ASErr (*PushAppContext)(SPPluginRef plugin, AIAppContextHandle* context);
    ASErr (*PopAppContext)(AIAppContextHandle context);
} AIContextSuite;

#define kAIUnicodeStringSuite "AI Unicode String Suite"
#define kAIUnicodeStringSuiteVersion 6
typedef struct AIUnicodeStringSuite {
    // Makes a string from `length` bytes of UTF-8 (length -1: up to the terminator).
    ASErr (*Initialize)(AIUnicodeStringHandle* str, const char* utf8, ASInt32 length);
    ASErr (*Destroy)(AIUnicodeStringHandle str);
    // A zero-terminated UTF-16 view that lives as long as the string.
    ASErr (*GetUTF16)(AIUnicodeStringHandle str, const ASUnicode** text, ASInt32* length);
} AIUnicodeStringSuite;

// Acquired and never called: each table holds one placeholder operation.
typedef struct AIUncalledSuite {
    ASErr (*Placeholder)(void);
} AIUncalledSuite;
#define kAIMatchingArtSuite "AI Matching Art Suite"
#define kAIMatchingArtSuiteVersion 5
#define kAIMdMemorySuite "AI MdMemory Suite"
#define kAIMdMemorySuiteVersion 1
#define kAIShapeConstructionSuite "AI Shape Construction Suite"
#define kAIShapeConstructionSuiteVersion 4
#define kAIArtStyleSuite "AI Art Style Suite"
#define kAIArtStyleSuiteVersion 5
#define kAICropAreaSuite "AI Crop Area Suite"
#define kAICropAreaSuiteVersion 2
#define kAICropAreaRangeSuite "AI Crop Area Range Suite"
#define kAICropAreaRangeSuiteVersion 1
#define kAISymbolSuite "AI Symbol Suite"
#define kAISymbolSuiteVersion 4
#define kAIMeshSuite "AI Mesh Suite"
#define kAIMeshSuiteVersion 3
#define kAIMeshVertexSuite "AI Mesh Vertex Suite"
#define kAIMeshVertexSuiteVersion 1
#define kAIHitTestSuite "AI Hit Test Suite"
#define kAIHitTestSuiteVersion 3

#ifdef __cplusplus
}
#endif

#endif
