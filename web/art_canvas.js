// Shows the module's picture of the document on the window's canvas. The module draws the
// art itself (web/window_painter.h: fills, strokes, opacity and the sixteen blend modes, as
// the SVG export describes them), a slice per animation frame; a finished picture is copied
// onto the canvas in one go, only the part that changed.

export const FRAME = { idle: 0, working: 1, done: 2 };
export const REDRAW = { nothing: 0, above: 1, beneath: 2, everything: 3 };

// A view into the module's memory as image data (valid until the next call into the module).
export function imageData(pixels, width, height) {
  return new ImageData(new Uint8ClampedArray(pixels.buffer, pixels.byteOffset, pixels.length), width, height);
}

export class ArtCanvas {
  constructor(canvas) {
    this.canvas = canvas;
    this.ctx = canvas.getContext('2d');
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

  // One frame of drawing at `view` ({scale: device pixels per point, x, y: device pixels of
  // the page's top-left corner}) for at most `budgetMs`: {state (a FRAME value), job (a
  // REDRAW value, once the job is done)}.
  frame(mod, view, budgetMs) {
    const { width, height } = this.canvas;
    const state = mod.paintFrame(width, height, view.scale, view.x, view.y, budgetMs);
    if (state !== FRAME.done) return { state, job: REDRAW.nothing };
    const [x, y, w, h] = mod.presentPicture();
    if (w > 0 && h > 0) this.ctx.putImageData(imageData(mod.pictureRgba(), width, height), 0, 0, x, y, w, h);
    return { state, job: mod.paintedJob() };
  }
}
