// The published site of the example film in a real browser: Debian's chromium,
// driven by playwright-core (which never downloads a browser of its own).
//
// Environment: SHOTWEAVE_BIN, the program; SHOTWEAVE_EXAMPLE, the example's
// project file; SHOTWEAVE_IMPORTED, optionally, a project saved by the editor
// with pictures it imported. The example is copied into a temporary folder and
// published there twice: as it is (script-driven shot viewer) and with its
// layout switched to the plain shots page, and with words of many scripts in
// its title, its first shot and the name of that shot's picture; the imported
// project is copied and published beside them. Each site is opened from
// file:// and from a loopback HTTP server.

import { after, before, describe, test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import vm from 'node:vm';

import { chromium } from 'playwright-core';

import { readValues, textOf, utf8Value, writeValues } from './projectfile.mjs';

const CHROMIUM = '/usr/bin/chromium';
const CHROMIUM_ARGS = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
];
const STEP_TIMEOUT = 15000;

// The page-layout block stores the page settings as "width;margin;noJSPlan;".
// The example keeps the default form, so switching to the plain shots page
// changes one byte and leaves every length in the file as it was.
const SCRIPT_PAGE_SPECS = Buffer.from('90%;7;0;');
const PLAIN_PAGE_SPECS = Buffer.from('90%;7;1;');

const MENU_PAGES = [
  { caption: 'plans', file: 'pIndex.htm' },
  { caption: 'synopsis', file: 'synops.htm' },
  { caption: 'continuité', file: 'action.htm' },
  { caption: 'découpage', file: 'ActDec.htm' },
  { caption: 'storyboard', file: 'storyBrd.htm' },
  { caption: 'rapport', file: 'sRp.htm' },
];

const program = process.env.SHOTWEAVE_BIN;
const example = process.env.SHOTWEAVE_EXAMPLE;
// A copy of the example whose first shot has a picture imported through the
// editor (the GUI picture suite saves it); its case is skipped without one.
const imported = process.env.SHOTWEAVE_IMPORTED;
const IMPORTED_PICTURE = 'Ete_a_la_plage.jpg';

// Words of six scripts and an emoji: none of them may be lost on the way to
// the browser.
const WORLD_WORDS = 'Łukasz Dvořák Őrség Nguyễn Ελένη Дмитрий Երևան თბილისი 日本 ✓ → 🎬';
const WORLD_TITLE = `Le film de ${WORLD_WORDS}`;
const WORLD_PICTURE = 'Őrség 日本 🎬.jpg';

let workDir;
let scriptSite;
let worldSite;
let worldShots;
let plainSite;
let importedSite;
let payloadSite;
let shots;
let importedShots;
let server;
let serverRoot;
let context;

function publish(projectFile) {
  const output = execFileSync(program, ['--publish', projectFile], { timeout: 60000, encoding: 'utf8' });
  const siteDir = path.join(path.dirname(projectFile), path.basename(projectFile).split('.')[0]);
  assert.equal(output, `Le film ${path.basename(projectFile)} est maintenant publié dans le dossier ${siteDir}/.\n`);
  return siteDir;
}


// The example with the world's words in its title and in the name and the
// action of its first shot with a picture, whose picture file is copied under
// a name of many scripts too.
function worldProject(projectFile) {
  const bytes = fs.readFileSync(projectFile);
  const values = readValues(bytes);
  assert.deepEqual(writeValues(values), bytes, 'the project file is read value by value');
  const strings = values.filter((value) => value.tag === 6 || value.tag === 12 || value.tag === 20);
  const info = textOf(strings[0]).split('||||');
  info[0] = WORLD_TITLE;
  values[values.indexOf(strings[0])] = utf8Value(info.join('||||'));
  const firstInList = values.findIndex((value) => value.tag === 1) + 1;
  const shotIndex = values.findIndex((value, index) => index >= firstInList && value.tag !== 0
    && textOf(value).split('||||')[7]);
  const shot = textOf(values[shotIndex]).split('||||');
  const imgDir = path.join(path.dirname(projectFile), path.basename(projectFile).split('.')[0], 'img');
  fs.copyFileSync(path.join(imgDir, shot[7]), path.join(imgDir, WORLD_PICTURE));
  shot[0] = WORLD_WORDS;
  shot[1] = `${WORLD_WORDS} "entre" (vite)`;
  shot[7] = WORLD_PICTURE;
  values[shotIndex] = utf8Value(shot.join('||||'));
  fs.writeFileSync(projectFile, writeValues(values));
}

