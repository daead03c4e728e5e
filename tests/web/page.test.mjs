// The web version in a real browser: Debian's Chromium, headless, driven by
// playwright-core, against the page that scripts/web built (OTPOR_SITE),
// served from 127.0.0.1. Where a test needs an exact number of ticks it
// installs the browser's fake clock, so the page's own 50 ms timer runs them.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync, statSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { choose, openPage, site, tickTimes, useSite } from './site.mjs';

const referenceDir = process.env.OTPOR_REFERENCE;
const referenceTicks = Number(process.env.OTPOR_REFERENCE_TICKS ?? 40);
const shots = process.env.OTPOR_SHOTS ?? tmpdir();
const Tick = 50; // ms

let base;
let browser;
useSite((s) => ({ base, browser } = s));

// A fresh page at 100 %, by touch as by mouse.
function open({ fakeClock = false, deviceScaleFactor = 1 } = {}) {
  return openPage(browser, base, { viewport: { width: 1000, height: 640 }, hasTouch: true, deviceScaleFactor },
    { fakeClock });
}

const call = (page, name, ...args) => page.evaluate(([n, a]) => window.otporPage.module[n](...a), [name, args]);
// The axes as the last paint laid them out (an automatic axis fits its data then).
async function axes(page) {
  await page.evaluate(() => window.otporPage.paint());
  return call(page, 'axes');
}
const timerOn = (page) => call(page, 'timerEnabled');

// The box's text, after which the test answers it with "OK".
async function answerBox(page, id) {
  const box = page.locator(`#${id}`);
  await box.waitFor({ state: 'visible' });
  const text = await box.locator('p').textContent();
  const caption = await box.locator('.caption').textContent();
  await box.getByRole('button', { name: 'OK' }).click();
  await box.waitFor({ state: 'hidden' });
  return { caption, text };
}

// The picture's RGBA bytes as the page shows them.
async function pixels(page, which) {
  const base64 = await page.evaluate((w) => {
    window.otporPage.paint();
    const bytes = window.otporPage[w]();
    let s = '';
    for (let i = 0; i < bytes.length; i += 0x8000) s += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
    return btoa(s);
  }, which);
  return Buffer.from(base64, 'base64');
}

function readPpm(path) {
  const data = readFileSync(path);
  const header = data.subarray(0, 20).toString('latin1').split(/\s+/);
  const [width, height] = [Number(header[1]), Number(header[2])];
  const start = data.length - width * height * 3;
  return { width, height, rgb: data.subarray(start) };
}

const isRgb = (px, i, r, g, b) => px[i] === r && px[i + 1] === g && px[i + 2] === b;
function count(px, r, g, b) {
  let n = 0;
  for (let i = 0; i < px.length; i += 4) if (isRgb(px, i, r, g, b)) n++;
  return n;
}

