// SVG export: colours in sRGB hex, opacity and mix-blend-mode, stroke width, tags as
// data- attributes, the page as the viewBox; v is flipped (SVG's y grows downwards).
#include "export/svg_export.h"

#include <cctype>

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
std::string dataName(std::string_view name) {
    std::string out = "data-";
    for (char c : name) {
        unsigned char u = static_cast<unsigned char>(c);
        out += std::isalnum(u) ? static_cast<char>(std::tolower(u)) : '-';
    }
    return out;
}

struct Writer {
    std::string& out;
    double pageHeight;

    void point(AIRealPoint p) {
        number(out, p.h);
        out += ' ';
        number(out, pageHeight - p.v);
    }

    void pathData(const SceneNode& node) {
        const auto& s = node.segments;
        if (s.empty()) return;
        out += "M";
        point(s[0].p);
        size_t curves = node.closed ? s.size() : s.size() - 1;
        for (size_t i = 0; i < curves; ++i) {
            const AIPathSegment& a = s[i];
            const AIPathSegment& b = s[(i + 1) % s.size()];
            out += " C";
            point(a.out);
            out += ' ';
            point(b.in);
            out += ' ';
            point(b.p);
        }
        if (node.closed) out += " Z";
    }

    void common(const SceneNode& node) {
        if (node.opacity != 1.0f) {
            out += " opacity=\"";
            number(out, node.opacity);
            out += '"';
        }
        if (node.blendMode != kNormalBlendMode) {
            out += " style=\"mix-blend-mode:";
            out += blendModeCss(node.blendMode);
            out += '"';
        }
        for (const auto& [name, value] : node.tags) {
            out += ' ';
            out += dataName(name);
            out += "=\"";
            escaped(out, value);
            out += '"';
        }
    }

    void node(const SceneNode& n) {
        if (n.isGroup) {
            out += "<g";
            common(n);
            out += ">\n";
            for (const SceneNode& child : n.children) node(child);
            out += "</g>\n";
            return;
        }
        out += "<path d=\"";
        pathData(n);
        out += "\" fill=\"";
        out += n.style.fillPaint ? hexColor(toSrgb(n.style.fill.color)) : "none";
        if (n.style.fillPaint && n.style.evenodd) out += "\" fill-rule=\"evenodd";
        out += "\" stroke=\"";
        out += n.style.strokePaint ? hexColor(toSrgb(n.style.stroke.color)) : "none";
        out += "\" stroke-width=\"";
        number(out, n.style.stroke.width);
        out += '"';
        common(n);
        out += "/>\n";
    }
};

}  // namespace

std::string sceneSvg(const Scene& scene) {
    std::string out;
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"";
    number(out, scene.pageWidth);
    out += "pt\" height=\"";
    number(out, scene.pageHeight);
    out += "pt\" viewBox=\"0 0 ";
    number(out, scene.pageWidth);
    out += ' ';
    number(out, scene.pageHeight);
    out += "\">\n";
    Writer writer{out, scene.pageHeight};
    for (const SceneLayer& layer : scene.layers) {
        out += "<g data-layer=\"";
        escaped(out, layer.name);
        out += "\">\n";
        for (const SceneNode& node : layer.nodes) writer.node(node);
        out += "</g>\n";
    }
    out += "</svg>\n";
    return out;
}

}  // namespace qtexport
