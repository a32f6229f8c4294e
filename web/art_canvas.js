// Draws the document's art on a canvas from the flat records the binding hands over (see
// web/draw_list.h): paths in paint order, with their fill, stroke, opacity and blend mode.
// Whatever composites as a whole (a group with opacity or a blend mode, a path with both
// fill and stroke and opacity or a blend mode) is drawn in a layer of its own and then
// composited, as an SVG renderer does. The canvas keeps what it shows, so new art can be
// drawn above it, or beneath it through a scratch layer.

const INTS = 8;
const FLOATS = 8;
const PATH = 0;
const BEGIN = 1;
const END = 2;
const CLOSED = 1;
const FILLED = 2;
const STROKED = 4;
const EVEN_ODD = 8;
// The overlap grid of batches: cells of 4 device pixels; larger paths are drawn alone.
const CELL_BITS = 2;
const CELL = 1 << CELL_BITS;
const MAX_CELLS = 4096;

export const REDRAW = { nothing: 0, above: 1, beneath: 2, everything: 3 };

const hex = (rgb) => `#${rgb.toString(16).padStart(6, '0')}`;

export class ArtCanvas {
  // blendNames: composite operations by blend mode number.
  constructor(canvas, blendNames) {
    this.canvas = canvas;
    this.ctx = canvas.getContext('2d');
    this.blendNames = blendNames;
    this.layers = [];  // offscreen canvases by nesting depth
    this.under = null;  // the offscreen canvas for new art beneath
    this.colors = new Map();
    this.cells = null;  // per cell of the canvas, the batch that last drew there
    this.batch = 1;
  }

  // Sizes the canvas to `width` × `height` CSS pixels at `dpr`; true when that changed it
  // (and wiped what it showed).
  resize(width, height, dpr) {
    const w = Math.max(1, Math.round(width * dpr));
    const h = Math.max(1, Math.round(height * dpr));
    if (this.canvas.width === w && this.canvas.height === h) return false;
    this.canvas.width = w;
    this.canvas.height = h;
    this.canvas.style.width = `${width}px`;
    this.canvas.style.height = `${height}px`;
    return true;
  }

  // view: {scale (device pixels per point), x, y (device pixels of the page's top-left
  // corner), pageHeight}. how: a REDRAW value; art: {ints, floats, segments}.
  draw(how, art, view) {
    if (how === REDRAW.nothing) return;
    const whole = [0, 0, this.canvas.width, this.canvas.height];
    const c = this.ctx;
    if (how === REDRAW.beneath) {
      // The new art alone, then what the canvas shows over it.
      if (!this.under || this.under.width !== this.canvas.width || this.under.height !== this.canvas.height) {
        this.under = new OffscreenCanvas(this.canvas.width, this.canvas.height);
      }
      this.drawRecords(this.under.getContext('2d'), art, view, whole);
      const bitmap = this.under.transferToImageBitmap();
      c.setTransform(1, 0, 0, 1, 0, 0);
      c.globalAlpha = 1;
      c.globalCompositeOperation = 'destination-over';
      c.drawImage(bitmap, 0, 0);
      c.globalCompositeOperation = 'source-over';
      bitmap.close();
      return;
    }
    if (how === REDRAW.everything) {
      c.setTransform(1, 0, 0, 1, 0, 0);
      c.clearRect(0, 0, this.canvas.width, this.canvas.height);
    }
    this.drawRecords(c, art, view, whole);
  }

  // The offscreen canvas for layers at `depth`. A layer is drawn, then handed over as an
  // ImageBitmap (which leaves the canvas blank): copying a canvas that was just drawn on
  // into another costs a copy of all its pixels, every time.
  layer(depth) {
    let layer = this.layers[depth];
    if (!layer) {
      const canvas = new OffscreenCanvas(1, 1);
      layer = { canvas, ctx: canvas.getContext('2d') };
      this.layers[depth] = layer;
    }
    return layer;
  }

  color(rgb) {
    let text = this.colors.get(rgb);
    if (text === undefined) {
      text = hex(rgb);
      this.colors.set(rgb, text);
    }
    return text;
  }

