// The playground page: one host session per document, the document window, the mode picker,
// presets, the options palette, the key hints, the document settings, links and autosave,
// opening files, exports and the status line.
import { HostSession, loadEngine, TOOL_SELECTOR } from './engine.js';
import {
  downloadName, drawingRecord, pngWithDrawing, readDrawingFile, svgOfArea, svgWithDrawing,
} from './files.js';
import { renderHints } from './hints.js';
import { DragInput, typingIn } from './input.js';
import { PaletteView } from './palette.js';
import { ModePicker, PopupPreviews, PresetList } from './picker.js';
import { PREVIEWED_POPUPS, ThumbnailEngine } from './previews.js';
import {
  DEFAULT_DOCUMENT, LINK_MAX_LENGTH, LINK_WARN_LENGTH, applyPaletteSettings, autosave, drawingState,
  fullDocument, linkFor, paletteSettings, restoreAutosave, settingsState, stateFromFragment,
} from './share.js';
import { FRAME } from './art_canvas.js';
import { PageView, pagePng } from './view.js';

const $ = (id) => document.getElementById(id);

const state = {
  session: null,
  alertsSeen: 0,
  held: 0,
  renderQueued: false,
  redraws: [0, 0, 0, 0],  // finished drawing jobs: -, new art above, beneath, everything
  timing: { count: 0, total: 0, last: 0 },
  nextStep: { start: null, plugin: 0, events: 0, eventTotal: 0 },  // events not yet drawn
  drawing: null,  // the step whose picture is being drawn
  lastStep: null,  // {plugin, drawing, paint, total, events} in ms, once one is shown
  steps: { count: 0, total: 0 },
  note: '',
  paths: 0,
  tool: 0,
  model: null,        // the palette model with its entries, as built
  tips: {},
  toolNames: [],
  presets: [],
  beforeClear: null,  // the document a Clear (or a preset, or an opened file) replaced: Undo brings it back
  afterClear: null,   // the document an Undo of that left: Redo goes to it again
  saves: 0,
  reader: null,       // a host of its own for reading gestures (see checkedEvents)
};
// Drawing time per animation frame while a picture takes longer (the page stays responsive).
const SLICE_MS = 40;
// The note on art too dense to show: from this many paths, most of them under 3 pixels
// across, or covering the art's area this many times over.
const NOTE_PATHS = 5000;
const SOLID_OVERDRAW = 16;
const SLOW_STEP_MS = 1000;

const view = new PageView($('stage'), $('sheet'), $('art'));
view.onZoom = (zoom) => { $('zoom-level').textContent = `${Math.round(zoom * 100)}%`; };
view.onChange = () => {
  // The dimmed pasteboard follows the page.
  const dim = $('page-dim');
  dim.style.width = `${view.page[0]}px`;
  dim.style.height = `${view.page[1]}px`;
  dim.style.transform = $('sheet').style.transform;
  requestRender();
};
const palette = new PaletteView($('palette'), $('palette-title'), onPaletteChange);
palette.onDone = () => $('stage').focus({ preventScroll: true });

// ---- Status ----
function message(text, info = false) {
  const el = $('stat-message');
  el.textContent = text;
  el.classList.toggle('info', info);
}

function errorText(code) {
  return state.session ? state.session.errorText(code) : String(code);
}

function noteResult(result, what) {
  if (result !== 0) message(`The plug-in returned error ${errorText(result)} at ${what}.`);
}

// performance.now() is coarse in browsers (0.1 ms without cross-origin isolation).
const ms = (n) => (n < 0.1 ? '< 0.1 ms' : `${n.toFixed(n < 10 ? 2 : 1)} ms`);

// The status line: the one place it is updated. It shows the last step: from the first drag
// event it shows to the frame after the picture with it (the plug-in, the drawing, and the
// browser's paint, measured to the next animation frame).
function showStatus() {
  const s = state.session.status(state.alertsSeen);
  state.alertsSeen = s.alertCount;
  if (s.alerts.length) message(`Alert: ${s.alerts.join('\n')}`);
  if (s.nonFinite) message(`${s.nonFinite} object(s) with geometry that is not finite are not drawn.`, true);
  const t = state.timing;
  const last = state.lastStep;
  $('stat-paths').textContent = String(state.paths);
  document.body.dataset.paths = String(state.paths);
  $('stat-events').textContent = String(t.count);
  const event = t.count ? `${ms(t.last)} per event (mean ${ms(t.total / t.count)})` : '';
  const step = last
    ? `whole step ${ms(last.total)}: plug-in ${ms(last.plugin)}, drawing ${ms(last.drawing)}, paint ${ms(last.paint)}`
    : '';
  $('stat-time').textContent = [event, step].filter(Boolean).join('; ') || '—';
  showNote();
  document.body.dataset.events = String(t.count);
  // The same figures for scripts, in ms: the last event, and the parts of the last step.
  document.body.dataset.eventMs = String(t.last);
  if (last) {
    Object.assign(document.body.dataset, {
      drawMs: String(last.drawing), paintMs: String(last.paint), stepMs: String(last.total),
      steps: String(state.steps.count), stepEvents: String(last.events),
    });
  }
}

