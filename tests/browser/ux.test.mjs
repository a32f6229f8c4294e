// The playground as a newcomer meets it, in headless Chromium: presets, the mode picker and the
// previews; links, autosave and opening every kind of file the page writes; redo, Escape and
// where the keys go; touch, the phone layout and accessible names. Documents are compared with
// `quentarb draw`, byte for byte.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { chromium } from 'playwright-core';

import {
  TOOL_SELECTOR, chooseTool, clientPoint, control, drag, launchChromium, openPage, pathCount, processedEvents,
  replayWithCli, spinValue, typeInto,
} from './helpers.mjs';
import { serve } from './server.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const SITE = process.env.PLAYGROUND_SITE ?? path.join(root, 'build/wasm/site');
const QUENTARB = process.env.QUENTARB ?? path.join(root, 'build/default/quentarb');
const PRESETS = JSON.parse(fs.readFileSync(path.join(root, 'resources/presets.json'), 'utf8'));

const SPIRAL = 8;
const SPIRAL_COPIES = 200;

let browser;
let server;
let scratch;

before(async () => {
  server = await serve(SITE);
  browser = await launchChromium(chromium);
  scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'quentarb-ux-'));
});

after(async () => {
  await browser?.close();
  await server?.close();
  fs.rmSync(scratch, { recursive: true, force: true });
});

const cli = (args) => execFileSync(QUENTARB, args, { encoding: 'utf8', maxBuffer: 64 << 20 });

// A file the page offers, with its suggested name.
async function save(page, button) {
  const [file] = await Promise.all([page.waitForEvent('download'), page.click(button)]);
  const where = path.join(scratch, file.suggestedFilename());
  await file.saveAs(where);
  return { name: file.suggestedFilename(), where, text: () => fs.readFileSync(where, 'utf8') };
}

const documentJson = async (page) => (await save(page, '#export-json')).text();

// The link a Copy link button made (the page also puts it on the clipboard).
async function copiedLink(page, button) {
  const before = await page.getAttribute('body', 'data-link');
  await page.click(button);
  await page.waitForFunction((old) => document.body.dataset.link && document.body.dataset.link !== old, before);
  return page.getAttribute('body', 'data-link');
}

// Waits for the autosave after the last change (the fragment and local storage).
async function saved(page) {
  const before = Number(await page.getAttribute('body', 'data-saved') ?? 0);
  await page.waitForFunction((n) => Number(document.body.dataset.saved ?? 0) > n, before);
}

// Something to keep and share: spiral with its own copies, a curved line, a new seed, two
// drags, one undone and redone.
async function drawSomething(page) {
  await page.click('#document-settings summary');
  await page.fill('#settings [name="seed"]', '5');
  await page.click('#settings button[type="submit"]');
  await page.waitForFunction(() => document.body.dataset.paths === '0');
  await chooseTool(page, SPIRAL);
  await typeInto(page, SPIRAL_COPIES, 7);
  await control(page, 22).selectOption({ index: 5 });
  await drag(page, [200, 300], [280, 360]);
  await drag(page, [350, 450], [420, 500]);
  await page.click('#undo');
  await page.click('#redo');
}

test('a preset draws in one click, says what it sets, and gives the JSON of quentarb draw', async () => {
  const { page, close } = await openPage(browser, server.url);
  assert.equal(await page.isVisible('#empty-hint'), true, 'the empty page invites a drag');
  const preset = PRESETS.presets.find((p) => p.name === 'bouquet');
  const button = page.locator(`[data-preset="${preset.name}"]`);
  assert.match(await button.textContent(), /Spiral plug-in.*Curved line 2.*Random colors.*Closed.*Trail.*Pattern 5.*Warp/);
  await button.click();
  await page.waitForFunction(() => Number(document.body.dataset.paths) > 100);
  assert.equal(await page.isVisible('#empty-hint'), false);
  assert.equal(await page.textContent('#palette-title'), 'QUENTARB - SPIRAL TOOL', 'the palette shows what it set');
  const json = await documentJson(page);
  const doc = { ...PRESETS.document, ...preset.document };
  const args = ['draw', '--tool', preset.tool, '--shape', String(preset.shape),
    ...preset.sets.flatMap(([name, value]) => ['--set', `${name}=${value === true ? 1 : value === false ? 0 : value}`]),
    '--from', preset.drag.from.join(','), '--to', preset.drag.to.join(','), '--steps', String(preset.drag.steps),
    '--fill', doc.fill, '--stroke', doc.stroke, '--out', '-'];
  assert.equal(json, cli(args));
  // The preset replaced a document: Undo brings it back, Redo goes to the preset again.
  await page.click('#undo');
  await page.waitForFunction(() => document.body.dataset.paths === '0');
  assert.equal(await page.isDisabled('#redo'), false);
  await page.click('#redo');
  await page.waitForFunction(() => Number(document.body.dataset.paths) > 100);
  await close();
});

