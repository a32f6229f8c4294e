// The playground's browser benchmark (a script, not a test): drags in the page in headless
// Chromium, each step one pointer move and then the wait until the page shows it (its
// picture drawn and the next animation frame). Reports per step the wall time and the page's
// own figures (the plug-in's time for the event, the drawing, the paint), the targets against
// the 10 × 10 step of the same run, and pan and zoom after a long styled Trail drag: the
// first frame, the crisp picture and the longest frame in between.
//   node tests/browser/bench.mjs [--quick]   (the page from PLAYGROUND_SITE, default build/wasm/site;
//   --quick: the targets (but the 300 × 300 grid of shapes with area), the 10 × 10 and
//   100 × 100 grids, the short Trail-on drag and 30 Trail-on steps; --trail: only the 10 × 10
//   grid and the Trail-on drag up to 100,000 paths, where the draw list's upkeep shows)
// Results go to BENCHMARKS.md by hand; the machine's load is printed with them.
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath } from 'node:url';

import { chromium } from 'playwright-core';

import { check, choose, chooseTool, clientPoint, launchChromium, openPage, pathCount, typeInto } from './helpers.mjs';
import { serve } from './server.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const quick = process.argv.includes('--quick');
const trailOnly = process.argv.includes('--trail');
const STEPS = 10;

// Palette items: copies of each mode, Trail, Warp, and the shared styling options.
const GRID_COLUMNS = 25;
const GRID_ROWS = 26;
const GRID_TRAIL = 29;
const LARGEST = [
  { label: 'grid 300 × 300', tool: 0, spins: [[25, 300], [26, 300]], warp: 30 },
  { label: 'drag 500', tool: 1, spins: [[42, 500]], warp: 48 },
  { label: 'zoom 500', tool: 2, spins: [[50, 500]], warp: 55 },
  { label: 'framed 300 × 300', tool: 3, spins: [[70, 300], [71, 300]], warp: 79 },
  { label: 'rim random 300', tool: 4, spins: [[90, 300]], warp: 97 },
  { label: 'windmill 300 × 30', tool: 5, spins: [[110, 300], [111, 30]], warp: 127 },
  { label: 'scale down 500', tool: 6, spins: [[140, 500]], warp: 148 },
  { label: 'bounce along 500', tool: 7, spins: [[180, 500]], warp: 188 },
  { label: 'spiral 500 × 50', tool: 8, spins: [[200, 500], [205, 50]], warp: 211 },
  { label: 'checkerboard 300 × 300', tool: 9, spins: [[230, 300], [231, 300]], warp: 236 },
  { label: 'background 300', tool: 12, spins: [[290, 300]], warp: 297 },
];

// The issue's styling: Opacity, Blend, pattern 5, Random fill and Closed.
async function issueStyled(page, shape = null) {
  await check(page, 9);
  await check(page, 10);
  await choose(page, 17, 5);
  await choose(page, 12, 3);
  await check(page, 23);
  if (shape !== null) await choose(page, 22, shape);
}
const RANDOM_CURVED_LINE = 13;  // shapes with area: fill and stroke composite together

async function styled(page, warp) {
  await choose(page, 17, 1);  // pattern
  await check(page, 9);  // opacity
  await check(page, 10);  // blend
  await check(page, 16);  // width
  await choose(page, 12, 3);  // fill: random colours
  await choose(page, 13, 3);  // stroke: random colours
  if (warp) await check(page, warp);
}

const frames = (page) => page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));

// Resolves once the page shows every event it processed: the step's picture drawn and the
// animation frame after it.
const stepShown = (page) => page.waitForFunction(
  () => !document.body.dataset.drawing && document.body.dataset.stepEvents === document.body.dataset.events,
  null, { polling: 'raf', timeout: 600000 });

// A drag of `steps` steps from the page's middle; returns per-step figures.
async function measureDrag(page, steps, { radius = 60 } = {}) {
  const centre = await clientPoint(page, [306, 396]);
  await page.mouse.move(...centre);
  await page.mouse.down();
  await frames(page);
  const rows = [];
  for (let i = 1; i <= steps; ++i) {
    // Around a circle, so that every step moves the art.
    const a = (i / Math.max(steps, 10)) * 2 * Math.PI;
    const at = [centre[0] + radius * Math.sin(a), centre[1] - radius * (1 - Math.cos(a)) / 2 - i * 0.5];
    const before = await page.evaluate(() => Number(document.body.dataset.events ?? 0));
    const start = performance.now();
    await page.mouse.move(...at);
    await page.waitForFunction((n) => Number(document.body.dataset.events) > n, before, { polling: 'raf' });
    await stepShown(page);
    const wall = performance.now() - start;
    const figures = await page.evaluate(() => ({
      event: Number(document.body.dataset.eventMs), draw: Number(document.body.dataset.drawMs),
      paint: Number(document.body.dataset.paintMs), step: Number(document.body.dataset.stepMs),
      paths: Number(document.body.dataset.paths),
    }));
    rows.push({ wall, ...figures });
  }
  await page.mouse.up();
  await stepShown(page);
  return rows;
}

