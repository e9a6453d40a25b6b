// The classic site's pictures in a real browser: a shot with a 1600 × 1200
// start picture and an end picture, published from a copy of the example and
// opened from file:// at 1280 × 800 in Debian's chromium.
//
// Environment: SHOTWEAVE_BIN, the program; SHOTWEAVE_EXAMPLE, the example's
// project file; SHOTWEAVE_SCREENSHOTS, where the screenshots go.

import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

import { chromium } from 'playwright-core';

import { drawPhoto } from './photo.mjs';
import { readValues, shotIndexes, textOf, utf8Value, writeValues } from './projectfile.mjs';

const PHOTO = 'grande.jpg';
const END_PICTURE = 'plan2b.jpg';
const screenshots = process.env.SHOTWEAVE_SCREENSHOTS || path.join(os.tmpdir(), 'shotweave-screenshots');

let browser;
let workDir;
let siteDir;

before(async () => {
  workDir = fs.mkdtempSync(path.join(os.tmpdir(), 'shotweave-sitepictures-'));
  const folder = path.join(workDir, 'court-metrage');
  fs.cpSync(path.dirname(process.env.SHOTWEAVE_EXAMPLE), folder, { recursive: true });
  const projectFile = path.join(folder, path.basename(process.env.SHOTWEAVE_EXAMPLE));
  browser = await chromium.launch({
    executablePath: '/usr/bin/chromium', args: ['--headless', '--no-sandbox', '--disable-gpu'],
  });
  const page = await browser.newPage();
  fs.writeFileSync(path.join(folder, 'court', 'img', PHOTO), await drawPhoto(page));
  await page.close();
  // The first shot starts on the photo and ends on another picture.
  const values = readValues(fs.readFileSync(projectFile));
  const first = shotIndexes(values)[0];
  const shot = textOf(values[first]).split('||||');
  shot[7] = PHOTO;
  shot[8] = END_PICTURE;
  values[first] = utf8Value(shot.join('||||'));
  fs.writeFileSync(projectFile, writeValues(values));
  execFileSync(process.env.SHOTWEAVE_BIN, ['--publish', projectFile], { timeout: 60000 });
  siteDir = path.join(folder, 'court');
});

after(async () => {
  await browser?.close();
  if (workDir) fs.rmSync(workDir, { recursive: true, force: true });
});

async function open(file, query = '') {
  const page = await browser.newPage({ viewport: { width: 1280, height: 800 } });
  await page.goto(pathToFileURL(path.join(siteDir, file)).href + query, { waitUntil: 'load' });
  return page;
}

// The pictures of the page that show the named file: their rendered widths,
// those of their cells, and the link around them.
function picturesOf(page, name) {
  return page.$$eval('img', (images, wanted) => images
    .filter((image) => decodeURIComponent(image.src).endsWith(`/img/${wanted}`))
    .map((image) => ({
      width: image.getBoundingClientRect().width,
      cell: image.closest('td').getBoundingClientRect().width,
      link: image.closest('a')?.getAttribute('href') ?? null,
      natural: image.naturalWidth,
    })), name);
}

describe('the site shows wide and end pictures', () => {
  for (const file of ['action.htm', 'ActDec.htm']) {
    test(`${file} fits 1280 × 800, the photo scaled to its column and linked`, async () => {
      const page = await open(file);
      try {
        const overflow = await page.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
        assert.ok(overflow <= 0, `${overflow} px of sideways scrolling`);
        const [photo] = await picturesOf(page, PHOTO);
        assert.equal(photo.natural, 1600);
        assert.ok(photo.width < photo.cell, `the photo ${photo.width} px in a cell of ${photo.cell} px`);
        assert.equal(photo.link, `img/${PHOTO}`);
        const [end] = await picturesOf(page, END_PICTURE);
        assert.ok(end && end.width > 0, 'the end picture shows');
        await page.screenshot({ path: path.join(screenshots, `site-wide-${file}.png`) });
      } finally {
        await page.close();
      }
    });
  }

  test('the storyboard and the viewer show the end picture beside the start picture', async () => {
    const board = await open('storyBrd.htm');
    try {
      const [start] = await picturesOf(board, PHOTO);
      const [end] = await picturesOf(board, END_PICTURE);
      assert.deepEqual([start.width, end.width], [120, 120]);
      await board.screenshot({ path: path.join(screenshots, 'site-storyboard-end.png') });
    } finally {
      await board.close();
    }
    const viewer = await open('pMain.htm', '?0');
    try {
      const shown = await viewer.$$eval('img', (images) => images.map((image) => decodeURIComponent(image.src)
        .split('/').pop()));
      assert.deepEqual(shown, [PHOTO, END_PICTURE]);
      await viewer.screenshot({ path: path.join(screenshots, 'site-viewer-end.png') });
    } finally {
      await viewer.close();
    }
  });
});
