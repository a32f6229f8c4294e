// The drawing suites: art, paths, styles, tags, transforms, blending, envelopes, layers,
// the document and its view, swatches, and undo. Each operation forwards to the document.
// The tables hold each function behind suiteCall/suiteValue, so no exception reaches the plug-in.
#include <algorithm>

#include "host/host_impl.h"

namespace qthost {

namespace {

Document& doc() { return activeHost()->document; }

// ---- AI Art ----

ASErr NewArt(ASInt16 type, ASInt16 paintOrder, AIArtHandle prep, AIArtHandle* newArt) {
    if (ASErr err = hostEnter("AI Art Suite.NewArt")) return err;
    if (ASErr err = hostRoomForArt()) return err;
    return doc().newArt(type, paintOrder, prep, newArt);
}
ASErr DisposeArt(AIArtHandle art) {
    if (ASErr err = hostEnter("AI Art Suite.DisposeArt")) return err;
    return doc().disposeArt(art);
}
ASErr ReorderArt(AIArtHandle art, ASInt16 paintOrder, AIArtHandle prep) {
    if (ASErr err = hostEnter("AI Art Suite.ReorderArt")) return err;
    return doc().reorderArt(art, paintOrder, prep);
}
ASErr DuplicateArt(AIArtHandle art, ASInt16 paintOrder, AIArtHandle prep, AIArtHandle* newArt) {
    if (ASErr err = hostEnter("AI Art Suite.DuplicateArt")) return err;
    if (ASErr err = hostRoomForArt()) return err;
    return doc().duplicateArt(art, paintOrder, prep, newArt);
}
ASErr GetArtType(AIArtHandle art, ASInt16* type) {
    if (ASErr err = hostEnter("AI Art Suite.GetArtType")) return err;
    return doc().getArtType(art, type);
}
ASErr GetArtBounds(AIArtHandle art, AIRealRect* bounds) {
    if (ASErr err = hostEnter("AI Art Suite.GetArtBounds")) return err;
    return doc().getArtBounds(art, bounds);
}

const AIArtSuite gArt = {
    suiteCall<NewArt>,       suiteCall<DisposeArt>, suiteCall<ReorderArt>,
    suiteCall<DuplicateArt>, suiteCall<GetArtType>, suiteCall<GetArtBounds>,
};

// ---- AI Path ----

ASErr GetPathSegmentCount(AIArtHandle path, ASInt16* count) {
    if (ASErr err = hostEnter("AI Path Suite.GetPathSegmentCount")) return err;
    return doc().getSegmentCount(path, count);
}
ASErr SetPathSegmentCount(AIArtHandle path, ASInt16 count) {
    if (ASErr err = hostEnter("AI Path Suite.SetPathSegmentCount")) return err;
    return doc().setSegmentCount(path, count);
}
ASErr GetPathSegments(AIArtHandle path, ASInt16 first, ASInt16 count, AIPathSegment* segments) {
    if (ASErr err = hostEnter("AI Path Suite.GetPathSegments")) return err;
    return doc().getSegments(path, first, count, segments);
}
ASErr SetPathSegments(AIArtHandle path, ASInt16 first, ASInt16 count, const AIPathSegment* segments) {
    if (ASErr err = hostEnter("AI Path Suite.SetPathSegments")) return err;
    return doc().setSegments(path, first, count, segments);
}
ASErr GetPathClosed(AIArtHandle path, ASBoolean* closed) {
    if (ASErr err = hostEnter("AI Path Suite.GetPathClosed")) return err;
    return doc().getClosed(path, closed);
}
ASErr SetPathClosed(AIArtHandle path, ASBoolean closed) {
    if (ASErr err = hostEnter("AI Path Suite.SetPathClosed")) return err;
    return doc().setClosed(path, closed);
}

const AIPathSuite gPath = {
    suiteCall<GetPathSegmentCount>, suiteCall<SetPathSegmentCount>, suiteCall<GetPathSegments>,
    suiteCall<SetPathSegments>,     suiteCall<GetPathClosed>,       suiteCall<SetPathClosed>,
};

// ---- AI Path Style ----

ASErr GetPathStyle(AIArtHandle art, AIPathStyle* style) {
    if (ASErr err = hostEnter("AI Path Style Suite.GetPathStyle")) return err;
    return doc().getStyle(art, style);
}
ASErr SetPathStyle(AIArtHandle art, const AIPathStyle* style) {
    if (ASErr err = hostEnter("AI Path Style Suite.SetPathStyle")) return err;
    if (!style) return kBadParameterErr;
    return doc().setStyle(art, *style);
}

const AIPathStyleSuite gPathStyle = {
    suiteCall<GetPathStyle>,
    suiteCall<SetPathStyle>,
};

// ---- AI Swatch List: a swatch reference is its index + 1. ----

ASInt32 CountSwatches(AISwatchListRef) {
    hostNote("AI Swatch List Suite.CountSwatches");
    return static_cast<ASInt32>(doc().swatches().size());
}
AISwatchRef GetNthSwatch(AISwatchListRef, ASInt32 n) {
    hostNote("AI Swatch List Suite.GetNthSwatch");
    if (n < 0 || static_cast<size_t>(n) >= doc().swatches().size()) return nullptr;
    return reinterpret_cast<AISwatchRef>(uintptr_t(n) + 1);
}
ASErr GetAIColor(AISwatchRef swatch, AIColor* color) {
    if (ASErr err = hostEnter("AI Swatch List Suite.GetAIColor")) return err;
    uintptr_t n = reinterpret_cast<uintptr_t>(swatch);
    if (!color || n == 0 || n > doc().swatches().size()) return kBadParameterErr;
    *color = doc().swatches()[n - 1].color;
    return kNoErr;
}

const AISwatchListSuite gSwatchList = {
    suiteValue<CountSwatches>,
    suiteValue<GetNthSwatch>,
    suiteCall<GetAIColor>,
};

// ---- AI Random: std::mt19937 from the seed, 24 random bits per value. ----

AIReal FloatRnd() {
    Host::Impl* host = hostNote("AI Random Suite.FloatRnd");
    return static_cast<AIReal>(host->random() >> 8) * (1.0f / 16777216.0f);
}
void SetRndSeed(ASInt32 seed) {
    Host::Impl* host = hostNote("AI Random Suite.SetRndSeed");
    host->random.seed(static_cast<uint32_t>(seed));
}

const AIRandomSuite gRandom = {
    suiteValue<FloatRnd>,
    suiteValue<SetRndSeed>,
};

// ---- AI Tag ----

ASErr SetTag(AIArtHandle art, const char* name, const char* type, const char* value) {
    if (ASErr err = hostEnter("AI Tag Suite.SetTag")) return err;
    return doc().setTag(art, name, type, value);
}
ASErr GetTag(AIArtHandle art, const char* name, char* type, ASInt32 maxType, char* value, ASInt32 maxLen) {
    if (ASErr err = hostEnter("AI Tag Suite.GetTag")) return err;
    return doc().getTag(art, name, type, maxType, value, maxLen);
}

const AITagSuite gTag = {
    suiteCall<SetTag>,
    suiteCall<GetTag>,
};

// ---- AI Transform Art ----

ASErr TransformArt(AIArtHandle art, const AIRealMatrix* matrix, AIReal lineScale, ASInt32 flags) {
    if (ASErr err = hostEnter("AI Transform Art Suite.TransformArt")) return err;
    if (!matrix) return kBadParameterErr;
    return doc().transformArt(art, *matrix, lineScale, flags);
}

const AITransformArtSuite gTransform = {
    suiteCall<TransformArt>,
};

// ---- AI Blend Style: opacity is kept within 0..1 as the host's blending allows. ----

AIReal GetOpacity(AIArtHandle art) {
    hostNote("AI Blend Style Suite.GetOpacity");
    return doc().opacity(art);
}
ASErr SetOpacity(AIArtHandle art, AIReal opacity) {
    if (ASErr err = hostEnter("AI Blend Style Suite.SetOpacity")) return err;
    return doc().setOpacity(art, std::clamp(opacity, 0.0f, 1.0f));
}
ASInt32 GetBlendingMode(AIArtHandle art) {
    hostNote("AI Blend Style Suite.GetBlendingMode");
    return doc().blendMode(art);
}
ASErr SetBlendingMode(AIArtHandle art, ASInt32 mode) {
    if (ASErr err = hostEnter("AI Blend Style Suite.SetBlendingMode")) return err;
    return doc().setBlendMode(art, mode);
}

const AIBlendStyleSuite gBlendStyle = {
    suiteValue<GetOpacity>,
    suiteCall<SetOpacity>,
    suiteValue<GetBlendingMode>,
    suiteCall<SetBlendingMode>,
};

// ---- AI Envelope ----

ASErr MakeEnvelope(AIArtHandle* artList, ASInt32 count, AIArtHandle envelopeObject, const AIEnvelopeOptions*,
                   AIArtHandle* envelope) {
    if (ASErr err = hostEnter("AI Envelope Suite.MakeEnvelope")) return err;
    if (ASErr err = hostRoomForArt()) return err;
    return doc().makeEnvelope(artList, count, envelopeObject, envelope);
}
ASErr ReshapeEnvelopeWithWarp(AIArtHandle envelope, ASInt32 warpStyle, AIReal bend, AIReal horizDistort,
                              AIReal vertDistort, ASBoolean rotate90) {
    if (ASErr err = hostEnter("AI Envelope Suite.ReshapeEnvelopeWithWarp")) return err;
    return doc().setWarp(envelope, {warpStyle, bend, horizDistort, vertDistort, rotate90 != 0});
}

const AIEnvelopeSuite gEnvelope = {
    suiteCall<MakeEnvelope>,
    suiteCall<ReshapeEnvelopeWithWarp>,
};

// ---- AI Document and Document View ----

ASErr GetDocumentSetup(AIDocumentSetup* setup) {
    if (ASErr err = hostEnter("AI Document Suite.GetDocumentSetup")) return err;
    if (!setup) return kBadParameterErr;
    setup->width = doc().pageWidth();
    setup->height = doc().pageHeight();
    return kNoErr;
}

const AIDocumentSuite gDocument = {
    suiteCall<GetDocumentSetup>,
};

ASErr GetDocumentViewBounds(AIDocumentViewHandle view, AIRealRect* bounds) {
    if (ASErr err = hostEnter("AI Document View Suite.GetDocumentViewBounds")) return err;
    if (view || !bounds) return kBadParameterErr;  // only the default view exists
    *bounds = doc().viewBounds();
    return kNoErr;
}
ASErr GetDocumentViewCenter(AIDocumentViewHandle view, AIRealPoint* center) {
    if (ASErr err = hostEnter("AI Document View Suite.GetDocumentViewCenter")) return err;
    if (view || !center) return kBadParameterErr;
    *center = doc().viewCenter();
    return kNoErr;
}

const AIDocumentViewSuite gDocumentView = {
    suiteCall<GetDocumentViewBounds>,
    suiteCall<GetDocumentViewCenter>,
};

// ---- AI Layer ----

ASErr InsertLayer(AILayerHandle reference, ASInt16 paintOrder, AILayerHandle* layer) {
    if (ASErr err = hostEnter("AI Layer Suite.InsertLayer")) return err;
    return doc().insertLayer(reference, paintOrder, layer);
}
ASErr CountLayers(ASInt32* count) {
    if (ASErr err = hostEnter("AI Layer Suite.CountLayers")) return err;
    if (!count) return kBadParameterErr;
    *count = static_cast<ASInt32>(doc().layerCount());
    return kNoErr;
}
ASErr GetCurrentLayer(AILayerHandle* layer) {
    if (ASErr err = hostEnter("AI Layer Suite.GetCurrentLayer")) return err;
    if (!layer) return kBadParameterErr;
    *layer = doc().currentLayer();
    return kNoErr;
}

const AILayerSuite gLayer = {
    suiteCall<InsertLayer>,
    suiteCall<CountLayers>,
    suiteCall<GetCurrentLayer>,
};

// ---- AI Undo ----

ASErr UndoChanges() {
    if (ASErr err = hostEnter("AI Undo Suite.UndoChanges")) return err;
    doc().revertToLastRecordingPoint();
    return kNoErr;
}

const AIUndoSuite gUndo = {
    suiteCall<UndoChanges>,
};

}  // namespace

std::vector<SuiteEntry> artSuites() {
    return {
        {kAIArtSuite, kAIArtSuiteVersion, &gArt},
        {kAIPathSuite, kAIPathSuiteVersion, &gPath},
        {kAIPathStyleSuite, kAIPathStyleSuiteVersion, &gPathStyle},
        {kAISwatchListSuite, kAISwatchListSuiteVersion, &gSwatchList},
        {kAIRealMathSuite, kAIRealMathSuiteVersion, realMathSuite()},
        {kAIRandomSuite, kAIRandomSuiteVersion, &gRandom},
        {kAITagSuite, kAITagSuiteVersion, &gTag},
        {kAITransformArtSuite, kAITransformArtSuiteVersion, &gTransform},
        {kAIBlendStyleSuite, kAIBlendStyleSuiteVersion, &gBlendStyle},
        {kAIEnvelopeSuite, kAIEnvelopeSuiteVersion, &gEnvelope},
        {kAIDocumentSuite, kAIDocumentSuiteVersion, &gDocument},
        {kAIDocumentViewSuite, kAIDocumentViewSuiteVersion, &gDocumentView},
        {kAILayerSuite, kAILayerSuiteVersion, &gLayer},
        {kAIUndoSuite, kAIUndoSuiteVersion, &gUndo},
    };
}

}  // namespace qthost