// A view change made in the page at once, timed there: to the first animation frame (the
// picture moved), to the crisp picture shown, and the longest frame in between.
async function measureView(page, change) {
  return page.evaluate(async (what) => {
    const stage = document.getElementById('stage');
    const r = stage.getBoundingClientRect();
    const start = performance.now();
    if (what === 'wheel') {
      stage.dispatchEvent(new WheelEvent('wheel', { deltaY: 100, clientX: r.left + r.width / 2,
        clientY: r.top + r.height / 2, bubbles: true, cancelable: true }));
    } else if (what === 'fit') {
      document.getElementById('zoom-fit').click();
    } else {
      const at = { pointerId: 7, pointerType: 'mouse', isPrimary: true, bubbles: true, clientX: r.left + 300, clientY: r.top + 300 };
      window.dispatchEvent(new KeyboardEvent('keydown', { key: ' ', bubbles: true }));
      stage.dispatchEvent(new PointerEvent('pointerdown', { ...at, button: 0, buttons: 1 }));
      stage.dispatchEvent(new PointerEvent('pointermove', { ...at, buttons: 1, clientX: at.clientX + 40, clientY: at.clientY + 25 }));
      stage.dispatchEvent(new PointerEvent('pointerup', { ...at, button: 0, buttons: 0, clientX: at.clientX + 40, clientY: at.clientY + 25 }));
      window.dispatchEvent(new KeyboardEvent('keyup', { key: ' ', bubbles: true }));
    }
    const frame = () => new Promise((resolve) => requestAnimationFrame(() => resolve(performance.now())));
    let last = await frame();
    const first = last - start;
    let longest = first;
    while (document.body.dataset.drawing) {
      const now = await frame();
      longest = Math.max(longest, now - last);
      last = now;
    }
    return { first, crisp: last - start, longest };
  }, change);
}

const median = (xs) => {
  const s = [...xs].sort((a, b) => a - b);
  return s.length % 2 ? s[(s.length - 1) / 2] : (s[s.length / 2 - 1] + s[s.length / 2]) / 2;
};
const summary = (rows) => ({
  paths: rows.at(-1).paths,
  event: median(rows.map((r) => r.event)),
  draw: median(rows.map((r) => r.draw)),
  paint: median(rows.map((r) => r.paint)),
  wall: median(rows.map((r) => r.wall)),
  worst: Math.max(...rows.map((r) => r.wall)),
});
const fmt = (ms) => (ms < 10 ? ms.toFixed(1) : Math.round(ms).toLocaleString('en'));

const out = [];
function line(text) {
  out.push(text);
  console.log(text);
}
function row(label, s, base) {
  const ratio = base ? ` | ${(s.wall / base).toFixed(2)} ×` : ' | ';
  line(`| ${label} | ${s.paths.toLocaleString('en')} | ${fmt(s.event)} ms | ${fmt(s.draw)} ms | ${fmt(s.paint)} ms | ${fmt(s.wall)} ms${ratio} |`);
}
const HEADER = ['| drag | paths | plug-in per event | drawing | paint | wall per step | × 10 × 10 |',
  '|---|---:|---:|---:|---:|---:|---:|'];

const server = await serve(process.env.PLAYGROUND_SITE ?? path.join(root, 'build/wasm/site'));
let browser = await launchChromium(chromium);
const fresh = async () => {
  if (!browser.isConnected()) browser = await launchChromium(chromium);
  return openPage(browser, server.url);
};

line(`Chromium ${browser.version()}, ${os.cpus().length} cores, load before: ${os.loadavg().map((l) => l.toFixed(2)).join(' ')}`);
line('');
line('Medians of the steps of one drag (10 steps: a pointer move, then the wait until the page shows it).');
line('');
line(HEADER[0]);
line(HEADER[1]);

let base = 0;
const grid = async (n, label, setUp = async () => {}, steps = STEPS) => {
  const { page, close } = await fresh();
  await typeInto(page, GRID_COLUMNS, n);
  await typeInto(page, GRID_ROWS, n);
  await setUp(page);
  const s = summary(await measureDrag(page, steps));
  if (!base) base = s.wall;
  row(label, s, base);
  await close();
  return s;
};
await grid(10, 'grid 10 × 10');