// A quiet note when the art is more than the window can show, or a step takes long.
function showNote() {
  const last = state.lastStep;
  const counts = view.pictureCounts();
  const notes = [];
  const over = counts.area ? counts.ink / counts.area : 0;
  if (counts.paths >= NOTE_PATHS && over >= SOLID_OVERDRAW) {
    notes.push(`${state.paths.toLocaleString('en')} paths cover each pixel of the art about ${Math.round(over)} times: `
      + 'they merge into a solid area.');
  } else if (counts.tiny >= NOTE_PATHS && 2 * counts.tiny > counts.paths) {
    notes.push(`${counts.tiny.toLocaleString('en')} paths are under 3 pixels across at this zoom: `
      + 'they merge into a solid area (zoom in to tell them apart).');
  }
  if (last && last.total > SLOW_STEP_MS) notes.push(`A step takes ${(last.total / 1000).toFixed(1)} s at this count.`);
  const text = notes.join(' ');
  const el = $('stat-message');
  if (el.textContent !== '' && el.textContent !== state.note) return;  // an alert or message stays
  state.note = text;
  message(text, true);
}

// ---- Drawing: a slice per frame ----
// Drag events processed since the last call start (or extend) the step that shows them.
function noteEvents() {
  const t = state.timing;
  const step = state.nextStep;
  if (t.count === step.events) return;
  step.start ??= performance.now() - t.last;
  step.plugin += t.total - step.eventTotal;
  step.events = t.count;
  step.eventTotal = t.total;
}

// Undo and Redo are enabled only when they have something to do.
function showUndoState() {
  const s = state.session;
  $('undo').disabled = !(s?.canUndo() || (state.beforeClear && !s?.mouseIsDown));
  $('redo').disabled = !(s?.canRedo() || (state.afterClear && !s?.mouseIsDown));
}

function modeName(tool) { return (state.model?.items.find((i) => i.id === TOOL_SELECTOR)?.entries?.[tool] ?? '').trim(); }

function renderNow() {
  state.renderQueued = false;
  if (!state.session) return;
  noteEvents();
  const start = performance.now();
  const continuing = state.drawing !== null;
  view.fitCanvas();
  const frame = view.render(state.session, SLICE_MS);
  if (!continuing && frame.state !== FRAME.idle) {
    // A job started: it shows the events noted so far.
    const step = state.nextStep;
    state.drawing = { start: step.start ?? start, plugin: step.plugin, events: step.events, drawing: 0 };
    state.nextStep = { start: null, plugin: 0, events: step.events, eventTotal: step.eventTotal };
    document.body.dataset.drawing = '1';
  }
  if (state.drawing) state.drawing.drawing += performance.now() - start;
  if (frame.state === FRAME.done) {
    state.redraws[frame.job] += 1;
    document.body.dataset.redraws = state.redraws.join(' ');
    const job = state.drawing;
    state.drawing = null;
    const shownAt = performance.now();
    requestAnimationFrame(() => {
      const now = performance.now();
      state.lastStep = { ...job, paint: now - shownAt, total: now - job.start };
      state.steps.count += 1;
      state.steps.total += state.lastStep.total;
      if (state.drawing === null) delete document.body.dataset.drawing;
      if (state.session) showStatus();
    });
  } else if (frame.state === FRAME.working) {
    requestRender();
  }
  state.paths = state.session.pathCount();
  if (!continuing) {
    const model = state.session.palette(false);
    palette.update(model);
    state.tool = model.items.find((i) => i.id === TOOL_SELECTOR)?.value ?? 0;
    renderHints($('hints'), state.tool, state.held, modeName(state.tool));
    modes?.show(state.tool);
    showStatus();
  }
  $('empty-hint').hidden = state.paths > 0 || state.session.mouseIsDown;
  showUndoState();
}

