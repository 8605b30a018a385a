// SPDX-License-Identifier: GPL-3.0-or-later
// The web page in Debian's Chromium, driven as a user drives it: a row of
// the list chosen by its name, the values typed into the fields found by
// their accessible names, Enter pressed; then the nine fields, the note and
// what a screen reader hears compared with triangle-solve's answer to the
// same request, every triangle the values fit in turn. And nothing the page
// asks for leaves this machine's own server.
//
//   node --test web/tests/          (after scripts/build-web.sh and scripts/build.sh)
//
// SITE_DIR, TRIANGLE_SOLVE and CHROMIUM name the built site, the program and
// the browser when they are not in the usual places.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { chromium } from 'playwright-core';

import { serve } from '../serve.mjs';

const root = resolve(fileURLToPath(import.meta.url), '../../..');
const siteDir = process.env.SITE_DIR ?? join(root, 'build-web/site');
const triangleSolve = process.env.TRIANGLE_SOLVE ?? join(root, 'build/tools/triangle-solve');
const chromiumPath = process.env.CHROMIUM ?? '/usr/bin/chromium';

const kFieldNames = [
  'ъгъл BAC', 'ъгъл ABC', 'ъгъл ACB', 'страна a', 'страна b', 'страна c', 'лице S', 'радиус R', 'периметър P',
];
const kNotes = {
  invalid: 'Грешно въведени входни данни!',
  'no-triangle': 'Няма триъгълник с тези данни: стойностите са изчислени, но не описват реален триъгълник.',
};

// The session's scenarios, which the window's tests play as well.
const kScenarios = JSON.parse(readFileSync(join(root, 'tests/session_scenarios.json'), 'utf8'));

// One request per family of combinations, and the ways a request can end.
const kRequests = [
  { name: 'two angles and a side', combination: 0, values: ['30', '60', '10'] },
  { name: 'two angles and the area', combination: 9, values: ['50', '60', '20'] },
  { name: 'an angle, a side and the radius', combination: 15, values: ['50', '7', '5'] },
  { name: 'two sides and the angle between them, a decimal comma', combination: 21, values: ['60', '5,5', '8'] },
  { name: 'two sides and an angle opposite one: two triangles', combination: 24, values: ['30', '5', '8'] },
  { name: 'two sides and the area: two triangles', combination: 30, values: ['5', '8', '12'] },
  { name: 'a side, the area and the radius', combination: 36, values: ['5', '8', '4'] },
  { name: 'an angle, a side and the area', combination: 42, values: ['40', '7', '12'] },
  { name: 'values that make no triangle', combination: 44, values: ['100', '2', '100'] },
  { name: 'a value that is no number', combination: 0, values: ['30', 'abc', '10'] },
];

let server;
let context;
let page;
let profile;
// How many requests the page's server has answered: none while the
// connection is cut.
let answered = 0;
const requested = [];
// The browser's complaints: a script error, or a request the page's
// security policy refused before it could leave.
const complaints = [];

before(async () => {
  server = await serve(siteDir);
  server.on('request', () => ++answered);
  const origin = `http://127.0.0.1:${server.address().port}`;
  profile = mkdtempSync(join(tmpdir(), 'triangle-chromium-'));
  // A fresh profile for each run, as a first start would have.
  context = await chromium.launchPersistentContext(profile, {
    executablePath: chromiumPath,
    args: [
      '--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
      '--disable-sync', '--no-first-run',
    ],
    viewport: { width: 1100, height: 900 },
    locale: 'bg-BG',
  });
  context.on('request', (request) => requested.push(request.url()));
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  // Anything bound elsewhere is stopped before it leaves, and still counted.
  // (The page opened as a file loads its files from the disk.)
  await context.route((url) => url.origin !== origin && url.protocol !== 'file:', (route) => route.abort());
  page = context.pages()[0] ?? (await context.newPage());
  page.on('console', (message) => {
    if (message.type() === 'error')
      complaints.push(message.text());
  });
  page.on('pageerror', (error) => complaints.push(error.message));
  await page.goto(`${origin}/`);
  await page.getByRole('button', { name: 'Изчисли' }).waitFor();
});

// The page as a first visit shows it, in the browser's language: at its
// own address, which names no request.
async function reload() {
  await page.evaluate(() => localStorage.clear());
  await page.goto(new URL('/', page.url()).href);
  await page.getByRole('button', { name: 'Изчисли' }).waitFor();
}

after(async () => {
  await context?.close();
  server?.close();
  if (profile)
    rmSync(profile, { recursive: true, force: true });
});

