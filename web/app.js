// The page's glue: loads the module, builds the controls, carries out what
// the module asks (timer, beep, boxes, texts, pictures) and passes the user's
// events on. All rules live in the module; this file only connects.
import createOtpor from './otpor.mjs';
import { createTextEngine } from './canvas-text.js';
import { followDeviceRatio } from './device-ratio.js';
import { createSpinFields } from './spin.js';
import { setUpPictureMenus } from './picture-menu.js';

const TimerInterval = 50; // ms per tick
const ForcesAnnounceInterval = 1000; // ms: a screen reader hears the forces at most this often

// The separators of the browser's language.
function browserSeparators() {
  const parts = new Intl.NumberFormat(undefined, { useGrouping: true }).formatToParts(12345.6);
  const decimal = parts.find((p) => p.type === 'decimal')?.value ?? '.';
  const group = parts.find((p) => p.type === 'group')?.value ?? ',';
  return { decimal, group };
}

function byId(id) {
  return document.getElementById(id);
}

// --- sound and boxes -------------------------------------------------------

let audio = null;
function beep() {
  page.beeps++;
  try {
    audio ??= new AudioContext();
    const osc = audio.createOscillator();
    const gain = audio.createGain();
    osc.frequency.value = 880;
    gain.gain.value = 0.08;
    osc.connect(gain).connect(audio.destination);
    const t = audio.currentTime;
    osc.start(t);
    osc.stop(t + 0.12);
  } catch {
    // No sound device: the box still says it.
  }
}

function showBox(dialog, textElement, text, onClose) {
  textElement.textContent = text;
  dialog.addEventListener('close', onClose, { once: true });
  if (!dialog.open) dialog.showModal();
}

// --- pictures ----------------------------------------------------------------

// The module's bitmap is already laid out as image data: shown without a copy.
function putBitmap(canvas, heap, bits, width, height) {
  const bytes = new Uint8ClampedArray(heap.buffer, bits, width * height * 4);
  canvas.getContext('2d').putImageData(new ImageData(bytes, width, height), 0, 0);
}

const page = {
  module: null,
  beeps: 0,
  warnings: [],
  errors: [],
  ready: null,
};
window.otporPage = page;

async function main() {
  // The pictures' texts must be measured in the face they are drawn in.
  await Promise.all(['11px "Tahoma"', 'bold 11px "Tahoma"', '11px "Arial"'].map((f) => document.fonts.load(f)));

  const image1 = byId('Image1');
  const chart1 = byId('Chart1');
  let spins = [];
  let timer = 0;
  let frame = 0;
  let pictureStale = false;
  let chartStale = false;

  const host = {
    setTimer(enabled) {
      clearInterval(timer);
      timer = enabled ? setInterval(tick, TimerInterval) : 0;
    },
    beep,
    showWarning(text) {
      page.warnings.push(text);
      showBox(byId('WarningBox'), byId('WarningText'), text, () => module.warningClosed());
    },
    showError(text) {
      page.errors.push(text);
      showBox(byId('ErrorBox'), byId('ErrorText'), text, () => {});
    },
    setEditText(edit, text) {
      byId(`Edit${edit}`).value = text;
      spins.find((s) => s.valueField === `Edit${edit}`)?.showValue();
    },
    setSpinText(index, text) {
      spins[index]?.show(text);
    },
    invalidatePicture() {
      pictureStale = true;
      requestFrame();
    },
    invalidateChart() {
      chartStale = true;
      requestFrame();
    },
    showChart(heap, bits, width, height) {
      putBitmap(chart1, heap, bits, width, height);
    },
  };

  // The page written as one file carries its module inline, as base64.
  const inline = window.otporWasm;
  const wasmBinary = inline ? Uint8Array.from(atob(inline), (c) => c.charCodeAt(0)) : undefined;
  const module = await createOtpor({ host, textEngine: createTextEngine(), wasmBinary });
  page.module = module;
  const { decimal, group } = browserSeparators();

  function paintPicture() {
    pictureStale = false;
    putBitmap(image1, module.HEAPU8, module.pictureBits(), image1.width, image1.height);
  }
  function paintChart() {
    chartStale = false;
    module.paintChart();
  }
  // Everything shown now, as the window system's paint would.
  function paint() {
    cancelAnimationFrame(frame);
    frame = 0;
    if (pictureStale) paintPicture();
    if (chartStale) paintChart();
  }
  function requestFrame() {
    if (!frame) frame = requestAnimationFrame(paint);
  }

  let lastAnnounced = -Infinity;
  const forcesFormat = new Intl.NumberFormat(undefined, { maximumFractionDigits: 1 });
  function announceForces() {
    const now = performance.now();
    if (now - lastAnnounced < ForcesAnnounceInterval) return;
    lastAnnounced = now;
    const f = module.forces();
    byId('Forces').textContent =
      `F1 ${forcesFormat.format(f.F1)} N, F2 ${forcesFormat.format(f.F2)} N, F3 ${forcesFormat.format(f.F3)} N`;
  }

  function tick() {
    module.timer1Timer();
    announceForces();
  }

  module.start(decimal, group);
  // Each picture's bitmap is its CSS size times the device pixel ratio,
  // drawn anew at that scale; the mouse stays in CSS pixels.
  function fitRatio(ratio) {
    const sizes = module.setScale(ratio);
    [image1.width, image1.height] = sizes.picture;
    [chart1.width, chart1.height] = sizes.chart;
    pictureStale = true;
    chartStale = true;
    paint();
  }
  fitRatio(followDeviceRatio(fitRatio));
  spins = createSpinFields(module, host);
  setUpLists(module);
  setUpButtons(module);
  setUpChartMouse(module, chart1);
  setUpPictureMenus(module, [{ canvas: image1, isChart: false }, { canvas: chart1, isChart: true }], host.showError);
  setUpInstructions();
  chartStale = true;
  paint();

  // For the browser tests: one tick with both pictures, timed, and the
  // pictures as they stand.
  Object.assign(page, {
    paint,
    tickAndPaint() {
      const t0 = performance.now();
      module.timer1Timer();
      paintPicture();
      paintChart();
      return performance.now() - t0;
    },
    picture: () => image1.getContext('2d').getImageData(0, 0, image1.width, image1.height).data,
    chart: () => chart1.getContext('2d').getImageData(0, 0, chart1.width, chart1.height).data,
  });
}

