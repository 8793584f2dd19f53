// Solves an exported web page in the system's headless Chromium as a user would, and scans it
// with axe-core. Usage:
//   node check.mjs PAGE.html SOLUTION.json [--turned] [--shots DIR] [--bench]
//   node check.mjs PAGE.html --bench-only
// SOLUTION.json: {"words": [{"n": 1, "d": 0, "answer": "WORD"}, ...]} in the page's clue order.
// Prints what it checked; exits 1 at the first failure, naming it.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const args = process.argv.slice(2);
const option = (name) => args.includes(name);
const value = (name) => (args.includes(name) ? args[args.indexOf(name) + 1] : null);
const [pagePath, solutionPath] = args.filter((a, i) => !a.startsWith('--') && !(i > 0 && args[i - 1] === '--shots'));
const turned = option('--turned');
const shots = value('--shots');
const here = path.dirname(fileURLToPath(import.meta.url));
const axeSource = fs.readFileSync(path.join(here, 'node_modules/axe-core/axe.min.js'), 'utf8');
const words = solutionPath ? JSON.parse(fs.readFileSync(solutionPath, 'utf8')).words : [];
const pageUrl = pathToFileURL(path.resolve(pagePath)).href;

let failures = 0;
function check(ok, what, detail = '') {
  console.log(`${ok ? 'ok  ' : 'FAIL'} ${what}${detail ? ': ' + detail : ''}`);
  if (!ok) failures++;
  return ok;
}

const browser = await puppeteer.launch({
  executablePath: process.env.CLUEFORGE_CHROMIUM || '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-dev-shm-usage', '--no-first-run'],
});

// Console errors, script errors and every request beyond the page's own file.
const seen = { errors: [], requests: [] };
function watch(page) {
  page.on('console', (m) => { if (m.type() === 'error') seen.errors.push(m.text()); });
  page.on('pageerror', (e) => seen.errors.push(String(e)));
  page.on('request', (r) => { if (r.url() !== pageUrl) seen.requests.push(r.url()); });
  page.on('dialog', (d) => d.accept());
}

async function axeScan(page, what) {
  await page.evaluate(axeSource);
  const result = await page.evaluate(async () =>
    window.axe.run(document, { resultTypes: ['violations'] }));
  const list = result.violations.map((v) => `${v.id} (${v.nodes.length}): ${v.nodes[0].target.join(' ')}`);
  check(list.length === 0, `axe scan ${what}: no violations`, list.join('; '));
}

const text = (page, sel) => page.$eval(sel, (e) => e.textContent);
const cellLetter = (page, c) => page.$eval(`#c${c}`, (e) => e.textContent);
// The page reads its kept progress after its first frame: wait for that.
const settled = (page) => page.evaluate(() => new Promise((resolve) =>
  requestAnimationFrame(() => setTimeout(resolve, 0))));
const slotCells = (page) => page.evaluate(() => JSON.parse(document.getElementById('cf-data').textContent).s);

// A key as a keyboard of the letter's language sends it: puppeteer's own typing knows only
// the US layout and would insert other letters as text without a key event.
async function pressLetter(page, ch) {
  const client = await page.createCDPSession();
  await client.send('Input.dispatchKeyEvent', { type: 'keyDown', key: ch, text: ch, unmodifiedText: ch });
  await client.send('Input.dispatchKeyEvent', { type: 'keyUp', key: ch });
  await client.detach();
}

async function typeWord(page, index, word) {
  await page.click(`#q${index}`);
  await page.keyboard.press('Home');
  for (const ch of word) await pressLetter(page, ch);
}

function wrongWord(answer) {
  return Array.from(answer, (ch) => (ch === 'Ж' ? 'Щ' : /[А-ЯЁ]/.test(ch) ? 'Ж' : ch === 'Q' ? 'X' : 'Q')).join('');
}