// triangle-solve's answer lines, each split into its fields.
function solve(combination, values) {
  const texts = values.map((text) => text.replaceAll(',', '.'));
  const output = execFileSync(triangleSolve, ['--all', String(combination), ...texts], { encoding: 'utf8' });
  return output.trimEnd().split('\n').map((line) => line.split('\t'));
}

const shownFields = () => Promise.all(kFieldNames.map((name) => page.getByRole('textbox', { name }).inputValue()));

// Chooses the row, types the values into the three fields that take them,
// and presses Enter; returns the names of those fields.
async function ask(combination, values) {
  await page.getByRole('listbox', { name: 'Стойности за:' }).selectOption({ index: combination });
  const editable = [];
  for (const name of kFieldNames) {
    if (await page.getByRole('textbox', { name }).isEditable())
      editable.push(name);
  }
  assert.equal(editable.length, 3, `three fields to type into, found ${editable}`);
  for (const [i, name] of editable.entries())
    await page.getByRole('textbox', { name }).fill(values[i]);
  await page.getByRole('textbox', { name: editable[2] }).press('Enter');
  return editable;
}

// What the page should show for an answer line: the results with a decimal
// comma, the given fields as typed.
function expectedFields(line, editable, values) {
  return kFieldNames.map((name, i) => {
    const typed = editable.indexOf(name);
    return typed >= 0 ? values[typed] : line[i + 1].replace('.', ',');
  });
}

for (const { name, combination, values } of kRequests) {
  test(name, async () => {
    const lines = solve(combination, values);
    const editable = await ask(combination, values);
    const status = lines[0][0];
    if (status !== 'solved') {
      // Nothing is computed: the fields the row emptied stay empty.
      assert.equal(status, 'invalid');
      const typed = kFieldNames.map((name) => (editable.includes(name) ? values[editable.indexOf(name)] : ''));
      assert.deepEqual((await shownFields()).slice(0, 8), typed.slice(0, 8));
      assert.equal(await page.getByRole('region', { name: 'Бележка' }).textContent(), kNotes.invalid);
      assert.equal(await page.getByRole('alert').textContent(), kNotes.invalid);
      return;
    }
    for (const [shown, line] of lines.entries()) {
      if (shown > 0)
        await page.getByRole('button', { name: 'Друг триъгълник' }).click();
      assert.deepEqual(await shownFields(), expectedFields(line, editable, values), `triangle ${shown + 1}`);
    }
    const note = await page.getByRole('region', { name: 'Бележка' }).textContent();
    const verdict = lines[0][10];
    if (verdict === 'no-triangle') {
      assert.equal(note, kNotes['no-triangle']);
      assert.equal(await page.getByRole('alert').textContent(), kNotes['no-triangle']);
      return;
    }
    assert.equal(await page.getByRole('button', { name: 'Друг триъгълник' }).isVisible(), lines.length > 1);
    if (lines.length > 1)
      assert.match(note, new RegExp(`Показан е ${lines.length} от ${lines.length}\\.`));
    // After the switches the status names the triangle shown.
    const said = lines.length > 1 ? new RegExp(`^Показан е ${lines.length} от ${lines.length}: .*P = `) : /^Решено: .*P = /;
    assert.match(await page.getByRole('status').textContent(), said);
  });
}

// "choose 21", "compute 60 5 8", "next", "sample 0", "clear", "solution",
// "language en": as a user does them. The controls are found by their
// place, the same in every language.
async function play(action) {
  const [verb, ...words] = action.split(' ');
  const buttons = { next: '#other', sample: '#sample', clear: '#clear', solution: '#solution-button' };
  if (verb === 'choose') {
    await page.locator('#combinations').selectOption({ index: Number(words[0]) });
  } else if (verb === 'compute') {
    const fields = await page.locator('#rows input[type=text]').all();
    let next = 0;
    for (const field of fields) {
      if (await field.isEditable())
        await field.fill(words[next++]);
    }
    await page.locator('#compute').click();
  } else if (verb === 'language') {
    await page.getByRole('combobox', { name: 'Език / Language' }).selectOption(words[0]);
  } else {
    await page.locator(buttons[verb]).click();
  }
}

const fieldsInPlace = () => page.locator('#rows input[type=text]').evaluateAll((fields) => fields.map((field) => field.value));

// An answer field of practice, found by its name: the word of the page's
// language and the symbol its label shows.
const kAnswerWords = { bg: 'Отговор за', en: 'Answer for' };
async function answerField(k) {
  const symbol = await page.locator('#answers label').nth(k).textContent();
  const language = await page.evaluate(() => document.documentElement.lang);
  return page.getByRole('textbox', { name: `${kAnswerWords[language]} ${symbol}`, exact: true });
}