test('start state: every control at its place with its text, range and start value', async () => {
  const page = await open();
  const client = await page.locator('#Form1 > .client').boundingBox();
  const at = async (sel) => {
    const b = await page.locator(sel).boundingBox();
    return [b.x - client.x, b.y - client.y, b.width, b.height];
  };
  assert.deepEqual(await at('#Image1'), [232, 8, 433, 369]);
  assert.deepEqual(await at('#Chart1'), [232, 384, 433, 161]);
  assert.deepEqual(await at('#Button2'), [8, 448, 57, 25]);
  assert.deepEqual(await at('#Button5'), [8, 480, 121, 25]);
  assert.deepEqual(await at('#ComboBox2'), [16, 328, 201, 21]);
  assert.deepEqual(await at('#SpinEdit8'), [152, 504, 57, 22]);
  assert.deepEqual(await at('#SpinEdit2'), [6 + 6 + 160, 8 + 32 + 24, 41, 22]);

  for (const [name, text] of [['Exit', 'Button1'], ['Proces', 'Button2'], ['Pauza', 'Button3'], ['Help', 'Button4'],
    ['Polazno stanje', 'Button5']]) {
    assert.equal(await page.getByRole('button', { name, exact: true }).getAttribute('id'), text);
  }
  // Each spin field by its label, with its range and start value.
  const spins = [
    ['Napadni ugao,', 'SpinEdit2', 30, 90, '45'], ['Grudni ugao,', 'SpinEdit3', 0, 15, '15'],
    ['Ugao nagiba sečiva,', 'SpinEdit5', -5, 5, '0'], ['Pomoćni napadni ugao,', 'SpinEdit4', 30, 60, '45'],
    ['Brzina rezanja, m/min', 'SpinEdit7', 10, 200, '50'], ['Maksimalna sila, N', 'SpinEdit8', 0, 5000, '1000'],
    ['Dubina rezanja, mm', 'SpinEdit1', 2, 40, '2'], ['Korak, mm/o', 'SpinEdit6', 5, 50, '17'],
    ['Razmera prikaza u prozoru animacije', 'SpinEdit9', 1, 10, '1'],
  ];
  for (const [label, id, min, max, value] of spins) {
    const field = page.getByRole('spinbutton', { name: label, exact: true });
    assert.equal(await field.getAttribute('id'), id);
    assert.equal(await field.getAttribute('aria-valuemin'), String(min));
    assert.equal(await field.getAttribute('aria-valuemax'), String(max));
    assert.equal(await field.inputValue(), value);
  }
  assert.equal(await page.inputValue('#Edit1'), '0,2');
  assert.equal(await page.inputValue('#Edit2'), '0,17');
  assert.equal(await page.inputValue('#ComboBox1 input'), 'Materijal obratka');
  assert.equal(await page.inputValue('#ComboBox2 input'), 'Materijal alata');
  assert.equal(await page.locator('#Label1').textContent(), 'POLAZNI PODACI');
  assert.equal(await page.locator('#GroupBox1Caption').textContent(), 'Geometrija alata');
  assert.equal(await page.locator('#GroupBox2Caption').textContent(), 'Režim rezanja');

  const a = await axes(page);
  assert.deepEqual([a.leftMin, a.leftMax, a.leftAutomatic], [0, 1000, false]);
  assert.equal(await timerOn(page), false);
  // The workpiece and the tool are drawn; no force arrow yet.
  const picture = await pixels(page, 'picture');
  assert.ok(count(picture, 255, 255, 255) < picture.length / 4 - 10000);
  assert.equal(count(picture, 255, 0, 0), 0);
  await page.screenshot({ path: join(shots, 'web-start.png') });
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('spin fields step, filter, clamp and repeat as the desktop control does', async () => {
  const page = await open({ fakeClock: true });
  const beeps = () => page.evaluate(() => window.otporPage.beeps);
  // The force maximum stepped once upward: the left axis to 0 ... 1050.
  await page.focus('#SpinEdit8');
  await page.keyboard.press('ArrowUp');
  assert.equal(await page.inputValue('#SpinEdit8'), '1050');
  assert.equal((await axes(page)).leftMax, 1050);
  // Two typed digits give two texts; leaving clamps to the limit.
  await page.focus('#SpinEdit9');
  await page.keyboard.type('12');
  assert.equal(await page.inputValue('#SpinEdit9'), '12');
  const before = await beeps();
  await page.keyboard.type('a');
  await page.keyboard.press('Enter');
  assert.equal(await beeps(), before + 2);
  assert.equal(await page.inputValue('#SpinEdit9'), '12');
  await page.focus('#SpinEdit7');
  assert.equal(await page.inputValue('#SpinEdit9'), '10');
  // The depth's hidden number steps with its buttons and shows in Edit1.
  await page.click('#SpinEdit1 ~ .buttons .up');
  assert.equal(await page.inputValue('#SpinEdit1'), '3');
  assert.equal(await page.inputValue('#Edit1'), '0,3');
  assert.equal(await page.getAttribute('#SpinEdit1', 'aria-valuetext'), '0,3');
  // Held from 45 for 950 ms: steps at 400, 500, ... 900 ms, one more at the release.
  const up = await page.locator('#SpinEdit2 ~ .buttons .up').boundingBox();
  await page.mouse.move(up.x + up.width / 2, up.y + up.height / 2);
  await page.mouse.down();
  await page.clock.runFor(950);
  assert.equal(await page.inputValue('#SpinEdit2'), '51');
  await page.mouse.up();
  assert.equal(await page.inputValue('#SpinEdit2'), '52');
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('a run with "C1633" and "P30" shows the arrows and the traces; pause and reset', async () => {
  const page = await open({ fakeClock: true });
  await choose(page, 1, 0);
  await choose(page, 2, 0);
  assert.equal(await page.inputValue('#ComboBox1 input'), 'C1633');
  await page.click('#Button2');
  assert.equal(await timerOn(page), true);
  await page.clock.runFor(20 * Tick);
  const picture = await pixels(page, 'picture');
  const chart = await pixels(page, 'chart');
  assert.ok(count(picture, 255, 0, 0) > 20, 'the red force arrow');
  assert.ok(count(picture, 0, 0, 255) > 10, 'the blue force arrow');
  assert.ok(count(chart, 0, 255, 255) > 10, 'the aqua F1 trace');
  assert.ok(count(chart, 255, 255, 0) > 10, 'the yellow F2 trace');
  const running = await axes(page);
  assert.ok(Math.abs(running.bottomMax - 20 * 0.3) < 1, 'the newest sample at 0.3 mm per tick');
  assert.match(await page.locator('#Forces').textContent(), /^F1 \d+,\d\d N, F2 -?\d+,\d\d N, F3 -?\d+,\d\d N$/);
  await page.screenshot({ path: join(shots, 'web-run.png') });

  // "Pauza" stops the ticks; nothing moves.
  await page.click('#Button3');
  assert.equal(await timerOn(page), false);
  await page.clock.runFor(10 * Tick);
  assert.deepEqual(await pixels(page, 'picture'), picture);
  // "Polazno stanje" takes the tool back and the chart to zero lines from -100.2 to 0.
  await page.click('#Button5');
  const reset = await pixels(page, 'picture');
  assert.notDeepEqual(reset, picture);
  assert.equal(count(reset, 255, 0, 0), 0);
  const a = await axes(page);
  assert.ok(Math.abs(a.bottomMin + 100.2) < 1e-9 && Math.abs(a.bottomMax) < 1e-9);
  assert.equal(await timerOn(page), false);
  // "Proces" goes on from the start position.
  await page.click('#Button2');
  await page.clock.runFor(Tick);
  assert.ok(Math.abs((await axes(page)).bottomMax - 0.3) < 1e-9);
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('missing materials are warned about with a beep, and the timer stays off', async () => {
  for (const [work, tool, message] of [
    [null, null, 'Izaberite materijal alata i obratka!'],
    [0, null, 'Materijal alata nije zadat!'],
    [null, 0, 'Materijal obratka nije zadat!'],
  ]) {
    const page = await open({ fakeClock: true });
    if (work !== null) await choose(page, 1, work);
    if (tool !== null) await choose(page, 2, tool);
    // A typed text chooses nothing.
    if (work === null) await page.fill('#ComboBox1 input', 'C1633');
    await page.click('#Button2');
    assert.equal(await page.evaluate(() => window.otporPage.beeps), 1);
    assert.deepEqual(await answerBox(page, 'WarningBox'), { caption: 'Warning', text: message });
    assert.equal(await timerOn(page), false);
    await page.close();
  }
});

test('an unsuitable tool warns, starts after "OK", and ticks go on behind a box', async () => {
  const page = await open({ fakeClock: true });
  await choose(page, 1, 5); // "SL 200"
  await choose(page, 2, 0); // "P30"
  await page.click('#Button2');
  await page.locator('#WarningBox').waitFor({ state: 'visible' });
  assert.equal(await timerOn(page), false);
  await page.getByRole('button', { name: 'OK' }).click();
  // The box's close event starts it.
  await page.waitForFunction(() => window.otporPage.module.timerEnabled());
  // Pressed again while running: the box is shown and the ticks continue behind it.
  await page.click('#Button2');
  await page.locator('#WarningBox').waitFor({ state: 'visible' });
  const before = await axes(page);
  await page.clock.runFor(5 * Tick);
  await page.evaluate(() => window.otporPage.paint());
  assert.ok((await axes(page)).bottomMax > before.bottomMax);
  assert.equal((await answerBox(page, 'WarningBox')).text, 'Izabrani materijal alata ne odgovara!');
  await page.close();
});

test('a text that is not a whole number is reported with the runtime\'s message', async () => {
  const page = await open({ fakeClock: true });
  await page.focus('#SpinEdit2');
  await page.keyboard.press('Control+A');
  await page.keyboard.type('-');
  assert.deepEqual(await answerBox(page, 'ErrorBox'),
    { caption: 'otpor-rezanja', text: '\'-\' is not a valid integer value' });
  // The page goes on: the field takes the next digits.
  await page.focus('#SpinEdit2');
  await page.keyboard.press('End');
  await page.keyboard.type('6');
  assert.equal(await page.inputValue('#SpinEdit2'), '-6');
  assert.deepEqual(page.problems, []);
  await page.close();
});

async function drag(page, from, to, button = 'left') {
  const c = await page.locator('#Chart1').boundingBox();
  await page.mouse.move(c.x + from[0] + 0.5, c.y + from[1] + 0.5);
  await page.mouse.down({ button });
  await page.mouse.move(c.x + (from[0] + to[0]) / 2 + 0.5, c.y + (from[1] + to[1]) / 2 + 0.5);
  await page.mouse.move(c.x + to[0] + 0.5, c.y + to[1] + 0.5);
  await page.mouse.up({ button });
}

test('a zoom by mouse and touch, and its exact undo', async () => {
  const page = await open({ fakeClock: true });
  await choose(page, 1, 0);
  await choose(page, 2, 0);
  await page.click('#Button2');
  await page.clock.runFor(30 * Tick);
  await page.click('#Button3');
  const chart = await pixels(page, 'chart');
  const unzoomed = await axes(page);

  await drag(page, [100, 40], [150, 80]);
  const zoomed = await axes(page);
  assert.equal(zoomed.leftAutomatic, false);
  assert.equal(zoomed.bottomAutomatic, false);
  assert.ok(zoomed.leftMax < unzoomed.leftMax && zoomed.leftMin > unzoomed.leftMin);
  assert.notDeepEqual(await pixels(page, 'chart'), chart);
  // Dragged up and to the left: the scale before the zoom, to the pixel.
  await drag(page, [150, 80], [100, 40]);
  assert.deepEqual(await axes(page), unzoomed);
  assert.deepEqual(await pixels(page, 'chart'), chart);

  // One finger is the left button.
  const c = await page.locator('#Chart1').boundingBox();
  const cdp = await page.context().newCDPSession(page);
  const touch = (type, p) => cdp.send('Input.dispatchTouchEvent', {
    type, touchPoints: type === 'touchEnd' ? [] : [{ x: c.x + p[0], y: c.y + p[1] }] });
  await touch('touchStart', [100, 40]);
  await touch('touchMove', [130, 60]);
  await touch('touchMove', [150, 80]);
  await touch('touchEnd');
  await page.evaluate(() => window.otporPage.paint());
  assert.deepEqual(await axes(page), zoomed);
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('the instructions open beside the window, once, and close', async () => {
  const page = await open();
  const form2 = page.locator('#Form2');
  assert.equal(await form2.isVisible(), false);
  await page.click('#Button4');
  await page.click('#Button4');
  assert.equal(await form2.isVisible(), true);
  assert.equal(await page.locator('section[role="dialog"]').count(), 1);
  assert.match((await form2.textContent()).replace(/\s+/g, ' '), /„Polazno stanje“ prevodi se strugarski nož u početnu poziciju\./);
  // Moved by its caption; the main window stays usable.
  const box = await form2.boundingBox();
  await page.mouse.move(box.x + 60, box.y + 8);
  await page.mouse.down();
  await page.mouse.move(box.x + 160, box.y + 48);
  await page.mouse.up();
  const moved = await form2.boundingBox();
  assert.deepEqual([moved.x - box.x, moved.y - box.y], [100, 40]);
  await page.click('#Button5');
  await page.screenshot({ path: join(shots, 'web-instructions.png') });
  await form2.getByRole('button', { name: 'Zatvori' }).click();
  assert.equal(await form2.isVisible(), false);
  await page.close();
});

test('"Exit" ends the program: the timer stops and the windows go', async () => {
  const page = await open({ fakeClock: true });
  await choose(page, 1, 0);
  await choose(page, 2, 0);
  await page.click('#Button2');
  await page.click('#Button4');
  await page.click('#Button1');
  assert.equal(await timerOn(page), false);
  assert.equal(await page.locator('#Form1').isVisible(), false);
  assert.equal(await page.locator('#Form2').isVisible(), false);
  await page.close();
});

test('the forces are announced at most once a second', async () => {
  const page = await open({ fakeClock: true });
  await page.evaluate(() => {
    window.announced = 0;
    new MutationObserver(() => window.announced++).observe(document.getElementById('Forces'),
      { childList: true, characterData: true, subtree: true });
  });
  await choose(page, 1, 0);
  await choose(page, 2, 0);
  await page.click('#Button2');
  await page.clock.runFor(3000);
  const n = await page.evaluate(() => window.announced);
  assert.ok(n >= 2 && n <= 4, `${n} announcements in 3 s`);
  assert.equal(await page.locator('#Forces').getAttribute('aria-live'), 'polite');
  await page.close();
});

test('after the same run the pictures equal the desktop program\'s', { skip: !referenceDir }, async () => {
  const page = await open({ fakeClock: true });
  await choose(page, 1, 0);
  await choose(page, 2, 0);
  await page.click('#Button2');
  await page.clock.runFor(referenceTicks * Tick);
  await page.click('#Button3');
  assert.ok(Math.abs((await axes(page)).bottomMax - referenceTicks * 0.3) < 1, 'ran the same number of ticks');

  const compare = (browserRgba, desktop, skip) => {
    let differing = 0;
    let first = null;
    for (let y = 0; y < desktop.height; y++) {
      for (let x = 0; x < desktop.width; x++) {
        if (skip(x, y)) continue;
        const d = (y * desktop.width + x) * 3;
        const b = (y * desktop.width + x) * 4;
        if (!isRgb(browserRgba, b, desktop.rgb[d], desktop.rgb[d + 1], desktop.rgb[d + 2])) {
          differing++;
          first ??= [x, y];
        }
      }
    }
    return { differing, first };
  };
  const picture = readPpm(join(referenceDir, 'picture.ppm'));
  assert.deepEqual(compare(await pixels(page, 'picture'), picture, () => false), { differing: 0, first: null });

  const chart = readPpm(join(referenceDir, 'chart.ppm'));
  const chartPixels = await pixels(page, 'chart');
  const cells = await call(page, 'chartTextCells');
  assert.ok(cells.length >= 10, 'the chart drew its texts');
  const inText = (x, y) => cells.some(([l, t, r, b]) => x >= l && x < r && y >= t && y < b);
  assert.deepEqual(compare(chartPixels, chart, inText), { differing: 0, first: null });
  await page.close();
});

// Aligned 2 x 2 blocks of device pixels whose four pixels are not all the
// same: none in a picture blown up from ratio 1.
function mixedBlocks(px, width, height) {
  let mixed = 0;
  const same = (a, b) => px[a] === px[b] && px[a + 1] === px[b + 1] && px[a + 2] === px[b + 2];
  for (let y = 0; y + 1 < height; y += 2) {
    for (let x = 0; x + 1 < width; x += 2) {
      const i = (y * width + x) * 4;
      if (!same(i, i + 4) || !same(i, i + width * 4) || !same(i, i + width * 4 + 4)) mixed++;
    }
  }
  return mixed;
}

test('at a device pixel ratio of 2 the pictures are drawn at it', async () => {
  const page = await open({ fakeClock: true, deviceScaleFactor: 2 });
  await choose(page, 1, 0);
  await choose(page, 2, 0);
  await page.click('#Button2');
  await page.clock.runFor(20 * Tick);
  await page.click('#Button3');
  const sizes = () => page.evaluate(() => ['Image1', 'Chart1'].map((id) => {
    const c = document.getElementById(id);
    const r = c.getBoundingClientRect();
    return [c.width, c.height, r.width, r.height];
  }));
  assert.deepEqual(await sizes(), [[866, 738, 433, 369], [866, 322, 433, 161]]);
  // Edges and texts finer than a CSS pixel.
  assert.ok(mixedBlocks(await pixels(page, 'picture'), 866, 738) > 500);
  assert.ok(mixedBlocks(await pixels(page, 'chart'), 866, 322) > 200);
  await page.screenshot({ path: join(shots, 'web-ratio2.png') });
  // The mouse stays in CSS pixels: a drag zooms as at 1.
  await drag(page, [100, 40], [150, 80]);
  assert.equal((await axes(page)).leftAutomatic, false);
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('speed and size: one tick with both pictures, and the module', async (t) => {
  const wasm = statSync(join(site, 'otpor.wasm')).size;
  t.diagnostic(`otpor.wasm: ${wasm} bytes`);
  assert.ok(wasm <= 1.5 * 1024 * 1024);
  const page = await open();
  await choose(page, 1, 0);
  await choose(page, 2, 0);
  t.diagnostic(`tick with both pictures: ${await tickTimes(page)}`);
  await page.close();
});
