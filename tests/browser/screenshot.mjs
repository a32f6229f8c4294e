// Draws a windmill and a spiral in the page and saves the README's screenshot:
//   node tests/browser/screenshot.mjs [OUT.png]   (default web/playground.png; the page is
//   taken from PLAYGROUND_SITE, default build/wasm/site)
import path from 'node:path';
import { fileURLToPath } from 'node:url';

import { chromium } from 'playwright-core';

import { choose, chooseTool, control, drag, openPage, typeInto } from './helpers.mjs';
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
await page.setViewportSize({ width: 1100, height: 790 });
await page.click('#zoom-fit');
await control(page, 23).locator('input').check();  // Closed
await choose(page, 12, 3);  // fill: Random colors
await choose(page, 22, 13);  // line type: Random Curved line
await chooseTool(page, 5);
await drag(page, [300, 250], [380, 330], { steps: 10 });
await chooseTool(page, 8);
await typeInto(page, 200, 16);
await drag(page, [310, 560], [400, 620], { steps: 10 });
await page.evaluate(() => document.activeElement.blur());
await page.mouse.move(1000, 760);
await page.screenshot({ path: out });
await close();
await browser.close();
await server.close();
console.log(`screenshot: ${out}`);