// Practice as a user does it: "practice ID" types the number into its
// field and presses Enter (the mode switched on first), "answer K TEXT"
// types TEXT into the answer field K, "check" and "hint" press their
// buttons; anything else as in the list.
async function playPractice(action) {
  const [verb, ...words] = action.split(' ');
  if (verb === 'practice') {
    if (await page.locator('#practice-mode').getAttribute('aria-pressed') !== 'true')
      await page.locator('#practice-mode').click();
    const number = page.getByRole('textbox', { name: 'Номер на задачата' });
    await number.fill(words[0]);
    await number.press('Enter');
  } else if (verb === 'answer') {
    await (await answerField(Number(words[0]))).fill(words.slice(1).join(' '));
  } else if (verb === 'check' || verb === 'hint') {
    await page.locator(`#${verb}`).click();
  } else {
    await play(action);
  }
}

// The problem, the answers' symbols and marks and the note as the session's
// scenario expects them.
async function checkPractice(expected) {
  assert.equal(await page.locator('#problem').textContent(), expected.problem);
  assert.deepEqual(await page.locator('#answers label').allTextContents(), expected.asked);
  for (const k of expected.asked.keys())
    assert.equal(await (await answerField(k)).count(), 1, `the answer field ${k} by its name`);
  assert.deepEqual(await page.locator('#answers .verdict').allTextContents(), expected.marks);
  const note = await page.locator('#note').textContent();
  assert.ok(note.startsWith(expected.note), note);
}

// What the list's scenario expects besides the note and the announcement.
async function checkList(scenario) {
  assert.deepEqual(await fieldsInPlace(), scenario.pageFields ?? scenario.fields);
  const note = await page.locator('#note').textContent();
  assert.ok(note.startsWith(scenario.note), note);
  // A solved triangle is described by its measures; the start-up drawing
  // in words alone.
  const pictured = /\d/.test(await page.locator('#picture-description').textContent());
  assert.equal(pictured, scenario.picture);
  assert.equal(await page.locator('#other').isVisible(), scenario.other);
  assert.equal(await page.locator('#solution-button').isVisible(), scenario.solution);
}

for (const scenario of kScenarios) {
  test(`scenario: ${scenario.name}`, async () => {
    await reload();
    // The sample the table expects, as the window's tests draw it.
    await page.evaluate(() => {
      Math.random = () => 0;
    });
    for (const [k, action] of scenario.actions.entries()) {
      if (k + 1 === scenario.actions.length) {
        // Only what the last action says.
        await page.evaluate(() => {
          document.getElementById('status').textContent = '';
          document.getElementById('alert').textContent = '';
        });
      }
      await (scenario.practice ? playPractice(action) : play(action));
    }
    if (scenario.practice)
      await checkPractice(scenario.practice);
    else
      await checkList(scenario);
    const announced = (scenario.practice ?? scenario).announced;
    const alert = announced.startsWith('!');
    const said = { status: await page.getByRole('status').textContent(), alert: await page.getByRole('alert').textContent() };
    assert.equal(said.status + said.alert === '', announced === '', JSON.stringify(said));
    if (announced !== '')
      assert.ok(said[alert ? 'alert' : 'status'].startsWith(announced.slice(alert ? 1 : 0)), JSON.stringify(said));
  });
}

// The scenarios clear the status before their last action; a change of
// language must clear it itself, or a screen reader finds the other
// language's words there.
test('a change of language leaves no announcement in the other language', async () => {
  await reload();
  for (const action of ['choose 21', 'compute 60 5 8'])
    await play(action);
  assert.notEqual(await page.getByRole('status').textContent(), '');
  await play('language en');
  assert.equal(await page.getByRole('status').textContent(), '');
  assert.equal(await page.getByRole('alert').textContent(), '');
});

test('the solution: the whole of it from its heading, closed by Esc with the focus back on its button', async () => {
  await reload();
  await play('choose 24');
  await play('compute 30 8 5');
  await page.getByRole('button', { name: 'Решение', exact: true }).click();
  const top = await page.locator('#solution').evaluate((box) => box.getBoundingClientRect().top);
  assert.ok(top >= 0, `its heading in view: its top at ${top} px`);
  const text = await page.getByRole('document', { name: 'Решение' }).textContent();
  for (const part of ['Дадено:', 'Отговор:', 'Вид:'])
    assert.ok(text.includes(part), `${part} in ${text}`);
  await page.keyboard.press('Escape');
  assert.equal(await page.getByRole('dialog').count(), 0);
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Решение');
});

