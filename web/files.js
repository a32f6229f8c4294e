// Files in and out: the drawing (document settings and gesture) carried inside the exported SVG
// and PNG, reading back every kind of file the page writes, and download names that say what
// a file is.
//
// The SVG carries it in one element, `<metadata id="quentarb-gesture">`, inserted on its own
// line right after the root element's start tag; without that line the file is byte for byte
// what `quentarb draw` writes. The PNG carries it in a tEXt chunk with the keyword
// "quentarb-gesture", just before the image's end.

export const METADATA_KEY = 'quentarb-gesture';

// What a drawing file holds: {document, events}, as the exported gesture's JSON.
export function drawingRecord(session) {
  return { document: session.config, events: session.log };
}

// JSON in plain ASCII (a PNG text chunk is Latin-1, XML takes it as it is).
function asciiJson(value) {
  return JSON.stringify(value).replace(/[\u007f-\uffff]/g, (c) => `\\u${c.charCodeAt(0).toString(16).padStart(4, '0')}`);
}

function xmlEscaped(text) {
  return text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');
}

// ---- SVG ----
const SVG_START = /<svg\b[^>]*>\n/;

export function svgWithDrawing(svg, record) {
  const match = SVG_START.exec(svg);
  if (!match) throw new Error('the SVG has no root element');
  const at = match.index + match[0].length;
  const element = `<metadata id="${METADATA_KEY}">${xmlEscaped(asciiJson(record))}</metadata>\n`;
  return svg.slice(0, at) + element + svg.slice(at);
}

// The SVG as `quentarb draw` wrote it: the metadata line taken out.
export function svgWithoutDrawing(svg) {
  return svg.replace(new RegExp(`<metadata id="${METADATA_KEY}">[^\\n]*</metadata>\\n`), '');
}

// The page's SVG with the root's size and view box set to `area` ([left, bottom, right, top]
// in document points) instead of the page.
export function svgOfArea(svg, area, pageHeight) {
  const [left, bottom, right, top] = area;
  const w = right - left;
  const h = top - bottom;
  const n = (x) => String(Math.fround(x));
  return svg.replace(SVG_START, (tag) => tag
    .replace(/width="[^"]*"/, `width="${n(w)}pt"`)
    .replace(/height="[^"]*"/, `height="${n(h)}pt"`)
    .replace(/viewBox="[^"]*"/, `viewBox="${n(left)} ${n(pageHeight - top)} ${n(w)} ${n(h)}"`));
}

function drawingInSvg(text) {
  const doc = new DOMParser().parseFromString(text, 'image/svg+xml');
  const element = doc.getElementById(METADATA_KEY);
  return element ? JSON.parse(element.textContent) : null;
}

// ---- PNG ----
const CRC_TABLE = (() => {
  const table = new Uint32Array(256);
  for (let n = 0; n < 256; ++n) {
    let c = n;
    for (let k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    table[n] = c >>> 0;
  }
  return table;
})();

function crc32(bytes) {
  let c = 0xffffffff;
  for (const b of bytes) c = CRC_TABLE[(c ^ b) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

const PNG_SIGNATURE = [137, 80, 78, 71, 13, 10, 26, 10];

// The chunks of a PNG: [{type, data, at}] where `at` is the chunk's offset.
function pngChunks(bytes) {
  if (bytes.length < 8 || PNG_SIGNATURE.some((b, i) => bytes[i] !== b)) return null;
  const view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
  const chunks = [];
  for (let at = 8; at + 12 <= bytes.length;) {
    const length = view.getUint32(at);
    if (at + 12 + length > bytes.length) break;
    const type = String.fromCharCode(...bytes.subarray(at + 4, at + 8));
    chunks.push({ type, data: bytes.subarray(at + 8, at + 8 + length), at });
    at += 12 + length;
  }
  return chunks;
}

export async function pngWithDrawing(blob, record) {
  const bytes = new Uint8Array(await blob.arrayBuffer());
  const end = pngChunks(bytes)?.find((c) => c.type === 'IEND');
  if (!end) throw new Error('the PNG has no end chunk');
  const text = new TextEncoder().encode(`${METADATA_KEY}\0${asciiJson(record)}`);
  const chunk = new Uint8Array(12 + text.length);
  const view = new DataView(chunk.buffer);
  view.setUint32(0, text.length);
  chunk.set([116, 69, 88, 116], 4);  // tEXt
  chunk.set(text, 8);
  view.setUint32(8 + text.length, crc32(chunk.subarray(4, 8 + text.length)));
  return new Blob([bytes.subarray(0, end.at), chunk, bytes.subarray(end.at)], { type: 'image/png' });
}

function drawingInPng(bytes) {
  for (const chunk of pngChunks(bytes) ?? []) {
    if (chunk.type !== 'tEXt') continue;
    const text = new TextDecoder('latin1').decode(chunk.data);
    const zero = text.indexOf('\0');
    if (text.slice(0, zero) === METADATA_KEY) return JSON.parse(text.slice(zero + 1));
  }
  return null;
}

// ---- Opening ----
// What a file holds, for the page to open: {document?, events?, text?} (text: a gesture file
// for the engine to read), or {error}.
export async function readDrawingFile(file) {
  const bytes = new Uint8Array(await file.arrayBuffer());
  if (pngChunks(bytes)) {
    const record = drawingInPng(bytes);
    return record ?? { error: `${file.name}: this PNG carries no drawing (only PNGs exported by the playground do)` };
  }
  const text = new TextDecoder().decode(bytes);
  if (/^\s*(<\?xml|<svg)/.test(text)) {
    const record = drawingInSvg(text);
    return record ?? { error: `${file.name}: this SVG carries no drawing (only SVGs exported by the playground do)` };
  }
  let json;
  try {
    json = JSON.parse(text);
  } catch {
    return { error: `${file.name}: not a gesture, JSON, SVG or PNG file of the playground` };
  }
  if (json && Array.isArray(json.events)) return { document: json.document, text };
  if (json && Array.isArray(json.layers) && Array.isArray(json.page)) {
    // A document JSON holds the art but not how it was drawn: its settings open.
    const document = { page: json.page };
    if (typeof json.seed === 'number') document.seed = json.seed;
    if (typeof json.colorModel === 'string') document.colorModel = json.colorModel;
    return { document, events: [], note: `${file.name} holds the art but not how it was drawn: its page, seed and colour model are open. Open its gesture, SVG or PNG for the drawing.` };
  }
  return { error: `${file.name}: a JSON file with neither "events" (a gesture) nor "layers" (a document)` };
}

// ---- Names ----
// "quentarb-spiral-20250102-130405.svg", with the scale for a PNG: "…@2x.png".
export function downloadName(toolName, kind, { scale = null, area = 'page', when = new Date() } = {}) {
  const p = (n) => String(n).padStart(2, '0');
  const stamp = `${when.getFullYear()}${p(when.getMonth() + 1)}${p(when.getDate())}-${p(when.getHours())}${p(when.getMinutes())}${p(when.getSeconds())}`;
  const extent = area === 'all' ? '-all-art' : '';
  const suffix = scale ? `@${scale}x` : '';
  const extension = kind === 'gesture' ? 'gesture.json' : kind;
  return `quentarb-${toolName}-${stamp}${extent}${suffix}.${extension}`;
}