// What a project from someone else may carry: markup that runs a script when
// it is pasted as HTML, as an attribute or into the viewer's script.
const PAYLOAD_HTML = '<b>gras</b> <ul><li>un</li></ul><script>alert("PWNED")</script>'
  + '<img src=x onerror="console.log(\'PWNED\')"><a href="javascript:console.log(\'PWNED\')">lien</a>'
  + '<p onmouseover="console.log(\'PWNED\')" style="width:expression(alert(\'PWNED\'))">survol</p>'
  + '<iframe src="javascript:alert(\'PWNED\')"></iframe><svg onload="console.log(\'PWNED\')"></svg>';
const PAYLOAD_TEXT = '"><img src=x onerror="console.log(\'PWNED\')"><script>alert("PWNED")</script>';
const PAYLOAD_PICTURE = 'x.jpg" onerror="console.log(\'PWNED\')';

// The example with a payload in every text of the general information and of
// every shot, and in the picture names.
function payloadProject(projectFile) {
  const bytes = fs.readFileSync(projectFile);
  const values = readValues(bytes);
  const strings = values.filter((value) => value.tag === 6 || value.tag === 12 || value.tag === 20);
  const info = textOf(strings[0]).split('||||');
  info[0] = PAYLOAD_TEXT;
  info[1] = PAYLOAD_TEXT;
  for (const field of [2, 3, 4]) info[field] = PAYLOAD_HTML;
  values[values.indexOf(strings[0])] = utf8Value(info.join('||||'));
  const firstInList = values.findIndex((value) => value.tag === 1) + 1;
  for (let index = firstInList; index < values.length; ++index) {
    const value = values[index];
    if (value.tag !== 6 && value.tag !== 12 && value.tag !== 20) continue;
    const shot = textOf(value).split('||||');
    if (shot.length < 8) continue;
    shot[0] = PAYLOAD_TEXT;
    shot[1] = PAYLOAD_HTML;
    shot[2] = PAYLOAD_HTML;
    shot[3] = PAYLOAD_HTML;
    if (shot[7]) shot[7] = PAYLOAD_PICTURE;
    values[index] = utf8Value(shot.join('||||'));
  }
  fs.writeFileSync(projectFile, writeValues(values));
}

function copyExample(name) {
  const target = path.join(workDir, name);
  fs.cpSync(path.dirname(example), target, { recursive: true });
  return path.join(target, path.basename(example));
}

// The shot records of the viewer's data part (everything before the routines),
// read the way a browser reads the unlabelled Windows-1252 file.
function readShots(siteDir) {
  const script = new TextDecoder('windows-1252').decode(fs.readFileSync(path.join(siteDir, 'vScript.js')));
  const dataPart = script.split('//////////////////////////')[0];
  const sandbox = {};
  vm.runInNewContext(`${dataPart}\nthis.shots = p;`, sandbox, { timeout: 1000 });
  return Array.from(sandbox.shots);
}

const CONTENT_TYPES = {
  '.html': 'text/html', '.htm': 'text/html', '.css': 'text/css', '.js': 'text/javascript', '.jpg': 'image/jpeg',
};

// Serves the work folder to the loopback interface only; nothing outside it,
// GET and HEAD only, unknown files get 404 (which the tests count as errors).
function startServer(root) {
  return new Promise((resolve) => {
    const rootPrefix = root + path.sep;
    const httpServer = http.createServer((request, response) => {
      const url = new URL(request.url, 'http://127.0.0.1');
      const file = path.normalize(path.join(root, decodeURIComponent(url.pathname)));
      if ((request.method !== 'GET' && request.method !== 'HEAD') || !file.startsWith(rootPrefix)) {
        response.writeHead(403).end();
        return;
      }
      if (url.pathname === '/favicon.ico') {
        response.writeHead(204).end();
        return;
      }
      fs.readFile(file, (error, bytes) => {
        if (error) {
          response.writeHead(404).end();
          return;
        }
        response.writeHead(200, { 'Content-Type': CONTENT_TYPES[path.extname(file)] ?? 'application/octet-stream' });
        response.end(request.method === 'HEAD' ? undefined : bytes);
      });
    });
    httpServer.requestTimeout = 10000;
    httpServer.headersTimeout = 5000;
    httpServer.maxConnections = 32;
    httpServer.listen(0, '127.0.0.1', () => resolve(httpServer));
  });
}