test('«Изчисли» stays where it is after an answer, and a phone shows it on its first screen', async () => {
  const place = () => page.locator('#compute').evaluate((button) => button.getBoundingClientRect().toJSON());
  const size = page.viewportSize();
  try {
    for (const viewport of [size, { width: 390, height: 844 }]) {
      await page.setViewportSize(viewport);
      await reload();
      await play('choose 24');
      const before = await place();
      await play('compute 30 8 5');
      const after = await place();
      assert.deepEqual([after.top, after.left], [before.top, before.left], `at ${viewport.width} px`);
      assert.ok(after.bottom <= viewport.height, `at ${viewport.width} px its bottom at ${after.bottom} px`);
    }
  } finally {
    await page.setViewportSize(size);
  }
});

// The page as a web app. Each row opens an address (after the page's own:
// empty for the page as it starts), does what a user does — the scenarios'
// actions and Back, cutting the connection, reloading, «Връзка», «Копирай» —
// and says what must follow: the request on view (its row, its three values,
// which of its triangles), compared field by field with triangle-solve; the
// address then; what the clipboard holds; how many pages it prints on; that
// Chromium would install it.
const kWebAppCases = [
  {
    name: 'an address opens its request',
    address: '#C=60;a=5,5;b=8',
    shows: { combination: 21, values: ['60', '5,5', '8'] },
  },
  {
    name: 'an address opens the second triangle of its data',
    address: '#A=30;a=5;b=8;n=2',
    shows: { combination: 24, values: ['30', '5', '8'], triangle: 2 },
  },
  {
    name: 'a request and the next triangle are addressed; Back returns the request before',
    actions: ['choose 21', 'compute 60 5 8', 'pause', 'choose 24', 'compute 30 5 8', 'next'],
    then: '#A=30;a=5;b=8;n=2',
    more: ['back'],
    shows: { combination: 21, values: ['60', '5', '8'] },
    finally: '#C=60;a=5;b=8',
  },
  {
    name: 'requests in quick succession make one entry in the history: Back returns the one before them',
    address: '#C=60;a=5;b=8',
    actions: ['choose 24', 'compute 30 5 8', 'compute 30 5 9'],
    then: '#A=30;a=5;b=9',
    more: ['back'],
    shows: { combination: 21, values: ['60', '5', '8'] },
    finally: '#C=60;a=5;b=8',
  },
  {
    name: 'installable, and with the connection cut after the first visit the page opens again and computes',
    installable: true,
    actions: ['offline', 'reload', 'choose 51', 'compute 3 4 5'],
    shows: { combination: 51, values: ['3', '4', '5'] },
  },
  {
    name: '«Връзка» copies the address of the request',
    actions: ['choose 21', 'compute 60 5 8', 'link'],
    copies: 'address',
  },
  {
    name: '«Копирай» copies the request, its results, their exact values, its address and the open solution',
    address: '#A=30;a=5;b=8;n=2',
    actions: ['solution', 'copy'],
    copies: { combination: 24, values: ['30', '5', '8'], triangle: 2 },
  },
  {
    name: 'the solution prints on one A4 page with the picture and the values, without the list and the buttons',
    address: '#a=3;b=4;c=5',
    actions: ['solution'],
    prints: 1,
  },
  {
    name: 'and so does a solution of three elements, with its nineteen fields',
    address: '#m_a=12;m_b=15;m_c=9',
    actions: ['solution'],
    prints: 1,
  },
];

async function playAsUser(action) {
  if (action === 'back') {
    await page.goBack();
  } else if (action === 'pause') {
    // Longer than the page takes requests to follow each other at once.
    await page.waitForTimeout(1100);
  } else if (action === 'reload') {
    await page.reload();
    await page.locator('#compute').waitFor();
  } else if (action === 'offline') {
    // Once its worker has kept the site.
    await page.evaluate(() => Promise.race([navigator.serviceWorker.ready,
      new Promise((resolve, reject) => setTimeout(() => reject(new Error('no service worker')), 10000))]));
    await context.setOffline(true);
  } else if (action === 'link' || action === 'copy') {
    await page.locator(`#${action}`).click();
    await page.locator('#copied:not(:empty)').waitFor();
  } else {
    await play(action);
  }
}

// The editable fields' names for the view on show.
async function editableNames() {
  const editable = [];
  for (const name of kFieldNames) {
    if (await page.getByRole('textbox', { name }).isEditable())
      editable.push(name);
  }
  return editable;
}

// The fields triangle-solve expects for the request, named, and the given
// ones as the line "Дадено: …" of the copied text writes them.
async function expectedView({ combination, values, triangle = 1 }) {
  const editable = await editableNames();
  const fields = expectedFields(solve(combination, values)[triangle - 1], editable, values);
  const given = editable.map((name, i) => `${name} = ${values[i]}`).join(', ');
  return { fields, given };
}

