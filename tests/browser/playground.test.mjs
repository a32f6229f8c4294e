// The playground in headless Chromium: the palette, drawing in every mode, the keys, undo and
// new documents, pan and zoom, event coalescing, exports, and the same JSON as the command
// line for the same gesture.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { chromium } from 'playwright-core';

import {
  LINE_TYPE, RESET, choose, chooseTool, clientPoint, control, download, drag, openPage, pathCount,
  processedEvents, replayWithCli, spinValue, typeInto,
} from './helpers.mjs';
import { serve } from './server.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const SITE = process.env.PLAYGROUND_SITE ?? path.join(root, 'build/wasm/site');
const QUENTARB = process.env.QUENTARB ?? path.join(root, 'build/default/quentarb');
const ARTIFACTS = process.env.ARTIFACTS ?? path.join(root, 'build/wasm/artifacts');

const SPIRAL = 8;
const SPIRAL_COPIES = 200;
const SPIRAL_ARMS = 205;
const SPIRAL_DELETE = 207;

let browser;
let server;

before(async () => {
  assert.ok(fs.existsSync(path.join(SITE, 'quentarb_playground.wasm')), `the built page in ${SITE}`);
  server = await serve(SITE);
  browser = await chromium.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--disable-sync'],
  });
});

after(async () => {
  await browser?.close();
  await server?.close();
});

// Paths one spiral drag leaves: copies per arm times arms, and the drag path unless deleted.
async function spiralPaths(page) {
  const copies = await spinValue(page, SPIRAL_COPIES);
  const arms = await spinValue(page, SPIRAL_ARMS);
  const deleted = await control(page, SPIRAL_DELETE).locator('input').isChecked();
  return copies * arms + (deleted ? 0 : 1);
}

test('spiral: palette, drag, Copies, Reset and the SVG export', async () => {
  const { page, close } = await openPage(browser, server.url);
  assert.equal(await page.textContent('#palette-title'), 'QUENTARB ', 'the resource caption before any choice');
  assert.equal(await control(page, 25).isVisible(), true, 'the grid page is shown first');

  await chooseTool(page, SPIRAL);
  assert.equal(await page.textContent('#palette-title'), 'QUENTARB - SPIRAL TOOL');
  assert.equal(await control(page, 25).isVisible(), false, 'the grid page is hidden');
  assert.equal(await control(page, SPIRAL_COPIES).isVisible(), true, 'the spiral page is shown');
  assert.equal(await spinValue(page, SPIRAL_COPIES), 10, 'default copies');
  assert.equal(await spinValue(page, SPIRAL_ARMS), 3, 'default arms');

  await drag(page, [200, 500], [300, 560]);
  const first = await pathCount(page);
  assert.equal(first, await spiralPaths(page), 'one drag: copies × arms paths');

  await typeInto(page, SPIRAL_COPIES, 7);
  assert.equal(await spinValue(page, SPIRAL_COPIES), 7);
  await drag(page, [300, 250], [380, 300]);
  assert.equal(await pathCount(page) - first, 7 * 3, 'the second drag uses the new count');

  await typeInto(page, SPIRAL_COPIES, 9999);
  assert.equal(await spinValue(page, SPIRAL_COPIES), 500, 'the host clamps to the maximum');

  await control(page, RESET).click();
  assert.equal(await spinValue(page, SPIRAL_COPIES), 10, 'Reset restores the default');
  assert.equal(await page.textContent('#palette-title'), 'QUENTARB - SPIRAL TOOL', 'Reset keeps the tool');

  const svg = await download(page, '#export-svg');
  const parsed = await page.evaluate((text) => {
    const doc = new DOMParser().parseFromString(text, 'image/svg+xml');
    return {
      error: doc.getElementsByTagName('parsererror').length,
      root: doc.documentElement.nodeName,
      viewBox: doc.documentElement.getAttribute('viewBox'),
      paths: doc.getElementsByTagName('path').length,
    };
  }, svg);
  assert.deepEqual(parsed, { error: 0, root: 'svg', viewBox: '0 0 612 792', paths: first + 21 });

  fs.mkdirSync(ARTIFACTS, { recursive: true });
  await page.screenshot({ path: path.join(ARTIFACTS, 'playground.png') });
  await close();
});

