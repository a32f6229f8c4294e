// The suite pointers and the lists that say which suite fills each, in acquisition order.
#include "frame/suite_pointers.h"
#include "frame/suites.h"

SPBasicSuite* sSPBasic = nullptr;

extern "C" {
const SPAccessSuite* sSPAccess = nullptr;
const SPPluginsSuite* sSPPlugins = nullptr;
const AINotifierSuite* sAINotifier = nullptr;
const AIContextSuite* sAIAppContext = nullptr;
const ADMBasicSuite* sADMBasic = nullptr;
const AIMenuSuite* sAIMenu = nullptr;
const AIToolSuite* sAITool = nullptr;
const AIToolSuite* sTool = nullptr;
const AIUnicodeStringSuite* sAIUnicodeString = nullptr;
const AIPluginSuite* sAIPlugin = nullptr;
const SPBlocksSuite* sSPBlocks = nullptr;
const AIUndoSuite* sAIUndo = nullptr;
const AIArtSuite* sAIArt = nullptr;
const AISwatchListSuite* sAISwatchList = nullptr;
const AIRealMathSuite* sAIRealMath = nullptr;
const AIPathSuite* sAIPath = nullptr;
const AIUncalledSuite* sAIMatchingArt = nullptr;
const AIPathStyleSuite* sAIPathStyle = nullptr;
const AIDocumentSuite* sAIDocument = nullptr;
const AILayerSuite* sAILayer = nullptr;
const AIUncalledSuite* sAIMdMemory = nullptr;
const AIDocumentViewSuite* sAIDocumentView = nullptr;
const AIUncalledSuite* sAIShapeConstruction = nullptr;
const AITagSuite* sAITag = nullptr;
const AIBlendStyleSuite* sAIBlendStyle = nullptr;
const AIRandomSuite* sAIRandom = nullptr;
const AITransformArtSuite* sAITransformArt = nullptr;
const AIUncalledSuite* sAIArtStyle = nullptr;
const AIEnvelopeSuite* sAIEnvelope = nullptr;
const ADMIconSuite* sADMIcon = nullptr;
const ADMTrackerSuite* sADMTracker = nullptr;
const ADMDialogSuite* sADMDialog = nullptr;
const ADMEntrySuite* sADMEntry = nullptr;
const ADMListSuite* sADMList = nullptr;
const ADMItemSuite* sADMItem = nullptr;
const AIUncalledSuite* sAICropArea = nullptr;
const AIUncalledSuite* sAICropAreaRange = nullptr;
#if defined(__APPLE__)
const AIUncalledSuite* sAISymbol = nullptr;
const AIUncalledSuite* sAIMesh = nullptr;
const AIUncalledSuite* sAIMeshVertex = nullptr;
const AIUncalledSuite* sAIHitTest = nullptr;
#endif
}

namespace {

template <class T>
const void** slot(const T** pointer) {
    return reinterpret_cast<const void**>(pointer);
}

constexpr ASInt32 ai(ASInt32 version) { return version + kAISuiteVersionOffset; }

}  // namespace

ImportSuite gBasicSuites[] = {
    {kSPAccessSuite, kSPAccessSuiteVersion, slot(&sSPAccess)},
    {kSPPluginsSuite, kSPPluginsSuiteVersion, slot(&sSPPlugins)},
    {kAINotifierSuite, ai(kAINotifierSuiteVersion), slot(&sAINotifier)},
    {kAIContextSuite, ai(kAIContextSuiteVersion), slot(&sAIAppContext)},
    {kADMBasicSuite, kADMBasicSuiteVersion, slot(&sADMBasic)},
    {nullptr, 0, nullptr},
};