// The clipboard: the address alone, or the request with its values, the
// address and the open solution's lines.
async function checkCopied(request) {
  const copied = await page.evaluate(() => navigator.clipboard.readText());
  if (request === 'address') {
    assert.equal(copied, page.url());
    assert.ok(new URL(copied).hash.length > 1, copied);
    return;
  }
  const { fields, given } = await expectedView(request);
  const lines = copied.split('\n');
  assert.equal(lines[0], `Дадено: ${given}`);
  assert.deepEqual(lines.slice(1, 10), kFieldNames.map((name, i) => `${name} = ${fields[i]}`));
  // The exact values the note shows, then the address.
  assert.match(lines[10], /^Точно: c = /);
  assert.equal(lines[11], page.url());
  const solution = await page.locator('#solution-text p').allTextContents();
  assert.ok(solution.length > 10, 'the solution is open');
  for (const line of solution)
    assert.ok(copied.includes(line.replaceAll('\u00a0', ' ')), line);
}

// The pages printed, and what shows on paper.
async function checkPrinted(pages) {
  assert.equal(pageCount(await page.pdf({ preferCSSPageSize: true })), pages);
  await page.emulateMedia({ media: 'print' });
  try {
    for (const hidden of ['#combinations', '#compute', '#solution-close', '#language'])
      assert.equal(await page.locator(hidden).isVisible(), false, hidden);
    const fields = await page.locator('#elements').isVisible() ? '#groups' : '#rows';
    for (const shown of ['#picture', fields, '#solution-text'])
      assert.ok(await page.locator(shown).isVisible(), shown);
  } finally {
    await page.emulateMedia({ media: null });
  }
}

// The number of pages of a PDF that Chromium writes, one page object each.
const pageCount = (pdf) => (pdf.toString('latin1').match(/\/Type\s*\/Page\b(?!s)/g) ?? []).length;

for (const row of kWebAppCases) {
  test(`web app: ${row.name}`, async () => {
    // One new document at the address, as a first visit opens it: going to
    // a fragment of the page keeps the document, so that is reloaded.
    const origin = `http://127.0.0.1:${server.address().port}`;
    // (After a row that failed offline, from the browser's error page.)
    if (new URL(page.url()).origin !== origin)
      await page.goto(`${origin}/`);
    await page.evaluate(() => localStorage.clear());
    await page.goto(`${origin}/${row.address ?? ''}`);
    if (row.address)
      await page.reload();
    await page.locator('#compute').waitFor();
    if (row.installable) {
      const devtools = await context.newCDPSession(page);
      const { installabilityErrors } = await devtools.send('Page.getInstallabilityErrors');
      assert.deepEqual(installabilityErrors, []);
      await devtools.detach();
    }
    const answeredBefore = answered;
    try {
      for (const action of row.actions ?? [])
        await playAsUser(action);
      if (row.then)
        assert.equal(new URL(page.url()).hash, row.then);
      for (const action of row.more ?? [])
        await playAsUser(action);
      if (row.actions?.includes('offline'))
        assert.equal(answered, answeredBefore, 'the server was asked while the connection was cut');
    } finally {
      await context.setOffline(false);
    }
    if (row.shows) {
      assert.equal(await page.locator('#combinations').evaluate((list) => list.selectedIndex), row.shows.combination);
      assert.deepEqual(await shownFields(), (await expectedView(row.shows)).fields);
    }
    if (row.finally)
      assert.equal(new URL(page.url()).hash, row.finally);
    if (row.copies)
      await checkCopied(row.copies);
    if (row.prints)
      await checkPrinted(row.prints);
  });
}

// Any three elements, as a user asks: the mode switched on by the
// keyboard and three values typed key by key into the fields found by
// their names (the others closing once three hold text), then Enter; or
// an address naming them. The nineteen fields, every triangle in turn, the
// note and the address then, compared with triangle-solve's answer.

// The fields' order: triangle-solve's, its nine values and then its more line.
const kElementTags = ['A', 'B', 'C', 'a', 'b', 'c', 'S', 'R', 'P', 'h_a', 'h_b', 'h_c', 'm_a', 'm_b', 'm_c', 'l_a',
  'l_b', 'l_c', 'r'];
const kElementNames = {
  A: 'ъгъл A', S: 'лице S', a: 'страна a', b: 'страна b', h_a: 'височина h_a към страна a',
  m_c: 'медиана m_c към страна c',
};
const kElementCases = [
  { name: 'two sides and a median', typed: ['a=7', 'b=8', 'm_c=6'] },
  { name: 'an angle, its side and its height: two triangles', typed: ['A=60', 'a=7', 'h_a=5'] },
  { name: 'a set that fixes no triangle says why', typed: ['a=7', 'h_a=3', 'S=10,5'] },
  {
    name: 'an address of three medians opens the mode; «Решение» and «Копирай» as in the list',
    address: '#m_a=12;m_b=15;m_c=9',
    solution: true,
  },
];