test('the mode picker drives the palette, and the numbered popups show previews', async () => {
  const { page, close } = await openPage(browser, server.url);
  const modes = page.locator('#modes .mode');
  assert.equal(await modes.count(), 13);
  assert.equal((await modes.nth(6).textContent()).trim(), 'QuenTarb - Scaleddown plug-in', 'the full name, as the selector has it');
  await page.waitForFunction(() => [...document.querySelectorAll('#modes img')].every((i) => i.complete && i.naturalWidth > 0));
  await modes.nth(SPIRAL).click();
  assert.equal(await control(page, TOOL_SELECTOR).evaluate((s) => s.selectedIndex), SPIRAL);
  assert.equal(await modes.nth(SPIRAL).getAttribute('aria-pressed'), 'true');
  assert.match(await page.textContent('#hints h3'), /QuenTarb - Spiral plug-in/, 'the hints name the mode alike');
  await control(page, 17).focus();
  const tiles = page.locator('#previews .preview');
  assert.equal(await tiles.count(), 58, 'one preview per pattern entry');
  await page.waitForFunction(() => document.querySelector('#previews [data-entry="5"] img')?.naturalWidth > 0);
  await tiles.nth(5).click();
  assert.equal(await control(page, 17).evaluate((s) => s.selectedIndex), 5, 'a preview chooses its entry');
  await close();
});

test('links: settings alone, and with the drawing, reopen to the same JSON', async () => {
  const { page, close } = await openPage(browser, server.url);
  await drawSomething(page);
  const json = await documentJson(page);
  const settingsLink = await copiedLink(page, '#copy-link');
  const drawingLink = await copiedLink(page, '#copy-drawing-link');
  assert.ok(settingsLink.length < 200, `a settings link is short (${settingsLink.length})`);
  assert.ok(drawingLink.length > settingsLink.length);

  const other = await openPage(browser, drawingLink);
  assert.equal(await documentJson(other.page), json, 'the drawing replays to the same JSON');
  await other.close();

  const fresh = await openPage(browser, settingsLink);
  assert.equal(await pathCount(fresh.page), 0, 'settings only: an empty page');
  assert.equal(await spinValue(fresh.page, SPIRAL_COPIES), 7);
  assert.equal(await fresh.page.inputValue('#settings [name="seed"]'), '5');
  await drag(fresh.page, [200, 300], [280, 360]);
  await drag(page, [200, 300], [280, 360]);
  const gestureOf = async (p) => JSON.parse((await save(p, '#export-gesture')).text());
  const tail = (g) => g.events.slice(g.events.findLastIndex((e) => e.type === 'down'));
  assert.deepEqual(tail(await gestureOf(fresh.page)), tail(await gestureOf(page)), 'the same drag');
  await fresh.close();
  await close();
});

