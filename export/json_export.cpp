// JSON export of the document.
#include "export/json_export.h"

#include <cmath>

#include "export/json_writer.h"

namespace qtexport {

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

namespace {

using qthost::ArtView;
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

bool finite(AIRealPoint p) { return std::isfinite(p.h) && std::isfinite(p.v); }

void writePoint(JsonWriter& w, AIRealPoint p) {
    w.value(p.h);
    w.value(p.v);
}

// Writes one art object and what it holds, each segment read once: a path whose geometry
// turns out not to be finite is taken back out of the text and counted.
class ArtWriter {
  public:
    ArtWriter(JsonWriter& w, SinkBuffer& buffer) : w_(w), buffer_(buffer) {}

    void art(ArtView art) {
        // Between two objects nothing is half-written: the text may go to the sink.
        buffer_.flushIfFull();
        JsonWriter::Mark mark = w_.mark();
        if (!write(art)) {
            w_.rewind(mark);
            ++leftOut_;
        }
    }
    size_t leftOut() const { return leftOut_; }

  private:
    bool write(ArtView art) {
        ASInt16 type = art.type();
        w_.beginObject();
        w_.key("type");
        if (type == kPathArt) {
            w_.value("path");
            w_.key("closed");
            w_.value(art.closed());
            w_.key("segments");
            w_.beginArray();
            for (const AIPathSegment& s : art.segments()) {
                if (!finite(s.p) || !finite(s.in) || !finite(s.out)) return false;
                w_.beginArray();
                writePoint(w_, s.p);
                writePoint(w_, s.in);
                writePoint(w_, s.out);
                w_.value(s.corner != 0);
                w_.endArray();
            }
            w_.endArray();
            const AIPathStyle& style = art.style();
            w_.key("fill");
            writePaint(w_, style.fillPaint != 0, style.fill.color);
            w_.key("stroke");
            writePaint(w_, style.strokePaint != 0, style.stroke.color);
            w_.key("strokeWidth");
            w_.value(style.stroke.width);
        } else {
            w_.value(type == kEnvelopeArt ? "envelope" : "group");
            if (type == kEnvelopeArt) {
                w_.key("warp");
                if (const qthost::Warp* warp = art.warp()) {
                    w_.beginObject();
                    w_.key("style");
                    w_.value(static_cast<int>(warp->style));
                    w_.key("bend");
                    w_.value(warp->bend);
                    w_.key("horizontal");
                    w_.value(warp->horizontal);
                    w_.key("vertical");
                    w_.value(warp->vertical);
                    w_.key("rotate");
                    w_.value(warp->rotate);
                    w_.endObject();
                } else {
                    w_.null();
                }
            }
            w_.key("contents");
            w_.beginArray();
            for (ArtView child : art.children()) this->art(child);
            w_.endArray();
        }
        w_.key("opacity");
        w_.value(art.opacity());
        w_.key("blendMode");
        w_.value(static_cast<int>(art.blendMode()));
        w_.key("tags");
        w_.beginObject();
        for (const qthost::TagView& tag : art.tags()) {
            w_.key(tag.name);
            w_.value(tag.value);
        }
        w_.endObject();
        w_.endObject();
        return true;
    }

    JsonWriter& w_;
    SinkBuffer& buffer_;
    size_t leftOut_ = 0;
};

const char* modelName(qthost::ColorModel model) {
    switch (model) {
        case qthost::ColorModel::cmyk: return "cmyk";
        case qthost::ColorModel::gray: return "gray";
        default: return "rgb";
    }
}

// The whole document into `text`, handed to `sink` as it grows (kept in `text` without one).
size_t writeJson(const Document& doc, const RunInfo& run, std::string& text, ByteSink* sink) {
    SinkBuffer buffer(text, sink);
    JsonWriter w(text);
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
    ArtWriter art(w, buffer);
    for (size_t i = 0; i < doc.layerCount(); ++i) {
        w.beginObject();
        w.key("name");
        w.value(doc.layerName(i));
        w.key("art");
        w.beginArray();
        for (ArtView top : doc.topLevelArt(i)) art.art(top);
        w.endArray();
        w.endObject();
    }
    w.endArray();
    w.endObject();
    text += '\n';
    buffer.flush();
    return art.leftOut();
}

}  // namespace

size_t writeDocumentJson(const Document& doc, const RunInfo& run, ByteSink& sink) {
    std::string text;
    text.reserve(SinkBuffer::kChunk * 2);
    return writeJson(doc, run, text, &sink);
}

std::string documentJson(const Document& doc, const RunInfo& run) {
    std::string out;
    out.reserve(1024 + doc.liveArtCount() * 256);
    writeJson(doc, run, out, nullptr);
    return out;
}

}  // namespace qtexport
