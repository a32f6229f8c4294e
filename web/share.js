// Keeping and sharing: the page's state as a short text for the URL fragment and the autosave.
// Settings are the document settings and the palette, each only where it differs from its
// default; a drawing adds the gesture log. The JSON is deflated and written in base64url.

import { LINE_TYPE, TOOL_SELECTOR } from './engine.js';

// The document settings a new page starts with (the command line's defaults).
export const DEFAULT_DOCUMENT = Object.freeze({
  seed: 1, page: [612, 792], colorModel: 'rgb', fill: '#ffffff', stroke: '#000000', strokeWidth: 1,
  pressureDevice: false,
});

// Past this a link may be cut short by the apps it is pasted into; past the second no browser
// opens it.
export const LINK_WARN_LENGTH = 8000;
export const LINK_MAX_LENGTH = 2000000;

function toBase64Url(bytes) {
  let text = '';
  for (let i = 0; i < bytes.length; i += 0x8000) text += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  return btoa(text).replace(/\+/g, '-').replace(/\//g, '_').replace(/=+$/, '');
}

function fromBase64Url(text) {
  const plain = atob(text.replace(/-/g, '+').replace(/_/g, '/'));
  const bytes = new Uint8Array(plain.length);
  for (let i = 0; i < plain.length; ++i) bytes[i] = plain.charCodeAt(i);
  return bytes;
}

// What a link or the autosave may unpack to at most: the command line's limit for a gesture
// file, so a small link cannot inflate past what the page can hold.
const MAX_UNPACKED_BYTES = 64 << 20;

async function through(stream, bytes, limit = Infinity) {
  const reader = new Blob([bytes]).stream().pipeThrough(stream).getReader();
  const parts = [];
  let size = 0;
  for (;;) {
    const { done, value } = await reader.read();
    if (done) break;
    size += value.length;
    if (size > limit) {
      await reader.cancel();
      throw new Error(`it unpacks to more than ${limit} bytes`);
    }
    parts.push(value);
  }
  const out = new Uint8Array(size);
  let at = 0;
  for (const part of parts) {
    out.set(part, at);
    at += part.length;
  }
  return out;
}

export async function pack(value) {
  const json = new TextEncoder().encode(JSON.stringify(value));
  return toBase64Url(await through(new CompressionStream('deflate-raw'), json));
}

export async function unpack(text) {
  const json = await through(new DecompressionStream('deflate-raw'), fromBase64Url(text), MAX_UNPACKED_BYTES);
  return JSON.parse(new TextDecoder().decode(json));
}

// The document settings that differ from the defaults.
export function documentDifferences(config) {
  const out = {};
  for (const [key, value] of Object.entries(config)) {
    if (JSON.stringify(value) !== JSON.stringify(DEFAULT_DOCUMENT[key])) out[key] = value;
  }
  return out;
}

export function fullDocument(differences = {}) {
  return { ...DEFAULT_DOCUMENT, ...differences, page: [...(differences.page ?? DEFAULT_DOCUMENT.page)] };
}

// The palette as settings: tool, line type and [option, value] for each option whose
// control differs from its default.
export function paletteSettings(session) {
  const model = session.palette(false);
  const byId = new Map(model.items.map((i) => [i.id, i]));
  const settings = { tool: byId.get(TOOL_SELECTOR)?.value ?? 0, shape: byId.get(LINE_TYPE)?.value ?? 0, sets: [] };
  for (const option of session.catalog) {
    if (option.item < 0 || option.item === TOOL_SELECTOR || option.item === LINE_TYPE) continue;
    const item = byId.get(option.item);
    if (!item || !('value' in item)) continue;
    const value = option.type === 'bool' ? Boolean(item.value) : item.value;
    const fallback = option.type === 'bool' ? Boolean(option.default) : option.default;
    if (value !== fallback) settings.sets.push([option.name, value]);
  }
  return settings;
}

// Brings a session's palette to `settings`, through its controls and its log: the tool and
// line type, then popups, then the rest, and once more for any control that an earlier one
// had disabled.
export function applyPaletteSettings(session, settings) {
  if (settings.tool) session.selectTool(settings.tool);
  if (settings.shape) session.selectShape(settings.shape);
  const rank = ([name]) => (session.kinds.get(session.optionByName.get(name)?.item) === 'popup' ? 0 : 1);
  const sets = [...(settings.sets ?? [])].filter(([name]) => session.optionByName.has(name)).sort((a, b) => rank(a) - rank(b));
  for (const [name, value] of sets) session.setOption(name, value);
  const now = paletteSettings(session);
  const have = new Map(now.sets);
  for (const [name, value] of sets) if (have.get(name) !== value) session.setOption(name, value);
}

// The state as it goes into a link or the autosave: {doc, tool, shape, sets} for settings,
// {doc, events} for a drawing (the log replays everything from a fresh document).
export function settingsState(session) {
  return { doc: documentDifferences(session.config), ...paletteSettings(session) };
}

export function drawingState(session) {
  return { doc: documentDifferences(session.config), events: session.log };
}

export const FRAGMENT_KEY = 'q';

export async function linkFor(state) {
  const url = new URL(location.href);
  url.hash = `${FRAGMENT_KEY}=${await pack(state)}`;
  return url.href;
}

// The state a fragment holds, or null when it holds none.
export async function stateFromFragment(hash) {
  const match = /^#?q=([A-Za-z0-9_-]+)$/.exec(hash);
  if (!match) return null;
  return unpack(match[1]);
}

// ---- Autosave ----
const AUTOSAVE_KEY = 'quentarb-playground';

export async function autosave(state) {
  try {
    localStorage.setItem(AUTOSAVE_KEY, await pack(state));
    return true;
  } catch {
    return false;  // over the storage quota, or storage turned off
  }
}

export async function restoreAutosave() {
  const text = localStorage.getItem(AUTOSAVE_KEY);
  if (!text) return null;
  try {
    return await unpack(text);
  } catch {
    return null;
  }
}
