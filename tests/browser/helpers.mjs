// Driving the playground page: opening it, the palette, drags in document points, downloads
// and the command line.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';

export const TOOL_SELECTOR = 21;
export const LINE_TYPE = 22;
export const RESET = 3;

// A fresh page (its own browser context) with every console error and page error collected.
export async function openPage(browser, url) {
  const context = await browser.newContext({ viewport: { width: 1280, height: 860 }, acceptDownloads: true });
  const page = await context.newPage();
  const problems = [];
  page.on('console', (m) => { if (m.type() === 'error') problems.push(`console: ${m.text()}`); });
  page.on('pageerror', (e) => problems.push(`page error: ${e.message}`));
  await page.goto(url);
  await page.waitForSelector('body[data-ready="1"]', { timeout: 30000 });
  return {
    page,
    async close() {
      await context.close();
      assert.deepEqual(problems, [], 'the page logs no console errors');
    },
  };
}

export const control = (page, id) => page.locator(`#palette [data-item="${id}"]`);

export async function chooseTool(page, tool) {
  await control(page, TOOL_SELECTOR).selectOption({ index: tool });
}

export async function choose(page, id, index) {
  await control(page, id).selectOption({ index });
}

// Types a value into a spin edit and leaves it, as a person does.
export async function typeInto(page, id, value) {
  const input = control(page, id);
  await input.fill(String(value));
  await input.press('Tab');
}

export async function spinValue(page, id) {
  return Number(await control(page, id).inputValue());
}

// Paths the page's canvas shows, as the status line counts them.
export const pathCount = async (page) => Number(await page.getAttribute('body', 'data-paths'));
export const processedEvents = async (page) => Number(await page.getAttribute('body', 'data-events'));

// Client coordinates of a document point (v grows upwards from the page's bottom edge).
export async function clientPoint(page, [h, v]) {
  const { pageWidth, box } = await page.evaluate(() => {
    const sheet = document.getElementById('sheet');
    const r = sheet.getBoundingClientRect();
    return { pageWidth: sheet.offsetWidth, box: { left: r.left, bottom: r.bottom, width: r.width } };
  });
  const scale = box.width / pageWidth;
  return [box.left + h * scale, box.bottom - v * scale];
}

export async function check(page, id, on = true) {
  await control(page, id).locator('input').setChecked(on);
}

// A drag between document points; `keys` are held from the press to the release.
export async function drag(page, from, to, { steps = 8, keys = [] } = {}) {
  const [x0, y0] = await clientPoint(page, from);
  const [x1, y1] = await clientPoint(page, to);
  await page.mouse.move(x0, y0);
  await page.mouse.down();
  for (const key of keys) await page.keyboard.down(key);
  await page.mouse.move(x1, y1, { steps });
  for (const key of keys) await page.keyboard.up(key);
  await page.mouse.up();
}

export async function download(page, button) {
  const [file] = await Promise.all([page.waitForEvent('download'), page.click(button)]);
  return fs.readFileSync(await file.path(), 'utf8');
}

// Plays an exported gesture through `quentarb draw` with the command the page wrote into it,
// and returns the JSON document it prints.
export function replayWithCli(quentarb, gestureText) {
  const gesture = JSON.parse(gestureText);
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'quentarb-gesture-'));
  try {
    const file = path.join(dir, 'gesture.json');
    fs.writeFileSync(file, gestureText);
    const args = gesture.command.match(/'[^']*'|\S+/g).slice(1).map((a) => a.replace(/^'(.*)'$/, '$1'));
    args[args.indexOf('--gesture') + 1] = file;
    args[args.indexOf('--out') + 1] = '-';
    return execFileSync(quentarb, args, { encoding: 'utf8', maxBuffer: 64 << 20 });
  } finally {
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

// Debian's headless Chromium with the flags that work on a machine without a GPU or network.
export async function launchChromium(chromium) {
  return chromium.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
      '--disable-component-update', '--disable-sync'],
  });
}

// The page region of the window's canvas (or a PNG, given as base64) against Chromium's own
// rendering of `svg` at the same place and size, both over white: the mean difference per
// channel (0 to 255) and the share of pixels where a channel differs by more than 48.
export async function compareWithSvg(page, svg, png = null) {
  return page.evaluate(async ([text, pngData]) => {
    let canvas = document.getElementById('art');
    let x = 0;
    let y = 0;
    let w;
    let h;
    let page = null;  // where the SVG's page goes: [-x, -y, width, height]
    if (pngData) {
      canvas = new Image();
      canvas.src = `data:image/png;base64,${pngData}`;
      await canvas.decode();
      [w, h] = [canvas.naturalWidth, canvas.naturalHeight];
      page = [0, 0, w, h];
    } else {
      // The part of the page that is in the window.
      const stage = document.getElementById('stage').getBoundingClientRect();
      const sheet = document.getElementById('sheet').getBoundingClientRect();
      const dpr = canvas.width / canvas.clientWidth;
      const left = (sheet.left - stage.left) * dpr;
      const top = (sheet.top - stage.top) * dpr;
      x = Math.max(0, Math.round(left));
      y = Math.max(0, Math.round(top));
      w = Math.min(canvas.width, Math.round(left + sheet.width * dpr)) - x;
      h = Math.min(canvas.height, Math.round(top + sheet.height * dpr)) - y;
      page = [x - left, y - top, sheet.width * dpr, sheet.height * dpr];
    }
    const onWhite = (draw) => {
      const c = document.createElement('canvas');
      c.width = w;
      c.height = h;
      const ctx = c.getContext('2d');
      draw(ctx);
      ctx.globalCompositeOperation = 'destination-over';
      ctx.fillStyle = '#fff';
      ctx.fillRect(0, 0, w, h);
      return ctx.getImageData(0, 0, w, h).data;
    };
    const image = new Image();
    image.src = URL.createObjectURL(new Blob([text], { type: 'image/svg+xml' }));
    await image.decode();
    const want = onWhite((ctx) => ctx.drawImage(image, -page[0], -page[1], page[2], page[3]));
    const got = onWhite((ctx) => ctx.drawImage(canvas, x, y, w, h, 0, 0, w, h));
    let sum = 0;
    let off = 0;
    for (let i = 0; i < want.length; i += 4) {
      let worst = 0;
      for (let k = 0; k < 3; ++k) {
        const d = Math.abs(want[i + k] - got[i + k]);
        sum += d;
        worst = Math.max(worst, d);
      }
      if (worst > 48) ++off;
    }
    const pixels = want.length / 4;
    return { mean: sum / (3 * pixels), off: off / pixels, pixels };
  }, [svg, png]);
}