function siteUrl(siteDir, how) {
  if (how === 'file') return pathToFileURL(path.join(siteDir, 'index.html')).href;
  const relative = path.relative(serverRoot, siteDir).split(path.sep).map(encodeURIComponent).join('/');
  return `http://127.0.0.1:${server.address().port}/${relative}/index.html`;
}

// Opens the site's entry page in a fresh tab that records every script error.
async function openSite(siteDir, how) {
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(`page error: ${error.message}`));
  page.on('console', (message) => {
    if (message.type() === 'error') errors.push(`console: ${message.text()} (${message.location().url})`);
  });
  page.on('requestfailed', (request) => errors.push(`failed request: ${request.url()}`));
  page.on('response', (response) => {
    if (response.status() >= 400) errors.push(`HTTP ${response.status()}: ${response.url()}`);
  });
  await page.goto(siteUrl(siteDir, how), { waitUntil: 'load', timeout: STEP_TIMEOUT });
  return { page, errors };
}

function frameNamed(page, name) {
  const frame = page.frame({ name });
  assert.ok(frame, `frame ${name} is there`);
  return frame;
}

// Polls until check() returns a truthy value, then returns it.
async function eventually(what, check) {
  const deadline = Date.now() + STEP_TIMEOUT;
  let lastError;
  while (Date.now() < deadline) {
    try {
      const value = await check();
      if (value) return value;
    } catch (error) {
      lastError = error; // the frame was navigating
    }
    await new Promise((resolve) => setTimeout(resolve, 50));
  }
  assert.fail(`${what} did not happen${lastError ? `: ${lastError.message}` : ''}`);
}

async function waitForFrameFile(page, name, file) {
  return eventually(`frame ${name} showing ${file}`, async () => {
    const frame = page.frame({ name });
    if (!frame || decodeURIComponent(new URL(frame.url()).pathname).split('/').pop() !== file) return null;
    await frame.waitForLoadState('load', { timeout: STEP_TIMEOUT });
    return frame;
  });
}

// The entry page and the menu appear, and every menu entry opens its page in
// the main frame.
async function checkEntryAndMenu(page, shotList = shots, title = 'Le parapluie') {
  const main = await waitForFrameFile(page, 'main', 'main.htm');
  assert.equal(await main.locator('h1').innerText(), title);
  assert.match(await main.locator('body').innerText(), /Dernière mise à jour: \S+, /);

  const menu = await waitForFrameFile(page, 'menu', 'menu.htm');
  const captions = await menu.locator('a').allInnerTexts();
  assert.deepEqual(captions, MENU_PAGES.map((entry) => entry.caption));
  assert.ok(await menu.locator('a').first().isVisible(), 'the menu is shown');

  for (const entry of MENU_PAGES) {
    await menu.locator('a', { hasText: entry.caption }).click();
    const frame = await waitForFrameFile(page, 'main', entry.file);
    const shown = await frame.evaluate(() => (document.body.tagName === 'FRAMESET'
      ? [...document.querySelectorAll('frame')].map((element) => element.name).join(',')
      : document.body.innerText.trim()));
    if (entry.file === 'pIndex.htm') assert.equal(shown, 'pMenu,pMain');
    else assert.ok(shown.length > 0, `${entry.file} shows something`);
  }

  // Independent views of the same shot list agree with the viewer's data.
  await menu.locator('a', { hasText: 'continuité' }).click();
  const continuity = await waitForFrameFile(page, 'main', 'action.htm');
  assert.equal(await continuity.locator('tr').count(), shotList.length + 1);
  await menu.locator('a', { hasText: 'storyboard' }).click();
  const storyboard = await waitForFrameFile(page, 'main', 'storyBrd.htm');
  assert.equal(await storyboard.locator('.num').count(), shotList.length);
  for (const [index, shot] of shotList.entries()) {
    // The start picture, and the end picture beside it.
    const pictures = storyboard.locator('td').nth(index).locator('img');
    const expected = picturesOf(shot);
    assert.equal(await pictures.count(), expected.length);
    for (const [at, name] of expected.entries()) {
      const picture = pictures.nth(at);
      assert.ok((await picture.getAttribute('src')).endsWith(`img/${name}`));
      assert.ok(await picture.evaluate((img) => img.complete && img.naturalWidth > 0), `storyboard picture ${name}`);
    }
  }
  await menu.locator('a', { hasText: 'rapport' }).click();
  const report = await waitForFrameFile(page, 'main', 'sRp.htm');
  assert.equal(await report.locator('h4').innerText(), 'Rapport de production');
  return menu;
}

