// The page as an installed web app: its manifest and icons, Chromium's own
// verdict on whether it can be installed, and a pass run offline after one
// visit, from the files its service worker kept.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { choose, launchProfile, site, useSite } from './site.mjs';

let base;
let browser;
useSite((s) => ({ base, browser } = s));

// The page opened once, with its service worker in charge of it.
async function visit(context) {
  const page = await context.newPage();
  await page.goto(base);
  await page.evaluate(() => window.otporPage.ready);
  await page.evaluate(async () => {
    await navigator.serviceWorker.ready;
    if (!navigator.serviceWorker.controller)
      await new Promise((resolve) => navigator.serviceWorker.addEventListener('controllerchange', resolve));
  });
  return page;
}

test('the manifest names the app and its icons, and Chromium can install it', async () => {
  const manifest = JSON.parse(readFileSync(join(site, 'manifest.webmanifest'), 'utf8'));
  assert.equal(manifest.name, 'Odredjivanje otpora rezanja pri struganju');
  assert.equal(manifest.short_name, 'Otpor rezanja');
  assert.equal(manifest.display, 'standalone');
  assert.equal(manifest.start_url, './');
  assert.match(manifest.background_color, /^#[0-9a-f]{6}$/);
  assert.match(manifest.theme_color, /^#[0-9a-f]{6}$/);
  assert.deepEqual(manifest.icons.map((i) => `${i.sizes} ${i.purpose}`).sort(),
    ['192x192 any', '512x512 any', '512x512 maskable']);

  // Not incognito: Chromium installs no app from there.
  const profile = mkdtempSync(join(tmpdir(), 'otpor-profile-'));
  const context = await launchProfile(profile);
  const page = await visit(context);
  for (const icon of manifest.icons) {
    const size = await page.evaluate(async (src) => {
      const image = new Image();
      image.src = src;
      await image.decode();
      return `${image.naturalWidth}x${image.naturalHeight}`;
    }, icon.src);
    assert.equal(size, icon.sizes, icon.src);
  }
  const cdp = await context.newCDPSession(page);
  const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
  assert.deepEqual(installabilityErrors, []);
  await context.close();
  rmSync(profile, { recursive: true, force: true });
});

test('after one visit the page opens offline and runs a whole pass', async () => {
  const context = await browser.newContext({ locale: 'sr-Latn-RS' });
  await (await visit(context)).close();
  await context.setOffline(true);
  const page = await context.newPage();
  const problems = [];
  page.on('pageerror', (e) => problems.push(e.message));
  await page.goto(base);
  await page.evaluate(() => window.otporPage.ready);

  await choose(page, 1, 0); // C1633
  await choose(page, 2, 0); // P30
  await page.click('#Button2');
  const pass = await page.evaluate(() => {
    const m = window.otporPage.module;
    let ticks = 0;
    while (m.timerEnabled() && ticks < 1000) {
      m.timer1Timer();
      ++ticks;
    }
    return { ticks, running: m.timerEnabled(), f1: m.forces().F1 };
  });
  // A pass from the start is 651 ticks; the page's own timer may have run a few of them.
  assert.equal(pass.running, false);
  assert.ok(pass.ticks > 600 && pass.ticks <= 651, `${pass.ticks} ticks`);
  assert.equal(pass.f1.toFixed(2), '81.32'); // as the calculator prints it for C1633 and P30
  assert.deepEqual(problems, []);
  await context.close();
});

// Chooses "C1633" and "P30", presses "Proces" and runs the pass to its end
// tick by tick; answers the chart's pixels after `ticks` ticks and the number
// of ticks the pass took.
async function runPass(page, ticks) {
  await choose(page, 1, 0);
  await choose(page, 2, 0);
  return page.evaluate((compareAt) => {
    const p = window.otporPage;
    p.module.button2Click();
    p.module.button3Click(); // the ticks come from here only
    for (let i = 0; i < compareAt; i++) p.module.timer1Timer();
    p.paint();
    const chart = Array.from(p.chart());
    p.module.button2Click();
    p.module.button3Click();
    let ticks = compareAt;
    do {
      p.module.button2Click();
      p.module.timer1Timer();
      ++ticks;
    } while (p.module.timerEnabled() && ticks < 1000);
    return { chart, ticks, f1: p.module.forces().F1 };
  }, ticks);
}

test('the page as one file, opened from the disk, runs as the served site does', async () => {
  const file = join(site, '..', 'otpor-rezanja.html');
  const context = await browser.newContext({ locale: 'sr-Latn-RS' });
  const opened = await context.newPage();
  const fetched = [];
  opened.on('request', (r) => fetched.push(r.url()));
  const problems = [];
  opened.on('pageerror', (e) => problems.push(e.message));
  await opened.goto(pathToFileURL(file).href);
  await opened.evaluate(() => window.otporPage.ready);
  const fromFile = await runPass(opened, 40);
  assert.deepEqual(problems, []);
  assert.deepEqual(fetched.filter((u) => !u.startsWith('data:')), [pathToFileURL(file).href]);

  const served = await context.newPage();
  await served.goto(base);
  await served.evaluate(() => window.otporPage.ready);
  const fromSite = await runPass(served, 40);
  assert.equal(fromFile.ticks, fromSite.ticks);
  assert.equal(fromFile.f1, fromSite.f1);
  assert.ok(fromFile.chart.length > 0);
  assert.ok(fromFile.chart.every((v, i) => v === fromSite.chart[i]), 'the same chart, pixel for pixel');

  // The file takes the links the site takes.
  const linked = await context.newPage();
  await linked.goto(`${pathToFileURL(file).href}?speed=120&work=SL+200`);
  await linked.evaluate(() => window.otporPage.ready);
  assert.equal(await linked.locator('#SpinEdit7').inputValue(), '120');
  assert.equal(await linked.locator('#ComboBox1 input').inputValue(), 'SL 200');
  await context.close();
});

test('the page downloads at most 300 kB before its first picture', async (t) => {
  const context = await browser.newContext();
  const page = await context.newPage();
  const sizes = new Map();
  page.on('requestfinished', async (r) => {
    const response = await r.response();
    sizes.set(r.url(), (await response?.body().catch(() => null))?.length ?? 0);
  });
  await page.goto(base);
  await page.evaluate(() => window.otporPage.ready);
  await page.waitForLoadState('networkidle');
  const bytes = [...sizes.values()].reduce((a, b) => a + b, 0);
  t.diagnostic(`downloaded: ${bytes} bytes in ${[...sizes.keys()].map((u) => u.slice(base.length)).join(', ')}`);
  assert.ok(bytes > 100 * 1024 && bytes <= 300 * 1024, `${bytes} bytes`);
  await context.close();
});

test('the page says that it loads until the module is ready, and why it cannot where there is no WebAssembly',
  async () => {
    const context = await browser.newContext();
    const page = await context.newPage();
    let release;
    const held = new Promise((resolve) => { release = resolve; });
    await page.route('**/otpor.wasm', async (route) => {
      await held;
      await route.continue();
    });
    await page.goto(base, { waitUntil: 'domcontentloaded' });
    await page.locator('#Loading').waitFor({ state: 'visible' });
    assert.equal(await page.locator('#Loading').textContent(), 'Program se učitava…');
    assert.equal(await page.locator('#Form1').isVisible(), false);
    release();
    await page.evaluate(() => window.otporPage.ready);
    assert.equal(await page.locator('#Loading').isVisible(), false);
    assert.equal(await page.locator('#Button2').isVisible(), true);

    const old = await context.newPage();
    await old.addInitScript(() => { delete window.WebAssembly; });
    await old.goto(base);
    await old.locator('#Loading', { hasText: 'WebAssembly' }).waitFor();
    assert.match(await old.locator('#Loading').textContent(), /ne može da pokrene program/);
    await context.close();
  });
