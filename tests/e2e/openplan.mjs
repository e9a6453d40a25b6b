// Opens a page in Debian's chromium and prints how long it took, in
// milliseconds, from the start of the navigation to the load event with
// the pictures of the first screen decoded: the benchmark's measure of the pocket plan.
//   node tests/e2e/openplan.mjs FILE.html [WIDTH HEIGHT]

import { pathToFileURL } from 'node:url';

import { chromium } from 'playwright-core';

const [file, width = '390', height = '844'] = process.argv.slice(2);
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium', args: ['--headless', '--no-sandbox', '--disable-gpu'],
});
const page = await browser.newPage({ viewport: { width: Number(width), height: Number(height) } });
// A first page, so that the browser's own start is not counted.
await page.goto('about:blank');
const start = performance.now();
await page.goto(pathToFileURL(file).href, { waitUntil: 'load' });
const loaded = performance.now() - start;
// The pictures on the first screen, decoded.
await page.evaluate(() => Promise.all([...document.images].filter((image) => image.getBoundingClientRect().top < innerHeight)
  .map((image) => image.decode())));
const shown = performance.now() - start;
console.log(`${Math.round(loaded)} ${Math.round(shown)}`);
await browser.close();