test('every mode draws with its defaults', async () => {
  const { page, close } = await openPage(browser, server.url);
  for (let tool = 0; tool <= 12; ++tool) {
    await chooseTool(page, tool);
    const before = await pathCount(page);
    await drag(page, [150 + 25 * tool, 150 + 30 * tool], [260 + 25 * tool, 230 + 30 * tool]);
    assert.ok(await pathCount(page) > before, `tool ${tool} adds paths`);
    assert.equal(await page.textContent('#stat-message'), '', `tool ${tool}: no error from the plug-in`);
  }
  await close();
});

// Each row: the page's palette and document settings, then drags; the exported gesture played
// through the command line must give the same JSON, byte for byte.
const SAME_AS_CLI = [
  {
    what: 'rim random, random curved line, jitter, Shift on the second drag',
    async play(page) {
      await chooseTool(page, 4);
      await choose(page, LINE_TYPE, 13);
      await typeInto(page, 93, 12.5);
      await drag(page, [120, 300], [260, 420]);
      await drag(page, [300, 300], [420, 200], { keys: ['Shift'] });
    },
  },
  {
    what: 'windmill with a fill colour mode',
    async play(page) {
      await chooseTool(page, 5);
      await choose(page, 12, 3);
      await drag(page, [306, 396], [400, 470], { steps: 12 });
    },
  },
  {
    what: 'zoom lines towards the mouse, then grid with Shift and Alt',
    async play(page) {
      await chooseTool(page, 2);
      await drag(page, [200, 200], [330, 520]);
      await chooseTool(page, 0);
      await drag(page, [100, 100], [250, 200], { keys: ['Shift', 'Alt'] });
    },
  },
  {
    what: 'spiral in a new CMYK document with its own seed, page and fill; points by Control',
    async play(page) {
      await page.click('#document-settings summary');
      await page.fill('#settings [name="seed"]', '7');
      await page.fill('#settings [name="width"]', '400');
      await page.fill('#settings [name="height"]', '300');
      await page.selectOption('#settings [name="colorModel"]', 'cmyk');
      await page.fill('#settings [name="fill"]', 'cmyk(0,0.5,1,0)');
      await page.click('#settings button[type="submit"]');
      await page.waitForFunction(() => document.getElementById('sheet').offsetWidth === 400);
      await chooseTool(page, SPIRAL);
      await typeInto(page, 203, 4);
      await choose(page, LINE_TYPE, 12);
      await drag(page, [100, 100], [200, 180], { keys: ['Control'] });
    },
    check(json) {
      assert.deepEqual([json.page, json.seed, json.colorModel], [[400, 300], 7, 'cmyk']);
    },
  },
  {
    what: 'spiral: a drag, undo, a drag again (Ctrl+Z within it undoes nothing)',
    async play(page) {
      await chooseTool(page, SPIRAL);
      await drag(page, [200, 200], [260, 240]);
      const one = await pathCount(page);
      await drag(page, [400, 500], [460, 560]);
      await page.click('#undo');
      assert.equal(await pathCount(page), one, 'undo removes the second drag');
      const [x0, y0] = await clientPoint(page, [300, 300]);
      const [x1, y1] = await clientPoint(page, [340, 380]);
      await page.mouse.move(x0, y0);
      await page.mouse.down();
      await page.mouse.move((x0 + x1) / 2, (y0 + y1) / 2, { steps: 4 });
      await page.keyboard.press('Control+z');
      await page.mouse.move(x1, y1, { steps: 4 });
      await page.mouse.up();
      assert.ok(await pathCount(page) > one, 'the drag in progress was not undone');
    },
    async check(json, gesture, page) {
      assert.deepEqual(gesture.events.map((e) => e.type).filter((t) => t !== 'drag'),
        ['tool', 'down', 'up', 'down', 'up', 'undo', 'down', 'up'], 'the undo is logged where it was made');
      assert.equal(await page.textContent('#stat-message'), '', 'the export warns of nothing');
    },
  },
];

