// Draws the bouquet preset in the page and saves the README's screenshot:
//   node tests/browser/screenshot.mjs [OUT.png]   (default web/playground.png; the page is
//   taken from PLAYGROUND_SITE, default build/wasm/site)
import path from 'node:path';
import { fileURLToPath } from 'node:url';

import { chromium } from 'playwright-core';

import { openPage } from './helpers.mjs';
import { serve } from './server.mjs';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const out = process.argv[2] ?? path.join(root, 'web/playground.png');
const server = await serve(process.env.PLAYGROUND_SITE ?? path.join(root, 'build/wasm/site'));
const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
    '--disable-sync'],
});
const { page, close } = await openPage(browser, server.url);
await page.setViewportSize({ width: 1280, height: 800 });
await page.click('[data-preset="bouquet"]');  // one click: a new document with the preset drawn
await page.waitForFunction(() => Number(document.body.dataset.paths) > 100);
await page.waitForFunction(() => [...document.querySelectorAll('#modes img, #presets img')].every((i) => i.complete && i.naturalWidth > 0));
await page.evaluate(() => document.activeElement.blur());
await page.mouse.move(1270, 790);
await page.screenshot({ path: out });
await close();
await browser.close();
await server.close();
console.log(`screenshot: ${out}`);