  // Device pixels a record's bounds cover (with room for strokes and miters), clipped to
  // `within` ([x, y, w, h]); null when nothing of it is visible.
  region(floats, f, view, within) {
    const k = view.scale;
    const pad = 2 * floats[f + 6] * k + 2;
    const top = view.y + (view.pageHeight - floats[f + 5]) * k;
    const x0 = Math.max(within[0], Math.floor(view.x + floats[f + 2] * k - pad));
    const y0 = Math.max(within[1], Math.floor(top - pad));
    const x1 = Math.min(within[0] + within[2], Math.ceil(view.x + floats[f + 4] * k + pad));
    const y1 = Math.min(within[1] + within[3], Math.ceil(top + (floats[f + 5] - floats[f + 3]) * k + pad));
    return x1 > x0 && y1 > y0 ? [x0, y0, x1 - x0, y1 - y0] : null;
  }

  // Marks the cells of `region` as drawn in the current batch; false (marking nothing) when
  // one is already, or when the region is too large to be worth batching.
  claim(region) {
    const w = this.canvas.width;
    const h = this.canvas.height;
    const cols = Math.ceil(w / CELL);
    if (!this.cells || this.cells.length !== cols * Math.ceil(h / CELL)) {
      this.cells = new Int32Array(cols * Math.ceil(h / CELL));
      this.batch = 1;
    }
    const x0 = Math.max(0, region[0]) >> CELL_BITS;
    const y0 = Math.max(0, region[1]) >> CELL_BITS;
    const x1 = Math.min(w - 1, region[0] + region[2] - 1) >> CELL_BITS;
    const y1 = Math.min(h - 1, region[1] + region[3] - 1) >> CELL_BITS;
    if ((x1 - x0 + 1) * (y1 - y0 + 1) > MAX_CELLS) return false;
    const cells = this.cells;
    for (let y = y0; y <= y1; ++y) {
      for (let x = x0; x <= x1; ++x) if (cells[y * cols + x] === this.batch) return false;
    }
    for (let y = y0; y <= y1; ++y) cells.fill(this.batch, y * cols + x0, y * cols + x1 + 1);
    return true;
  }

  // Adds the path of record `i` to the context's current path.
  trace(c, ints, segments, i) {
    const flags = ints[i + 3];
    const n = ints[i + 2];
    const first = ints[i + 1] * 6;
    c.moveTo(segments[first], segments[first + 1]);
    const curves = flags & CLOSED ? n : n - 1;
    for (let k = 0; k < curves; ++k) {
      const a = first + k * 6;
      const b = first + ((k + 1) % n) * 6;
      c.bezierCurveTo(segments[a + 4], segments[a + 5], segments[b + 2], segments[b + 3], segments[b], segments[b + 1]);
    }
    if (flags & CLOSED) c.closePath();
  }

  // Fills and strokes the current path of the context of state `s`.
  paint(s, flags, fill, stroke, width) {
    const { c } = s;
    if (flags & FILLED) {
      if (s.fill !== fill) c.fillStyle = this.color(s.fill = fill);
      c.fill(flags & EVEN_ODD ? 'evenodd' : 'nonzero');
    }
    if (flags & STROKED) {
      if (s.stroke !== stroke) c.strokeStyle = this.color(s.stroke = stroke);
      if (s.width !== width) c.lineWidth = s.width = width;
      c.stroke();
    }
  }