// --- controls ------------------------------------------------------------------

function setUpButtons(module) {
  byId('Button1').addEventListener('click', () => {
    // Closing the main window ends the program. A page that a script did not
    // open cannot close its tab: the program ends, and its windows go.
    module.button3Click();
    window.close();
    for (const id of ['Form1', 'Form2']) byId(id).hidden = true;
    byId('Closed').hidden = false;
  });
  byId('Button2').addEventListener('click', () => module.button2Click());
  byId('Button3').addEventListener('click', () => module.button3Click());
  byId('Button5').addEventListener('click', () => module.button5Click());
  byId('Button4').addEventListener('click', () => showInstructions());
}

// A list with an edit field: an item is chosen from the list; text typed
// into the field chooses nothing.
function setUpLists(module) {
  for (const [id, list] of [['ComboBox1', 1], ['ComboBox2', 2]]) {
    const box = byId(id);
    const items = box.dataset.items.split('|');
    const input = document.createElement('input');
    input.type = 'text';
    input.value = box.dataset.prompt;
    input.spellcheck = false;
    input.autocomplete = 'off';
    input.setAttribute('role', 'combobox');
    input.setAttribute('aria-expanded', 'false');
    input.setAttribute('aria-label', box.dataset.prompt);
    const drop = document.createElement('button');
    drop.type = 'button';
    drop.className = 'drop';
    drop.tabIndex = -1;
    drop.textContent = '▼';
    drop.setAttribute('aria-hidden', 'true');
    const listbox = document.createElement('ul');
    listbox.setAttribute('role', 'listbox');
    listbox.id = `${id}List`;
    listbox.hidden = true;
    input.setAttribute('aria-controls', listbox.id);
    items.forEach((text, i) => {
      const li = document.createElement('li');
      li.setAttribute('role', 'option');
      li.id = `${id}Item${i}`;
      li.textContent = text;
      li.setAttribute('aria-selected', 'false');
      li.addEventListener('pointerdown', (e) => {
        e.preventDefault();
        choose(i);
      });
      listbox.append(li);
    });
    box.append(input, drop, listbox);

    let chosen = -1;
    let active = -1;
    const options = () => [...listbox.children];
    function mark(i) {
      active = i;
      options().forEach((o, k) => o.setAttribute('aria-selected', String(k === i)));
      if (i >= 0) input.setAttribute('aria-activedescendant', options()[i].id);
      else input.removeAttribute('aria-activedescendant');
    }
    function open(show) {
      listbox.hidden = !show;
      input.setAttribute('aria-expanded', String(show));
      if (show) mark(chosen);
    }
    function choose(i) {
      chosen = i;
      input.value = items[i];
      open(false);
      module.comboBoxChange(list, i);
    }
    drop.addEventListener('pointerdown', (e) => {
      e.preventDefault();
      input.focus();
      open(listbox.hidden);
    });
    input.addEventListener('keydown', (e) => {
      const n = items.length;
      if (e.key === 'ArrowDown' && e.altKey) open(true);
      else if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
        const step = e.key === 'ArrowDown' ? 1 : -1;
        const base = listbox.hidden ? chosen : active;
        const next = Math.min(n - 1, Math.max(0, base < 0 ? 0 : base + step));
        if (listbox.hidden) choose(next);
        else mark(next);
      } else if (e.key === 'Enter' && !listbox.hidden && active >= 0) choose(active);
      else if (e.key === 'Escape' && !listbox.hidden) open(false);
      else return;
      e.preventDefault();
    });
    input.addEventListener('input', () => {
      // Typed text selects nothing.
      chosen = -1;
      module.comboBoxChange(list, -1);
    });
    input.addEventListener('blur', () => open(false));
  }
}