// Figures for the benchmark table, each beside a reference in the same browser run.
async function bench(slots) {
  const blank = path.join(fs.mkdtempSync(path.join(process.env.TMPDIR || '/tmp', 'cf-web-')), 'blank.html');
  fs.writeFileSync(blank, '<!DOCTYPE html><html lang="en"><title>x</title><p>x</p>');
  const firstPaint = async (url) => {
    const times = [];
    for (let i = 0; i < 7; i++) {
      const p = await browser.newPage();
      await p.goto(url, { waitUntil: 'load' });
      times.push(await p.evaluate(() => new Promise((resolve) => {
        new PerformanceObserver((list) => {
          const e = list.getEntries().find((x) => x.name === 'first-contentful-paint');
          if (e) resolve(e.startTime);
        }).observe({ type: 'paint', buffered: true });
        setTimeout(() => resolve(NaN), 3000);
      })));
      await p.close();
    }
    times.sort((x, y) => x - y);
    return times[3];
  };
  const ours = await firstPaint(pageUrl);
  const reference = await firstPaint(pathToFileURL(blank).href);
  const p = await browser.newPage();
  await p.goto(pageUrl, { waitUntil: 'load' });
  const [typing, handler] = await p.evaluate(async (cell) => {
    const el = document.getElementById('c' + cell);
    el.click();
    // From the key to the next frame (the letter painted), and the handler alone.
    const times = [], handler = [];
    for (let i = 0; i < 50; i++) {
      const t0 = performance.now();
      el.dispatchEvent(new KeyboardEvent('keydown', { key: i % 2 ? 'А' : 'Б', bubbles: true }));
      handler.push(performance.now() - t0);
      await new Promise((r) => requestAnimationFrame(() => r()));
      times.push(performance.now() - t0);
      el.click();
    }
    times.sort((x, y) => x - y);
    handler.sort((x, y) => x - y);
    return [times[25], handler[25]];
  }, slots[0][2][0]);
  await p.close();
  const bytes = fs.statSync(pagePath).size;
  console.log(`bench page_kb ${(bytes / 1024).toFixed(1)} ratio_100kb ${(bytes / 102400).toFixed(2)}`);
  console.log(`bench first_paint_ms ${ours.toFixed(1)} blank_ms ${reference.toFixed(1)} ratio_blank ${(ours / reference).toFixed(2)} ratio_100ms ${(ours / 100).toFixed(2)}`);
  console.log(`bench letter_to_frame_ms ${typing.toFixed(1)} frame_share ${(typing / 16.7).toFixed(2)} handler_ms ${handler.toFixed(2)}`);
}