// The pictures the site shows for a shot of the viewer's data: its start
// picture, then its end picture.
function picturesOf(shot) {
  return [shot.pict, shot.pictEnd].filter((name) => name !== 'blank');
}

async function openShotViewer(page, menu, displayFile, shotList = shots) {
  await menu.locator('a', { hasText: 'plans' }).click();
  await waitForFrameFile(page, 'main', 'pIndex.htm');
  const shotMenu = await waitForFrameFile(page, 'pMenu', 'pMenu.htm');
  await waitForFrameFile(page, 'pMain', displayFile);
  const links = shotMenu.locator('a');
  assert.equal(await links.count(), shotList.length);
  assert.deepEqual(await links.allInnerTexts(), shotList.map((shot) => shot.name));
  return links;
}

async function checkScriptViewer(page, menu, shotList = shots) {
  assert.ok(shotList.some((shot) => shot.pict === 'blank'), 'the project has a shot without picture');
  assert.ok(shotList.some((shot) => shot.pict !== 'blank'), 'the project has a shot with a picture');
  const links = await openShotViewer(page, menu, 'pMain.htm', shotList);
  // Click the shots out of order, so that the display follows the click and
  // not the order of loading.
  const order = [...shotList.keys()].reverse();
  order.push(0);
  for (const index of order) {
    const shot = shotList[index];
    // Mark the document shown now, so that only the page loaded by this click counts.
    await frameNamed(page, 'pMain').evaluate(() => { window.shownBeforeClick = true; });
    await links.nth(index).click();
    const heading = `${index + 1}. ${shot.name}`;
    const display = await eventually(`shot ${heading} shown`, async () => {
      const frame = page.frame({ name: 'pMain' });
      const shown = await frame?.evaluate(() => (!window.shownBeforeClick && document.readyState === 'complete'
        ? document.querySelector('body > b')?.innerText : null));
      return shown === heading ? frame : null;
    });

    const expectedPictures = picturesOf(shot);
    if (expectedPictures.length === 0) {
      assert.equal(await display.locator('img').count(), 0, `${heading}: no picture`);
      assert.equal(await display.locator('div.iFrame').count(), 1, `${heading}: the empty frame`);
    } else {
      const pictures = display.locator('img');
      assert.equal(await pictures.count(), expectedPictures.length, `${heading}: its pictures`);
      for (const [at, name] of expectedPictures.entries()) {
        const picture = pictures.nth(at);
        assert.ok((await picture.getAttribute('src')).endsWith(`img/${name}`));
        assert.ok(await picture.evaluate((img) => img.complete && img.naturalWidth > 0), `${heading}: ${name} loaded`);
      }
      assert.equal(await display.locator('div.iFrame').count(), 0);
    }

    const expected = [['CAM', shot.CAM], ['duree', shot.time], ['action', shot.action], ['son', shot.snd],
      ['dialogue', shot.dlg]].filter(([, value]) => value !== '').map(([caption]) => caption);
    assert.deepEqual(await display.locator('h5').allInnerTexts(), expected, `${heading}: its non-empty sections`);
  }
}

async function checkPlainShotsPage(page, menu) {
  const links = await openShotViewer(page, menu, 'plans.htm');
  for (const index of [...shots.keys(), 0]) {
    await links.nth(index).click();
    const display = await eventually(`anchor p${index} reached`, async () => {
      const frame = page.frame({ name: 'pMain' });
      return frame && new URL(frame.url()).hash === `#p${index}` ? frame : null;
    });
    const place = await eventually(`anchor p${index} in view`, () => display.evaluate((name) => {
      const anchor = document.getElementsByName(name)[0];
      if (!anchor) return null;
      const top = anchor.getBoundingClientRect().top;
      const atEnd = window.scrollY + window.innerHeight >= document.documentElement.scrollHeight - 1;
      // The anchor stands at the top of the frame, unless the page cannot
      // scroll that far.
      return (Math.abs(top) <= 2 || (atEnd && top >= 0 && top < window.innerHeight)) ? { top } : null;
    }, `p${index}`));
    assert.ok(place);
    // The shot's heading is the first level-4 heading after its anchor.
    const heading = await display.evaluate((name) => {
      const anchor = document.getElementsByName(name)[0];
      const next = [...document.querySelectorAll('h4')].find(
        (h4) => anchor.compareDocumentPosition(h4) & Node.DOCUMENT_POSITION_FOLLOWING);
      return next ? next.innerText : null;
    }, `p${index}`);
    assert.equal(heading, shots[index].name);
  }
}

