// SPDX-License-Identifier: GPL-3.0-or-later
// The same page in Debian's Firefox ESR, driven over WebDriver BiDi by
// puppeteer-core: what Firefox does its own way (pointer events, <dialog>,
// canvas text, the language it asks for) caught at a phone's size held
// upright and a projector's, in Russian and English. The read-outs of the
// standard case are compared with the table the Chromium test wrote.
import { test, after } from 'node:test';
import assert from 'node:assert/strict';
import { existsSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const file = process.env.QUELLOR_PAGE;
const out = process.env.QUELLOR_OUT || '.';
const TW = 15000;
const browsers = new Map();
after(async () => { for (const b of browsers.values()) await b.close(); });

// The language is Firefox's own preference, as a user sets it: one browser
// (in a fresh profile of its own) a language.
async function firefox(locale) {
  if (!browsers.has(locale))
    browsers.set(locale, await puppeteer.launch({
      browser: 'firefox', executablePath: process.env.QUELLOR_FIREFOX || '/usr/bin/firefox-esr', headless: true,
      extraPrefsFirefox: { 'intl.accept_languages': `${locale}, ${locale.split('-')[0]}` },
    }));
  return browsers.get(locale);
}

async function open(browser, width, height) {
  const page = await browser.newPage();
  await page.setViewport({ width, height, hasTouch: width < 600 });
  const errors = [], requests = [];
  page.on('pageerror', (e) => errors.push(String(e)));
  page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
  page.on('request', (r) => requests.push(r.url()));
  await page.goto(pathToFileURL(file).href);
  await page.waitForSelector('body[data-ready="1"]', { timeout: 15000 });
  return { page, errors, requests };
}

const view = (page) => page.evaluate(() => window.quellor.view());
const text = (page, sel) => page.$eval(sel, (e) => e.innerText);
const numbersIn = (s) => [...s.replace(/\u2212/g, '-').matchAll(/=\s*(-?\d+[.,]\d+)/g)].map((m) => Number(m[1].replace(',', '.')));
async function at(page, x, y) {
  const r = await (await page.$('#bench')).boundingBox();
  return { x: r.x + (x * r.width) / TW, y: r.y + (y * r.width) / TW };
}
// The rows of the bench with the lens's blue in them (#0000c0, blended with
// the white where a thin line falls between pixels): the lens as a stroke
// across a third of the bench's height, not its arrowheads alone.
const lensRows = (page) => page.evaluate(() => {
  const c = document.getElementById('bench');
  const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
  const rows = new Set();
  for (let i = 0; i < d.length; i += 4) if (d[i + 2] > 150 && d[i + 2] - Math.max(d[i], d[i + 1]) > 60) rows.add(Math.floor(i / 4 / c.width));
  return [rows.size, c.height];
});

// The Chromium test's row for key 2 (converging, one medium), in Russian.
const casesFile = join(out, 'page-cases.json');
const chromiumRow = existsSync(casesFile)
  ? JSON.parse(readFileSync(casesFile, 'utf8')).find((r) => r.converging && r.n2 === 1 && r.key === 2) : null;

for (const locale of ['ru-RU', 'en-GB'])
  for (const [width, height] of [[360, 640], [1920, 1080]])
    test(`Firefox, ${locale}, ${width}×${height}`, async () => {
      const { page, errors, requests } = await open(await firefox(locale), width, height);
      assert.equal(await page.evaluate(() => document.documentElement.lang), locale.slice(0, 2));
      assert.equal(await page.evaluate(() => innerWidth), width);
      await page.click('#cmdScheme');
      const [rows, canvasHeight] = await lensRows(page);
      assert.ok(rows >= canvasHeight / 3, `the lens's blue in ${rows} rows of ${canvasHeight}`);

      // Key 2: the object at 2F, its image at 2F′ of the same size, inverted.
      await page.focus('#bench');
      await page.keyboard.press('2');
      const [F] = numbersIn(await text(page, '#lblFocal'));
      const [d, b, gamma] = numbersIn(await text(page, '#lblDistances'));
      assert.ok(Math.abs(d - 2 * F) <= 0.02 && Math.abs(b - d) <= 0.02 && Math.abs(gamma) === 1, `F ${F} d ${d} b ${b} Γ ${gamma}`);
      if (chromiumRow) {
        const same = locale === 'ru-RU' ? (s) => s : (s) => numbersIn(s).join(' ');
        for (const [id, key] of [['#lblFocal', 'focal'], ['#lblPower', 'power'], ['#lblDistances', 'distances'], ['#lblKind', 'kind']])
          if (locale === 'ru-RU' || key !== 'kind')
            assert.equal(same(await text(page, id)), same(chromiumRow[key]), `${id} as in Chromium`);
      } else assert.notEqual(process.env.QUELLOR_WEB_REQUIRED, '1', `${casesFile} missing: the Chromium test writes it`);

      // A drag off the snapping marks: a finger on the phone, the mouse on the projector.
      const from = await at(page, 2000, 2000), to = await at(page, 4000, 3000);
      const pointer = width < 600
        ? { down: (x, y) => page.touchscreen.touchStart(x, y), move: (x, y) => page.touchscreen.touchMove(x, y), up: () => page.touchscreen.touchEnd() }
        : { down: async (x, y) => { await page.mouse.move(x, y); await page.mouse.down(); }, move: (x, y) => page.mouse.move(x, y), up: () => page.mouse.up() };
      await pointer.down(from.x, from.y);
      for (let i = 1; i <= 4; ++i) await pointer.move(from.x + ((to.x - from.x) * i) / 4, from.y + ((to.y - from.y) * i) / 4);
      await pointer.up();
      const o = (await view(page)).object;
      const twipsPerPixel = TW / (await (await page.$('#bench')).boundingBox()).width;
      assert.ok(Math.abs(o.x - 4000) <= twipsPerPixel && Math.abs(o.y - 3000) <= twipsPerPixel, `object at ${o.x}, ${o.y}`);

      // A decimal comma typed in either language: f/f′ = n1/n2.
      await page.click('#edn1');
      await page.keyboard.down('Control'); await page.keyboard.press('a'); await page.keyboard.up('Control');
      await page.keyboard.type('1,33');
      await page.keyboard.press('Enter');
      assert.equal((await view(page)).n[0], 1.33);
      const [front, back] = numbersIn(await text(page, '#lblFocal'));
      assert.ok(Math.abs(front / back - 1.33) < 0.01, `${front} / ${back}`);

      // The task dialog, a series started and its first task answered by a click.
      await page.click('#cmdTask');
      assert.equal(await page.$eval('#taskDialog', (e) => e.open), true);
      await page.type('#edName', 'Анна Ш');
      await page.$eval('#edSeed', (e) => { e.value = ''; });
      await page.type('#edSeed', '424242');
      await page.click('#cmdStart');
      await page.waitForFunction(() => window.quellor.view().task && document.activeElement.id === 'bench');
      assert.equal(await page.$eval('#taskDialog', (e) => e.open), false);
      const v = await view(page);
      const P = (v.n[1] - v.n[0]) / v.leftR - (v.n[1] - v.n[2]) / v.rightR;
      let target = { x: 7500 - v.n[0] / P, y: 3990 }; // the front focus
      if (v.task.kind === 0) { // the image, from the thin lens between media
        const u = 7500 - v.object.x, bb = v.n[2] / (P - v.n[0] / u);
        target = { x: 7500 + bb, y: 3990 - ((v.n[0] * bb) / (v.n[2] * u)) * (v.object.y - 3990) };
      }
      const p = await at(page, target.x, target.y);
      await page.mouse.click(p.x, p.y);
      const judged = (await view(page)).task;
      assert.ok(judged.checked && judged.right, await text(page, '#taskDistance'));
      assert.match(await text(page, '#taskDistance'), locale === 'ru-RU' ? /^Засчитано/ : /\S/);

      await page.screenshot({ path: join(out, `firefox-${locale}-${width}x${height}.png`) });
      assert.deepEqual(errors, []);
      // Nothing fetched: the page's WebAssembly comes from a data: URL within it.
      const fetched = requests.filter((u) => !u.startsWith('data:') && u !== pathToFileURL(file).href);
      assert.deepEqual(fetched.map((u) => u.slice(0, 200)), [], 'nothing fetched but the page');
      await page.close();
    });