try {
  if (option('--bench-only')) {
    const p = await browser.newPage();
    await p.goto(pageUrl, { waitUntil: 'load' });
    const slots = await slotCells(p);
    await p.close();
    await bench(slots);
    await browser.close();
    process.exit(0);
  }
  // The desktop.
  // Each part in a context of its own, so no progress is stored before it.
  const page = await (await browser.createBrowserContext()).newPage();
  watch(page);
  await page.setViewport({ width: 1280, height: 900 });
  await page.goto(pageUrl, { waitUntil: 'load' });
  await settled(page);
  const slots = await slotCells(page);
  check(slots.length === words.length, 'the page has every word', `${slots.length} of ${words.length}`);

  // The structure assistive technology and the acceptance checks rely on.
  const structure = await page.evaluate(() => {
    const grid = document.querySelector('[role=grid]');
    const rows = grid ? grid.querySelectorAll('[role=row]') : [];
    const cells = grid ? Array.from(grid.querySelectorAll('[role=gridcell]')) : [];
    const blacks = grid ? Array.from(grid.querySelectorAll('.c:not(.l)')) : [];
    return {
      grid: !!grid,
      rows: rows.length,
      cells: cells.length,
      named: cells.every((c) => /\d.*,.*\d/.test(c.getAttribute('aria-label') || '')),
      numbered: cells.filter((c) => c.getAttribute('aria-label').split(',').length === 3).length,
      blacksHidden: blacks.every((b) => b.getAttribute('aria-hidden') === 'true'),
      clues: Array.from(document.querySelectorAll('.clues button')).map((b) => b.textContent),
      lang: document.documentElement.lang,
      html: document.documentElement.outerHTML,
    };
  });
  check(structure.grid && structure.rows > 0, 'role=grid with rows', `${structure.rows} rows`);
  check(structure.cells > 0 && structure.named, 'every gridcell named by row and column', `${structure.cells} cells`);
  check(structure.numbered > 0, 'numbered cells carry their number', `${structure.numbered}`);
  check(structure.blacksHidden, 'black cells hidden from assistive technology');
  check(structure.clues.every((t, i) => t.startsWith(`${words[i].n}.`)), 'each clue is a button beginning with its number');
  check(/^[a-z]{2}/.test(structure.lang), 'lang is set', structure.lang);
  const plain = words.filter((w) => w.answer.length > 2 && structure.html.includes(w.answer));
  check(plain.length === 0, 'no answer in the page as text', plain.map((w) => w.answer).join(', '));

  // The style: classic words read left to right, turned ones from their numbered cell leftwards.
  const first = slots.find((s) => s[1] === 0 && s[2].length > 1);
  const [a, b] = await page.evaluate((cells) => cells.map((c) =>
    document.getElementById('c' + c).getBoundingClientRect().left), [first[2][0], first[2][1]]);
  check(turned ? a > b : a < b, `the ${turned ? 'turned' : 'classic'} style's reading order`);

  // A wrong answer, found by the check.
  const w0 = words[0];
  await typeWord(page, 0, wrongWord(w0.answer));
  await page.click('#ckw');
  const wrongShown = await page.$$eval('.c.x', (l) => l.length);
  check(wrongShown === w0.answer.length, 'a wrong word is marked letter by letter', `${wrongShown} marked`);
  check((await text(page, '#msg')).includes(String(w0.answer.length)), 'the check says how many are wrong', await text(page, '#msg'));

  // The right answer.
  await typeWord(page, 0, w0.answer);
  await page.click('#ckw');
  check((await page.$$eval('.c.x', (l) => l.length)) === 0, 'the right word clears the marks');
  check((await text(page, '#nck')) === '2', 'checks are counted', await text(page, '#nck'));

  // Keyboard: arrows move the focus cell by cell, Tab from word to word.
  await page.click('#q0');
  await page.keyboard.press('Home');
  const before = await page.evaluate(() => document.activeElement.id);
  await page.keyboard.press(turned ? 'ArrowLeft' : 'ArrowRight');
  const after = await page.evaluate(() => document.activeElement.id);
  check(before !== after && after.startsWith('c'), 'an arrow moves the focus to the next cell', `${before} -> ${after}`);
  await page.keyboard.press('Tab');
  check((await text(page, '#now')).startsWith(`${words[1].n} `), 'Tab goes to the next word', await text(page, '#now'));
  const focusVisible = await page.evaluate(() => {
    const el = document.activeElement;
    return el.classList.contains('cur') && getComputedStyle(el, '::after').borderTopStyle === 'solid';
  });
  check(focusVisible, 'the focus cell shows a solid frame');

  // Reveal a letter of the second word.
  await page.click('#q1');
  await page.keyboard.press('Home');
  await page.click('#rvl');
  const revealedAt = slots[1][2][0];
  check((await cellLetter(page, revealedAt)) === words[1].answer[0], 'reveal shows the letter', await cellLetter(page, revealedAt));
  check((await text(page, '#nrv')) === '1', 'reveals are counted', await text(page, '#nrv'));
  const name = await page.$eval(`#c${revealedAt}`, (e) => e.getAttribute('aria-label'));
  check(name.endsWith(', ' + words[1].answer[0]), 'a cell\'s name carries its letter', name);
  if (shots) await page.screenshot({ path: path.join(shots, `desktop-${turned ? 'turned' : 'classic'}.png`) });
  await axeScan(page, 'on the desktop while solving');

  // Progress survives a reload.
  await page.reload({ waitUntil: 'load' });
  await settled(page);
  const kept = await page.evaluate((cells) => cells.map((c) =>
    document.getElementById('c' + c).textContent).join(''), slots[0][2]);
  check(kept === w0.answer, 'letters kept over a reload', kept);
  check((await text(page, '#nck')) === '2' && (await text(page, '#nrv')) === '1', 'counts kept over a reload');

  // Solved to the end.
  for (let i = 1; i < words.length; i++) await typeWord(page, i, words[i].answer);
  const done = await page.$eval('#msg', (e) => e.classList.contains('solved') && e.offsetHeight > 0);
  check(done, 'the solved message shows');
  check((await text(page, '#msg')).length > 0, 'the solved message is announced', await text(page, '#msg'));
  if (shots) await page.screenshot({ path: path.join(shots, `solved-${turned ? 'turned' : 'classic'}.png`) });

  // Printed: the blank grid and the clues on one A4 page.
  const pdf = await page.pdf({ format: 'A4', printBackground: true });
  const pages = (Buffer.from(pdf).toString('latin1').match(/\/Type\s*\/Page[^s]/g) || []).length;
  check(pages === 1, 'the print takes one A4 page', `${pages} pages`);
  await page.emulateMediaType('print');
  const printed = await page.evaluate(() => ({
    bar: getComputedStyle(document.querySelector('.bar')).display,
    letters: getComputedStyle(document.querySelector('.c.l')).visibility,
  }));
  check(printed.bar === 'none' && printed.letters === 'hidden', 'the print leaves out the buttons and the letters');
  await page.emulateMediaType(null);
  await page.close();

  // The phone: 390 × 844, typing through the on-screen keyboard's box.
  const phone = await (await browser.createBrowserContext()).newPage();
  watch(phone);
  await phone.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true, deviceScaleFactor: 2 });
  await phone.goto(pageUrl, { waitUntil: 'load' });
  await settled(phone);
  const layout = await phone.evaluate(() => {
    const sections = document.querySelectorAll('.clues section');
    const grid = document.getElementById('gw').getBoundingClientRect();
    return {
      overflow: document.documentElement.scrollWidth,
      gridRight: grid.right,
      gridWidth: grid.width,
      oneColumn: sections.length < 2 ||
        sections[1].getBoundingClientRect().top >= sections[0].getBoundingClientRect().bottom,
    };
  });
  check(layout.overflow <= 390 && layout.gridRight <= 390, 'nothing wider than the phone', `${layout.overflow} px`);
  check(layout.gridWidth >= 300, 'the grid takes the phone\'s width', `${Math.round(layout.gridWidth)} px`);
  check(layout.oneColumn, 'the clues in one column on the phone');
  const target = slots[0][2][0];
  await phone.tap(`#c${target}`);
  check(await phone.evaluate(() => document.activeElement.id === 'in'), 'a tap focuses the box the on-screen keyboard types into');
  const letter = words[0].answer[0];
  await phone.keyboard.sendCharacter(letter);
  check((await cellLetter(phone, target)) === letter, 'a letter typed on the phone shows in the cell', await cellLetter(phone, target));
  if (shots) await phone.screenshot({ path: path.join(shots, `phone-${turned ? 'turned' : 'classic'}.png`) });
  await axeScan(phone, 'on the phone');
  await phone.close();

  check(seen.errors.length === 0, 'no console error', seen.errors.join('; '));
  check(seen.requests.length === 0, 'no network request', seen.requests.join(', '));

  if (option('--bench')) await bench(slots);
} catch (e) {
  check(false, 'the run', e.stack || String(e));
} finally {
  await browser.close();
}
console.log(failures ? `${failures} failed` : 'all passed');
process.exit(failures ? 1 : 0);
