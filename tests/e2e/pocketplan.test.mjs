// The pocket plan (--share) of the example film in a real browser: Debian's
// chromium, driven by playwright-core. The example gets a 1600 × 1200 photo
// on its first shot (drawn by the browser itself) before its plan is written.
//
// Environment: SHOTWEAVE_BIN, the program; SHOTWEAVE_EXAMPLE, the example's
// project file; SHOTWEAVE_SCREENSHOTS, where the screenshots go
// (the system's temporary folder by default).

import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync, spawnSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { chromium } from 'playwright-core';

import { drawPhoto } from './photo.mjs';
import { readValues, shotIndexes, textOf, utf8Value, writeValues } from './projectfile.mjs';

const CHROMIUM_ARGS = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];
const PHOTO = 'photo-1600.jpg';
const MAX_PLAN_BYTES = 3 * 1024 * 1024;

const program = process.env.SHOTWEAVE_BIN;
const example = process.env.SHOTWEAVE_EXAMPLE;
const screenshots = process.env.SHOTWEAVE_SCREENSHOTS || path.join(os.tmpdir(), 'shotweave-screenshots');

let browser;
let workDir;
let planFile;
let planUrl;
let shotNames;

async function openPlan({ width, height, touch = false, script = true, scheme = 'light', hash = '' }) {
  const context = await browser.newContext({
    viewport: { width, height }, isMobile: touch, hasTouch: touch, javaScriptEnabled: script, colorScheme: scheme,
  });
  const page = await context.newPage();
  const requests = [];
  page.on('request', (request) => {
    const url = request.url();
    if (!url.startsWith('data:') && url.split('#')[0] !== planUrl) requests.push(url);
  });
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  await page.goto(planUrl + hash, { waitUntil: 'load' });
  return { context, page, requests, errors };
}

// Every picture decoded; the sizes they decoded to.
async function decodeAll(page) {
  return page.evaluate(async () => Promise.all([...document.images].map(async (image) => {
    await image.decode();
    return { width: image.naturalWidth, height: image.naturalHeight, alt: image.alt };
  })));
}

function screenshotPath(name) {
  fs.mkdirSync(screenshots, { recursive: true });
  return path.join(screenshots, `${name}.png`);
}

before(async () => {
  workDir = fs.mkdtempSync(path.join(os.tmpdir(), 'shotweave-pocket-'));
  const folder = path.join(workDir, 'court-metrage');
  fs.cpSync(path.dirname(example), folder, { recursive: true });
  const projectFile = path.join(folder, path.basename(example));
  browser = await chromium.launch({ executablePath: '/usr/bin/chromium', args: CHROMIUM_ARGS });

  const page = await browser.newPage();
  const photo = await drawPhoto(page);
  await page.close();
  fs.writeFileSync(path.join(folder, 'court', 'img', PHOTO), photo);

  const values = readValues(fs.readFileSync(projectFile));
  const shots = shotIndexes(values);
  const first = textOf(values[shots[0]]).split('||||');
  first[7] = PHOTO;
  values[shots[0]] = utf8Value(first.join('||||'));
  fs.writeFileSync(projectFile, writeValues(values));
  shotNames = shots.map((index) => textOf(values[index]).split('||||')[0]);

  planFile = path.join(workDir, 'plan de poche.html');
  const output = execFileSync(program, ['--share', projectFile, planFile], { timeout: 60000, encoding: 'utf8' });
  assert.equal(output, `${planFile}\n`);
  planUrl = pathToFileURL(planFile).href;
});

after(async () => {
  await browser?.close();
  if (workDir) fs.rmSync(workDir, { recursive: true, force: true });
});

