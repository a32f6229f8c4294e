// The document window: the page on a pasteboard that pans and zooms, and the art drawn on a
// canvas over it at the device's pixel density. Converts pointer positions to document
// points (v grows upwards, origin at the page's bottom-left corner).
import { ArtCanvas, REDRAW } from './art_canvas.js';

const MIN_ZOOM = 0.05;
const MAX_ZOOM = 32;
const FIT_MARGIN = 24;

export class PageView {
  constructor(stage, sheet, canvas) {
    this.stage = stage;
    this.sheet = sheet;
    this.canvas = canvas;
    this.art = null;  // an ArtCanvas once the engine tells the blend modes
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

  setBlendModes(names) {
    if (!this.art) this.art = new ArtCanvas(this.canvas, names);
  }

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
    this.onZoom(this.zoom);
    this.onChange();
  }

  // A document point to 1/100 point: the same decimal reaches the host and the gesture log.
  toDocument(clientX, clientY) {
    const r = this.stage.getBoundingClientRect();
    const x = (clientX - r.left - this.pan[0]) / this.zoom;
    const y = (clientY - r.top - this.pan[1]) / this.zoom;
    const round = (n) => Math.round(n * 100) / 100 + 0;  // + 0 turns -0 into 0
    return [round(x), round(this.page[1] - y)];
  }

  // Sizes the canvas to the window; true when the art must be drawn again in full.
  fitCanvas() {
    const dpr = window.devicePixelRatio || 1;
    return this.art.resize(this.stage.clientWidth, this.stage.clientHeight, dpr);
  }

  // Draws what the engine handed over (see ArtCanvas.draw) at the current pan and zoom.
  draw(how, art) {
    const dpr = window.devicePixelRatio || 1;
    const scale = this.zoom * dpr;
    this.art.draw(how, art, { scale, x: this.pan[0] * dpr, y: this.pan[1] * dpr, pageHeight: this.page[1] });
  }
}

// The page alone at `scale` device pixels per point, on white, as a PNG blob; with `area`
// ([left, bottom, right, top] in document points) that area instead of the page.
export async function pagePng(blendNames, art, page, scale, area = [0, 0, page[0], page[1]]) {
  const [left, bottom, right, top] = area;
  const canvas = document.createElement('canvas');
  canvas.width = Math.max(1, Math.round((right - left) * scale));
  canvas.height = Math.max(1, Math.round((top - bottom) * scale));
  const painter = new ArtCanvas(canvas, blendNames);
  painter.draw(REDRAW.everything, art, { scale, x: -left * scale, y: -(page[1] - top) * scale, pageHeight: page[1] });
  const c = canvas.getContext('2d');
  c.setTransform(1, 0, 0, 1, 0, 0);
  c.globalAlpha = 1;
  c.globalCompositeOperation = 'destination-over';
  c.fillStyle = '#ffffff';
  c.fillRect(0, 0, canvas.width, canvas.height);
  return new Promise((resolve, reject) => {
    canvas.toBlob((blob) => (blob ? resolve(blob) : reject(new Error('the page is too large for a PNG'))), 'image/png');
  });
}