function requestRender() {
  noteEvents();
  if (state.renderQueued) return;
  state.renderQueued = true;
  requestAnimationFrame(renderNow);
}

// ---- Keeping: the URL fragment holds the settings, local storage the drawing ----
let saveTimer = 0;
function changed() {
  clearTimeout(saveTimer);
  saveTimer = setTimeout(save, 200);
}

async function save() {
  const session = state.session;
  if (!session || session.mouseIsDown) return;
  const settings = settingsState(session);
  const link = await linkFor(settings);
  if (session !== state.session) return;
  history.replaceState(null, '', link);
  const kept = await autosave({ ...drawingState(session), settings });
  if (!kept) message('The drawing is too large to keep in this browser; the link keeps the settings.', true);
  document.body.dataset.saved = String(++state.saves);
}

// ---- Documents ----
function configFromForm() {
  const f = $('settings').elements;
  const config = {
    seed: Number(f.seed.value),
    page: [Number(f.width.value), Number(f.height.value)],
    colorModel: f.colorModel.value,
    strokeWidth: Number(f.strokeWidth.value),
    pressureDevice: f.pressureDevice.checked,
  };
  if (!Number.isInteger(config.seed)) throw new Error('seed: must be a whole number');
  // The command line's defaults are #ffffff and #000000: the form starts with them.
  config.fill = f.fill.value.trim();
  config.stroke = f.stroke.value.trim();
  return config;
}

function showConfig(config) {
  const f = $('settings').elements;
  f.seed.value = String(config.seed);
  [f.width.value, f.height.value] = config.page.map(String);
  f.colorModel.value = config.colorModel;
  f.strokeWidth.value = String(config.strokeWidth);
  f.pressureDevice.checked = config.pressureDevice;
  f.fill.value = config.fill;
  f.stroke.value = config.stroke;
}

// Makes `session` the page's document: palette, page, form and canvas follow it.
function adopt(session) {
  const pageChanged = !state.session || state.session.config.page.join() !== session.config.page.join();
  state.session = session;
  state.alertsSeen = 0;
  state.timing = { count: 0, total: 0, last: 0 };
  state.nextStep = { start: null, plugin: 0, events: 0, eventTotal: 0 };
  state.drawing = null;
  state.model = session.palette(true);
  palette.build(state.model);
  if (pageChanged) view.setPage(session.config.page[0], session.config.page[1]);
  showConfig(session.config);
  renderNow();
  changed();
}

function dropSession(session) {
  if (session && session !== state.session) session.stop();
}

// Starts a document; its palette either keeps the values of `carry` (a palette model), or
// `replay` (a log) is played again, or `settings` (tool, shape, sets) are applied, or `build`
// runs on it. With `undoable`, Undo brings the document it replaces back.
async function newDocument(config, { carry = null, replay = null, settings = null, build = null, undoable = false } = {}) {
  const session = await HostSession.start(config);
  try {
    if (carry) session.carryPalette(carry);
    if (replay) session.replay(replay);
    if (settings) applyPaletteSettings(session, settings);
    if (build) build(session);
  } catch (e) {
    session.stop();
    throw e;
  }
  const old = state.session;
  dropSession(state.afterClear);
  state.afterClear = null;
  if (undoable && old?.hasDrawing()) {
    dropSession(state.beforeClear);
    state.beforeClear = old;
  } else if (old) {
    if (old !== state.beforeClear) old.stop();
  }
  adopt(session);
}

async function restart(options) {
  try {
    await newDocument(configFromForm(), options);
    message('');
  } catch (e) {
    message(e.message);
  }
}

function onPaletteChange(item, value) {
  if (!state.session) return;
  state.session.change(item, value);
  renderNow();
  changed();
}

// ---- Undo and redo: the host's, then the document a Clear replaced ----
function undo() {
  const session = state.session;
  if (!session || session.mouseIsDown) return false;
  if (session.undoLastDrag()) {
    renderNow();
  } else if (state.beforeClear) {
    const back = state.beforeClear;
    state.beforeClear = null;
    dropSession(state.afterClear);
    state.afterClear = session;
    adopt(back);
  } else {
    return false;
  }
  changed();
  return true;
}

function redo() {
  const session = state.session;
  if (!session || session.mouseIsDown) return false;
  if (session.redoLastDrag()) {
    renderNow();
  } else if (state.afterClear) {
    const again = state.afterClear;
    state.afterClear = null;
    state.beforeClear = session;
    adopt(again);
  } else {
    return false;
  }
  changed();
  return true;
}

