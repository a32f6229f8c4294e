// The playground page: one host session per document, the document window, the options
// palette, the key hints, the document settings, exports and the status line.
import { HostSession, loadEngine } from './engine.js';
import { renderHints } from './hints.js';
import { DragInput } from './input.js';
import { PaletteView } from './palette.js';
import { FRAME } from './art_canvas.js';
import { PageView, pagePng } from './view.js';

const TOOL_SELECTOR = 21;
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
view.onChange = () => requestRender();
const palette = new PaletteView($('palette'), $('palette-title'), onPaletteChange);

// ---- Status ----
function message(text, info = false) {
  const el = $('stat-message');
  el.textContent = text;
  el.classList.toggle('info', info);
}

function errorText(code) {
  let text = String(code);
  if (code > 16384) {
    const chars = [24, 16, 8, 0].map((s) => String.fromCharCode((code >>> s) & 0xff)).join('');
    text += ` ('${chars}')`;
  }
  return text;
}

function noteResult(result, what) {
  if (result !== 0) message(`The plug-in returned error ${errorText(result)} at ${what}.`);
}

// performance.now() is coarse in browsers (0.1 ms without cross-origin isolation).
const ms = (n) => (n < 0.1 ? '< 0.1 ms' : `${n.toFixed(n < 10 ? 2 : 1)} ms`);

// The last step: from the first drag event it shows to the frame after the picture with it
// (the plug-in, the drawing, and the browser's paint, measured to the next animation frame).
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
    renderHints($('hints'), state.tool, state.held);
    showStatus();
  }
}

function requestRender() {
  noteEvents();
  if (state.renderQueued) return;
  state.renderQueued = true;
  requestAnimationFrame(renderNow);
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

// Starts a document; the palette either keeps the values of `carry` (a palette model) or
// the whole event log of `replay` is played again.
async function newDocument(config, { carry = null, replay = null } = {}) {
  const session = await HostSession.start(config);
  if (carry) session.carryPalette(carry);
  if (replay) session.replay(replay);
  state.session?.stop();
  state.session = session;
  state.alertsSeen = 0;
  state.timing = { count: 0, total: 0, last: 0 };
  state.nextStep = { start: null, plugin: 0, events: 0, eventTotal: 0 };
  state.drawing = null;
  palette.build(session.palette(true));
  view.setBlendModes(session.blendModeNames());
  view.setPage(config.page[0], config.page[1]);
  renderNow();
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
}

// ---- Input ----
new DragInput($('stage'), view, {
  session: () => state.session,
  pressureDevice: () => state.session?.config.pressureDevice ?? false,
  penFound: async () => {
    $('settings').elements.pressureDevice.checked = true;
    const log = state.session.log;
    await restart({ replay: log });
    message('A pen: the host now reports a pressure device. Draw again.', true);
  },
  started: (result) => { noteResult(result, 'mouse down'); },
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
  },
  modifiers: (bits) => {
    state.held = bits;
    renderHints($('hints'), state.tool ?? 0, bits);
  },
});

// ---- Buttons ----
function download(name, text, type) {
  const url = URL.createObjectURL(new Blob([text], { type }));
  const a = document.createElement('a');
  a.href = url;
  a.download = name;
  document.body.append(a);
  a.click();
  a.remove();
  setTimeout(() => URL.revokeObjectURL(url), 1000);
}

// The command line that replays an exported gesture into the same document.
function commandFor(config) {
  const args = ['quentarb', 'draw', '--gesture', 'quentarb-gesture.json', '--seed', String(config.seed),
    '--page', config.page.join(','), '--color-model', config.colorModel,
    '--stroke-width', String(config.strokeWidth), '--fill', `'${config.fill}'`, '--stroke', `'${config.stroke}'`];
  if (config.pressureDevice) args.push('--pressure-device');
  return [...args, '--out', 'quentarb.json'].join(' ');
}

$('undo').addEventListener('click', () => {
  if (state.session?.undoLastDrag()) renderNow();
});
$('clear').addEventListener('click', () => restart({ carry: state.session?.palette(false) }));
$('zoom-in').addEventListener('click', () => view.zoomBy(1.25));
$('zoom-out').addEventListener('click', () => view.zoomBy(0.8));
$('zoom-fit').addEventListener('click', () => view.fit());
$('export-svg').addEventListener('click', () => download('quentarb.svg', state.session.documentSvg(), 'image/svg+xml'));
$('export-png').addEventListener('click', async () => {
  const session = state.session;
  const scale = Number($('png-scale').value);
  try {
    const blob = await pagePng(session, view.page, scale);
    download('quentarb.png', blob, 'image/png');
  } catch (e) {
    message(e.message);
  }
  requestRender();  // the export brought the art up to date: the window follows
});
$('export-json').addEventListener('click', () => download('quentarb.json', state.session.documentJson(), 'application/json'));
$('export-gesture').addEventListener('click', () => {
  const session = state.session;
  const gesture = { command: commandFor(session.config), ...session.gesture() };
  download('quentarb-gesture.json', `${JSON.stringify(gesture, null, 1)}\n`, 'application/json');
});
$('settings').addEventListener('submit', (e) => {
  e.preventDefault();
  restart({ carry: state.session?.palette(false) });
});
window.addEventListener('keydown', (e) => {
  const typing = e.target instanceof HTMLElement && e.target.closest('input, select, textarea');
  if (!typing && (e.ctrlKey || e.metaKey) && e.key.toLowerCase() === 'z' && state.session?.undoLastDrag()) {
    e.preventDefault();
    renderNow();
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

// ---- Start ----
try {
  await loadEngine();
  await newDocument(configFromForm());
  document.body.dataset.ready = '1';
} catch (e) {
  message(`The playground could not start: ${e.message}`);
  console.error(e);
}
