// The page on every screen, in headless Chromium with the screen emulated: a
// phone shows one column worked by touch, a tablet and laptops the form at
// the zoom that fits, a projector the form large; on each, both pictures'
// bitmaps are their CSS size times the device pixel ratio.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { openPage, tickTimes, useSite } from './site.mjs';

const shots = process.env.OTPOR_SHOTS ?? tmpdir();
const Tick = 50; // ms

let base;
let browser;
useSite((s) => ({ base, browser } = s));

const Phone = { viewport: { width: 390, height: 844 }, deviceScaleFactor: 3, hasTouch: true, isMobile: true };
const Tablet = { viewport: { width: 820, height: 1180 }, deviceScaleFactor: 2, hasTouch: true, isMobile: true };
const laptop = (ratio) => ({ viewport: { width: 1280, height: 800 }, deviceScaleFactor: ratio });
const Projector = { viewport: { width: 1920, height: 1080 }, deviceScaleFactor: 1 };

function open(screen, options) {
  return openPage(browser, base, screen, options);
}

// Each picture's box (CSS px, in the page) and its bitmap.
const pictures = (page) => page.evaluate(() => ['Image1', 'Chart1'].map((id) => {
  const c = document.getElementById(id);
  const r = c.getBoundingClientRect();
  return { id, left: r.left + scrollX, right: r.right + scrollX, width: r.width, height: r.height, bitmap: [c.width, c.height] };
}));
async function assertSharp(page, ratio) {
  for (const p of await pictures(page)) {
    assert.ok(Math.abs(p.bitmap[0] - p.width * ratio) <= 1 && Math.abs(p.bitmap[1] - p.height * ratio) <= 1,
      `${p.id}: bitmap ${p.bitmap} for ${p.width} x ${p.height} CSS px at ${ratio}`);
  }
}
const within = (box, view) => box.x >= 0 && box.y >= 0 && box.x + box.width <= view.width && box.y + box.height <= view.height;
const call = (page, name) => page.evaluate((n) => window.otporPage.module[n](), name);
// A tap's click arrives after the finger has lifted, a little after tap() returns.
async function until(check, what) {
  for (let i = 0; i < 80; i++) {
    if (await check()) return;
    await new Promise((resolve) => setTimeout(resolve, 25));
  }
  assert.fail(what);
}

test('a phone: one column, sharp, worked by touch from the lists to "Polazno stanje"', async () => {
  const page = await open(Phone, { fakeClock: true });
  const view = Phone.viewport;
  assert.ok(await page.evaluate(() => document.body.classList.contains('column')));
  assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth), 'no horizontal scrolling');
  const [image, chart] = await pictures(page);
  for (const p of [image, chart]) assert.ok(p.left >= 0 && p.right <= view.width && p.width >= view.width - 20);
  await assertSharp(page, 3);
  await page.screenshot({ path: join(shots, 'web-phone.png'), fullPage: true });

  // Whatever a finger works is at least 44 px square and does not wait for a double tap.
  const steps = await page.locator('.spin .buttons span').evaluateAll((spans) => spans.map((s) => {
    const r = s.getBoundingClientRect();
    return [r.width, r.height, getComputedStyle(s).touchAction];
  }));
  assert.equal(steps.length, 18);
  for (const [w, h, action] of steps) assert.ok(w >= 44 && h >= 44 && action === 'none', `${w} x ${h}, ${action}`);
  // touch-action is not inherited: the browser applies the nearest one set on the way up.
  for (const sel of ['#Button2', '#ComboBox1 .drop', '#ComboBox1Item0', '#SpinEdit7', '#Image1']) {
    assert.equal(await page.locator(sel).evaluate((e) => {
      while (e.parentElement && getComputedStyle(e).touchAction === 'auto') e = e.parentElement;
      return getComputedStyle(e).touchAction;
    }), 'manipulation', sel);
  }

  // "Proces" before the materials: the warning fits the screen.
  await page.tap('#Button2');
  const warning = page.locator('#WarningBox');
  await warning.waitFor({ state: 'visible' });
  assert.ok(within(await warning.boundingBox(), view));
  await warning.getByRole('button').tap();
  await until(() => warning.isHidden(), 'the warning answered');

  // Both lists by touch, their rows 44 px high.
  for (const list of [1, 2]) {
    await page.tap(`#ComboBox${list} .drop`);
    const row = await page.locator(`#ComboBox${list}Item0`).boundingBox();
    assert.ok(row.height >= 44 && row.x >= 0 && row.x + row.width <= view.width);
    await page.tap(`#ComboBox${list}Item0`);
    await until(() => page.locator(`#ComboBox${list}List`).isHidden(), 'an item chosen');
  }
  assert.notEqual(await page.inputValue('#ComboBox1 input'), 'Materijal obratka');
  assert.notEqual(await page.inputValue('#ComboBox2 input'), 'Materijal alata');
  // A tap on a step button steps; the depth shows in millimetres.
  await page.tap('#SpinEdit2 ~ .buttons .up');
  assert.equal(await page.inputValue('#SpinEdit2'), '46');
  // Held by a finger, it repeats as under the mouse: at 400 ms, then every 100 ms, and once at the release.
  const up = await page.locator('#SpinEdit2 ~ .buttons .up').boundingBox();
  const held = await page.context().newCDPSession(page);
  const finger = { x: up.x + up.width / 2, y: up.y + up.height / 2 };
  await held.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [finger] });
  await page.clock.runFor(950);
  await held.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  assert.equal(await page.inputValue('#SpinEdit2'), '53');
  await page.tap('#SpinEdit1 ~ .buttons .up');
  assert.equal(await page.inputValue('#Edit1'), '0,3');

  await page.tap('#Button2');
  await until(() => call(page, 'timerEnabled'), '"Proces" starts the timer');
  await page.clock.runFor(30 * Tick);
  // A drag by one finger to the lower right zooms the chart.
  await page.locator('#Chart1').scrollIntoViewIfNeeded();
  const c = await page.locator('#Chart1').boundingBox();
  const cdp = await page.context().newCDPSession(page);
  const touch = (type, fx, fy) => cdp.send('Input.dispatchTouchEvent', {
    type, touchPoints: type === 'touchEnd' ? [] : [{ x: c.x + fx * c.width, y: c.y + fy * c.height }] });
  await touch('touchStart', 0.3, 0.3);
  await touch('touchMove', 0.45, 0.5);
  await touch('touchMove', 0.6, 0.75);
  await touch('touchEnd');
  await page.evaluate(() => window.otporPage.paint());
  assert.ok((await call(page, 'axes')).leftMax < 1000);
  // "Polazno stanje": the tool back at the start, without its force arrows.
  // A quick drag ends in a fling of the browser's gesture detector, and a tap
  // during a fling only stops it: the next tap waits until it has run out.
  await page.waitForTimeout(500);
  await page.tap('#Button5');
  await until(() => page.evaluate(() => {
    window.otporPage.paint();
    const px = window.otporPage.picture();
    for (let i = 0; i < px.length; i += 4) if (px[i] === 255 && px[i + 1] === 0 && px[i + 2] === 0) return false;
    return true;
  }), '"Polazno stanje" takes the arrows away');

  // The instructions fill the screen and scroll.
  await page.tap('#Button4');
  await until(() => page.locator('#Form2').isVisible(), 'the instructions shown');
  const form2 = page.locator('#Form2');
  assert.ok(within(await form2.boundingBox(), view));
  assert.ok(await page.locator('#Form2 .page').evaluate((p) => p.scrollHeight > p.clientHeight
    && getComputedStyle(p).overflowY === 'auto'));
  await page.screenshot({ path: join(shots, 'web-phone-instructions.png') });
  await form2.getByRole('button', { name: 'Zatvori' }).tap();
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('a tablet: the form, and a tap on a step button steps', async () => {
  const page = await open(Tablet);
  assert.equal(await page.evaluate(() => document.body.classList.contains('column')), false);
  await page.tap('#SpinEdit2 ~ .buttons .up');
  assert.equal(await page.inputValue('#SpinEdit2'), '46');
  await assertSharp(page, 2);
  await page.screenshot({ path: join(shots, 'web-tablet.png') });
  await page.close();
});

