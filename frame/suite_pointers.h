// Module-wide pointers to the acquired host suites. The Suites object fills them at
// start-up and reload and nulls them at unload and shutdown; plug-in code calls the host
// only through these.
#ifndef QT_FRAME_SUITEPOINTERS_H
#define QT_FRAME_SUITEPOINTERS_H

#include "sdk/quen_tarb_sdk.h"

extern "C" SPBasicSuite* sSPBasic;

extern "C" {
// Basic suites.
extern const SPAccessSuite* sSPAccess;
extern const SPPluginsSuite* sSPPlugins;
extern const AINotifierSuite* sAINotifier;
extern const AIContextSuite* sAIAppContext;
extern const ADMBasicSuite* sADMBasic;
// Import suites.
extern const AIMenuSuite* sAIMenu;
extern const AIToolSuite* sAITool;
extern const AIToolSuite* sTool;
extern const AIUnicodeStringSuite* sAIUnicodeString;
extern const AIPluginSuite* sAIPlugin;
extern const SPBlocksSuite* sSPBlocks;
extern const AIUndoSuite* sAIUndo;
extern const AIArtSuite* sAIArt;
extern const AISwatchListSuite* sAISwatchList;
extern const AIRealMathSuite* sAIRealMath;
extern const AIPathSuite* sAIPath;
extern const AIUncalledSuite* sAIMatchingArt;
extern const AIPathStyleSuite* sAIPathStyle;
extern const AIDocumentSuite* sAIDocument;
extern const AILayerSuite* sAILayer;
extern const AIUncalledSuite* sAIMdMemory;
extern const AIDocumentViewSuite* sAIDocumentView;
extern const AIUncalledSuite* sAIShapeConstruction;
extern const AITagSuite* sAITag;
extern const AIBlendStyleSuite* sAIBlendStyle;
extern const AIRandomSuite* sAIRandom;
extern const AITransformArtSuite* sAITransformArt;
extern const AIUncalledSuite* sAIArtStyle;
extern const AIEnvelopeSuite* sAIEnvelope;
extern const ADMIconSuite* sADMIcon;
extern const ADMTrackerSuite* sADMTracker;
extern const ADMDialogSuite* sADMDialog;
extern const ADMEntrySuite* sADMEntry;
extern const ADMListSuite* sADMList;
extern const ADMItemSuite* sADMItem;
extern const AIUncalledSuite* sAICropArea;
extern const AIUncalledSuite* sAICropAreaRange;
#if defined(__APPLE__)
// Acquired by the Mac build only.
extern const AIUncalledSuite* sAISymbol;
extern const AIUncalledSuite* sAIMesh;
extern const AIUncalledSuite* sAIMeshVertex;
extern const AIUncalledSuite* sAIHitTest;
#endif
}

#endif