  // Draws the records on `ctx`, whose pixel (0, 0) is the window's device pixel `area`[0..1].
  drawRecords(ctx, { ints, floats, segments }, view, area) {
    // The view's transform, for a context whose origin is at device pixel (ox, oy).
    const reset = (s) => {
      const { c } = s;
      c.setTransform(view.scale, 0, 0, -view.scale, view.x - s.area[0], view.y + view.pageHeight * view.scale - s.area[1]);
      c.globalAlpha = 1;
      c.globalCompositeOperation = 'source-over';
      c.miterLimit = 4;  // SVG's default
      c.lineCap = 'butt';
      c.lineJoin = 'miter';
      Object.assign(s, { alpha: 1, blend: 0, fill: -1, stroke: -1, width: -1 });
      return s;
    };
    let s = reset({ c: ctx, area });
    const stack = [];
    const open = (region, alpha, blend) => {
      const layer = this.layer(stack.length);
      if (layer.canvas.width !== region[2] || layer.canvas.height !== region[3]) {
        layer.canvas.width = region[2];
        layer.canvas.height = region[3];
      }
      stack.push({ s, alpha, blend });
      s = reset({ c: layer.ctx, area: region });
    };
    const close = () => {
      const bitmap = s.c.canvas.transferToImageBitmap();
      const [x, y] = s.area;
      const top = stack.pop();
      s = top.s;
      const { c } = s;
      c.setTransform(1, 0, 0, 1, 0, 0);
      c.globalAlpha = top.alpha;
      c.globalCompositeOperation = this.blendNames[top.blend];
      c.drawImage(bitmap, x - s.area[0], y - s.area[1]);
      bitmap.close();
      reset(s);
    };

    const batch = { open: false };
    const flush = () => {
      if (!batch.open) return;
      this.paint(s, batch.paint, batch.fill, batch.stroke, batch.width);
      batch.open = false;
      batch.alone = false;
    };

    const count = ints.length / INTS;
    let skipping = 0;  // depth inside a group that is entirely off the canvas
    for (let r = 0; r < count; ++r) {
      const i = r * INTS;
      const f = r * FLOATS;
      const kind = ints[i];
      if (skipping) {
        if (kind === BEGIN) ++skipping;
        else if (kind === END) --skipping;
        continue;
      }
      if (kind === BEGIN) {
        flush();
        const region = this.region(floats, f, view, s.area);
        if (region) open(region, floats[f + 1], ints[i + 6]);
        else skipping = 1;
        continue;
      }
      if (kind === END) {
        flush();
        close();
        continue;
      }
      const flags = ints[i + 3];
      const n = ints[i + 2];
      const width = floats[f];
      const fill = (flags & FILLED) !== 0;
      const stroke = (flags & STROKED) !== 0 && width > 0;
      if (n === 0 || (!fill && !stroke)) continue;
      const alpha = floats[f + 1];
      const blend = ints[i + 6];
      const region = this.region(floats, f, view, s.area);
      if (!region) continue;  // off the canvas
      const paint = flags & (FILLED | EVEN_ODD) | (stroke ? STROKED : 0);
      if (fill && stroke && (alpha !== 1 || blend !== 0)) {
        // Fill and stroke composite together.
        flush();
        open(region, alpha, blend);
        s.c.beginPath();
        this.trace(s.c, ints, segments, i);
        this.paint(s, paint, ints[i + 4], ints[i + 5], width);
        close();
        continue;
      }
      // Paths of one style that do not overlap are drawn as one: the same pixels, far fewer
      // calls. Opaque fills alone (or strokes alone) of one colour may overlap too. An overlap
      // (or another style) draws what was gathered first.
      const b = batch;
      const overlapping = alpha === 1 && blend === 0 && (paint & (FILLED | STROKED)) !== (FILLED | STROKED);
      if (b.open && (b.paint !== paint || b.fill !== ints[i + 4] || b.stroke !== ints[i + 5] || b.width !== width ||
          b.alpha !== alpha || b.blend !== blend || (!overlapping && !this.claim(region)))) {
        flush();
      }
      if (!b.open) {
        Object.assign(b, { open: true, paint, fill: ints[i + 4], stroke: ints[i + 5], width, alpha, blend });
        if (s.alpha !== alpha) s.c.globalAlpha = s.alpha = alpha;
        if (s.blend !== blend) s.c.globalCompositeOperation = this.blendNames[s.blend = blend];
        s.c.beginPath();
        ++this.batch;
        if (!overlapping && !this.claim(region)) b.alone = true;
      }
      this.trace(s.c, ints, segments, i);
      if (b.alone) flush();
    }
    flush();
    while (stack.length) close();
  }
}