for (const row of SAME_AS_CLI) {
  test(`same JSON as quentarb draw --gesture: ${row.what}`, async () => {
    const { page, close } = await openPage(browser, server.url);
    await row.play(page);
    const json = await download(page, '#export-json');
    const gesture = await download(page, '#export-gesture');
    const parsed = JSON.parse(json);
    assert.ok(parsed.layers.some((l) => l.art.length > 0), 'the drags made art');
    assert.ok(parsed.results.every((r) => r === 0), 'every message succeeded');
    await row.check?.(parsed, JSON.parse(gesture), page);
    assert.equal(replayWithCli(QUENTARB, gesture), json);
    await close();
  });
}

test('moves are coalesced: one pending event, the latest point', async () => {
  const { page, close } = await openPage(browser, server.url);
  const [x, y] = [500, 400];
  await page.mouse.move(x, y);
  await page.mouse.down();
  // Fifty moves within one task: only the last can be processed.
  await page.evaluate(([x0, y0]) => {
    const stage = document.getElementById('stage');
    for (let i = 1; i <= 50; ++i) {
      stage.dispatchEvent(new PointerEvent('pointermove', {
        pointerId: 1, pointerType: 'mouse', isPrimary: true, bubbles: true, buttons: 1,
        clientX: x0 + i, clientY: y0 - i,
      }));
    }
  }, [x, y]);
  await page.waitForFunction(() => document.body.dataset.events === '1');
  await page.mouse.up();
  assert.equal(await processedEvents(page), 1);
  const gesture = JSON.parse(await download(page, '#export-gesture'));
  const drags = gesture.events.filter((e) => e.type === 'drag');
  const down = gesture.events.find((e) => e.type === 'down');
  assert.equal(drags.length, 1);
  const scale = await page.evaluate(() => document.getElementById('sheet').getBoundingClientRect().width / 612);
  assert.ok(Math.abs(drags[0].at[0] - down.at[0] - 50 / scale) < 0.02, 'the last move is the one processed');
  assert.match(await page.textContent('#stat-time'), /ms per event/);
  await close();
});

test('Shift during a drag raises the copies per event and the palette follows', async () => {
  const { page, close } = await openPage(browser, server.url);
  await chooseTool(page, SPIRAL);
  await page.keyboard.down('Shift');
  assert.match(await page.textContent('#hints li.held'), /one more copy/, 'the hint marks the held key');
  await page.keyboard.up('Shift');
  await drag(page, [250, 400], [330, 450], { steps: 5, keys: ['Shift'] });
  const gesture = JSON.parse(await download(page, '#export-gesture'));
  const shifted = gesture.events.filter((e) => e.type === 'drag' && e.modifiers === 0x20).length;
  assert.ok(shifted >= 5, 'every step with Shift was processed');
  assert.equal(await spinValue(page, SPIRAL_COPIES), 10 + shifted, 'one more copy per event with Shift');
  assert.equal(await pathCount(page), await spiralPaths(page), 'the last event drew the last count');
  await close();
});

test('undo, clear and new documents keep the palette', async () => {
  const { page, close } = await openPage(browser, server.url);
  await chooseTool(page, SPIRAL);
  await typeInto(page, SPIRAL_COPIES, 6);
  await drag(page, [200, 200], [260, 240]);
  const one = await pathCount(page);
  await drag(page, [400, 500], [460, 560]);
  assert.equal(await pathCount(page), 2 * one);
  await page.click('#undo');
  assert.equal(await pathCount(page), one, 'undo removes the last drag only');
  await page.click('#clear');
  await page.waitForFunction(() => document.body.dataset.paths === '0');
  assert.equal(await spinValue(page, SPIRAL_COPIES), 6, 'the palette keeps its values');
  assert.equal(await page.textContent('#palette-title'), 'QUENTARB - SPIRAL TOOL');

  await page.click('#document-settings summary');
  await page.fill('#settings [name="fill"]', 'purple');
  await page.click('#settings button[type="submit"]');
  await page.waitForFunction(() => document.getElementById('stat-message').textContent !== '');
  assert.match(await page.textContent('#stat-message'), /fill/, 'a bad colour is reported');
  await drag(page, [200, 200], [260, 240]);
  assert.equal(await pathCount(page), one, 'the old document stays after a refused setting');
  await close();
});

