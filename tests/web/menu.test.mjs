// The pictures' menu on the page, as a student uses it for a lab report: the
// CSV is the desktop's for the same run, the PNG is the picture as shown, a
// long press by touch and Shift+F10 open the menu, and the copied link holds
// the current inputs.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { choose, useSite } from './site.mjs';

const referenceDir = process.env.OTPOR_REFERENCE;
const referenceTicks = Number(process.env.OTPOR_REFERENCE_TICKS ?? 40);

let base;
let browser;
useSite((s) => ({ base, browser } = s));

// The page after the reference run: "C1633", "P30", "Proces" and the ticks, paused.
async function afterRun(options = {}) {
  const context = await browser.newContext({ locale: 'sr-Latn-RS', acceptDownloads: true, ...options });
  const page = await context.newPage();
  await page.goto(base);
  await page.evaluate(() => window.otporPage.ready);
  await choose(page, 1, 0);
  await choose(page, 2, 0);
  await page.evaluate((ticks) => {
    const m = window.otporPage.module;
    m.button2Click();
    m.button3Click();
    for (let i = 0; i < ticks; i++) m.timer1Timer();
    window.otporPage.paint();
  }, referenceTicks);
  return { context, page };
}

const items = (page) => page.locator('#PictureMenu [role="menuitem"]').allTextContents();

// Right-clicks the picture and chooses the item; resolves to the download.
async function chooseFromMenu(page, picture, item) {
  await page.click(picture, { button: 'right', position: { x: 200, y: 80 } });
  const download = page.waitForEvent('download');
  await page.locator('#PictureMenu [role="menuitem"]', { hasText: item }).click();
  return download;
}

test('the data and the picture saved from the menu are the desktop\'s CSV and the picture as shown',
  { skip: !referenceDir }, async () => {
    const { context, page } = await afterRun();
    await page.click('#Chart1', { button: 'right', position: { x: 200, y: 80 } });
    assert.deepEqual(await items(page), ['Kopiraj sliku', 'Sačuvaj sliku…', 'Sačuvaj podatke (CSV)…', 'Kopiraj vezu']);
    assert.equal(await page.locator('#PictureMenu').getAttribute('aria-label'), 'Meni: Oscilograf');
    await page.keyboard.press('Escape');
    assert.equal(await page.locator('#PictureMenu').isHidden(), true);

    const csv = await chooseFromMenu(page, '#Chart1', 'Sačuvaj podatke (CSV)…');
    assert.equal(csv.suggestedFilename(), 'oscilogram.csv');
    assert.equal(readFileSync(await csv.path(), 'utf8'), readFileSync(join(referenceDir, 'oscillogram.csv'), 'utf8'));

    const png = await chooseFromMenu(page, '#Image1', 'Sačuvaj sliku…');
    assert.equal(png.suggestedFilename(), 'animacija.png');
    const bytes = readFileSync(await png.path()).toString('base64');
    const same = await page.evaluate(async (data) => {
      const image = await createImageBitmap(await (await fetch(`data:image/png;base64,${data}`)).blob());
      const c = new OffscreenCanvas(image.width, image.height).getContext('2d');
      c.drawImage(image, 0, 0);
      const decoded = c.getImageData(0, 0, image.width, image.height).data;
      const shown = window.otporPage.picture();
      return decoded.length === shown.length && decoded.every((v, i) => v === shown[i]);
    }, bytes);
    assert.equal(same, true, 'the PNG holds the picture\'s pixels');
    await context.close();
  });

test('a long press by touch and Shift+F10 open the menu; the copied link holds the inputs', async () => {
  const { context, page } = await afterRun({ hasTouch: true });
  await context.grantPermissions(['clipboard-read', 'clipboard-write']);
  const box = await page.locator('#Image1').boundingBox();
  const cdp = await context.newCDPSession(page);
  const point = [{ x: box.x + 100, y: box.y + 100 }];
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: point });
  await page.locator('#PictureMenu').waitFor({ state: 'visible' });
  await cdp.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  assert.deepEqual(await items(page), ['Kopiraj sliku', 'Sačuvaj sliku…', 'Kopiraj vezu']);
  await page.waitForTimeout(100);
  assert.equal(await page.locator('#PictureMenu').isVisible(), true, 'the lifted finger chose nothing');
  await page.keyboard.press('Escape');

  await page.focus('#Chart1');
  await page.keyboard.press('Shift+F10');
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Kopiraj sliku');
  await page.keyboard.press('ArrowUp');
  assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Kopiraj vezu');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.activeElement?.id === 'Chart1');
  const link = await page.evaluate(() => navigator.clipboard.readText());
  assert.equal(link, `${base}?approach=45&rake=15&inclination=0&aux-approach=45&depth=0.2&feed=0.17&speed=50` +
    '&force-max=1000&scale=1&work=C1633&tool=P30');
  await context.close();
});

