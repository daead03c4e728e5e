// What the browser tests share: the built page (OTPOR_SITE) served from
// 127.0.0.1, and Debian's Chromium, headless, driven by playwright-core.
import { createServer } from 'node:http';
import { readFileSync } from 'node:fs';
import { extname, join, normalize } from 'node:path';
import assert from 'node:assert/strict';
import { after, before } from 'node:test';
import { chromium } from 'playwright-core';

export const site = process.env.OTPOR_SITE;

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.mjs': 'text/javascript',
  '.css': 'text/css', '.wasm': 'application/wasm', '.ttf': 'font/ttf', '.png': 'image/png',
  '.webmanifest': 'application/manifest+json',
};

// Serves the site; resolves to { base, server } (base ends with "/").
export async function serveSite() {
  const server = createServer((req, res) => {
    const path = normalize(decodeURIComponent(new URL(req.url, 'http://x').pathname)).replace(/^\/+/, '');
    try {
      const body = readFileSync(join(site, path === '' ? 'index.html' : path));
      res.writeHead(200, { 'content-type': types[extname(path || 'index.html')] ?? 'application/octet-stream' });
      res.end(body);
    } catch {
      res.writeHead(404);
      res.end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return { server, base: `http://127.0.0.1:${server.address().port}/` };
}

const launchOptions = {
  executablePath: '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', '--autoplay-policy=no-user-gesture-required'],
};

// A fresh profile of its own (playwright's temporary user-data-dir), whose
// contexts are all incognito.
export function launchChromium() {
  return chromium.launch(launchOptions);
}

// A browser with an ordinary profile in `folder`, as a user's is (what an
// incognito context may not do, such as installing an app, works there).
export function launchProfile(folder, contextOptions = {}) {
  return chromium.launchPersistentContext(folder, { ...launchOptions, ...contextOptions });
}

// A fresh page of the site in a context of its own (so that a fake clock
// stays with its test), once the module is ready; with fakeClock the page's
// timers run only when the test says. Its script errors collect in
// page.problems.
export async function openPage(browser, base, contextOptions, { fakeClock = false } = {}) {
  const context = await browser.newContext({ locale: 'sr-Latn-RS', ...contextOptions });
  const page = await context.newPage();
  // The context goes with its page (it may already be gone when the browser closes).
  page.on('close', () => context.close().catch(() => {}));
  const problems = [];
  page.on('pageerror', (e) => problems.push(e.message));
  if (fakeClock) await page.clock.install({ time: 0 });
  await page.goto(base);
  await page.waitForFunction(() => window.otporPage?.ready);
  await page.evaluate(() => window.otporPage.ready);
  // From here the page's time stands still until the test runs it on.
  if (fakeClock) await page.clock.pauseAt((await page.evaluate(() => Date.now())) + 1000);
  page.problems = problems;
  return page;
}

// Times 300 ticks with both pictures of a run started with the materials
// chosen, and tells them as median, 90th percentile and maximum (ms); tests
// report timings, never assert them.
export async function tickTimes(page) {
  const times = await page.evaluate(() => {
    const p = window.otporPage;
    p.module.button2Click();
    p.module.button3Click(); // ticks come from here only
    const list = [];
    for (let i = 0; i < 300; i++) list.push(p.tickAndPaint());
    return list.sort((a, b) => a - b);
  });
  const at = (q) => times[Math.floor(q * (times.length - 1))].toFixed(3);
  return `median ${at(0.5)} ms, 90th percentile ${at(0.9)} ms, max ${at(1)} ms`;
}

// Chooses item `item` (from 0) of material list `list` (1 work, 2 tool) as a user does.
export async function choose(page, list, item) {
  await page.click(`#ComboBox${list} .drop`);
  await page.click(`#ComboBox${list}Item${item}`);
}

// For a test file: the site served and Chromium started before its tests,
// both ended after them; `take` gets { base, browser, server } once they run.
export function useSite(take) {
  let running = {};
  before(async () => {
    assert.ok(site, 'OTPOR_SITE names the built page');
    running = { ...(await serveSite()), browser: await launchChromium() };
    take(running);
  });
  after(async () => {
    await running.browser?.close();
    running.server?.close();
  });
}