describe('published site of the example film', { timeout: 300000 }, () => {
  before(async () => {
    assert.ok(program, 'SHOTWEAVE_BIN names the program');
    assert.ok(example, 'SHOTWEAVE_EXAMPLE names the example project');
    workDir = fs.realpathSync(fs.mkdtempSync(path.join(os.tmpdir(), 'shotweave-e2e-')));

    const scriptProject = copyExample('script');
    const scriptBytes = fs.readFileSync(scriptProject);
    assert.equal(scriptBytes.indexOf(SCRIPT_PAGE_SPECS), scriptBytes.lastIndexOf(SCRIPT_PAGE_SPECS));
    assert.ok(scriptBytes.includes(SCRIPT_PAGE_SPECS), 'the example keeps the default page settings');
    scriptSite = publish(scriptProject);
    assert.deepEqual(fs.readFileSync(scriptProject), scriptBytes, 'publishing leaves the project file alone');

    const plainProject = copyExample('plain');
    const plainBytes = Buffer.from(scriptBytes);
    PLAIN_PAGE_SPECS.copy(plainBytes, plainBytes.indexOf(SCRIPT_PAGE_SPECS));
    fs.writeFileSync(plainProject, plainBytes);
    plainSite = publish(plainProject);
    assert.ok(fs.existsSync(path.join(plainSite, 'plans.htm')));
    assert.ok(!fs.existsSync(path.join(plainSite, 'pMain.htm')));

    shots = readShots(scriptSite);
    assert.ok(shots.length >= 6, 'the example has several shots');

    const worldFile = copyExample('world');
    worldProject(worldFile);
    worldSite = publish(worldFile);
    worldShots = readShots(worldSite);
    const worldShot = worldShots.find((shot) => shot.name === WORLD_WORDS);
    assert.ok(worldShot, 'the script holds the shot name whole');
    assert.equal(worldShot.pict, WORLD_PICTURE);

    const payloadFile = copyExample('payload');
    payloadProject(payloadFile);
    payloadSite = publish(payloadFile);

    if (imported) {
      // The project file and its site folder, with the imported pictures.
      const target = path.join(workDir, 'imported');
      fs.mkdirSync(target);
      const siteName = path.basename(imported).split('.')[0];
      fs.copyFileSync(imported, path.join(target, path.basename(imported)));
      fs.cpSync(path.join(path.dirname(imported), siteName), path.join(target, siteName), { recursive: true });
      importedSite = publish(path.join(target, path.basename(imported)));
      importedShots = readShots(importedSite);
      assert.equal(importedShots[0].pict, IMPORTED_PICTURE);
    }

    serverRoot = workDir;
    server = await startServer(serverRoot);
    context = await chromium.launchPersistentContext(fs.mkdtempSync(path.join(workDir, 'profile-')), {
      executablePath: CHROMIUM,
      headless: true,
      args: CHROMIUM_ARGS,
      timeout: 60000,
    });
    context.setDefaultTimeout(STEP_TIMEOUT);
    // Nothing but the site: no request leaves the machine.
    await context.route(/^https?:/, (route) => {
      const url = new URL(route.request().url());
      if (url.hostname === '127.0.0.1' && url.port === String(server.address().port)) return route.continue();
      return route.abort();
    });
  });

  after(async () => {
    await context?.close();
    await new Promise((resolve) => (server ? server.close(resolve) : resolve()));
    server?.closeAllConnections?.();
    if (workDir) fs.rmSync(workDir, { recursive: true, force: true });
  });

  for (const how of ['file', 'http']) {
    test(`script mode, opened over ${how}`, async () => {
      const { page, errors } = await openSite(scriptSite, how);
      const menu = await checkEntryAndMenu(page);
      await checkScriptViewer(page, menu);
      assert.deepEqual(errors, []);
      await page.close();
    });

    test(`imported pictures, opened over ${how}`, { skip: imported ? false : 'SHOTWEAVE_IMPORTED names no project' },
      async () => {
        const { page, errors } = await openSite(importedSite, how);
        const menu = await checkEntryAndMenu(page, importedShots);
        await checkScriptViewer(page, menu, importedShots);
        assert.deepEqual(errors, []);
        await page.close();
      });

    test(`words of many scripts, opened over ${how}`, async () => {
      const { page, errors } = await openSite(worldSite, how);
      const menu = await checkEntryAndMenu(page, worldShots, WORLD_TITLE);
      await checkScriptViewer(page, menu, worldShots);
      // The continuity page writes them as references, which the browser reads back.
      await menu.locator('a', { hasText: 'continuité' }).click();
      const continuity = await waitForFrameFile(page, 'main', 'action.htm');
      const shown = await continuity.locator('body').innerText();
      assert.ok(shown.includes(`${WORLD_WORDS} "entre" (vite)`), shown);
      assert.deepEqual(errors, []);
      await page.close();
    });

    test(`a payload in every field runs nowhere, opened over ${how}`, async () => {
      const { page } = await openSite(payloadSite, how);
      const ran = [];
      page.on('console', (message) => { if (message.text().includes('PWNED')) ran.push(message.text()); });
      page.on('dialog', async (dialog) => { ran.push(`dialog: ${dialog.message()}`); await dialog.dismiss(); });
      // Every element of every frame is hovered, and no link of the payload
      // is left to click.
      const hoverEverything = async () => {
        for (const frame of page.frames()) {
          const left = await frame.evaluate(() => {
            for (const element of document.querySelectorAll('*')) {
              for (const type of ['mouseover', 'mouseenter', 'mousemove', 'focus']) {
                element.dispatchEvent(new MouseEvent(type, { bubbles: true }));
              }
            }
            const addresses = [...document.querySelectorAll('[href],[src]')]
              .map((element) => element.getAttribute('href') ?? element.getAttribute('src'))
              .filter((address) => /^\s*(javascript|vbscript|data):/i.test(address)
                && !/^javaScript:getPlan\(\d+\)$/.test(address));
            const handlers = [...document.querySelectorAll('*')].flatMap((element) => [...element.attributes]
              .filter((attribute) => /^on/i.test(attribute.name)).map((attribute) => `${element.tagName} ${attribute.name}`));
            return [...addresses, ...handlers];
          }).catch(() => []);
          assert.deepEqual(left, [], `${frame.url()}: no script address or handler`);
        }
      };
      const main = await waitForFrameFile(page, 'main', 'main.htm');
      await hoverEverything();
      const menu = await waitForFrameFile(page, 'menu', 'menu.htm');
      for (const entry of MENU_PAGES) {
        await menu.locator('a', { hasText: entry.caption }).click();
        await waitForFrameFile(page, 'main', entry.file);
        await hoverEverything();
      }
      await menu.locator('a', { hasText: 'plans' }).click();
      await waitForFrameFile(page, 'main', 'pIndex.htm');
      const links = (await waitForFrameFile(page, 'pMenu', 'pMenu.htm')).locator('a');
      assert.ok(await links.count() >= 6, 'every shot in the list');
      for (let index = 0; index < await links.count(); ++index) {
        await links.nth(index).click();
        await waitForFrameFile(page, 'pMain', 'pMain.htm');
        await hoverEverything();
      }
      await menu.locator('a', { hasText: 'synopsis' }).click();
      const synopsis = await waitForFrameFile(page, 'main', 'synops.htm');
      assert.ok(await synopsis.locator('b', { hasText: 'gras' }).count() > 0, 'bold text still bold');
      assert.ok(await synopsis.locator('ul li', { hasText: 'un' }).count() > 0, 'a list still a list');
      assert.ok(main);
      assert.deepEqual(ran, []);
      await page.close();
    });

    test(`plain mode, opened over ${how}`, async () => {
      const { page, errors } = await openSite(plainSite, how);
      const menu = await checkEntryAndMenu(page);
      await checkPlainShotsPage(page, menu);
      assert.deepEqual(errors, []);
      await page.close();
    });
  }
});