test('laptops at ratios 1 to 2 and a projector: the whole form, zoomed to fit, sharp', async () => {
  for (const ratio of [1, 1.25, 1.5, 2]) {
    const page = await open(laptop(ratio));
    assert.ok(within(await page.locator('#Form1').boundingBox(), laptop(ratio).viewport), `whole form at ${ratio}`);
    // 1280 x 800 holds the form at 125 %.
    assert.equal((await page.locator('#Image1').boundingBox()).width, 541);
    await assertSharp(page, ratio);
    if (ratio === 1.5) await page.screenshot({ path: join(shots, 'web-laptop-1.5.png') });
    await page.close();
  }
  const page = await open(Projector);
  const form = await page.locator('#Form1').boundingBox();
  assert.ok(within(form, Projector.viewport));
  // Centred.
  assert.ok(Math.abs(form.x + form.width / 2 - 960) <= 1);
  assert.ok((await page.locator('#Image1').boundingBox()).width >= 1.6 * 433);
  await assertSharp(page, 1);
  await page.screenshot({ path: join(shots, 'web-projector.png') });
  await page.close();
});

test('the browser zoomed: the form refits and the bitmaps follow the new ratio', async () => {
  const page = await open(laptop(1));
  const cdp = await page.context().newCDPSession(page);
  // 150 % of a 1280 x 800 window: 853 x 533 CSS px at a ratio of 1.5.
  await cdp.send('Emulation.setDeviceMetricsOverride', { width: 853, height: 533, deviceScaleFactor: 1.5, mobile: false });
  await page.waitForFunction(() => document.getElementById('Image1').width === 487);
  await assertSharp(page, 1.5);
  assert.ok(within(await page.locator('#Form1').boundingBox(), { width: 853, height: 533 }));
  // A drag zooms the chart at 75 % as at 100 %, in layout pixels.
  const c = await page.locator('#Chart1').boundingBox();
  await page.mouse.move(c.x + 0.3 * c.width, c.y + 0.3 * c.height);
  await page.mouse.down();
  await page.mouse.move(c.x + 0.6 * c.width, c.y + 0.75 * c.height);
  await page.mouse.up();
  await page.evaluate(() => window.otporPage.paint());
  assert.ok((await call(page, 'axes')).leftMax < 1000);
  assert.deepEqual(page.problems, []);
  await page.close();
});

test('speed: one tick with both pictures on a laptop, a phone and a projector', async (t) => {
  for (const [name, screen] of [['1280 x 800, ratio 1', laptop(1)], ['390 x 844, ratio 3', Phone],
    ['1920 x 1080, ratio 1', Projector]]) {
    const page = await open(screen);
    await page.evaluate(() => {
      window.otporPage.module.comboBoxChange(1, 0);
      window.otporPage.module.comboBoxChange(2, 0);
    });
    const times = await tickTimes(page);
    const bitmap = (await pictures(page)).map((p) => p.bitmap.join(' x ')).join(', ');
    t.diagnostic(`${name} (${bitmap}): ${times}`);
    await page.close();
  }
});
