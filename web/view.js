// The document window: the page drawn from the document's SVG, on a pasteboard that pans and
// zooms. Converts pointer positions to document points (v grows upwards, origin at the
// page's bottom-left corner).

const MIN_ZOOM = 0.05;
const MAX_ZOOM = 32;
const FIT_MARGIN = 24;

export class PageView {
  constructor(stage, sheet, art) {
    this.stage = stage;
    this.sheet = sheet;
    this.art = art;
    this.zoom = 1;
    this.pan = [0, 0];
    this.page = [612, 792];
    this.onZoom = () => {};
    stage.addEventListener('wheel', (e) => {
      e.preventDefault();
      this.zoomAt(e.clientX, e.clientY, Math.exp(-e.deltaY * 0.0015));
    }, { passive: false });
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
  }

  // A document point to 1/100 point: the same decimal reaches the host and the gesture log.
  toDocument(clientX, clientY) {
    const r = this.stage.getBoundingClientRect();
    const x = (clientX - r.left - this.pan[0]) / this.zoom;
    const y = (clientY - r.top - this.pan[1]) / this.zoom;
    const round = (n) => Math.round(n * 100) / 100 + 0;  // + 0 turns -0 into 0
    return [round(x), round(this.page[1] - y)];
  }

  // Shows the exported SVG; returns the number of paths drawn.
  render(svg) {
    this.art.innerHTML = svg.replace(/^<\?xml[^>]*>\s*/, '');
    return this.art.querySelectorAll('path').length;
  }
}