// ---- Input ----
const input = new DragInput($('stage'), view, {
  session: () => state.session,
  pressureDevice: () => state.session?.config.pressureDevice ?? false,
  penFound: async () => {
    $('settings').elements.pressureDevice.checked = true;
    const log = state.session.log;
    await restart({ replay: log });
    message('A pen: the host now reports a pressure device. Draw again.', true);
  },
  started: (result) => {
    // A new drag: what an Undo of a Clear left is gone for good.
    dropSession(state.afterClear);
    state.afterClear = null;
    $('empty-hint').hidden = true;
    showUndoState();
    noteResult(result, 'mouse down');
  },
  processed: ({ result, ms }) => {
    const t = state.timing;
    t.count += 1;
    t.total += ms;
    t.last = ms;
    noteResult(result, 'a drag event');
    requestRender();
  },
  finished: (result) => {
    noteResult(result, 'mouse up');
    renderNow();
    changed();
  },
  cancelled: (result) => {
    noteResult(result, 'mouse up');
    message('The drag was cancelled.', true);
    renderNow();
    changed();
  },
  modifiers: (bits) => {
    state.held = bits;
    renderHints($('hints'), state.tool ?? 0, bits, modeName(state.tool ?? 0));
  },
});

// ---- Files ----
function download(name, data, type) {
  const url = URL.createObjectURL(data instanceof Blob ? data : new Blob([data], { type }));
  const a = document.createElement('a');
  a.href = url;
  a.download = name;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 1000);
}

const fileName = (kind, options) => downloadName(state.toolNames[state.tool] ?? 'drawing', kind, options);

// The command line that replays an exported gesture into the same document.
function commandFor(config, gestureName) {
  const args = ['quentarb', 'draw', '--gesture', gestureName, '--seed', String(config.seed),
    '--page', config.page.join(','), '--color-model', config.colorModel,
    '--stroke-width', String(config.strokeWidth), '--fill', `'${config.fill}'`, '--stroke', `'${config.stroke}'`];
  if (config.pressureDevice) args.push('--pressure-device');
  return [...args, '--out', gestureName.replace(/\.gesture\.json$/, '.json')].join(' ');
}

// The area the SVG and PNG exports hold: the page, or the bounds of all art.
function exportArea() {
  const page = state.session.config.page;
  if ($('export-area').value !== 'all') return { name: 'page', rect: [0, 0, page[0], page[1]] };
  const bounds = state.session.artBounds();
  return bounds ? { name: 'all', rect: bounds } : { name: 'page', rect: [0, 0, page[0], page[1]] };
}

// Events from outside (a file, a link, the autosave) are read as `quentarb draw` reads a
// gesture file, with its checks, before any reaches the host.
function checkedEvents(events) {
  const read = state.reader.normalizeGesture(JSON.stringify({ events }));
  if (read.error) throw new Error(read.error);
  return read.events;
}

async function openFile(file) {
  try {
    const record = await readDrawingFile(file);
    if (record.error) {
      message(record.error);
      return;
    }
    const read = record.text !== undefined ? state.reader.normalizeGesture(record.text) : { events: checkedEvents(record.events) };
    if (read.error) throw new Error(read.error);
    await newDocument(fullDocument(record.document ?? {}), { replay: read.events, undoable: true });
    message(record.note ?? `Opened ${file.name}.`, true);
  } catch (e) {
    message(`${file.name}: ${e.message}`);
  }
}

async function copyLink(withDrawing) {
  const session = state.session;
  const link = await linkFor(withDrawing ? drawingState(session) : settingsState(session));
  if (link.length > LINK_MAX_LENGTH) {
    message(`The link with this drawing would be ${link.length} characters, more than a browser opens. Export the gesture, SVG or PNG to share it.`);
    return;
  }
  document.body.dataset.link = link;
  try {
    await navigator.clipboard.writeText(link);
  } catch {
    // no clipboard here: the link is shown below to copy by hand
  }
  if (withDrawing && link.length > LINK_WARN_LENGTH) {
    message(`Copied a link of ${link.length} characters: long for a drawing, and some apps cut links that long. The exported gesture, SVG or PNG carries any drawing.`, true);
  } else {
    message(`Copied the link (${link.length} characters).`, true);
  }
}

