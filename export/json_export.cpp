// JSON export of the document.
#include "export/json_export.h"

#include "export/finite.h"
#include "export/json_writer.h"

namespace qtexport {

namespace {

using qthost::Document;

void writePaint(JsonWriter& w, bool paint, const AIColor& color) {
    w.beginObject();
    w.key("paint");
    w.value(paint);
    w.key("color");
    w.beginObject();
    w.key("kind");
    w.value(colorKindName(color.kind));
    w.key("values");
    w.beginArray();
    for (int i = 0; i < colorComponentCount(color.kind); ++i) w.value(color.c.values[i]);
    w.endArray();
    w.endObject();
    w.endObject();
}

void writePoint(JsonWriter& w, AIRealPoint p) {
    w.value(p.h);
    w.value(p.v);
}

void writeArt(JsonWriter& w, const Document& doc, AIArtHandle art) {
    ASInt16 type = doc.artType(art);
    w.beginObject();
    w.key("type");
    if (type == kPathArt) {
        w.value("path");
        w.key("closed");
        w.value(doc.closed(art));
        w.key("segments");
        w.beginArray();
        for (const AIPathSegment& s : doc.segments(art)) {
            w.beginArray();
            writePoint(w, s.p);
            writePoint(w, s.in);
            writePoint(w, s.out);
            w.value(s.corner != 0);
            w.endArray();
        }
        w.endArray();
        AIPathStyle style = doc.style(art);
        w.key("fill");
        writePaint(w, style.fillPaint != 0, style.fill.color);
        w.key("stroke");
        writePaint(w, style.strokePaint != 0, style.stroke.color);
        w.key("strokeWidth");
        w.value(style.stroke.width);
    } else {
        w.value(type == kEnvelopeArt ? "envelope" : "group");
        if (type == kEnvelopeArt) {
            w.key("warp");
            if (std::optional<qthost::Warp> warp = doc.warp(art)) {
                w.beginObject();
                w.key("style");
                w.value(static_cast<int>(warp->style));
                w.key("bend");
                w.value(warp->bend);
                w.key("horizontal");
                w.value(warp->horizontal);
                w.key("vertical");
                w.value(warp->vertical);
                w.key("rotate");
                w.value(warp->rotate);
                w.endObject();
            } else {
                w.null();
            }
        }
        w.key("contents");
        w.beginArray();
        for (AIArtHandle child = doc.firstChild(art); child; child = doc.nextSibling(child)) {
            if (finiteGeometry(doc, child)) writeArt(w, doc, child);
        }
        w.endArray();
    }
    w.key("opacity");
    w.value(doc.opacity(art));
    w.key("blendMode");
    w.value(static_cast<int>(doc.blendMode(art)));
    w.key("tags");
    w.beginObject();
    for (const qthost::TagView& tag : doc.tags(art)) {
        w.key(tag.name);
        w.value(tag.value);
    }
    w.endObject();
    w.endObject();
}

const char* modelName(qthost::ColorModel model) {
    switch (model) {
        case qthost::ColorModel::cmyk: return "cmyk";
        case qthost::ColorModel::gray: return "gray";
        default: return "rgb";
    }
}

}  // namespace

const char* colorKindName(ASInt32 kind) {
    switch (kind) {
        case kGrayColor: return "gray";
        case kFourColor: return "cmyk";
        case kThreeColor: return "rgb";
        case kPattern: return "pattern";
        case kCustomColor: return "spot";
        case kGradient: return "gradient";
        default: return "none";
    }
}

int colorComponentCount(ASInt32 kind) {
    switch (kind) {
        case kGrayColor: return 1;
        case kFourColor: return 4;
        case kThreeColor: return 3;
        default: return 0;
    }
}

std::string documentJson(const Document& doc, const RunInfo& run) {
    std::string out;
    out.reserve(1024 + doc.liveArtCount() * 256);
    JsonWriter w(out);
    w.beginObject();
    w.key("page");
    w.beginArray();
    w.value(doc.pageWidth());
    w.value(doc.pageHeight());
    w.endArray();
    w.key("colorModel");
    w.value(modelName(doc.colorModel()));
    w.key("seed");
    w.value(static_cast<long long>(run.seed));
    w.key("results");
    w.beginArray();
    for (ASErr r : run.results) w.value(static_cast<int>(r));
    w.endArray();
    w.key("alerts");
    w.beginArray();
    for (const std::string& a : run.alerts) w.value(a);
    w.endArray();
    w.key("layers");
    w.beginArray();
    for (size_t i = 0; i < doc.layerCount(); ++i) {
        w.beginObject();
        w.key("name");
        w.value(doc.layerName(i));
        w.key("art");
        w.beginArray();
        for (AIArtHandle art = doc.firstLayerArt(i); art; art = doc.nextSibling(art)) {
            if (finiteGeometry(doc, art)) writeArt(w, doc, art);
        }
        w.endArray();
        w.endObject();
    }
    w.endArray();
    w.endObject();
    out += '\n';
    return out;
}

}  // namespace qtexport