// «Решение» shows triangle-solve's steps, and «Копирай» the given values,
// the address and the open solution.
async function checkElementsSolution(request) {
  await page.getByRole('button', { name: 'Решение' }).click();
  const steps = execFileSync(triangleSolve, ['--steps', '--exact', ...request], { encoding: 'utf8' })
    .split('\n').filter((line) => line.startsWith('step\t')).map((line) => line.split('\t')[4]);
  const shown = (await page.locator('#solution-text p').allTextContents()).map((line) => line.replaceAll('\u00a0', ' '));
  assert.equal(shown[0], `Дадено: ${request.map((item) => item.replace('=', ' = ')).join(', ')}.`);
  assert.equal(shown[3], `1. ${steps[0].replaceAll('.', ',')}.`);
  await page.locator('#copy').click();
  await page.locator('#copied:not(:empty)').waitFor();
  const copied = await page.evaluate(() => navigator.clipboard.readText());
  assert.ok(copied.includes(page.url()), copied);
  for (const line of shown)
    assert.ok(copied.includes(line), line);
}

const elementFields = () => Promise.all(kElementTags.map((_, i) => page.locator(`#element-${i}`).inputValue()));

// Types the request into the nineteen fields; the fields still open after
// each value.
async function typeElements(typed) {
  await page.getByRole('button', { name: 'Всякакви три елемента' }).press('Space');
  assert.equal(await page.locator('#mode').getAttribute('aria-pressed'), 'true');
  const open = [];
  for (const item of typed) {
    const [name, value] = item.split('=');
    await page.getByRole('textbox', { name: kElementNames[name], exact: true }).press('End');
    await page.keyboard.type(value);
    open.push(await page.locator('#elements input:not([readonly])').count());
  }
  assert.deepEqual(open, [19, 19, 3]);
  await page.keyboard.press('Enter');
}

for (const { name, typed, address, solution } of kElementCases) {
  test(`any three elements: ${name}`, async () => {
    await reload();
    if (address) {
      await page.goto(new URL(`/${address}`, page.url()).href);
      await page.reload();
      await page.locator('#compute').waitFor();
      assert.equal(await page.locator('#mode').getAttribute('aria-pressed'), 'true');
    } else {
      await typeElements(typed);
    }
    const request = typed ?? address.slice(1).split(';');
    const lines = execFileSync(triangleSolve, ['--all', '--more', ...request.map((item) => item.replace(',', '.'))],
      { encoding: 'utf8' }).trimEnd().split('\n').map((line) => line.split('\t'));
    const note = () => page.getByRole('region', { name: 'Бележка' }).textContent();
    if (lines[0][0] === 'dependent') {
      assert.ok((await note()).startsWith(`${lines[0][1]}:`), await note());
      assert.equal(await page.getByRole('alert').textContent(), await note());
      assert.equal(await page.locator('#other').isVisible(), false);
      return;
    }
    // Each triangle: its nine values' line and the more line after it.
    const triangles = lines.filter((line) => line[0] !== 'more');
    for (const [shown, line] of triangles.entries()) {
      if (shown > 0)
        await page.getByRole('button', { name: 'Друг триъгълник' }).click();
      const more = lines[lines.indexOf(line) + 1];
      const computed = [...line.slice(1, 10), ...more.slice(1, 11)].map((value) => value.replace('.', ','));
      // The given values as typed.
      for (const item of request) {
        const [given, value] = item.split('=');
        computed[kElementTags.indexOf(given)] = value;
      }
      assert.deepEqual(await elementFields(), computed, `triangle ${shown + 1}`);
    }
    assert.equal(await page.locator('#other').isVisible(), triangles.length > 1);
    assert.match(await note(), /^Решено: /);
    const shownLast = triangles.length > 1 ? `;n=${triangles.length}` : '';
    assert.equal(new URL(page.url()).hash, `#${request.join(';')}${shownLast}`);
    if (solution)
      await checkElementsSolution(request);
  });
}

// The page at an address, as a first visit opens it: in the browser's
// language, and from another page, since going to a fragment of the page
// keeps the document, whose address then follows what it shows.
async function openAt(address) {
  const url = new URL(`/${address}`, page.url()).href;
  await page.evaluate(() => localStorage.clear());
  await page.goto('about:blank');
  await page.goto(url);
  await page.locator('#page').waitFor();
}