if (!trailOnly) {
  // The targets: the issue's styled grids (Opacity, Blend, pattern 5, Random fill, Closed),
  // the same with shapes that have area, and pan and zoom after a 60,000-path styled Trail drag.
  line('');
  line('The targets: Opacity, Blend, pattern 5, Random fill and Closed (the default line; then the random curved line, whose shapes have area).');
  line('');
  line(HEADER[0]);
  line(HEADER[1]);
  const targets = [];
  const targetGrids = [[100, null], [300, null], [100, RANDOM_CURVED_LINE], ...(quick ? [] : [[300, RANDOM_CURVED_LINE]])];
  for (const [n, shape] of targetGrids) {
    // Shapes with area cost far more per step: three steps of those.
    const steps = shape === null ? STEPS : 3;
    const label = `grid ${n} × ${n}, styled${shape === null ? '' : `, random curved line (${steps} steps)`}`;
    const s = await grid(n, label, (page) => issueStyled(page, shape), steps);
    targets.push({ label, ratio: s.wall / base, worst: s.worst });
  }
  line('');
  line('Worst step: ' + targets.map((t) => `${t.label} ${fmt(t.worst)} ms`).join('; '));
  {
    line('');
    line('After a styled Trail drag of 60,000 paths (grid 15 × 15, the same styling, Trail on, 67 steps): view changes.');
    line('');
    line('| change | first frame | crisp | longest frame |');
    line('|---|---:|---:|---:|');
    const { page, close } = await fresh();
    await typeInto(page, GRID_COLUMNS, 15);
    await typeInto(page, GRID_ROWS, 15);
    await issueStyled(page);
    await check(page, GRID_TRAIL);
    const rows = await measureDrag(page, 67, { radius: 120 });
    line(`(${rows.at(-1).paths.toLocaleString('en')} paths; the last drag step ${fmt(rows.at(-1).wall)} ms)`);
    for (const change of ['wheel', 'wheel', 'wheel', 'fit', 'pan', 'pan']) {
      const v = await measureView(page, change);
      line(`| ${change === 'wheel' ? 'wheel notch' : change === 'fit' ? 'Fit' : 'pan step'} | ${fmt(v.first)} ms | ${fmt(v.crisp)} ms | ${fmt(v.longest)} ms |`);
    }
    await close();
  }

  line('');
  line('The issue\'s other drags.');
  line('');
  line(HEADER[0]);
  line(HEADER[1]);
  for (const n of quick ? [100] : [50, 100, 300]) await grid(n, `grid ${n} × ${n}`);
  {
    const { page, close } = await fresh();
    await typeInto(page, GRID_COLUMNS, 30);
    await typeInto(page, GRID_ROWS, 30);
    await check(page, GRID_TRAIL);
    row('grid 30 × 30, Trail on (10 events)', summary(await measureDrag(page, STEPS)), base);
    await close();
  }
}

// Trail on up to 100,000 paths: the step time as the art accumulates.
line('');
line('Trail on, grid 30 × 30 (900 paths per event), up to 100,000 paths: medians of 10 steps.');
line('');
line('| paths after the steps | plug-in per event | drawing | paint | wall per step | × 10 × 10 |');
line('|---:|---:|---:|---:|---:|---:|');
{
  const { page, close } = await fresh();
  await typeInto(page, GRID_COLUMNS, 30);
  await typeInto(page, GRID_ROWS, 30);
  await check(page, GRID_TRAIL);
  const rows = await measureDrag(page, quick && !trailOnly ? 30 : 112, { radius: 120 });
  for (let i = 0; i + 10 <= rows.length; i += quick ? 10 : 20) {
    const s = summary(rows.slice(i, i + 10));
    line(`| ${s.paths.toLocaleString('en')} | ${fmt(s.event)} ms | ${fmt(s.draw)} ms | ${fmt(s.paint)} ms | ${fmt(s.wall)} ms | ${(s.wall / base).toFixed(2)} × |`);
  }
  const s = summary(rows.slice(-10));
  line(`| ${s.paths.toLocaleString('en')} (last 10) | ${fmt(s.event)} ms | ${fmt(s.draw)} ms | ${fmt(s.paint)} ms | ${fmt(s.wall)} ms | ${(s.wall / base).toFixed(2)} × |`);
  await close();
}

for (const withStyle of quick || trailOnly ? [] : [false, true]) {
  line('');
  line(withStyle
    ? 'Every mode at its largest counts with every shared styling option on (pattern, opacity, blend, width, random fill and stroke, Warp).'
    : 'Every mode at its largest counts.');
  line('');
  line(HEADER[0]);
  line(HEADER[1]);
  for (const mode of LARGEST) {
    // A page that fails (the browser out of memory, say) is reported and the run goes on.
    const { page, close } = await fresh();
    try {
      await chooseTool(page, mode.tool);
      for (const [item, value] of mode.spins) await typeInto(page, item, value);
      if (withStyle) await styled(page, mode.warp);
      row(mode.label, summary(await measureDrag(page, STEPS)), base);
      await close();
    } catch (e) {
      line(`| ${mode.label} | failed: ${e.message.split('\n')[0]} | | | | | |`);
      await page.context().close().catch(() => {});
    }
  }
}

line('');
line(`Load after: ${os.loadavg().map((l) => l.toFixed(2)).join(' ')}`);
await browser.close();
await server.close();
