// The document window: the page on a pasteboard that pans and zooms, and the art drawn on a
// canvas over it at the device's pixel density. Converts pointer positions to document
// points (v grows upwards, origin at the page's bottom-left corner). A pan or zoom first moves
// and scales the picture already drawn (at once), then the module draws it again crisply, in
// slices across frames.
import { ArtCanvas, FRAME, imageData } from './art_canvas.js';

const MIN_ZOOM = 0.05;
const MAX_ZOOM = 32;
const FIT_MARGIN = 24;

export class PageView {
  constructor(stage, sheet, canvas) {
    this.stage = stage;
    this.sheet = sheet;
    this.canvas = canvas;
    this.art = new ArtCanvas(canvas);
    this.session = null;  // whose picture the canvas shows
    this.shown = null;  // {zoom, pan} of the picture the canvas shows, once it shows one
    this.previewing = false;  // the next frame shows the moved picture before any drawing
    canvas.style.transformOrigin = '0 0';
    this.zoom = 1;
    this.pan = [0, 0];
    this.page = [612, 792];
    this.onZoom = () => {};
    this.onChange = () => {};  // the art needs a full redraw
    stage.addEventListener('wheel', (e) => {
      e.preventDefault();
      this.zoomAt(e.clientX, e.clientY, Math.exp(-e.deltaY * 0.0015));
    }, { passive: false });
  }

  // The module composites the blend modes itself: nothing to set up.

  setPage(width, height) {
    this.page = [width, height];
    this.sheet.style.width = `${width}px`;
    this.sheet.style.height = `${height}px`;
    this.fit();
  }

  fit() {
    const r = this.stage.getBoundingClientRect();
    const [w, h] = this.page;
    const zoom = Math.min((r.width - 2 * FIT_MARGIN) / w, (r.height - 2 * FIT_MARGIN) / h);
    this.zoom = Math.min(MAX_ZOOM, Math.max(MIN_ZOOM, zoom));
    this.pan = [(r.width - w * this.zoom) / 2, (r.height - h * this.zoom) / 2];
    this.apply();
  }

  // Zooms by `factor` keeping the point under (clientX, clientY) in place.
  zoomAt(clientX, clientY, factor) {
    const r = this.stage.getBoundingClientRect();
    const x = clientX - r.left;
    const y = clientY - r.top;
    const zoom = Math.min(MAX_ZOOM, Math.max(MIN_ZOOM, this.zoom * factor));
    this.pan = [x - (x - this.pan[0]) * zoom / this.zoom, y - (y - this.pan[1]) * zoom / this.zoom];
    this.zoom = zoom;
    this.apply();
  }

  zoomBy(factor) {
    const r = this.stage.getBoundingClientRect();
    this.zoomAt(r.left + r.width / 2, r.top + r.height / 2, factor);
  }

  panBy(dx, dy) {
    this.pan = [this.pan[0] + dx, this.pan[1] + dy];
    this.apply();
  }

  apply() {
    this.sheet.style.transform = `translate(${this.pan[0]}px, ${this.pan[1]}px) scale(${this.zoom})`;
    this.preview();
    this.onZoom(this.zoom);
    this.onChange();
  }

  // The picture drawn at the shown view, moved and scaled to the current one until the
  // crisp picture is ready.
  preview() {
    const shown = this.shown;
    if (!shown || (shown.zoom === this.zoom && shown.pan[0] === this.pan[0] && shown.pan[1] === this.pan[1])) {
      this.canvas.style.transform = '';
      return;
    }
    const s = this.zoom / shown.zoom;
    this.previewing = true;
    this.canvas.style.transform =
      `translate(${this.pan[0] - shown.pan[0] * s}px, ${this.pan[1] - shown.pan[1] * s}px) scale(${s})`;
  }

  // A document point to 1/100 point: the same decimal reaches the host and the gesture log.
  toDocument(clientX, clientY) {
    const r = this.stage.getBoundingClientRect();
    const x = (clientX - r.left - this.pan[0]) / this.zoom;
    const y = (clientY - r.top - this.pan[1]) / this.zoom;
    const round = (n) => Math.round(n * 100) / 100 + 0;  // + 0 turns -0 into 0
    return [round(x), round(this.page[1] - y)];
  }

  // Sizes the canvas to the window; true when that wiped what it showed.
  fitCanvas() {
    const dpr = window.devicePixelRatio || 1;
    if (!this.art.resize(this.stage.clientWidth, this.stage.clientHeight, dpr)) return false;
    this.shown = null;
    this.canvas.style.transform = '';
    return true;
  }

  // One frame of drawing `session`'s document at the current pan and zoom, for at most
  // `budgetMs` (see ArtCanvas.frame).
  render(session, budgetMs) {
    if (session !== this.session) {
      this.session = session;
      this.shown = null;
    }
    if (this.previewing) {
      // This frame paints the moved picture at once; drawing starts with the next one.
      this.previewing = false;
      return { state: FRAME.working, job: 0 };
    }
    const dpr = window.devicePixelRatio || 1;
    const view = { scale: this.zoom * dpr, x: this.pan[0] * dpr, y: this.pan[1] * dpr };
    const frame = this.art.frame(session.mod, view, budgetMs);
    if (frame.state === FRAME.done) {
      this.shown = { zoom: this.zoom, pan: [...this.pan] };
      this.canvas.style.transform = '';
    }
    return frame;
  }

  // What the picture holds: {paths, tiny (a few pixels across or less), ink (pixels their
  // coverage touched, once per path), area (pixels the art spans)}.
  pictureCounts() {
    return this.session ? this.session.mod.pictureCounts() : { paths: 0, tiny: 0, ink: 0, area: 0 };
  }
}

// Rows of the page drawn at a time for the PNG export (about 16 MB of pixels).
const EXPORT_BAND_PIXELS = 4 << 20;

// The page alone at `scale` pixels per point, on white, as a PNG blob, drawn by the module as
// the window is, in bands of rows; with `area` ([left, bottom, right, top] in document points)
// that area instead of the page.
export async function pagePng(session, page, scale, area = [0, 0, page[0], page[1]]) {
  const [left, bottom, right, top] = area;
  const canvas = document.createElement('canvas');
  canvas.width = Math.max(1, Math.round((right - left) * scale));
  canvas.height = Math.max(1, Math.round((top - bottom) * scale));
  const c = canvas.getContext('2d');
  const band = Math.max(1, Math.floor(EXPORT_BAND_PIXELS / canvas.width));
  // The page's top-left corner in the picture's device pixels.
  const x = -left * scale;
  const y = -(page[1] - top) * scale;
  for (let row = 0; row < canvas.height; row += band) {
    const rows = Math.min(band, canvas.height - row);
    c.putImageData(imageData(session.mod.exportBand(scale, canvas.width, rows, x, y - row), canvas.width, rows), 0, row);
  }
  return new Promise((resolve, reject) => {
    canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error('the page is too large for a PNG'))), 'image/png');
  });
}