test('a reload brings back the settings and the drawing', async () => {
  const { page, close } = await openPage(browser, server.url);
  await drawSomething(page);
  await saved(page);
  const json = await documentJson(page);
  assert.match(page.url(), /#q=/, 'the fragment holds the settings');
  await page.reload();
  await page.waitForSelector('body[data-ready="1"]');
  assert.equal(await documentJson(page), json);
  assert.equal(await spinValue(page, SPIRAL_COPIES), 7);
  await close();
});

test('every file the page writes opens again; exports carry the drawing and say what they are', async () => {
  const { page, close } = await openPage(browser, server.url);
  await drawSomething(page);
  await drag(page, [560, 700], [700, 860]);  // partly beside the page
  const json = await documentJson(page);
  const gesture = await save(page, '#export-gesture');
  const svg = await save(page, '#export-svg');
  const png = await save(page, '#export-png');
  const jsonFile = await save(page, '#export-json');
  assert.match(png.name, /^quentarb-spiral-\d{8}-\d{6}@2x\.png$/);
  assert.match(svg.name, /^quentarb-spiral-\d{8}-\d{6}\.svg$/);
  assert.match(gesture.name, /^quentarb-spiral-\d{8}-\d{6}\.gesture\.json$/);
  assert.equal(replayWithCli(QUENTARB, gesture.text()), json);

  // The SVG less its one metadata line is the command line's SVG.
  const cliSvg = path.join(scratch, 'cli.svg');
  const args = JSON.parse(gesture.text()).command.match(/'[^']*'|\S+/g).slice(1).map((a) => a.replace(/^'(.*)'$/, '$1'));
  args[args.indexOf('--gesture') + 1] = gesture.where;
  args[args.indexOf('--out') + 1] = cliSvg;
  cli(args);
  const lines = svg.text().split('\n');
  assert.match(lines[2], /^<metadata id="quentarb-gesture">.*<\/metadata>$/, 'right after the root start tag');
  assert.equal([...lines.slice(0, 2), ...lines.slice(3)].join('\n'), fs.readFileSync(cliSvg, 'utf8'));

  // All art: the bounds of everything drawn, beyond the page.
  await page.selectOption('#export-area', 'all');
  const wide = await save(page, '#export-png');
  const wideSvg = await save(page, '#export-svg');
  assert.match(wide.name, /-all-art@2x\.png$/);
  const size = (file) => { const b = fs.readFileSync(file); return [b.readUInt32BE(16), b.readUInt32BE(20)]; };
  const [w, h] = size(wide.where);
  assert.ok(w > 0 && h > 0);
  const viewBox = /viewBox="([^"]*)"/.exec(wideSvg.text())[1].split(' ').map(Number);
  assert.ok(viewBox[0] + viewBox[2] > 700 && viewBox[1] < 792 - 860 + 1, `the view box ${viewBox} holds the art beside the page`);
  assert.ok(Math.abs(w - viewBox[2] * 2) <= 1 && Math.abs(h - viewBox[3] * 2) <= 1, 'the PNG covers the same area');

  // A hand-written gesture as `quentarb draw` reads it: names and values as text.
  const handWritten = path.join(scratch, 'hand.json');
  fs.writeFileSync(handWritten, JSON.stringify({ events: [
    { type: 'tool', tool: 'windmill' }, { type: 'set', option: 'copiesvalue_5', value: '12' },
    { type: 'set', option: 'closedpath', value: 'true' },
    { type: 'down', at: [300, 400] }, { type: 'drag', at: [340, 430] }, { type: 'drag', at: [360, 470], modifiers: 32 },
    { type: 'up' }, { type: 'undo' }, { type: 'redo' },
  ] }));
  const byHand = cli(['draw', '--gesture', handWritten, '--out', '-']);

  for (const [file, expected] of [[gesture, json], [svg, json], [png, json], [wide, json], [{ where: handWritten }, byHand]]) {
    const other = await openPage(browser, server.url);
    await other.page.setInputFiles('#open-file', file.where);
    await other.page.waitForFunction(() => /Opened/.test(document.getElementById('stat-message').textContent));
    assert.equal(await documentJson(other.page), expected, `${path.basename(file.where)} reopens`);
    await other.close();
  }
  // A document JSON holds no gesture: its settings open, and the page says so.
  const other = await openPage(browser, server.url);
  await other.page.setInputFiles('#open-file', jsonFile.where);
  await other.page.waitForFunction(() => /not how it was drawn/.test(document.getElementById('stat-message').textContent));
  assert.equal(await other.page.inputValue('#settings [name="seed"]'), '5');
  await other.close();
  await close();
});

