// The page's canvas shows what the SVG export shows: after styled gestures (blend modes,
// opacity, envelopes, colour series, Trail on, art placed beneath), the canvas is compared
// pixel by pixel with Chromium's own rendering of the exported SVG at the same place and size.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { chromium } from 'playwright-core';

import { check, choose, chooseTool, compareWithSvg, download, drag, launchChromium, openPage, pathCount, typeInto }
  from './helpers.mjs';
import { serve } from './server.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const SITE = process.env.PLAYGROUND_SITE ?? path.join(root, 'build/wasm/site');

// Palette items of the shared styling options.
const FILL_OPTIONS = 12;
const STROKE_OPTIONS = 13;
const OPACITY = 9;
const BLEND = 10;
const WIDTH = 16;
const CLOSED = 23;
const BENEATH = 8;
const LINE_TYPE = 22;
const RANDOM_CURVED_LINE = 13;

// Anti-aliasing of the two renderers differs along edges only.
const MAX_MEAN = 0.5;
const MAX_OFF = 0.002;

// Waits until the window shows the picture of what was done: the page draws in slices across
// frames and marks the body while it does.
async function shown(page) {
  await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
  await page.waitForFunction(() => !document.body.dataset.drawing);
}

let browser;
let server;

before(async () => {
  assert.ok(fs.existsSync(path.join(SITE, 'quentarb_playground.wasm')), `the built page in ${SITE}`);
  server = await serve(SITE);
  browser = await launchChromium(chromium);
});

after(async () => {
  await browser?.close();
  await server?.close();
});

async function styled(page) {
  await check(page, OPACITY);
  await check(page, BLEND);
  await check(page, WIDTH);
  await check(page, CLOSED);
  await choose(page, FILL_OPTIONS, 3);
  await choose(page, STROKE_OPTIONS, 3);
  await choose(page, LINE_TYPE, RANDOM_CURVED_LINE);  // shapes with area, where blending shows
}

const GESTURES = [
  {
    what: 'a dense grid of overlapping copies at the defaults, drawn in batches',
    async play(page) {
      await typeInto(page, 25, 40);
      await typeInto(page, 26, 40);
      await drag(page, [250, 350], [330, 420], { steps: 5 });
      await check(page, CLOSED);
      await chooseTool(page, 8);
      await drag(page, [300, 300], [360, 250], { steps: 5 });
    },
  },
  {
    what: 'grid in an envelope, random blend modes, opacity and colours',
    blends: true,
    async play(page) {
      await styled(page);
      await check(page, 30);  // Warp
      await drag(page, [150, 300], [420, 520], { steps: 6 });
    },
  },
  {
    what: 'windmill in an envelope with Trail on, two drags',
    blends: true,
    drawsOnly: 'above',
    async play(page) {
      await chooseTool(page, 5);
      await styled(page);
      await check(page, 127);  // Warp
      await check(page, 124);  // Trail
      await drag(page, [300, 400], [380, 470], { steps: 8 });
      await drag(page, [200, 250], [260, 200], { steps: 5 });
    },
  },
  {
    what: 'spiral with Trail on, colours and widths, new art placed beneath',
    drawsOnly: 'beneath',
    async play(page) {
      await chooseTool(page, 8);
      await check(page, WIDTH);
      await check(page, CLOSED);
      await choose(page, FILL_OPTIONS, 3);
      await choose(page, LINE_TYPE, RANDOM_CURVED_LINE);
      await check(page, 210);  // Trail
      await drag(page, [250, 400], [330, 460], { steps: 6 });
      await choose(page, BENEATH, 1);
      await typeInto(page, 200, 30);
      await drag(page, [280, 420], [360, 380], { steps: 6 });
    },
  },
];

