// SPDX-License-Identifier: GPL-3.0-or-later
// web-snapshot: opens the built page in headless Chromium, solves one request
// the way a user would, and saves what the browser shows as a PNG. Not a
// test: it makes the pictures of the page for the documentation.
//
//   node web/snapshot.mjs OUTPUT.png [COMBINATION V1 V2 V3] [--other N] [--solution 1] [--width PIXELS]
//                         [--height PIXELS] [--lang CODE] [--address '#a=7;b=8;m_c=6']
//                         [--answer TEXT ...] [--sheet 1]
//
// --other presses the next triangle's button N times; --solution 1 presses
// the solution's button after that; --width sets the browser's width
// (default 1000; a phone is about 400); --height the screen's height, and
// then only what is in view is saved rather than the whole page, as a phone
// shows it; --lang the browser's language (bg, en), which the page starts
// in; --address opens the page at that address, which names the request
// (in place of COMBINATION V1 V2 V3). With an address of a practice problem,
// '#practice=224', each --answer TEXT is typed into the next answer field
// and «Провери» pressed after the last; with an address of a worksheet's
// settings, '#worksheet=7;count=4', --sheet 1 presses their print button and
// OUTPUT.pdf is the worksheet printed. An OUTPUT ending in .pdf is the page
// printed, on A4. Needs the playwright-core of web/tests (npm ci --prefix
// web/tests) and a site built by build-web.sh.
import { mkdtempSync, rmSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { fileURLToPath } from 'node:url';

import { serve } from './serve.mjs';

const here = resolve(fileURLToPath(import.meta.url), '..');
const { chromium } = createRequire(join(here, 'tests/package.json'))('playwright-core');

const args = process.argv.slice(2);
const output = args.shift();
const options = { other: 0, solution: 0, width: 1000, height: 0, lang: 'bg', address: '', sheet: 0 };
const request = [];
const answers = [];
while (args.length > 0) {
  const word = args.shift();
  if (word === '--answer')
    answers.push(args.shift());
  else if (word === '--lang' || word === '--address')
    options[word.slice(2)] = args.shift();
  else if (word.startsWith('--'))
    options[word.slice(2)] = Number(args.shift());
  else
    request.push(word);
}
if (!output || (request.length !== 0 && request.length !== 4)) {
  console.error('usage: node web/snapshot.mjs OUTPUT.png [COMBINATION V1 V2 V3] [--other N] [--solution 1] '
    + '[--width PIXELS] [--height PIXELS] [--lang CODE] [--address HASH] [--answer TEXT ...] [--sheet 1]');
  process.exit(2);
}

const server = await serve(process.env.SITE_DIR ?? join(here, '../build-web/site'));
const profile = mkdtempSync(join(tmpdir(), 'triangle-chromium-'));
const context = await chromium.launchPersistentContext(profile, {
  executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
    '--disable-sync', '--no-first-run'],
  viewport: { width: options.width, height: options.height || 600 },
  locale: options.lang,
});
try {
  const page = context.pages()[0] ?? (await context.newPage());
  await page.goto(`http://127.0.0.1:${server.address().port}/${options.address}`);
  if (request.length === 4) {
    const [combination, ...values] = request;
    await page.getByRole('listbox').selectOption({ index: Number(combination) });
    const fields = page.locator('input[type=text]:not([readonly])');
    for (const [i, value] of values.entries())
      await fields.nth(i).fill(value);
    await fields.nth(2).press('Enter');
    for (let i = 0; i < options.other; ++i)
      await page.locator('#other').click();
    if (options.solution)
      await page.locator('#solution-button').click();
  } else {
    await page.locator('#page').waitFor();
    for (let i = 0; i < options.other; ++i)
      await page.locator('#other').click();
    const fields = page.locator('#answers input');
    for (const [i, answer] of answers.entries())
      await fields.nth(i).fill(answer);
    if (answers.length > 0)
      await page.locator('#check').click();
    if (options.sheet) {
      // The print layout, without the browser's print dialog.
      await page.evaluate(() => {
        window.print = () => {};
      });
      await page.locator('#sheet-print').click();
    }
  }
  if (output.endsWith('.pdf'))
    await page.pdf({ path: output, preferCSSPageSize: true });
  else
    await page.screenshot({ path: output, fullPage: !options.height });
} finally {
  await context.close();
  server.close();
  rmSync(profile, { recursive: true, force: true });
}