// All required; neither build has optional suites.
ImportSuite gImportSuites[] = {
    {kAIMenuSuite, ai(kAIMenuSuiteVersion), slot(&sAIMenu)},
    {kAIToolSuite, ai(kAIToolSuiteVersion), slot(&sAITool)},
    {kAIToolSuite, ai(kAIToolSuiteVersion), slot(&sTool)},
    {kAIUnicodeStringSuite, ai(kAIUnicodeStringSuiteVersion), slot(&sAIUnicodeString)},
    {kAIPluginSuite, ai(kAIPluginSuiteVersion), slot(&sAIPlugin)},
    {kSPBlocksSuite, kSPBlocksSuiteVersion, slot(&sSPBlocks)},
    {kAIUndoSuite, ai(kAIUndoSuiteVersion), slot(&sAIUndo)},
    {kAIArtSuite, ai(kAIArtSuiteVersion), slot(&sAIArt)},
    {kAISwatchListSuite, ai(kAISwatchListSuiteVersion), slot(&sAISwatchList)},
    {kAIRealMathSuite, ai(kAIRealMathSuiteVersion), slot(&sAIRealMath)},
    {kAIPathSuite, ai(kAIPathSuiteVersion), slot(&sAIPath)},
    {kAIMatchingArtSuite, ai(kAIMatchingArtSuiteVersion), slot(&sAIMatchingArt)},
    {kAIPathStyleSuite, ai(kAIPathStyleSuiteVersion), slot(&sAIPathStyle)},
    {kAIDocumentSuite, ai(kAIDocumentSuiteVersion), slot(&sAIDocument)},
    {kAILayerSuite, ai(kAILayerSuiteVersion), slot(&sAILayer)},
    {kAIMdMemorySuite, ai(kAIMdMemorySuiteVersion), slot(&sAIMdMemory)},
    {kAIDocumentViewSuite, ai(kAIDocumentViewSuiteVersion), slot(&sAIDocumentView)},
    {kAIShapeConstructionSuite, ai(kAIShapeConstructionSuiteVersion), slot(&sAIShapeConstruction)},
    {kAITagSuite, ai(kAITagSuiteVersion), slot(&sAITag)},
    {kAIBlendStyleSuite, ai(kAIBlendStyleSuiteVersion), slot(&sAIBlendStyle)},
    {kAIRandomSuite, ai(kAIRandomSuiteVersion), slot(&sAIRandom)},
    {kAITransformArtSuite, ai(kAITransformArtSuiteVersion), slot(&sAITransformArt)},
    {kAIArtStyleSuite, ai(kAIArtStyleSuiteVersion), slot(&sAIArtStyle)},
    {kAIEnvelopeSuite, ai(kAIEnvelopeSuiteVersion), slot(&sAIEnvelope)},
    {kADMIconSuite, kADMIconSuiteVersion, slot(&sADMIcon)},
    {kADMTrackerSuite, kADMTrackerSuiteVersion, slot(&sADMTracker)},
    {kADMDialogSuite, kADMDialogSuiteVersion, slot(&sADMDialog)},
    {kADMEntrySuite, kADMEntrySuiteVersion, slot(&sADMEntry)},
    {kADMListSuite, kADMListSuiteVersion, slot(&sADMList)},
    {kADMItemSuite, kADMItemSuiteVersion, slot(&sADMItem)},
#if defined(__APPLE__)
    {kAISymbolSuite, ai(kAISymbolSuiteVersion), slot(&sAISymbol)},
    {kAIMeshSuite, ai(kAIMeshSuiteVersion), slot(&sAIMesh)},
    {kAIMeshVertexSuite, ai(kAIMeshVertexSuiteVersion), slot(&sAIMeshVertex)},
    {kAIHitTestSuite, ai(kAIHitTestSuiteVersion), slot(&sAIHitTest)},
#else
    {kAICropAreaSuite, ai(kAICropAreaSuiteVersion), slot(&sAICropArea)},
    {kAICropAreaRangeSuite, ai(kAICropAreaRangeSuiteVersion), slot(&sAICropAreaRange)},
#endif
    {nullptr, 0, nullptr},
};