// The chart's mouse: zoom with the left button, scroll with the right; a
// one-finger drag on a touch screen is the left button. The chart holds the
// pointer from press to release, so a release outside still arrives.
function setUpChartMouse(module, chart) {
  const shiftOf = (e) =>
    (e.shiftKey ? 1 : 0) | (e.altKey ? 2 : 0) | (e.ctrlKey ? 4 : 0) |
    (e.buttons & 1 ? 8 : 0) | (e.buttons & 2 ? 16 : 0) | (e.buttons & 4 ? 32 : 0);
  const at = (e) => {
    const r = chart.getBoundingClientRect();
    return [Math.floor(e.clientX - r.left), Math.floor(e.clientY - r.top)];
  };
  const touches = new Set();
  chart.addEventListener('contextmenu', (e) => e.preventDefault());
  chart.addEventListener('pointerdown', (e) => {
    if (e.pointerType === 'touch') {
      touches.add(e.pointerId);
      if (touches.size > 1) return;
    }
    chart.setPointerCapture(e.pointerId);
    e.preventDefault();
    const [x, y] = at(e);
    module.chartMouseDown(e.button, shiftOf(e), x, y);
  });
  chart.addEventListener('pointermove', (e) => {
    if (e.pointerType === 'touch' && touches.size > 1) return;
    const [x, y] = at(e);
    module.chartMouseMove(shiftOf(e), x, y);
  });
  const release = (e) => {
    if (e.pointerType === 'touch') {
      const first = touches.size === 1;
      touches.delete(e.pointerId);
      if (!first) return;
    }
    const [x, y] = at(e);
    module.chartMouseUp(e.button < 0 ? 0 : e.button, shiftOf(e), x, y);
  };
  chart.addEventListener('pointerup', release);
  chart.addEventListener('pointercancel', release);
}

// --- instructions ----------------------------------------------------------------

function showInstructions() {
  const form2 = byId('Form2');
  form2.hidden = false;
  // In front of the main window, as a window brought to the front.
  form2.style.zIndex = String(++showInstructions.z);
  form2.querySelector('.close').focus();
}
showInstructions.z = 5;

function setUpInstructions() {
  const form2 = byId('Form2');
  byId('Form2Image1').innerHTML = page.module.instructionsHtml();
  const caption = byId('Form2Caption');
  form2.querySelector('.close').addEventListener('click', () => {
    form2.hidden = true;
    byId('Button4').focus();
  });
  let from = null;
  caption.addEventListener('pointerdown', (e) => {
    if (e.target !== caption) return;
    caption.setPointerCapture(e.pointerId);
    from = { x: e.clientX - form2.offsetLeft, y: e.clientY - form2.offsetTop };
  });
  caption.addEventListener('pointermove', (e) => {
    if (!from) return;
    form2.style.left = `${Math.max(0, e.clientX - from.x)}px`;
    form2.style.top = `${Math.max(0, e.clientY - from.y)}px`;
  });
  caption.addEventListener('pointerup', () => { from = null; });
}

page.ready = main();