test('files and links that hold no drawing, or a broken one, are refused with a reason', async () => {
  const plainPng = path.join(scratch, 'plain.png');
  cli(['draw', '--out', plainPng]);
  const badGesture = path.join(scratch, 'bad.json');
  fs.writeFileSync(badGesture, JSON.stringify({ events: [{ type: 'undo' }] }));
  const notOurs = path.join(scratch, 'other.json');
  fs.writeFileSync(notOurs, '{"hello": 1}');
  const { page, close } = await openPage(browser, server.url);
  await drag(page, [200, 200], [260, 240]);
  const json = await documentJson(page);
  const rows = [
    [plainPng, /this PNG carries no drawing/],
    [badGesture, /gesture event 0: an undo with no finished drag to undo/],
    [notOurs, /neither "events"/],
  ];
  for (const [file, reason] of rows) {
    await page.setInputFiles('#open-file', file);
    await page.waitForFunction((r) => new RegExp(r).test(document.getElementById('stat-message').textContent), reason.source);
    assert.equal(await documentJson(page), json, `${path.basename(file)}: the drawing stays`);
  }
  const damaged = await openPage(browser, `${server.url}#q=${'A'.repeat(40)}`);
  assert.match(await damaged.page.textContent('#stat-message'), /could not be opened|damaged/);
  assert.equal(await pathCount(damaged.page), 0);
  await damaged.close();
  await close();
});

test('redo, Ctrl+Shift+Z and Ctrl+Y; Clear can be undone; the buttons say when there is nothing to do', async () => {
  const { page, close } = await openPage(browser, server.url);
  assert.equal(await page.isDisabled('#undo'), true);
  assert.equal(await page.isDisabled('#redo'), true);
  await chooseTool(page, SPIRAL);
  await drag(page, [200, 200], [260, 240]);
  const one = await pathCount(page);
  await drag(page, [400, 500], [460, 560]);
  const two = await pathCount(page);
  const json = await documentJson(page);
  await page.mouse.move(10, 10);  // off the page: the keys still go to the drawing
  await page.keyboard.press('Control+z');
  assert.equal(await pathCount(page), one);
  assert.equal(await page.isDisabled('#redo'), false);
  await page.keyboard.press('Control+Shift+z');
  assert.equal(await pathCount(page), two, 'Ctrl+Shift+Z redoes');
  await page.keyboard.press('Control+z');
  await page.keyboard.press('Control+z');
  assert.equal(await pathCount(page), 0);
  assert.equal(await page.isDisabled('#undo'), true);
  await page.keyboard.press('Control+y');
  await page.keyboard.press('Control+y');
  assert.equal(await pathCount(page), two, 'Ctrl+Y redoes');
  assert.equal(await page.isDisabled('#redo'), true);
  assert.equal(await documentJson(page), json, 'the same document as before the undos');
  const gesture = (await save(page, '#export-gesture')).text();
  assert.equal(replayWithCli(QUENTARB, gesture), json, 'undo and redo replay through quentarb draw');

  await page.click('#clear');
  await page.waitForFunction(() => document.body.dataset.paths === '0');
  await page.click('#undo');
  await page.waitForFunction((n) => document.body.dataset.paths === String(n), two);
  assert.equal(await documentJson(page), json, 'Undo brings the cleared drawing back');
  await close();
});

test('Escape during a drag leaves the document as before it', async () => {
  const { page, close } = await openPage(browser, server.url);
  await chooseTool(page, SPIRAL);
  await control(page, 210).locator('input').check();  // Trail: the drag piles up art
  await drag(page, [200, 200], [260, 240]);
  const json = await documentJson(page);
  const [x0, y0] = await clientPoint(page, [300, 300]);
  const [x1, y1] = await clientPoint(page, [380, 400]);
  const events = await processedEvents(page);
  await page.mouse.move(x0, y0);
  await page.mouse.down();
  await page.mouse.move(x1, y1, { steps: 6 });
  await page.waitForFunction((n) => Number(document.body.dataset.events) > n, events);
  await page.keyboard.press('Escape');
  await page.mouse.move(x0, y1, { steps: 3 });
  await page.mouse.up();
  const after = await documentJson(page);
  assert.deepEqual(JSON.parse(after).layers, JSON.parse(json).layers, 'the art as before the drag');
  assert.equal(await page.isDisabled('#redo'), true, 'nothing to redo of a cancelled drag');
  const gesture = (await save(page, '#export-gesture')).text();
  assert.ok(JSON.parse(gesture).events.some((e) => e.type === 'cancel'));
  assert.equal(replayWithCli(QUENTARB, gesture), after, 'the cancel replays through quentarb draw');
  await close();
});

