// The playground page: one host session per document, the document window, the options
// palette, the key hints, the document settings, exports and the status line.
import { HostSession, loadEngine } from './engine.js';
import { renderHints } from './hints.js';
import { DragInput } from './input.js';
import { PaletteView } from './palette.js';
import { PageView, pagePng } from './view.js';

const TOOL_SELECTOR = 21;
const $ = (id) => document.getElementById(id);

const state = {
  session: null,
  alertsSeen: 0,
  held: 0,
  renderQueued: false,
  redrawAll: true,  // the canvas must be drawn again in full (pan, zoom, size)
  redraws: [0, 0, 0, 0],  // frames that drew nothing, new art above, beneath, everything
  timing: { count: 0, total: 0, last: 0, draw: 0 },
  paths: 0,
};

const view = new PageView($('stage'), $('sheet'), $('art'));
view.onZoom = (zoom) => { $('zoom-level').textContent = `${Math.round(zoom * 100)}%`; };
view.onChange = () => {
  state.redrawAll = true;
  requestRender();
};
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

function showStatus() {
  const s = state.session.status(state.alertsSeen);
  state.alertsSeen = s.alertCount;
  if (s.alerts.length) message(`Alert: ${s.alerts.join('\n')}`);
  if (s.nonFinite) message(`${s.nonFinite} object(s) with geometry that is not finite are not drawn.`, true);
  const t = state.timing;
  $('stat-paths').textContent = String(state.paths);
  document.body.dataset.paths = String(state.paths);
  $('stat-events').textContent = String(t.count);
  $('stat-time').textContent = t.count
    ? `${ms(t.last)} per event (mean ${ms(t.total / t.count)}); drawing ${ms(t.draw)}`
    : '—';
  document.body.dataset.events = String(t.count);
  // The same figures for scripts: the last event and the last drawing, in ms.
  document.body.dataset.eventMs = String(t.last);
  document.body.dataset.drawMs = String(t.draw);
}

// ---- Drawing: at most once per frame ----
function renderNow() {
  state.renderQueued = false;
  if (!state.session) return;
  const start = performance.now();
  const everything = view.fitCanvas() || state.redrawAll;
  state.redrawAll = false;
  const art = state.session.drawUpdate(everything);
  view.draw(art.how, art);
  state.redraws[art.how] += 1;
  document.body.dataset.redraws = state.redraws.join(' ');
  state.paths = state.session.pathCount();
  const model = state.session.palette(false);
  palette.update(model);
  state.tool = model.items.find((i) => i.id === TOOL_SELECTOR)?.value ?? 0;
  renderHints($('hints'), state.tool, state.held);
  state.timing.draw = performance.now() - start;
  showStatus();
}

function requestRender() {
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
  state.timing = { count: 0, total: 0, last: 0, draw: 0 };
  palette.build(session.palette(true));
  view.setBlendModes(session.blendModeNames());
  state.redrawAll = true;
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
    const blob = await pagePng(session.blendModeNames(), session.drawUpdate(true), view.page, scale);
    download('quentarb.png', blob, 'image/png');
  } catch (e) {
    message(e.message);
  }
  // The engine handed the whole art to the export: the window draws it all again.
  state.redrawAll = true;
  requestRender();
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