// ---- Buttons ----
$('undo').addEventListener('click', undo);
$('redo').addEventListener('click', redo);
$('clear').addEventListener('click', () => restart({ carry: state.session?.palette(false), undoable: true }));
$('zoom-in').addEventListener('click', () => view.zoomBy(1.25));
$('zoom-out').addEventListener('click', () => view.zoomBy(0.8));
$('zoom-fit').addEventListener('click', () => view.fit());
$('open').addEventListener('click', () => $('open-file').click());
$('open-file').addEventListener('change', async (e) => {
  const [file] = e.target.files;
  e.target.value = '';
  if (file) await openFile(file);
});
$('copy-link').addEventListener('click', () => copyLink(false));
$('copy-drawing-link').addEventListener('click', () => copyLink(true));
$('export-svg').addEventListener('click', () => {
  const session = state.session;
  const area = exportArea();
  let svg = session.documentSvg();
  if (area.name === 'all') svg = svgOfArea(svg, area.rect, session.config.page[1]);
  download(fileName('svg', { area: area.name }), svgWithDrawing(svg, drawingRecord(session)), 'image/svg+xml');
});
$('export-png').addEventListener('click', async () => {
  const session = state.session;
  const scale = Number($('png-scale').value);
  const area = exportArea();
  try {
    const blob = await pagePng(session, session.config.page, scale, area.rect);
    download(fileName('png', { scale, area: area.name }), await pngWithDrawing(blob, drawingRecord(session)), 'image/png');
  } catch (e) {
    message(e.message);
  }
  requestRender();  // the export brought the art up to date: the window follows
});
$('export-json').addEventListener('click', () => download(fileName('json'), state.session.documentJson(), 'application/json'));
$('export-gesture').addEventListener('click', () => {
  const session = state.session;
  const name = fileName('gesture');
  const gesture = { command: commandFor(session.config, name), document: session.config, ...session.gesture() };
  download(name, `${JSON.stringify(gesture, null, 1)}\n`, 'application/json');
});
$('settings').addEventListener('submit', (e) => {
  e.preventDefault();
  restart({ carry: state.session?.palette(false), undoable: true });
});
$('show-shortcuts').addEventListener('click', () => $('shortcuts').showModal());
$('toggle-side').addEventListener('click', () => {
  const open = $('side').classList.toggle('open');
  $('toggle-side').setAttribute('aria-expanded', String(open));
});

// Keys act on the drawing when the focus is not in a field, and whenever the pointer is over
// the page. A palette field never does the browser's text undo: it shows the host's value.
window.addEventListener('keydown', (e) => {
  const typing = typingIn(e.target);
  const inPalette = e.target instanceof HTMLElement && e.target.closest('#palette') !== null;
  const forDrawing = !typing || input.pointerOver || inPalette;
  const ctrl = e.ctrlKey || e.metaKey;
  const key = e.key.toLowerCase();
  if (ctrl && !e.altKey && (key === 'z' || key === 'y') && forDrawing) {
    e.preventDefault();
    if (inPalette) palette.revert(e.target);
    if (key === 'y' || e.shiftKey) redo();
    else undo();
    return;
  }
  if (e.key === 'Escape' && inPalette && !e.defaultPrevented) {
    palette.revert(e.target);
    $('stage').focus({ preventScroll: true });
    return;
  }
  if (typing || ctrl || e.altKey) return;
  if (e.key === '?') {
    e.preventDefault();
    $('shortcuts').showModal();
  } else if (e.key === '+' || e.key === '=') {
    view.zoomBy(1.25);
  } else if (e.key === '-') {
    view.zoomBy(0.8);
  } else if (e.key === '0') {
    view.fit();
  }
});
window.addEventListener('resize', () => view.apply());
// A new pixel density (the browser's zoom, another screen) needs a full redraw at it.
(function watchDensity() {
  matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', () => {
    view.onChange();
    watchDensity();
  }, { once: true });
})();

// Dropping a file on the page opens it.
let dragDepth = 0;
window.addEventListener('dragenter', (e) => {
  if (!e.dataTransfer?.types.includes('Files')) return;
  dragDepth += 1;
  $('drop-hint').hidden = false;
});
window.addEventListener('dragleave', () => {
  dragDepth = Math.max(0, dragDepth - 1);
  if (!dragDepth) $('drop-hint').hidden = true;
});
window.addEventListener('dragover', (e) => e.preventDefault());
window.addEventListener('drop', async (e) => {
  e.preventDefault();
  dragDepth = 0;
  $('drop-hint').hidden = true;
  const [file] = e.dataTransfer?.files ?? [];
  if (file) await openFile(file);
});

// ---- Modes, presets and previews ----
let modes = null;
let presetList = null;
let previews = null;
const thumbnails = new ThumbnailEngine();

