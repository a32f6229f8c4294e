// Blend modes and compositing on premultiplied RGBA, in floating point per pixel and
// rounded to bytes, as the browser's compositor keeps its layers.
#include "web/compositor.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <string_view>

#include "export/srgb.h"

namespace qtweb {

namespace {

enum class Kernel : uint8_t {
    normal,
    multiply,
    screen,
    overlay,
    darken,
    lighten,
    colorDodge,
    colorBurn,
    hardLight,
    softLight,
    difference,
    exclusion,
    hue,
    saturation,
    color,
    luminosity
};

// The formula of each blend mode number, found by the name the SVG export writes for it.
std::array<Kernel, 16> makeKernels() {
    constexpr std::pair<std::string_view, Kernel> kByName[] = {
        {"multiply", Kernel::multiply},     {"screen", Kernel::screen},
        {"overlay", Kernel::overlay},       {"darken", Kernel::darken},
        {"lighten", Kernel::lighten},       {"color-dodge", Kernel::colorDodge},
        {"color-burn", Kernel::colorBurn},  {"hard-light", Kernel::hardLight},
        {"soft-light", Kernel::softLight},  {"difference", Kernel::difference},
        {"exclusion", Kernel::exclusion},   {"hue", Kernel::hue},
        {"saturation", Kernel::saturation}, {"color", Kernel::color},
        {"luminosity", Kernel::luminosity}};
    std::array<Kernel, 16> kernels{};
    for (int mode = 0; mode < 16; ++mode) {
        const std::string_view css = qtexport::blendModeCss(mode);
        for (const auto& [name, kernel] : kByName) {
            if (css == name) kernels[mode] = kernel;
        }
    }
    return kernels;
}

Kernel kernelOf(int32_t blend) {
    static const std::array<Kernel, 16> kernels = makeKernels();
    return blend >= 0 && blend < 16 ? kernels[blend] : Kernel::normal;
}

struct Rgb {
    float r, g, b;
};

float lum(Rgb c) { return 0.3f * c.r + 0.59f * c.g + 0.11f * c.b; }

Rgb clipColor(Rgb c) {
    const float l = lum(c);
    const float n = std::min({c.r, c.g, c.b});
    const float x = std::max({c.r, c.g, c.b});
    if (n < 0 && l - n > 0) {
        const float k = l / (l - n);
        c = {l + (c.r - l) * k, l + (c.g - l) * k, l + (c.b - l) * k};
    }
    if (x > 1 && x - l > 0) {
        const float k = (1 - l) / (x - l);
        c = {l + (c.r - l) * k, l + (c.g - l) * k, l + (c.b - l) * k};
    }
    return c;
}

Rgb setLum(Rgb c, float l) {
    const float d = l - lum(c);
    return clipColor({c.r + d, c.g + d, c.b + d});
}

float sat(Rgb c) { return std::max({c.r, c.g, c.b}) - std::min({c.r, c.g, c.b}); }

// The smallest, middle and largest component spread to 0, its share, and `s`.
void setSpread(float& lo, float& mid, float& hi, float s);

Rgb setSat(Rgb c, float s) {
    float* lo = &c.r;
    float* mid = &c.g;
    float* hi = &c.b;
    if (*lo > *mid) std::swap(lo, mid);
    if (*mid > *hi) std::swap(mid, hi);
    if (*lo > *mid) std::swap(lo, mid);
    setSpread(*lo, *mid, *hi, s);
    return c;
}

void setSpread(float& lo, float& mid, float& hi, float s) {
    if (hi > lo) {
        mid = (mid - lo) * s / (hi - lo);
        hi = s;
    } else {
        mid = hi = 0;
    }
    lo = 0;
}

float hardLight(float b, float s) { return s <= 0.5f ? b * 2 * s : b + (2 * s - 1) - b * (2 * s - 1); }

float separable(Kernel k, float b, float s) {
    switch (k) {
        case Kernel::multiply: return b * s;
        case Kernel::screen: return b + s - b * s;
        case Kernel::overlay: return hardLight(s, b);
        case Kernel::darken: return std::min(b, s);
        case Kernel::lighten: return std::max(b, s);
        case Kernel::colorDodge: return b <= 0 ? 0 : s >= 1 ? 1 : std::min(1.0f, b / (1 - s));
        case Kernel::colorBurn: return b >= 1 ? 1 : s <= 0 ? 0 : 1 - std::min(1.0f, (1 - b) / s);
        case Kernel::hardLight: return hardLight(b, s);
        case Kernel::softLight: {
            if (s <= 0.5f) return b - (1 - 2 * s) * b * (1 - b);
            const float d = b <= 0.25f ? ((16 * b - 12) * b + 4) * b : std::sqrt(b);
            return b + (2 * s - 1) * (d - b);
        }
        case Kernel::difference: return std::fabs(b - s);
        case Kernel::exclusion: return b + s - 2 * b * s;
        default: return s;
    }
}

// The blend function B(backdrop, source) on unpremultiplied colours.
Rgb blendColors(Kernel k, Rgb b, Rgb s) {
    switch (k) {
        case Kernel::hue: return setLum(setSat(s, sat(b)), lum(b));
        case Kernel::saturation: return setLum(setSat(b, sat(s)), lum(b));
        case Kernel::color: return setLum(s, lum(b));
        case Kernel::luminosity: return setLum(b, lum(s));
        default: return {separable(k, b.r, s.r), separable(k, b.g, s.g), separable(k, b.b, s.b)};
    }
}

const std::array<float, 256> kUnit = [] {
    std::array<float, 256> t{};
    for (int i = 0; i < 256; ++i) t[i] = static_cast<float>(i) / 255.0f;
    return t;
}();

uint8_t toByte(float x) {
    const float v = x * 255.0f + 0.5f;
    return static_cast<uint8_t>(v <= 0 ? 0 : v >= 255 ? 255 : static_cast<int>(v));
}

uint8_t clampByte(int v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }

// Division by 255: rounded, and the browser's quicker one, which rounds up.
int div255(int v) { return (v + 127) / 255; }
int div255Up(int v) { return (v + 255) >> 8; }

// A colour (premultiplied) at coverage `aa` over the pixel, as the browser's 8-bit blitters
// put it down.
inline void blit(uint8_t* d, const int c[4], int aa) {
    if (aa == 0) return;
    if (aa == 255 && c[3] == 255) {
        for (int k = 0; k < 4; ++k) d[k] = static_cast<uint8_t>(c[k]);
        return;
    }
    int s[4];
    for (int k = 0; k < 4; ++k) s[k] = (c[k] * (aa + 1)) >> 8;
    const int keep = 256 - s[3];
    for (int k = 0; k < 4; ++k) d[k] = static_cast<uint8_t>(s[k] + ((d[k] * keep) >> 8));
}

constexpr bool onBytes(Kernel k) {
    return k == Kernel::multiply || k == Kernel::screen || k == Kernel::overlay || k == Kernel::hardLight ||
           k == Kernel::darken || k == Kernel::lighten || k == Kernel::difference || k == Kernel::exclusion;
}

// A layer's pixel scaled by the layer's opacity, ready to be put down: as bytes for normal
// compositing and the simpler modes, as floats (and unpremultiplied) for the others.
struct Source {
    int s[4];
    float f[4];
    Rgb plain;
};

template <Kernel K>
inline Source prepare(const uint8_t* p, float alpha, int alpha8) {
    Source src;
    if constexpr (K == Kernel::normal) {
        for (int c = 0; c < 4; ++c) src.s[c] = alpha8 == 255 ? p[c] : div255(p[c] * alpha8);
    } else if constexpr (onBytes(K)) {
        for (int c = 0; c < 4; ++c) src.s[c] = div255Up(p[c] * alpha8);
    } else {
        for (int c = 0; c < 4; ++c) src.f[c] = kUnit[p[c]] * alpha;
        const float is = src.f[3] > 0 ? 1 / src.f[3] : 0;
        src.plain = {src.f[0] * is, src.f[1] * is, src.f[2] * is};
    }
    return src;
}

// Puts a prepared source down on `d` with the blend mode. Normal compositing and the
// simpler modes run on bytes, the others in floating point, each as the browser computes it.
template <Kernel K>
inline void apply(uint8_t* d, const Source& src) {
    if constexpr (K == Kernel::normal) {
        const int keep = 256 - src.s[3];
        for (int c = 0; c < 4; ++c) d[c] = clampByte(src.s[c] + ((d[c] * keep) >> 8));
    } else if constexpr (onBytes(K)) {
        const int* s = src.s;
        const int sa = s[3], da = d[3];
        int out[4];
        for (int c = 0; c < 4; ++c) {
            const int x = s[c], y = d[c];
            if constexpr (K == Kernel::multiply) {
                out[c] = div255Up(x * (255 - da) + y * (255 - sa) + x * y);
            } else if constexpr (K == Kernel::screen) {
                out[c] = x + y - div255(x * y);
            } else if constexpr (K == Kernel::overlay) {
                out[c] = div255Up(x * (255 - da) + y * (255 - sa) +
                                  (2 * y <= da ? 2 * x * y : sa * da - 2 * (sa - x) * (da - y)));
            } else if constexpr (K == Kernel::hardLight) {
                out[c] = div255Up(x * (255 - da) + y * (255 - sa) +
                                  (2 * x <= sa ? 2 * x * y : sa * da - 2 * (sa - x) * (da - y)));
            } else if constexpr (K == Kernel::darken) {
                out[c] = x + y - div255Up(std::max(x * da, y * sa));
            } else if constexpr (K == Kernel::lighten) {
                out[c] = x + y - div255Up(std::min(x * da, y * sa));
            } else if constexpr (K == Kernel::difference) {
                out[c] = x + y - 2 * div255Up(std::min(x * da, y * sa));
            } else {
                out[c] = x + y - 2 * div255Up(x * y);
            }
        }
        // Multiply and screen blend the alpha as a colour; the others compose it normally.
        if constexpr (K != Kernel::multiply && K != Kernel::screen) out[3] = sa + div255Up(da * (255 - sa));
        for (int c = 0; c < 4; ++c) d[c] = clampByte(out[c]);
    } else {
        const float r = src.f[0], g = src.f[1], b = src.f[2], a = src.f[3];
        const float da = kUnit[d[3]];
        const float ia = 1 - a;
        float orr = r, og = g, ob = b;
        if (d[3] != 0) {
            const float dr = kUnit[d[0]], dg = kUnit[d[1]], db = kUnit[d[2]];
            const float ib = 1 - da;
            const float id = 1 / da;
            const Rgb mixed = blendColors(K, {dr * id, dg * id, db * id}, src.plain);
            const float both = a * da;
            orr = r * ib + dr * ia + both * mixed.r;
            og = g * ib + dg * ia + both * mixed.g;
            ob = b * ib + db * ia + both * mixed.b;
        }
        const uint8_t oa = toByte(a + da * ia);
        d[0] = std::min(toByte(orr), oa);
        d[1] = std::min(toByte(og), oa);
        d[2] = std::min(toByte(ob), oa);
        d[3] = oa;
    }
}

// A layer's pixel `p` (premultiplied) put down on `d` with the layer's opacity and blend mode.
template <Kernel K>
inline void composite(uint8_t* d, const uint8_t* p, float alpha, int alpha8) {
    if (p[3] != 0) apply<K>(d, prepare<K>(p, alpha, alpha8));
}

// Calls f.template operator()<K>() for the kernel of `k`: one specialised loop per mode.
template <typename F>
void withKernel(Kernel k, F&& f) {
    switch (k) {
        case Kernel::normal: return f.template operator()<Kernel::normal>();
        case Kernel::multiply: return f.template operator()<Kernel::multiply>();
        case Kernel::screen: return f.template operator()<Kernel::screen>();
        case Kernel::overlay: return f.template operator()<Kernel::overlay>();
        case Kernel::darken: return f.template operator()<Kernel::darken>();
        case Kernel::lighten: return f.template operator()<Kernel::lighten>();
        case Kernel::colorDodge: return f.template operator()<Kernel::colorDodge>();
        case Kernel::colorBurn: return f.template operator()<Kernel::colorBurn>();
        case Kernel::hardLight: return f.template operator()<Kernel::hardLight>();
        case Kernel::softLight: return f.template operator()<Kernel::softLight>();
        case Kernel::difference: return f.template operator()<Kernel::difference>();
        case Kernel::exclusion: return f.template operator()<Kernel::exclusion>();
        case Kernel::hue: return f.template operator()<Kernel::hue>();
        case Kernel::saturation: return f.template operator()<Kernel::saturation>();
        case Kernel::color: return f.template operator()<Kernel::color>();
        case Kernel::luminosity: return f.template operator()<Kernel::luminosity>();
    }
}

int alphaByte(float alpha) { return static_cast<int>(std::clamp(alpha, 0.0f, 1.0f) * 255 + 0.5f); }

// The paint of a mask: its colour premultiplied by the mask's alpha.
void paintOf(const Mask& m, int32_t rgb, int c[4]) {
    const int a = m.alpha;
    const int channels[3] = {(rgb >> 16) & 255, (rgb >> 8) & 255, rgb & 255};
    for (int k = 0; k < 3; ++k) c[k] = a == 255 ? channels[k] : div255(channels[k] * a);
    c[3] = a;
}

}  // namespace

void Surface::reset(const PixelRect& r) {
    rect = r;
    const size_t bytes = r.empty() ? 0 : static_cast<size_t>(r.width()) * r.height() * 4;
    pixels.assign(bytes, 0);
}

void paintMask(Surface& dst, const Mask& mask, int32_t rgb) {
    if (mask.empty()) return;
    int c[4];
    paintOf(mask, rgb, c);
    const PixelRect& r = mask.rect;
    for (int y = r.y0; y < r.y1; ++y) {
        const int row = y - r.y0;
        const uint8_t* cover = &mask.cover[static_cast<size_t>(row) * r.width()];
        uint8_t* d = dst.at(r.x0, y);
        for (int x = mask.left[row]; x < mask.right[row]; ++x) blit(d + 4 * x, c, cover[x]);
    }
}

void paintLayered(Surface& dst, const Mask& fill, int32_t fillRgb, const Mask& stroke, int32_t strokeRgb,
                  float alpha, int32_t blend) {
    const int alpha8 = alphaByte(alpha);
    const PixelRect r = unite(fill.rect, stroke.rect);
    if (r.empty() || alpha8 == 0) return;
    int f[4], s[4];
    paintOf(fill, fillRgb, f);
    paintOf(stroke, strokeRgb, s);
    withKernel(kernelOf(blend), [&]<Kernel K>() {
        if (fill.empty() || stroke.empty()) {
            // One paint: its coverage alone makes the layer.
            const Mask& m = fill.empty() ? stroke : fill;
            const int* c = fill.empty() ? s : f;
            uint8_t full[4] = {0, 0, 0, 0};
            blit(full, c, 255);
            const Source inside = prepare<K>(full, alpha, alpha8);
            for (int y = m.rect.y0; y < m.rect.y1; ++y) {
                const int row = y - m.rect.y0;
                const uint8_t* cover = &m.cover[static_cast<size_t>(row) * m.rect.width()];
                uint8_t* d = dst.at(m.rect.x0, y);
                for (int x = m.left[row]; x < m.right[row]; ++x) {
                    if (cover[x] == 0) continue;
                    if (cover[x] == 255) {
                        apply<K>(d + 4 * x, inside);
                        continue;
                    }
                    uint8_t p[4] = {0, 0, 0, 0};
                    blit(p, c, cover[x]);
                    composite<K>(d + 4 * x, p, alpha, alpha8);
                }
            }
            return;
        }
        // Each mask's row as absolute columns [from, to) of `cover` (shifted to absolute x).
        struct Row {
            const uint8_t* cover = nullptr;
            int from = 0, to = 0;
        };
        auto rowOf = [](const Mask& m, int y) {
            Row row;
            if (y < m.rect.y0 || y >= m.rect.y1) return row;
            const int i = y - m.rect.y0;
            row.cover = &m.cover[static_cast<size_t>(i) * m.rect.width()] - m.rect.x0;
            row.from = m.rect.x0 + m.left[i];
            row.to = m.rect.x0 + m.right[i];
            return row;
        };
        const uint8_t solid[4] = {static_cast<uint8_t>(f[0]), static_cast<uint8_t>(f[1]),
                                  static_cast<uint8_t>(f[2]), static_cast<uint8_t>(f[3])};
        const Source inside = prepare<K>(solid, alpha, alpha8);
        for (int y = r.y0; y < r.y1; ++y) {
            const Row a = rowOf(fill, y), b = rowOf(stroke, y);
            const int from = a.from < a.to ? (b.from < b.to ? std::min(a.from, b.from) : a.from) : b.from;
            const int to = std::max(a.to, b.to);
            uint8_t* d = dst.at(0, y) - 4 * dst.rect.x0;
            for (int x = from; x < to; ++x) {
                const int cf = x >= a.from && x < a.to ? a.cover[x] : 0;
                const int cs = x >= b.from && x < b.to ? b.cover[x] : 0;
                if (cs == 0 && cf == 255) {
                    apply<K>(d + 4 * x, inside);  // inside the fill, clear of the stroke
                    continue;
                }
                uint8_t p[4] = {0, 0, 0, 0};
                blit(p, f, cf);
                blit(p, s, cs);
                composite<K>(d + 4 * x, p, alpha, alpha8);
            }
        }
    });
}

void paintLayer(Surface& dst, const Surface& layer, float alpha, int32_t blend) {
    const int alpha8 = alphaByte(alpha);
    const PixelRect r = intersect(layer.rect, dst.rect);
    if (r.empty() || alpha8 == 0) return;
    withKernel(kernelOf(blend), [&]<Kernel K>() {
        for (int y = r.y0; y < r.y1; ++y) {
            const uint8_t* s = layer.at(r.x0, y);
            uint8_t* d = dst.at(r.x0, y);
            for (int x = 0; x < r.width(); ++x, s += 4, d += 4) composite<K>(d, s, alpha, alpha8);
        }
    });
}

void putOver(Surface& top, const Surface& under, const PixelRect& rect) {
    const PixelRect r = intersect(intersect(rect, top.rect), under.rect);
    for (int y = r.y0; y < r.y1; ++y) {
        uint8_t* t = top.at(r.x0, y);
        const uint8_t* u = under.at(r.x0, y);
        for (int x = 0; x < r.width(); ++x, t += 4, u += 4) {
            if (u[3] == 0 || t[3] == 255) continue;
            const int keep = 256 - t[3];
            for (int c = 0; c < 4; ++c) t[c] = clampByte(t[c] + ((u[c] * keep) >> 8));
        }
    }
}

void unpremultiply(const Surface& from, const PixelRect& rect, bool onWhite, std::vector<uint8_t>& out) {
    const PixelRect r = intersect(rect, from.rect);
    out.resize(from.pixels.size());
    for (int y = r.y0; y < r.y1; ++y) {
        const uint8_t* s = from.at(r.x0, y);
        uint8_t* d =
            &out[(static_cast<size_t>(y - from.rect.y0) * from.rect.width() + (r.x0 - from.rect.x0)) * 4];
        for (int x = 0; x < r.width(); ++x, s += 4, d += 4) {
            const int a = s[3];
            if (onWhite) {
                const int white = (255 * (256 - a)) >> 8;
                for (int c = 0; c < 3; ++c) d[c] = clampByte(s[c] + white);
                d[3] = 255;
            } else if (a == 0) {
                std::memset(d, 0, 4);
            } else {
                for (int c = 0; c < 3; ++c) d[c] = static_cast<uint8_t>((s[c] * 255 + a / 2) / a);
                d[3] = static_cast<uint8_t>(a);
            }
        }
    }
}

}  // namespace qtweb