// A problem as the command line poses it: its number, its text, the names
// it gives and asks for, and the key's values.
function posed(type, level, seed) {
  const lines = execFileSync(triangleSolve, ['--practice', '--type', type, '--level', String(level), '--seed',
    String(seed), '--count', '1'], { encoding: 'utf8' }).trimEnd().split('\n').map((line) => line.split('\t'));
  const part = (name) => lines.find((line) => line[0] === name)[1].split(' ');
  const [, id, text] = lines.find((line) => line[0] === 'problem');
  return {
    id, text, given: part('given').map((item) => item.split('=')[0]), asked: part('ask'),
    key: part('key').map((item) => item.split('=')[1]),
  };
}

// The letters a figure shows for the elements named, as the picture's
// texts read: the angles' Greek letters, the sides', the cevians' labels
// ("hc"); the area, the radii, the perimeter and a count have none.
function drawnLetters(names, mark) {
  const letter = (name) => ({ A: 'α', B: 'β', C: 'γ' })[name] ?? (/^([abc]|[hml]_[abc])$/.test(name) ? name.replace('_', '') : null);
  return names.map(letter).filter((drawn) => drawn !== null).map((drawn) => drawn + mark).sort();
}

// The marks the command line gives the answers, in the page's words.
const kMarkWords = { right: 'Вярно.', rounded: 'Вярно с точност до последната цифра.', wrong: 'Грешно.' };
function marked(id, answers) {
  const lines = execFileSync(triangleSolve, ['--check', id, ...answers], { encoding: 'utf8' }).trimEnd().split('\n');
  return lines.map((line) => {
    const [mark, , ...parts] = line.split('\t');
    return mark === 'unsimplified' ? `Вярно, но се опростява: ${parts.join(', ')}.` : kMarkWords[mark];
  });
}

// Practice against the command line, which poses the same problems and
// marks answers by the same rules without the page's session: a problem of
// each row's type opened by its address shows the command line's text, and
// its figure marks what the command line says is given and asked, and the
// key's first value with "2" for every other answer, typed into the fields
// found by their names and checked by Enter, get its marks, each its
// field's description too.
const kPracticeCases = [
  { name: 'two sides and the angle between them, exact answers', type: 'sas', level: 0 },
  { name: 'how many triangles', type: 'ssa', level: 0 },
  { name: 'three medians, with a calculator', type: 'medians', level: 1 },
  { name: 'an angle, its side and the height to it', type: 'height', level: 0 },
];

for (const { name, type, level } of kPracticeCases) {
  test(`practice against the command line: ${name}`, async () => {
    const problem = posed(type, level, 40);
    await openAt(`#practice=${problem.id}`);
    assert.equal(await page.locator('#practice-mode').getAttribute('aria-pressed'), 'true');
    assert.equal(await page.locator('#problem').textContent(), problem.text);
    assert.equal(await page.getByRole('textbox', { name: 'Номер на задачата' }).inputValue(), problem.id);
    assert.equal(await page.locator('#answers input').count(), problem.asked.length);
    // The figure: the given elements' letters marked, the asked ones' with "?".
    for (const [mark, names, question] of [['given', problem.given, ''], ['asked', problem.asked, '?']]) {
      const shown = await page.locator(`#picture text.${mark}`).allTextContents();
      assert.deepEqual(shown.sort(), drawnLetters(names, question), mark);
    }
    const answers = problem.key.map((value, k) => (k === 0 ? value : '2'));
    for (const [k, text] of answers.entries())
      await (await answerField(k)).fill(text);
    await (await answerField(answers.length - 1)).press('Enter');
    const marks = marked(problem.id, problem.asked.map((asked, k) => `${asked}=${answers[k]}`));
    assert.deepEqual(await page.locator('#answers .verdict').allTextContents(), marks);
    for (const k of marks.keys()) {
      const described = await (await answerField(k)).evaluate((field) =>
        document.getElementById(field.getAttribute('aria-describedby')).textContent);
      assert.equal(described, marks[k]);
    }
  });
}