test('after a palette edit the keys go back to the drawing; ? lists them', async () => {
  const { page, close } = await openPage(browser, server.url);
  await chooseTool(page, SPIRAL);
  await drag(page, [200, 200], [260, 240]);
  const one = await pathCount(page);
  const copies = control(page, SPIRAL_COPIES);
  await copies.fill('12');
  await copies.press('Enter');
  assert.equal(await page.evaluate(() => document.activeElement.id), 'stage', 'Enter gives the keys back');
  assert.equal(await spinValue(page, SPIRAL_COPIES), 12);
  // With the focus back in the field and the pointer over the page: Space pans, Ctrl+Z undoes
  // the drawing, and the field shows what the host has.
  await copies.focus();
  const [cx, cy] = await clientPoint(page, [306, 396]);
  const events = await processedEvents(page);
  await page.mouse.move(cx, cy);
  await page.keyboard.down(' ');
  await page.mouse.down();
  await page.mouse.move(cx - 60, cy - 30, { steps: 3 });
  await page.mouse.up();
  await page.keyboard.up(' ');
  assert.equal(await processedEvents(page), events, 'Space + drag panned: no drag event');
  assert.equal(await spinValue(page, SPIRAL_COPIES), 12, 'the space went to no field');
  await copies.focus();
  await page.keyboard.press('Control+z');
  assert.equal(await pathCount(page), 0, 'Ctrl+Z undid the drag');
  assert.equal(await spinValue(page, SPIRAL_COPIES), 12, 'the field did no text undo');
  assert.equal(one > 0, true);
  await page.mouse.move(10, 10);
  await page.click('#stage', { position: { x: 20, y: 20 } });
  await page.keyboard.press('?');
  assert.equal(await page.isVisible('#shortcuts'), true);
  assert.match(await page.textContent('#shortcuts'), /Ctrl\+Shift\+Z/);
  await page.keyboard.press('Escape');
  await close();
});

// Two touch points through the DevTools protocol, as a tablet sends them.
async function touch(page, cdp, type, points) {
  await cdp.send('Input.dispatchTouchEvent', {
    type, touchPoints: points.map(([x, y], id) => ({ x, y, id, radiusX: 2, radiusY: 2, force: 1 })),
  });
}

test('on a tablet: one finger draws, a pinch zooms and pans and draws nothing', async () => {
  const context = await browser.newContext({ viewport: { width: 1024, height: 768 }, hasTouch: true, isMobile: true });
  const page = await context.newPage();
  await page.goto(server.url);
  await page.waitForSelector('body[data-ready="1"]');
  const cdp = await context.newCDPSession(page);
  const zoom = async () => page.textContent('#zoom-level');
  const before = await zoom();
  const [x, y] = await clientPoint(page, [306, 396]);
  await touch(page, cdp, 'touchStart', [[x - 40, y], [x + 40, y]]);
  for (let i = 1; i <= 5; ++i) await touch(page, cdp, 'touchMove', [[x - 40 - 15 * i, y + 5 * i], [x + 40 + 15 * i, y + 5 * i]]);
  await touch(page, cdp, 'touchEnd', []);
  assert.notEqual(await zoom(), before, 'the pinch zoomed');
  assert.equal(await pathCount(page), 0, 'the pinch drew nothing');
  assert.equal(await processedEvents(page), 0);
  const [a, b] = await clientPoint(page, [250, 300]);
  await touch(page, cdp, 'touchStart', [[a, b]]);
  for (let i = 1; i <= 4; ++i) await touch(page, cdp, 'touchMove', [[a + 20 * i, b - 10 * i]]);
  await touch(page, cdp, 'touchEnd', []);
  await page.waitForFunction(() => Number(document.body.dataset.paths) > 0);
  await context.close();
});