test('a link sets every input, the run shows the calculator\'s forces, and the copied link gives them back',
  { skip: !process.env.OTPOR_CALC }, async () => {
    const query = 'approach=60&rake=10&inclination=-5&aux-approach=30&depth=2&feed=0.3&speed=100' +
      '&work=C4130&tool=P40:2&force-max=2000&scale=2';
    const context = await browser.newContext({ locale: 'sr-Latn-RS' });
    await context.grantPermissions(['clipboard-read', 'clipboard-write']);
    const page = await context.newPage();
    await page.goto(`${base}?${query}`);
    await page.evaluate(() => window.otporPage.ready);
    const field = (id) => page.locator(`#${id}`).inputValue();
    assert.deepEqual(await Promise.all(['SpinEdit2', 'SpinEdit3', 'SpinEdit5', 'SpinEdit4', 'SpinEdit1', 'SpinEdit6',
      'SpinEdit7', 'SpinEdit8', 'SpinEdit9', 'Edit1', 'Edit2'].map(field)),
    ['60', '10', '-5', '30', '20', '30', '100', '2000', '2', '2', '0,3']);
    assert.deepEqual(await Promise.all(['#ComboBox1 input', '#ComboBox2 input'].map((s) => page.locator(s).inputValue())),
      ['C4130', 'P40']);
    assert.equal(await page.evaluate(() => window.otporPage.errors.length), 0);

    // "P40" of row 2 does not suit "C4130": the warning, then the run.
    await page.click('#Button2');
    await page.locator('#WarningBox').getByRole('button', { name: 'OK' }).click();
    await page.evaluate(() => window.otporPage.module.timer1Timer());
    const forces = await page.evaluate(() => window.otporPage.module.forces());
    const csv = execFileSync(process.env.OTPOR_CALC,
      query.split('&').filter((p) => !/^(force-max|scale)=/.test(p)).map((p) => `--${p}`).concat('--csv'),
      { encoding: 'utf8' }).trim().split('\n');
    const [header, row] = csv.map((line) => line.split(','));
    for (const f of ['F1', 'F2', 'F3'])
      assert.equal(forces[f].toFixed(2), Number(row[header.indexOf(`${f}_N`)]).toFixed(2), f);

    // The copied link, opened, gives back the same inputs.
    await page.focus('#Chart1');
    await page.keyboard.press('Shift+F10');
    await page.locator('#PictureMenu [role="menuitem"]', { hasText: 'Kopiraj vezu' }).click();
    const link = await page.evaluate(() => navigator.clipboard.readText());
    const again = await context.newPage();
    await again.goto(link);
    await again.evaluate(() => window.otporPage.ready);
    assert.equal(await again.evaluate(() => window.otporPage.module.inputLink()),
      await page.evaluate(() => window.otporPage.module.inputLink()));
    await context.close();
  });

test('a refused value of a link is told once, in Serbian, and the rest apply', async () => {
  const context = await browser.newContext({ locale: 'sr-Latn-RS' });
  const page = await context.newPage();
  await page.goto(`${base}?depth=0.25&speed=120&tool=P40`);
  await page.evaluate(() => window.otporPage.ready);
  assert.deepEqual(await page.evaluate(() => window.otporPage.errors), [
    'Iz veze nisu primenjeni:\ndepth=0.25 – nije na koraku od 0.1 mm\ntool=P40 – „P40“ stoji u više redova; navedite P40:2 ili P40:3']);
  assert.equal(await page.locator('#SpinEdit7').inputValue(), '120');
  assert.equal(await page.locator('#SpinEdit1').inputValue(), '2');
  await context.close();
});