for (const gesture of GESTURES) {
  test(`the canvas shows what the SVG export shows: ${gesture.what}`, async () => {
    const { page, close } = await openPage(browser, server.url);
    await gesture.play(page);
    assert.ok(await pathCount(page) > 10, 'the gesture drew');
    await shown(page);
    if (gesture.drawsOnly) {
      // Drawings finished: -, of new art above, of new art beneath, of everything.
      const redraws = (await page.getAttribute('body', 'data-redraws')).split(' ').map(Number);
      const index = gesture.drawsOnly === 'above' ? 1 : 2;
      assert.ok(redraws[index] >= 3, `frames drew only the new art ${gesture.drawsOnly} the rest: ${redraws}`);
    }
    const svg = await download(page, '#export-svg');
    const same = await compareWithSvg(page, svg);
    assert.ok(same.mean <= MAX_MEAN && same.off <= MAX_OFF, `canvas vs SVG: ${JSON.stringify(same)}`);

    // The comparison sees blending: the SVG with every blend mode dropped differs from the
    // canvas by far more than the tolerance.
    if (gesture.blends) {
      const plain = await compareWithSvg(page, svg.replace(/ style="mix-blend-mode:[a-z-]+"/g, ''));
      assert.ok(plain.mean > 4 * MAX_MEAN, `without blend modes: ${JSON.stringify(plain)}`);
    }
    await close();
  });
}

test('the canvas stays right after zooming in and panning, and on a high-density screen', async () => {
  const context = await browser.newContext({ viewport: { width: 1000, height: 760 }, deviceScaleFactor: 2,
    acceptDownloads: true });
  const page = await context.newPage();
  await page.goto(server.url);
  await page.waitForSelector('body[data-ready="1"]');
  await styled(page);
  await check(page, 30);
  await drag(page, [200, 300], [400, 500], { steps: 5 });
  assert.equal(await page.evaluate(() => document.getElementById('art').width / document.getElementById('art').clientWidth), 2,
    'the canvas has two device pixels per CSS pixel');
  await page.click('#zoom-in');
  await page.click('#zoom-in');
  await page.keyboard.down(' ');
  await page.mouse.move(400, 400);
  await page.mouse.down();
  await page.mouse.move(300, 350, { steps: 3 });
  await page.mouse.up();
  await page.keyboard.up(' ');
  await shown(page);
  const svg = await download(page, '#export-svg');
  const same = await compareWithSvg(page, svg);
  assert.ok(same.mean <= MAX_MEAN && same.off <= MAX_OFF, `zoomed canvas vs SVG: ${JSON.stringify(same)}`);
  await context.close();
});

test('PNG export: the page at the chosen scale shows what the SVG export shows', async () => {
  const { page, close } = await openPage(browser, server.url);
  await styled(page);
  await drag(page, [150, 300], [420, 520], { steps: 4 });
  await page.selectOption('#png-scale', '2');
  const [file] = await Promise.all([page.waitForEvent('download'), page.click('#export-png')]);
  const png = fs.readFileSync(await file.path());
  assert.equal(png.subarray(1, 4).toString(), 'PNG');
  assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [1224, 1584], 'page 612 × 792 at 2 pixels per point');
  const svg = await download(page, '#export-svg');
  const same = await compareWithSvg(page, svg, png.toString('base64'));
  assert.ok(same.mean <= MAX_MEAN && same.off <= MAX_OFF, `PNG vs SVG: ${JSON.stringify(same)}`);
  await close();
});

test('a zoom moves the picture at once, then draws it again crisply; the status line shows the whole step', async () => {
  const { page, close } = await openPage(browser, server.url);
  await typeInto(page, 25, 100);
  await typeInto(page, 26, 100);
  await drag(page, [250, 350], [330, 420], { steps: 3 });
  await shown(page);
  assert.match(await page.textContent('#stat-time'),
    /whole step [\d.]+ ms: plug-in [\d.<]+ ?[\d.]* ms, drawing [\d.]+ ms, paint [\d.<]+ ?[\d.]* ms/);
  // 10,000 lines in a square of 80 points: far more ink than the area holds.
  assert.match(await page.textContent('#stat-message'), /10,000 paths cover each pixel of the art about \d+ times/);

  const transform = await page.evaluate(() => {
    const stage = document.getElementById('stage');
    const r = stage.getBoundingClientRect();
    stage.dispatchEvent(new WheelEvent('wheel', { deltaY: -200, clientX: r.left + 300, clientY: r.top + 300,
      bubbles: true, cancelable: true }));
    return document.getElementById('art').style.transform;
  });
  assert.match(transform, /scale\(1\.[0-9]+\)/, 'the picture drawn is scaled at once');
  await shown(page);
  assert.equal(await page.evaluate(() => document.getElementById('art').style.transform), '', 'then replaced');
  const svg = await download(page, '#export-svg');
  const same = await compareWithSvg(page, svg);
  assert.ok(same.mean <= MAX_MEAN && same.off <= MAX_OFF, `zoomed canvas vs SVG: ${JSON.stringify(same)}`);
  await close();
});