test('pan and zoom keep document coordinates', async () => {
  const { page, close } = await openPage(browser, server.url);
  const [cx, cy] = await clientPoint(page, [306, 396]);
  await page.mouse.move(cx, cy);
  await page.mouse.wheel(0, -400);
  await page.click('#zoom-in');
  assert.notEqual(await page.textContent('#zoom-level'), '100%');
  await page.keyboard.down(' ');
  await page.mouse.move(cx, cy);
  await page.mouse.down();
  await page.mouse.move(cx - 100, cy - 50, { steps: 3 });
  await page.mouse.up();
  await page.keyboard.up(' ');
  assert.equal(await processedEvents(page), 0, 'panning sends no drag');
  await drag(page, [300, 380], [330, 400]);
  const gesture = JSON.parse(await download(page, '#export-gesture'));
  const down = gesture.events.find((e) => e.type === 'down');
  const last = gesture.events.filter((e) => e.type === 'drag').at(-1);
  assert.ok(Math.abs(down.at[0] - 300) <= 0.02 && Math.abs(down.at[1] - 380) <= 0.02, `down at ${down.at}`);
  assert.ok(Math.abs(last.at[0] - 330) <= 0.02 && Math.abs(last.at[1] - 400) <= 0.02, `last at ${last.at}`);
  await close();
});

test('a pen turns on the pressure device and its pressure reaches the plug-in', async () => {
  const { page, close } = await openPage(browser, server.url);
  await chooseTool(page, 1);
  await control(page, 5).locator('input').check();  // "Pen/Opac": opacity follows the pressure
  await drag(page, [100, 600], [200, 650]);
  const drawn = await pathCount(page);
  const pen = async (type, at, pressure) => {
    const [x, y] = await clientPoint(page, at);
    await page.evaluate(([type, x, y, pressure]) => {
      document.getElementById('stage').dispatchEvent(new PointerEvent(type, {
        pointerId: 7, pointerType: 'pen', isPrimary: true, bubbles: true, button: 0,
        buttons: type === 'pointerup' ? 0 : 1, pressure, clientX: x, clientY: y,
      }));
    }, [type, x, y, pressure]);
  };

  await pen('pointerdown', [300, 300], 0.5);
  await page.waitForFunction(() => /pressure device/.test(document.getElementById('stat-message').textContent));
  assert.equal(await page.isChecked('#settings [name="pressureDevice"]'), true);
  assert.equal(await pathCount(page), drawn, 'the drawing is played again into the new host');

  await pen('pointerdown', [300, 300], 0.5);
  for (let i = 1; i <= 4; ++i) {
    await pen('pointermove', [300 + 20 * i, 300 + 10 * i], 0.25);
    await page.waitForFunction((n) => Number(document.body.dataset.events) >= n, i);
  }
  await pen('pointerup', [380, 340], 0);

  const json = await download(page, '#export-json');
  const gesture = await download(page, '#export-gesture');
  const penDrags = JSON.parse(gesture).events.filter((e) => e.type === 'drag' && e.pressure !== undefined);
  assert.deepEqual(penDrags.map((e) => e.pressure), [64, 64, 64, 64], 'pressure 0.25 of 255');
  assert.match(JSON.parse(gesture).command, /--pressure-device/);
  const opacities = JSON.parse(json).layers.flatMap((l) => l.art.map((a) => a.opacity));
  assert.ok(opacities.some((o) => o < 1), 'the pen stroke is less opaque');
  assert.equal(replayWithCli(QUENTARB, gesture), json);
  await close();
});