test('practice by address: a number that is no problem\'s is refused and the problem stays; «Нова задача» and Back', async () => {
  const problem = posed('sas', 0, 7);
  await openAt(`#practice=${problem.id}`);
  await (await answerField(0)).fill('√109');
  const number = page.getByRole('textbox', { name: 'Номер на задачата' });
  for (const typed of ['31', 'abc', '99999999999999999999']) {
    await number.fill(typed);
    await number.press('Enter');
    const message = `Няма задача с номер „${typed}“: задачата на екрана остава.`;
    assert.equal(await page.getByRole('alert').textContent(), message);
    assert.equal(await page.locator('#problem-number-message').textContent(), message);
    assert.equal(await number.getAttribute('aria-invalid'), 'true');
    assert.equal(await page.locator('#problem').textContent(), problem.text);
    assert.equal(await (await answerField(0)).inputValue(), '√109');
    assert.equal(new URL(page.url()).hash, `#practice=${problem.id}`);
  }
  await page.getByRole('button', { name: 'Провери' }).click();
  assert.equal(await page.locator('#answers .verdict').first().textContent(), 'Вярно.');
  await page.locator('#link').click();
  await page.locator('#copied:not(:empty)').waitFor();
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), page.url());
  await page.getByRole('button', { name: 'Нова задача' }).click();
  const next = new URL(page.url()).hash;
  assert.match(next, /^#practice=[0-9]+$/);
  assert.notEqual(next, `#practice=${problem.id}`);
  assert.equal(`#practice=${await number.inputValue()}`, next);
  assert.equal(await page.locator('#problem-number-message').textContent(), '');
  await page.goBack();
  assert.equal(await page.locator('#problem').textContent(), problem.text);
  await openAt('#practice=31');
  assert.equal(await page.getByRole('alert').textContent(), 'Няма задача с номер „31“: задачата на екрана остава.');
  assert.equal(await page.locator('#practice-mode').getAttribute('aria-pressed'), 'true');
  assert.ok((await page.locator('#problem').textContent()).length > 0);
});

test('a worksheet from its address: a count out of range refused at its field; then each variant and the key on pages of their own', async () => {
  await openAt('#worksheet=7;level=0;count=4;variants=2;types=sas,ssa;solutions=0');
  const settings = page.getByRole('dialog', { name: 'Работен лист' });
  const count = settings.getByRole('textbox', { name: 'Задачи във вариант' });
  assert.equal(await count.inputValue(), '4');
  const checked = await settings.locator('.choice-box:has(input:checked)').allTextContents();
  assert.deepEqual(checked.map((text) => text.trim()), ['Две страни и ъгълът между тях', 'Колко триъгълника?']);
  await page.evaluate(() => {
    window.print = () => {
      window.printed = (window.printed ?? 0) + 1;
    };
  });
  await count.fill('31');
  await settings.getByRole('button', { name: 'Печат' }).click();
  assert.equal(await settings.getByRole('alert').textContent(), '„Задачи във вариант“: въведете цяло число от 1 до 30.');
  assert.equal(await page.evaluate(() => [document.activeElement.id, window.printed ?? 0].join()), 'sheet-count,0');
  assert.match(new URL(page.url()).hash, /;count=31;/);
  await count.fill('4');
  await count.press('Enter');
  assert.equal(await page.evaluate(() => window.printed), 1);
  const headings = await page.locator('#sheet h1').allTextContents();
  assert.deepEqual(headings, ['Работен лист · Вариант А', 'Работен лист · Вариант Б', 'Отговори']);
  // Four problems a variant and a line of the key for each; the first from
  // the sheet's number, the other variant's first with other data.
  const numbered = await page.locator('#sheet p:has(> b)').allTextContents();
  assert.equal(numbered.length, 2 * 4 * 2);
  assert.equal(numbered[0], `1. ${posed('sas', 0, 7).text}`);
  assert.notEqual(numbered[4], numbered[0]);
  assert.equal(pageCount(await page.pdf({ preferCSSPageSize: true })), 3);
  await page.keyboard.press('Escape');
  assert.equal(await settings.count(), 0);
  await page.waitForFunction(() => /^#practice=[0-9]+$/.test(location.hash));
  assert.equal(await page.locator('#sheet').innerHTML(), '');
});

test('opened as a file, the page computes', async () => {
  const local = await context.newPage();
  try {
    await local.goto(`file://${siteDir}/index.html`);
    await local.getByRole('listbox', { name: 'Стойности за:' }).selectOption({ index: 51 });
    for (const [name, value] of [['страна a', '3'], ['страна b', '4'], ['страна c', '5']])
      await local.getByRole('textbox', { name }).fill(value);
    await local.getByRole('button', { name: 'Изчисли' }).click();
    assert.equal(await local.getByRole('textbox', { name: 'лице S' }).inputValue(), '6,0000');
  } finally {
    await local.close();
  }
});

test('no request leaves the page\'s own server or is refused, and computing asks for nothing', () => {
  const origin = new URL(page.url()).origin;
  const files = requested.map((url) => new URL(url)).map((url) => (url.origin === origin ? url.pathname : url.href));
  const served = ['/', '/page.css', '/page.js', '/picture.js', '/practice.js', '/triangle.js', '/icon.svg'];
  const onFile = served.map((file) => `file://${siteDir}${file === '/' ? '/index.html' : file}`);
  // The app's manifest, service worker and icons in PNG only where the page
  // is served.
  const app = ['/manifest.webmanifest', '/sw.js', '/icon-192.png', '/icon-512.png'];
  assert.deepEqual([...new Set(files)].sort(), [...served, ...app, ...onFile].sort());
  assert.deepEqual(complaints, []);
});
