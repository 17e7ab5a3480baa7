// SPDX-License-Identifier: GPL-3.0-or-later
// Debian's Chromium, headless, for the page's tests and measurements: no
// network, a fresh profile, the page opened from file://.
import { chromium } from 'playwright-core';
import { mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';

export const executablePath = process.env.QUELLOR_CHROMIUM || '/usr/bin/chromium';

export async function launch() {
  const profile = mkdtempSync(join(tmpdir(), 'quellor-chromium-'));
  return chromium.launchPersistentContext(profile, {
    executablePath,
    headless: true,
    acceptDownloads: true,
    hasTouch: true,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
}

// A page of the given size and language with the lesson loaded and ready.
export async function open(context, file, { width = 1280, height = 800, locale = 'ru-RU', touch = false } = {}) {
  const page = await context.newPage();
  await page.setViewportSize({ width, height });
  const client = await context.newCDPSession(page);
  await client.send('Emulation.setLocaleOverride', { locale });
  await page.addInitScript((l) => {
    Object.defineProperty(navigator, 'language', { get: () => l });
    Object.defineProperty(navigator, 'languages', { get: () => [l] });
  }, locale);
  if (touch) await client.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 5 });
  const errors = [], requests = [];
  page.on('request', (r) => requests.push(r.url()));
  page.on('pageerror', (e) => errors.push(String(e)));
  page.on('console', (m) => { if (m.type() === 'error') errors.push(m.text()); });
  await page.goto(pathToFileURL(file).href);
  await page.waitForSelector('body[data-ready="1"]', { timeout: 10000 });
  page.quellorErrors = errors;
  page.quellorRequests = requests;
  return page;
}