describe('the pocket plan', () => {
  test('is one file under 3 MB that HTML Tidy finds valid', () => {
    const size = fs.statSync(planFile).size;
    assert.ok(size < MAX_PLAN_BYTES, `${size} bytes`);
    // tidy 5.6 does not know decoding yet, which browsers do.
    const tidy = spawnSync('tidy', ['-errors', '-q', '--warn-proprietary-attributes', 'no', planFile],
      { encoding: 'utf8' });
    assert.equal(tidy.status, 0, tidy.stderr);
  });

  const layouts = [
    { name: 'phone', width: 390, height: 844, touch: true, script: true },
    { name: 'phone-noscript', width: 390, height: 844, touch: true, script: false },
    { name: 'narrowest', width: 320, height: 640, touch: true, script: true },
    { name: 'desktop', width: 1280, height: 800, script: true },
  ];
  for (const layout of layouts) {
    test(`reads whole at ${layout.width} × ${layout.height}${layout.script ? '' : ' without script'}`, async () => {
      const { context, page, requests, errors } = await openPlan(layout);
      try {
        const sizes = await decodeAll(page);
        // Two pictures per shot at most, one per storyboard panel; the
        // photo scaled to 1024 × 768 and 480 × 360.
        assert.ok(sizes.length >= 8, `${sizes.length} pictures`);
        assert.ok(sizes.every(({ width, height }) => width > 0 && height > 0));
        assert.ok(sizes.some(({ width, height }) => width === 1024 && height === 768));
        assert.ok(sizes.some(({ width, height }) => width === 480 && height === 360));
        const overflow = await page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
        assert.ok(overflow <= 0, `${overflow} px of sideways scrolling`);
        const text = await page.evaluate(() => document.body.innerText);
        for (const name of shotNames) assert.ok(text.includes(name), name);
        const filterShown = await page.isVisible('#filtre');
        assert.equal(filterShown, layout.script);
        // Taps land on targets of at least 44 px.
        const smallest = await page.evaluate(() => Math.min(
          ...[...document.querySelectorAll('.bar nav a, .board a')].map((link) => link.getBoundingClientRect().height)));
        assert.ok(smallest >= 44, `a link ${smallest} px high`);
        await page.screenshot({ path: screenshotPath(`pocket-${layout.name}`), fullPage: true });
        assert.deepEqual(requests, []);
        assert.deepEqual(errors, []);
      } finally {
        await context.close();
      }
    });
  }

  test('filters the shots on all their texts, accents or not', async () => {
    const { context, page } = await openPlan({ width: 390, height: 844, touch: true });
    try {
      await page.fill('#filtre', 'pluie');
      const shown = await page.$$eval('.shot', (shots) => shots.filter((shot) => !shot.hidden).map((shot) => shot.id));
      const expected = await page.$$eval('.shot', (shots) => shots
        .filter((shot) => shot.textContent.toLowerCase().includes('pluie')).map((shot) => shot.id));
      assert.ok(shown.length > 0 && shown.length < shotNames.length, shown.join());
      assert.deepEqual(shown, expected);
      const tiles = await page.$$eval('.board li', (items) => items.filter((item) => !item.hidden).length);
      assert.equal(tiles, shown.length);
      await page.fill('#filtre', 'reveil');
      assert.deepEqual(await page.$$eval('.shot', (shots) => shots.filter((shot) => !shot.hidden).map((shot) => shot.id)),
        ['plan-1']);
      await page.fill('#filtre', 'zzzz');
      assert.match(await page.textContent('#trouves'), /Aucun plan ne contient « zzzz »/);
      await page.fill('#filtre', '');
      assert.equal(await page.$$eval('.shot', (shots) => shots.filter((shot) => shot.hidden).length), 0);
    } finally {
      await context.close();
    }
  });

  test('a link to one shot shows it below the sticky header', async () => {
    const { context, page } = await openPlan({ width: 390, height: 844, touch: true, hash: '#plan-5' });
    try {
      const [top, headerBottom] = await page.evaluate(() => [
        document.getElementById('plan-5').getBoundingClientRect().top,
        document.querySelector('.bar').getBoundingClientRect().bottom]);
      assert.ok(top >= headerBottom - 1 && top < 844, `shot at ${top}, header down to ${headerBottom}`);
    } finally {
      await context.close();
    }
  });

  test('follows the system into dark mode with its own palette', async () => {
    const { context, page } = await openPlan({ width: 390, height: 844, touch: true, scheme: 'dark' });
    try {
      const [background, colour] = await page.evaluate(() => {
        const style = getComputedStyle(document.body);
        return [style.backgroundColor, style.color];
      });
      assert.equal(background, 'rgb(19, 19, 22)');
      assert.equal(colour, 'rgb(232, 232, 238)');
      await page.screenshot({ path: screenshotPath('pocket-phone-dark') });
    } finally {
      await context.close();
    }
  });

  test('prints with its pictures', async () => {
    const { context, page } = await openPlan({ width: 1280, height: 800 });
    try {
      const pdf = path.join(workDir, 'plan.pdf');
      await page.emulateMedia({ media: 'print' });
      await page.pdf({ path: pdf, format: 'A4' });
      const images = execFileSync('pdfimages', ['-list', pdf], { encoding: 'utf8' }).trim().split('\n').slice(2);
      assert.ok(images.length >= 8, `${images.length} pictures printed`);
      const pages = execFileSync('pdfinfo', [pdf], { encoding: 'utf8' }).match(/Pages:\s+(\d+)/)[1];
      for (let number = 1; number <= Number(pages); ++number) {
        execFileSync('pdftoppm', ['-png', '-r', '40', '-f', `${number}`, '-l', `${number}`, pdf,
          path.join(screenshots, `pocket-print-${number}`)]);
      }
    } finally {
      await context.close();
    }
  });
});