async function loadPresets() {
  const response = await fetch('presets.json');
  if (!response.ok) throw new Error(`cannot load presets.json (HTTP ${response.status})`);
  const table = await response.json();
  return table.presets.map((p) => ({
    ...p,
    toolNumber: state.toolNames.indexOf(p.tool),
    config: fullDocument({ ...table.document, ...p.document }),
  }));
}

// A preset: a new document with its settings, its tool, line type and options, and its drag
// made as `quentarb gallery` makes it (straight, the last event exactly at the end).
async function applyPreset(preset) {
  const { from, to, steps = 8 } = preset.drag;
  try {
    await newDocument(preset.config, {
      undoable: true,
      build: (session) => {
        // In the order `quentarb draw --tool --shape --set` takes them.
        session.selectTool(preset.toolNumber);
        session.selectShape(preset.shape);
        for (const [option, value] of preset.sets) session.setOption(option, value);
        session.mouseDown(from);
        for (let i = 1; i <= steps; ++i) {
          const t = i / steps;
          session.mouseDrag(i === steps ? to : [from[0] + (to[0] - from[0]) * t, from[1] + (to[1] - from[1]) * t], 255, 0);
        }
        session.mouseUp();
      },
    });
    message(`Preset: ${preset.title}. Undo brings the drawing before it back.`, true);
  } catch (e) {
    message(e.message);
  }
}

function setUpPanels() {
  const toolEntries = state.model.items.find((i) => i.id === TOOL_SELECTOR).entries;
  modes = new ModePicker($('modes'), toolEntries, (tool) => {
    onPaletteChange(state.session.palette(false).items.find((i) => i.id === TOOL_SELECTOR), tool);
  });
  presetList = new PresetList($('presets'), state.presets, applyPreset);
  presetList.describe(state.model, state.tips, state.session.catalog);
  previews = new PopupPreviews($('previews'), thumbnails, {
    settings: () => paletteSettings(state.session),
    entries: (item) => state.model.items.find((i) => i.id === item)?.entries ?? [],
    choose: (item, index) => onPaletteChange(state.session.palette(false).items.find((i) => i.id === item), index),
  });
  const popupOf = (target) => {
    const el = target instanceof HTMLElement ? target.closest('#palette [data-item]') : null;
    const item = el ? Number(el.dataset.item) : -1;
    return PREVIEWED_POPUPS.has(item) ? item : null;
  };
  const show = (e) => {
    const item = popupOf(e.target);
    if (item !== null && previews.item !== item) previews.open(item);
  };
  $('palette').addEventListener('focusin', show);
  $('palette').addEventListener('pointerover', show);
  modes.show(state.tool);
}

// The first document: a link's drawing or settings, else what was kept, else the defaults.
async function firstDocument() {
  let fragment = null;
  try {
    fragment = await stateFromFragment(location.hash);
  } catch {
    message('The link is damaged: it opens nothing.');
  }
  const saved = await restoreAutosave();
  const sameSettings = saved && fragment && JSON.stringify(saved.settings) === JSON.stringify(fragment);
  const open = async (record, what) => {
    try {
      if (record.events) await newDocument(fullDocument(record.doc), { replay: checkedEvents(record.events) });
      else await newDocument(fullDocument(record.doc), { settings: record });
      return true;
    } catch (e) {
      message(`The ${what} could not be opened: ${e.message}`);
      return false;
    }
  };
  if (fragment && !sameSettings && await open(fragment, 'link')) return;
  if (saved && (!fragment || sameSettings) && await open(saved, 'kept drawing')) return;
  await newDocument({ ...DEFAULT_DOCUMENT, page: [...DEFAULT_DOCUMENT.page] });
}

// ---- Start ----
try {
  await loadEngine();
  // An instance that reads files and links, and tells tooltips and tool names; it draws nothing.
  state.reader = await HostSession.start({ ...DEFAULT_DOCUMENT });
  state.tips = state.reader.controlTips();
  state.toolNames = state.reader.toolNames();
  palette.setTips(state.tips);
  state.presets = await loadPresets();
  await firstDocument();
  setUpPanels();
  document.body.dataset.ready = '1';
  // The thumbnails take the main thread for a moment; scripts that time the page wait for them.
  modes.drawThumbnails(thumbnails, state.presets);
  presetList.drawThumbnails(thumbnails).then(() => { document.body.dataset.thumbnails = 'done'; });
} catch (e) {
  message(`The playground could not start: ${e.message}`);
  console.error(e);
}
