// The envelope step: wrap the copy in an envelope of its own shape, then maybe warp it.
#include "drag/envelope_step.h"

#include "drag/random_sign.h"
#include "frame/error.h"
#include "frame/suite_pointers.h"

namespace {

constexpr int32_t kWarpSlots = 18;  // styles 0, 16 and 17 keep the plain envelope
constexpr ASInt32 kEnvelopeFidelity = 50;

// One distortion value: a sign draw, then a magnitude draw.
AIReal signedDraw() {
    const AIReal sign = drag::randomSign();
    return sAIRandom->FloatRnd() * sign;
}

}  // namespace

namespace drag {

ASErr envelopeStep(AIArtHandle art, bool warpSwitch) {
    if (!warpSwitch) return kNoErr;

    AIArtHandle shape = nullptr;
    QT_PROPAGATE(sAIArt->DuplicateArt(art, kPlaceAboveAll, art, &shape));

    AIArtHandle contents[1] = {art};
    const AIEnvelopeOptions options{0, kEnvelopeFidelity};
    AIArtHandle envelope = nullptr;
    QT_PROPAGATE(sAIEnvelope->MakeEnvelope(contents, 1, shape, &options, &envelope));

    // Eight draws in this order, whether or not the style warps.
    const auto style = static_cast<int32_t>(sAIRandom->FloatRnd() * kWarpSlots);
    const AIReal bend = signedDraw();
    const AIReal horizontal = signedDraw();
    const AIReal vertical = signedDraw();
    const ASBoolean rotate = sAIRandom->FloatRnd() > 0.5f ? 1 : 0;

    if (style < kWarpStyleFirst || style > kWarpStyleLast) return kNoErr;
    return sAIEnvelope->ReshapeEnvelopeWithWarp(envelope, style, bend, horizontal, vertical, rotate);
}

}  // namespace drag