test('on a phone: the toolbar wraps, the exports are reachable, the page keeps half the screen', async () => {
  const context = await browser.newContext({ viewport: { width: 390, height: 844 }, hasTouch: true, isMobile: true });
  const page = await context.newPage();
  await page.goto(server.url);
  await page.waitForSelector('body[data-ready="1"]');
  for (const id of ['#export-svg', '#export-png', '#export-json', '#export-gesture', '#copy-link', '#undo']) {
    const box = await page.locator(id).boundingBox();
    assert.ok(box && box.x >= 0 && box.x + box.width <= 390 && box.y + box.height <= 844, `${id} on screen`);
    assert.ok(box.height >= 32, `${id} is a finger's size (${box.height} px)`);
  }
  const stage = await page.locator('#stage').boundingBox();
  assert.ok(stage.width * stage.height >= 0.5 * 390 * 844, `the page area ${stage.width}×${stage.height}`);
  assert.equal(await page.isVisible('#palette'), false, 'the palette waits in its sheet');
  await page.tap('#toggle-side');
  await page.waitForFunction(() => document.getElementById('side').getBoundingClientRect().top < 844 * 0.5);
  await page.locator('#modes .mode').nth(SPIRAL).tap();
  assert.equal(await control(page, TOOL_SELECTOR).evaluate((s) => s.selectedIndex), SPIRAL);
  await context.close();
});

test('every control is named by its caption, has a tooltip and a focus ring; a dark theme follows the system', async () => {
  const { page, close } = await openPage(browser, server.url);
  const unnamed = await page.evaluate(() => {
    const out = [];
    for (const el of document.querySelectorAll('#palette [data-item]')) {
      const input = el.matches('input, select, button') ? el : el.querySelector('input');
      if (!input) continue;
      const name = input.getAttribute('aria-label') ?? input.labels?.[0]?.textContent ?? input.textContent;
      if (!name?.trim() || !el.title) out.push(el.dataset.item);
    }
    return out;
  });
  assert.deepEqual(unnamed, [], 'palette items without a name or a tooltip');
  await chooseTool(page, 0);
  assert.equal(await page.getByRole('spinbutton', { name: 'Columns / rows: columns' }).count(), 1);
  await chooseTool(page, SPIRAL);
  assert.equal(await page.getByRole('spinbutton', { name: 'Copies', exact: true }).getAttribute('data-item'), String(SPIRAL_COPIES));
  assert.equal(await page.getByRole('spinbutton', { name: 'Fill colour steps' }).getAttribute('data-item'), '18');
  assert.equal(await page.getByRole('combobox', { name: 'Pattern' }).getAttribute('data-item'), '17');
  assert.equal(await page.getByRole('checkbox', { name: 'Closed' }).count(), 1);
  // The focus ring of a check box is not clipped by its label.
  await page.getByRole('checkbox', { name: 'Closed' }).focus();
  await page.keyboard.press('Shift+Tab');
  await page.keyboard.press('Tab');
  const ring = await page.evaluate(() => {
    const s = getComputedStyle(document.activeElement);
    return { style: s.outlineStyle, width: s.outlineWidth, overflow: getComputedStyle(document.activeElement.parentElement).overflow };
  });
  assert.deepEqual(ring, { style: 'solid', width: '2px', overflow: 'visible' });
  const light = await page.evaluate(() => getComputedStyle(document.body).backgroundColor);
  await page.emulateMedia({ colorScheme: 'dark' });
  const dark = await page.evaluate(() => getComputedStyle(document.body).backgroundColor);
  assert.notEqual(dark, light);
  assert.equal(await page.evaluate(() => getComputedStyle(document.getElementById('sheet')).backgroundColor), 'rgb(255, 255, 255)', 'the page stays white');
  await close();
});
