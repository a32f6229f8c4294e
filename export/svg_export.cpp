// SVG export: colours in sRGB hex, opacity and mix-blend-mode, stroke width, tags as
// data- attributes, the page as the viewBox; v is flipped (SVG's y grows downwards).
#include "export/svg_export.h"

#include <cctype>
#include <span>

#include "export/drawn_art.h"
#include "export/float_text.h"
#include "export/srgb.h"

namespace qtexport {

namespace {

void number(std::string& out, double x) { appendFloat(out, static_cast<float>(x)); }

void escaped(std::string& out, std::string_view text) {
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
}

// A tag name as a data- attribute name: lower case letters, digits and '-'.
void dataName(std::string& out, std::string_view name) {
    out += "data-";
    for (char c : name) {
        unsigned char u = static_cast<unsigned char>(c);
        out += std::isalnum(u) ? static_cast<char>(std::tolower(u)) : '-';
    }
}

std::string_view tagName(const std::pair<std::string, std::string>& tag) { return tag.first; }
std::string_view tagValue(const std::pair<std::string, std::string>& tag) { return tag.second; }
std::string_view tagName(const qthost::TagView& tag) { return tag.name; }
std::string_view tagValue(const qthost::TagView& tag) { return tag.value; }

// The elements, from a scene node or straight from the document's art.
struct Writer {
    std::string& out;
    double pageHeight;

    void point(AIRealPoint p) {
        number(out, p.h);
        out += ' ';
        number(out, pageHeight - p.v);
    }

    // False, having written part of the data, when `check` finds a point that is not finite.
    bool pathData(std::span<const AIPathSegment> s, bool closed, bool check) {
        if (s.empty()) return true;
        if (check && !finiteSegment(s[0])) return false;
        out += "M";
        point(s[0].p);
        size_t curves = closed ? s.size() : s.size() - 1;
        for (size_t i = 0; i < curves; ++i) {
            const AIPathSegment& a = s[i];
            const AIPathSegment& b = s[(i + 1) % s.size()];
            if (check && !finiteSegment(b)) return false;
            out += " C";
            point(a.out);
            out += ' ';
            point(b.in);
            out += ' ';
            point(b.p);
        }
        if (closed) out += " Z";
        return true;
    }

    template <class Tags>
    void common(AIReal opacity, ASInt32 blendMode, const Tags& tags) {
        if (opacity != 1.0f) {
            out += " opacity=\"";
            number(out, opacity);
            out += '"';
        }
        if (blendMode != kNormalBlendMode) {
            out += " style=\"mix-blend-mode:";
            out += blendModeCss(blendMode);
            out += '"';
        }
        for (const auto& tag : tags) {
            out += ' ';
            dataName(out, tagName(tag));
            out += "=\"";
            escaped(out, tagValue(tag));
            out += '"';
        }
    }

    template <class Tags>
    void groupStart(AIReal opacity, ASInt32 blendMode, const Tags& tags) {
        out += "<g";
        common(opacity, blendMode, tags);
        out += ">\n";
    }
    void groupEnd() { out += "</g>\n"; }

    template <class Tags>
    bool path(std::span<const AIPathSegment> segments, bool closed, const AIPathStyle& style, AIReal opacity,
              ASInt32 blendMode, const Tags& tags, bool check) {
        const size_t start = out.size();
        out += "<path d=\"";
        if (!pathData(segments, closed, check)) {
            out.resize(start);
            return false;
        }
        out += "\" fill=\"";
        out += style.fillPaint ? hexColor(toSrgb(style.fill.color)) : "none";
        if (style.fillPaint && style.evenodd) out += "\" fill-rule=\"evenodd";
        out += "\" stroke=\"";
        out += style.strokePaint ? hexColor(toSrgb(style.stroke.color)) : "none";
        out += "\" stroke-width=\"";
        number(out, style.stroke.width);
        out += '"';
        common(opacity, blendMode, tags);
        out += "/>\n";
        return true;
    }

    void node(const SceneNode& n) {
        if (n.isGroup) {
            groupStart(n.opacity, n.blendMode, n.tags);
            for (const SceneNode& child : n.children) node(child);
            groupEnd();
            return;
        }
        path(n.segments, n.closed, n.style, n.opacity, n.blendMode, n.tags, false);
    }

    void header(double width, double height) {
        out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
        out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"";
        number(out, width);
        out += "pt\" height=\"";
        number(out, height);
        out += "pt\" viewBox=\"0 0 ";
        number(out, width);
        out += ' ';
        number(out, height);
        out += "\">\n";
    }
    void layerStart(std::string_view name) {
        out += "<g data-layer=\"";
        escaped(out, name);
        out += "\">\n";
    }
};

// The document's art, element by element as the walk hands it over; the text goes to the
// sink between elements.
class ArtSvg : public DrawnArtVisitor {
  public:
    ArtSvg(Writer& writer, SinkBuffer& buffer) : writer_(writer), buffer_(buffer) {}

    void group(qthost::ArtView art) override {
        buffer_.flushIfFull();
        writer_.groupStart(art.opacity(), art.blendMode(), art.tags());
    }
    void groupEnd(qthost::ArtView) override { writer_.groupEnd(); }
    bool path(qthost::ArtView art, std::span<const AIPathSegment> segments, bool unchecked) override {
        buffer_.flushIfFull();
        return writer_.path(segments, art.closed(), art.style(), art.opacity(), art.blendMode(), art.tags(),
                            unchecked);
    }

  private:
    Writer& writer_;
    SinkBuffer& buffer_;
};

size_t writeSvg(const qthost::Document& doc, std::string& text, ByteSink* sink) {
    SinkBuffer buffer(text, sink);
    Writer writer{text, doc.pageHeight()};
    writer.header(doc.pageWidth(), doc.pageHeight());
    ArtSvg art(writer, buffer);
    DrawnArtWalk walk;
    for (size_t i = 0; i < doc.layerCount(); ++i) {
        writer.layerStart(doc.layerName(i));
        for (qthost::ArtView top : doc.topLevelArt(i)) walk.walk(top, art);
        text += "</g>\n";
    }
    text += "</svg>\n";
    buffer.flush();
    return walk.leftOut();
}

}  // namespace

size_t writeDocumentSvg(const qthost::Document& doc, ByteSink& sink) {
    std::string text;
    text.reserve(SinkBuffer::kChunk * 2);
    return writeSvg(doc, text, &sink);
}

std::string documentSvg(const qthost::Document& doc) {
    std::string out;
    writeSvg(doc, out, nullptr);
    return out;
}

std::string sceneSvg(const Scene& scene) {
    std::string out;
    Writer writer{out, scene.pageHeight};
    writer.header(scene.pageWidth, scene.pageHeight);
    for (const SceneLayer& layer : scene.layers) {
        writer.layerStart(layer.name);
        for (const SceneNode& node : layer.nodes) writer.node(node);
        out += "</g>\n";
    }
    out += "</svg>\n";
    return out;
}

}  // namespace qtexport
