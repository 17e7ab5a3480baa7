// SPDX-License-Identifier: GPL-3.0-or-later
// The browser page measured in Debian's headless Chromium: the file's size,
// the first paint from file://, and the main thread's time for one pointer
// drag event with every layer on, at 1920×1080 and at a phone's 360×640.
// node bench/web_page.mjs build/web/quellor.html [events]
import { statSync } from 'node:fs';
import { launch, open } from '../tests/web/browser.mjs';

const file = process.argv[2];
const events = Number(process.argv[3] || 300);
const median = (xs) => { const s = [...xs].sort((a, b) => a - b); return s[Math.floor(s.length / 2)]; };
const pct = (xs, p) => { const s = [...xs].sort((a, b) => a - b); return s[Math.min(s.length - 1, Math.floor(s.length * p))]; };

console.log(`file: ${statSync(file).size} bytes`);
const context = await launch();

// The first paint: the browser's own paint timing, from the navigation's start.
const paints = [], ready = [];
for (let i = 0; i < 5; ++i) {
  const page = await open(context, file, { width: 1920, height: 1080 });
  // The entry is recorded once the frame is presented, which may come after
  // the page says it is ready: wait for it (buffered), a second at most.
  paints.push(await page.evaluate(() => new Promise((resolve) => {
    new PerformanceObserver((list) => {
      const fcp = list.getEntriesByName('first-contentful-paint')[0];
      if (fcp) resolve(fcp.startTime);
    }).observe({ type: 'paint', buffered: true });
    setTimeout(() => resolve(NaN), 1000);
  })));
  ready.push(await page.evaluate(() => performance.getEntriesByName('quellor-ready')[0].startTime));
  await page.close();
}
console.log(`the lesson drawn and ready (ms, 5 loads): median ${median(ready).toFixed(1)}, max ${Math.max(...ready).toFixed(1)}`);
console.log(`first contentful paint (ms, 5 loads): median ${median(paints).toFixed(1)}, max ${Math.max(...paints).toFixed(1)}`);

for (const [width, height] of [[1920, 1080], [360, 640]]) {
  const page = await open(context, file, { width, height });
  await page.locator('#cmdScheme').click();
  for (const id of ['#cmdLabels', '#cmdThird', '#cmdPalette']) await page.locator(id).click();
  const box = await page.locator('#bench').boundingBox();
  // A real press starts the drag (the mouse's pointer is captured); the moves
  // are then delivered one by one and each handler timed on the main thread:
  // the lesson asked, the read-outs set, the bench drawn.
  await page.mouse.move(box.x + box.width * 0.2, box.y + box.height * 0.3);
  await page.mouse.down();
  const times = await page.evaluate(({ n, box }) => {
    const canvas = document.getElementById('bench');
    const out = [];
    // The first twenty warm the script's compiler up and are not counted.
    for (let i = -20; i < n; ++i) {
      const x = box.x + box.width * (0.05 + 0.4 * (i / n));
      const y = box.y + box.height * (0.3 + 0.2 * Math.sin(i / 17));
      const event = new PointerEvent('pointermove', { pointerId: 1, pointerType: 'mouse', clientX: x, clientY: y, buttons: 1, bubbles: true });
      const t0 = performance.now();
      canvas.dispatchEvent(event);
      if (i >= 0) out.push(performance.now() - t0);
    }
    return out;
  }, { n: events, box });
  await page.mouse.up();
  const placed = await page.evaluate(() => window.quellor.view().object);
  console.log(`drag event ${width}×${height}, every layer on (ms, ${events} events): median ${median(times).toFixed(3)}, 95th ${pct(times, 0.95).toFixed(3)}, 99th ${pct(times, 0.99).toFixed(3)}, max ${Math.max(...times).toFixed(3)} (object at ${placed.x.toFixed(0)}, ${placed.y.toFixed(0)})`);
  await page.close();
}
await context.close();
