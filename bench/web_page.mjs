// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's two goals, measured in headless Chromium:
//  - its transfer size: every byte the page loads (HTML, CSS, JavaScript,
//    WebAssembly), uncompressed, as the server sends it;
//  - one request in the page, per family of combinations: Enter pressed in
//    a field, to the fields, the note, the picture and the page's layout
//    brought up to date; and, of that, the solver module's
//    part (the answer and the picture's layout). Two requests take turns,
//    the third value a tenth larger in the second, so that every request
//    changes what the page shows; the median of 9 batches of 200.
//
//   node bench/web_page.mjs SITE_FOLDER
import { mkdtempSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

import { serve } from '../web/serve.mjs';

const here = resolve(fileURLToPath(import.meta.url), '..');
const { chromium } = createRequire(join(here, '../web/tests/package.json'))('playwright-core');

const kFamilies = [
  ['two angles and a side', 0, ['30', '60', '10']],
  ['two angles with the area', 9, ['50', '60', '20']],
  ['an angle, a side and the radius', 15, ['50', '7', '5']],
  ['two sides and an angle', 24, ['30', '5', '8']],
  ['two sides with the area', 30, ['5', '8', '12']],
  ['the area, the radius and a side', 36, ['5', '8', '4']],
  ['an angle, a side and the area', 42, ['40', '7', '12']],
];

const server = await serve(process.argv[2]);
const profile = mkdtempSync(join(tmpdir(), 'triangle-chromium-'));
const context = await chromium.launchPersistentContext(profile, {
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', '--no-first-run'],
  viewport: { width: 1000, height: 900 },
  locale: 'bg-BG',
});
try {
  const page = context.pages()[0] ?? (await context.newPage());
  const loaded = [];
  page.on('response', (response) => loaded.push(response));
  await page.goto(`http://127.0.0.1:${server.address().port}/`);
  await page.getByRole('button', { name: 'Изчисли' }).waitFor();
  let total = 0;
  const files = [];
  for (const response of loaded) {
    const bytes = (await response.body()).length;
    total += bytes;
    files.push(`${new URL(response.url()).pathname} ${bytes}`);
  }
  console.log(`transfer size: ${total} bytes (${(total / 1024).toFixed(1)} kB) in ${loaded.length} files: ${files.join(', ')}`);

  for (const [name, combination, values] of kFamilies) {
    const [perRequest, inModule] = await page.evaluate(
      async ([combination, values]) => {
        const list = document.getElementById('combinations');
        list.selectedIndex = combination;
        list.dispatchEvent(new Event('change'));
        const fields = [...document.querySelectorAll('input[type=text]:not([readonly])')];
        values.forEach((value, i) => {
          fields[i].value = value;
        });
        const third = [values[2], String(Number(values[2]) * 1.1)];
        const median = (run) => {
          const batches = [];
          for (let batch = 0; batch < 9; ++batch) {
            const start = performance.now();
            for (let i = 0; i < 200; ++i)
              run(i % 2);
            batches.push((performance.now() - start) / 200);
          }
          return batches.sort((x, y) => x - y)[4];
        };
        const enter = { key: 'Enter', code: 'Enter', bubbles: true, cancelable: true };
        const inPage = median((turn) => {
          fields[2].value = third[turn];
          fields[2].dispatchEvent(new KeyboardEvent('keydown', enter));
          void document.body.offsetHeight; // the layout, as a user would see it
        });
        // A module of its own, called as the page calls it: the session's
        // request, its view and the picture's layout.
        const module = await createTriangleModule();
        const choose = module.cwrap('triangle_choose', 'string', ['number']);
        const compute = module.cwrap('triangle_compute', 'string', ['string']);
        const layout = module.cwrap('triangle_picture', 'string', ['number', 'number']);
        // The eight fields as typed, the given ones where the row opens them.
        const open = JSON.parse(choose(combination)).open;
        const requests = third.map((value) => {
          const texts = Array(8).fill('');
          let next = 0;
          open.forEach((isOpen, i) => {
            if (isOpen)
              texts[i] = [values[0], values[1], value][next++];
          });
          return texts.join('\n');
        });
        const inModule = median((turn) => {
          JSON.parse(compute(requests[turn]));
          JSON.parse(layout(370, 370));
        });
        return [inPage, inModule];
      },
      [combination, values]
    );
    const us = (ms) => `${(ms * 1000).toFixed(0)} µs`;
    console.log(`one request, ${name} (${combination} ${values.join(' ')}): ${us(perRequest)} in the page, of which ${us(inModule)} in the solver module`);
  }
} finally {
  await context.close();
  server.close();
  rmSync(profile, { recursive: true, force: true });
}
