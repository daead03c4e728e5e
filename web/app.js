// The page's glue: loads the module, builds the windows and their controls
// from the module's layout, carries out what the module asks (timer, beep,
// boxes, texts, pictures) and passes the user's events on. All rules, texts
// and places live in the module; this file only connects.
import createOtpor from './otpor.mjs';
import { createTextEngine } from './canvas-text.js';
import { followDeviceRatio } from './device-ratio.js';
import { setUpPictureMenus } from './picture-menu.js';
import { Margin, columnPlaces, fitZoom } from './screen.js';
import { createSpinField } from './spin.js';

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

function make(tag, props = {}, attributes = {}) {
  const element = Object.assign(document.createElement(tag), props);
  for (const [name, value] of Object.entries(attributes)) element.setAttribute(name, value);
  return element;
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

// Each box's caption and button, as the module names them.
function setUpBoxes(module) {
  const boxes = module.boxes();
  byId('WarningCaption').textContent = boxes.warningCaption;
  byId('ErrorCaption').textContent = boxes.errorCaption;
  for (const button of document.querySelectorAll('dialog.box button')) button.textContent = boxes.button;
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
  if (typeof WebAssembly !== 'object')
    throw new Error('Ovaj pregledač ne može da pokrene program: ne podržava WebAssembly. ' +
      'Otvorite stranicu u novijem pregledaču (Chrome, Firefox, Edge ili Safari).');
  // The pictures' texts must be measured in the face they are drawn in.
  await Promise.all(['11px "Tahoma"', 'bold 11px "Tahoma"', '11px "Arial"'].map((f) => document.fonts.load(f)));

  let form = null;
  let timer = 0;
  let frame = 0;
  let pictureStale = false;
  let chartStale = false;

  const host = {
    setTimer(enabled) {
      clearInterval(timer);
      timer = enabled ? setInterval(() => module.timer1Timer(), module.tickInterval()) : 0;
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
    setSpinText(input, text) {
      form?.spins[input]?.show(text);
    },
    setValueText(input, text) {
      form?.spins[input]?.showValue(text);
    },
    showListItem(list, item) {
      form?.lists[list]?.show(item);
    },
    forcesChanged() {
      announceForces();
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
      putBitmap(form.chart1, heap, bits, width, height);
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
    const image1 = form.image1;
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

  const announceInterval = module.descriptionInterval(); // ms: a screen reader hears the forces at most this often
  let lastAnnounced = -Infinity;
  function announceForces() {
    const now = performance.now();
    if (now - lastAnnounced < announceInterval) return;
    lastAnnounced = now;
    byId('Forces').textContent = module.forcesText();
  }

  setUpBoxes(module);
  module.start(decimal, group);
  form = buildMainWindow(module, host);
  const screen = followScreen(module, form, (scale) => {
    // Each picture's bitmap is its CSS size times the device pixel ratio,
    // drawn anew at that scale; the mouse stays in layout pixels.
    const sizes = module.setScale(scale);
    for (const [canvas, [width, height]] of [[form.image1, sizes.picture], [form.chart1, sizes.chart]]) {
      // A new size clears the bitmap: set only when it changes.
      if (canvas.width !== width) canvas.width = width;
      if (canvas.height !== height) canvas.height = height;
    }
    pictureStale = true;
    chartStale = true;
    paint();
  });
  setUpButtons(module, form);
  setUpChartMouse(module, form.chart1, form.layout.get('Chart1'));
  setUpPictureMenus(module, [{ canvas: form.image1, isChart: false }, { canvas: form.chart1, isChart: true }],
    host.showError);
  setUpInstructions(module, screen);
  // A link's settings (?approach=60&work=C4130…), as if the user had set them.
  const refused = module.applyLink(location.search);
  if (refused) host.showError(refused);
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
    picture: () => form.image1.getContext('2d').getImageData(0, 0, form.image1.width, form.image1.height).data,
    chart: () => form.chart1.getContext('2d').getImageData(0, 0, form.chart1.width, form.chart1.height).data,
  });
}

// --- the main window, from the layout ---------------------------------------------

// Puts an element at its control's rectangle, which the module gave at the
// page's zoom; a label takes its text's size.
function place(element, c) {
  element.style.left = `${c.left}px`;
  element.style.top = `${c.top}px`;
  if (c.kind === 'label') return;
  element.style.width = `${c.width}px`;
  element.style.height = `${c.height}px`;
}
// Leaves an element to the style sheet (the column).
function unplace(element) {
  for (const p of ['left', 'top', 'width', 'height']) element.style.removeProperty(p);
}

// The animation and the oscillograph: a canvas each, holding the module's
// bitmap, shown at the control's size.
function createPicture(c, name) {
  return make('canvas', { id: c.name, width: c.bitmapWidth, height: c.bitmapHeight }, { role: 'img', 'aria-label': name });
}
const PictureNames = {
  Image1: 'Animacija struganja: obradak, nož i komponente otpora rezanja',
  Chart1: 'Oscilograf: F1, F2 i F3 po dužini obrade',
};

// Builds every control of the layout into the main window, in the layout's
// order (so that the tab order is the form's), and answers the controls the
// page talks to: the pictures, the spin fields and the lists by their rows,
// and every element by its control's name. Each element also knows its
// place in the column (a grid row and cell), which the style sheet uses
// there. The form is placed at 100 % until the page fits it to the screen.
function buildMainWindow(module, host) {
  const w = module.mainWindow(1);
  document.title = w.caption;
  byId('Form1Caption').textContent = w.caption;
  const form1 = byId(w.name);
  form1.style.fontFamily = `"${w.font}", sans-serif`;
  const client = form1.querySelector('.client');

  const controls = module.controls(1);
  const column = columnPlaces(controls);
  // The label that names an input, and so its value field.
  const captionOf = (input) => controls.find((c) => c.kind === 'label' && c.input === input && !c.unitMark)?.name;
  const parents = new Map([[w.name, client]]);
  const form = { form1, client, spins: [], lists: [], image1: null, chart1: null, elements: new Map(), layout: new Map() };
  for (const c of controls) {
    let element;
    switch (c.kind) {
      case 'picture':
      case 'chart':
        element = createPicture(c, PictureNames[c.name]);
        form[c.kind === 'chart' ? 'chart1' : 'image1'] = element;
        break;
      case 'button':
        element = make('button', { id: c.name, type: 'button', textContent: c.text });
        break;
      case 'panel':
        element = make('div', { id: c.name });
        break;
      case 'groupbox':
        element = make('div', { id: c.name, className: 'group' }, { role: 'group', 'aria-labelledby': `${c.name}Caption` });
        element.append(make('span', { id: `${c.name}Caption`, className: 'groupcaption', textContent: c.text }));
        break;
      case 'spinedit': {
        const spin = createSpinField(module, host, c);
        form.spins[c.input] = spin;
        element = spin.box;
        break;
      }
      case 'edit':
        element = make('input', { id: c.name, type: 'text', value: c.text, spellcheck: false, autocomplete: 'off' },
          { 'aria-labelledby': captionOf(c.input) });
        break;
      case 'combobox': {
        const list = createList(module, c);
        form.lists[c.list] = list;
        element = list.box;
        break;
      }
      default:
        // A label: of an input, it names the input's field; a degree mark is not read.
        if (c.input >= 0 && !c.unitMark) element = make('label', { htmlFor: spinName(controls, c.input) });
        else element = make('span', {}, c.unitMark ? { 'aria-hidden': 'true' } : {});
        element.id = c.name;
        element.className = c.bold ? 'label bold' : 'label';
        element.textContent = c.text;
    }
    const cell = column.get(c.name);
    if (cell) {
      element.dataset.cell = cell.cell;
      element.style.setProperty('--row', cell.row);
    }
    parents.get(c.parent).append(element);
    parents.set(c.name, element);
    form.elements.set(c.name, element);
    form.layout.set(c.name, c);
  }
  placeForm(module, form, 1);
  for (const spin of form.spins) spin.showValue();
  byId('Button4').setAttribute('aria-controls', 'Form2');
  client.append(make('div', { id: 'Forces', className: 'offscreen' }, { 'aria-live': 'polite', 'aria-atomic': 'true' }));
  return form;
}

// The form at a zoom: its font, its client area and every control from the
// layout at that zoom; the style sheet's lengths follow --z.
function placeForm(module, form, zoom) {
  const w = module.mainWindow(zoom);
  const root = document.documentElement.style;
  root.setProperty('--z', String(zoom));
  root.setProperty('--font-size', `${w.fontPixels}px`);
  root.setProperty('--list-item-height', `${w.listItemHeight}px`);
  form.client.style.width = `${w.clientWidth}px`;
  form.client.style.height = `${w.clientHeight}px`;
  for (const c of module.controls(zoom)) place(form.elements.get(c.name), c);
}

// The column: the style sheet places the controls.
function placeColumn(form) {
  const root = document.documentElement.style;
  for (const p of ['--z', '--font-size', '--list-item-height']) root.removeProperty(p);
  unplace(form.client);
  for (const element of form.elements.values()) unplace(element);
}

// Fits the page to its screen now and whenever the viewport or the device
// pixel ratio changes (a resize, a turned phone, the browser's zoom, another
// screen): the form at the zoom that fits, centred, or the column. Calls
// rescale(scale) whenever the pictures' device scale (their zoom times the
// ratio) changes. Answers { zoom, column } as they stand.
function followScreen(module, form, rescale) {
  const view = document.documentElement;
  // The form's size at 100 %, as the browser lays it out.
  const base = { width: form.form1.offsetWidth, height: form.form1.offsetHeight };
  const picture = form.layout.get('Image1');
  const state = { zoom: 1, column: false, scale: 0, changed: () => {} };
  function layOut() {
    const zoom = fitZoom(view.clientWidth, view.clientHeight, base.width, base.height, module.mainWindow(1).maxZoom);
    const column = zoom === 0;
    const changed = column !== state.column || (!column && zoom !== state.zoom);
    document.body.classList.toggle('column', column);
    let pictureZoom = zoom;
    if (column) {
      // Across the width, but no taller than the screen (a phone turned on its side).
      placeColumn(form);
      const style = getComputedStyle(form.client);
      const across = form.client.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
      const width = Math.floor(Math.min(across, (view.clientHeight * picture.width) / picture.height));
      for (const canvas of [form.image1, form.chart1]) {
        const c = form.layout.get(canvas.id);
        canvas.style.width = `${width}px`;
        canvas.style.height = `${(width * c.height) / c.width}px`;
      }
      pictureZoom = width / picture.width;
      form.form1.style.removeProperty('left');
      form.form1.style.removeProperty('top');
    } else {
      if (changed) placeForm(module, form, zoom);
      const left = Math.max(Margin, (view.clientWidth - form.form1.offsetWidth) / 2);
      const top = Math.max(Margin, (view.clientHeight - form.form1.offsetHeight) / 2);
      form.form1.style.left = `${Math.floor(left)}px`;
      form.form1.style.top = `${Math.floor(top)}px`;
    }
    Object.assign(state, { zoom: column ? 1 : zoom, column });
    if (changed) state.changed();
    const scale = pictureZoom * window.devicePixelRatio;
    if (scale !== state.scale) {
      state.scale = scale;
      rescale(scale);
    }
  }
  state.layOut = layOut;
  layOut();
  window.addEventListener('resize', layOut);
  followDeviceRatio(layOut);
  return state;
}

function spinName(controls, input) {
  return controls.find((c) => c.kind === 'spinedit' && c.input === input).name;
}

// --- controls ------------------------------------------------------------------

function setUpButtons(module, form) {
  byId('Button1').addEventListener('click', () => {
    // Closing the main window ends the program. A page that a script did not
    // open cannot close its tab: the program ends, and its windows go.
    module.button3Click();
    window.close();
    for (const id of ['Form1', 'Form2']) byId(id).hidden = true;
    const closed = make('p', { id: 'Closed', className: 'closed' });
    closed.append(make('a', { href: '', textContent: document.title }));
    document.body.append(closed);
  });
  byId('Button2').addEventListener('click', () => module.button2Click());
  byId('Button3').addEventListener('click', () => module.button3Click());
  byId('Button5').addEventListener('click', () => module.button5Click());
  byId('Button4').addEventListener('click', () => showInstructions());
}

// A list with an edit field: an item is chosen from the list; text typed
// into the field chooses nothing. The module shows the chosen item (show).
function createList(module, c) {
  const { items } = c;
  const box = make('div', { id: c.name, className: 'combo' });
  const input = make('input', { type: 'text', value: c.text, spellcheck: false, autocomplete: 'off' },
    { role: 'combobox', 'aria-expanded': 'false', 'aria-label': c.text });
  const drop = make('button', { type: 'button', className: 'drop', tabIndex: -1, textContent: '▼' },
    { 'aria-hidden': 'true' });
  const listbox = make('ul', { id: `${c.name}List`, hidden: true }, { role: 'listbox' });
  input.setAttribute('aria-controls', listbox.id);
  items.forEach((text, i) => {
    const li = make('li', { id: `${c.name}Item${i}`, textContent: text }, { role: 'option', 'aria-selected': 'false' });
    // Chosen by a click, so that a finger may scroll over the list; the press
    // keeps the focus where it is.
    li.addEventListener('pointerdown', (e) => e.preventDefault());
    li.addEventListener('click', () => choose(i));
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
    module.comboBoxChange(c.list, i);
  }
  function show(i) {
    chosen = i;
    input.value = items[i];
    open(false);
  }
  drop.addEventListener('pointerdown', (e) => {
    e.preventDefault();
    // A finger opens the list without a phone's keyboard for the field.
    if (e.pointerType !== 'touch') input.focus();
    open(listbox.hidden);
  });
  // Closed by a press elsewhere, also when the field has no focus.
  document.addEventListener('pointerdown', (e) => {
    if (!listbox.hidden && !box.contains(e.target)) open(false);
  }, true);
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
    module.comboBoxChange(c.list, -1);
  });
  input.addEventListener('blur', () => open(false));
  return { box, show };
}

// The chart's mouse: zoom with the left button, scroll with the right; a
// one-finger drag on a touch screen is the left button. The chart holds the
// pointer from press to release, so a release outside still arrives.
function setUpChartMouse(module, chart, c) {
  const shiftOf = (e) =>
    (e.shiftKey ? 1 : 0) | (e.altKey ? 2 : 0) | (e.ctrlKey ? 4 : 0) |
    (e.buttons & 1 ? 8 : 0) | (e.buttons & 2 ? 16 : 0) | (e.buttons & 4 ? 32 : 0);
  // Layout pixels (c: the chart's control at 100 %), whatever size it is shown at.
  const at = (e) => {
    const r = chart.getBoundingClientRect();
    return [Math.floor(((e.clientX - r.left) * c.width) / r.width), Math.floor(((e.clientY - r.top) * c.height) / r.height)];
  };
  const touches = new Set();
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

// The instructions window where the layout puts it, at the form's zoom, its
// page of paragraphs from the module; in the column, over the whole screen.
function setUpInstructions(module, screen) {
  const w = module.instructionsWindow(1);
  const form2 = byId(w.name);
  form2.style.fontFamily = `"${w.font}", sans-serif`;
  const caption = byId('Form2Caption');
  caption.prepend(w.caption);
  const control = make('div', { id: `${w.name}${w.page.name}` });
  const paper = make('div', { className: 'page', innerHTML: module.instructionsHtml() });
  control.append(paper);
  form2.querySelector('.client').append(control);

  // Beside the main window as at 100 %, where its frame's place is counted
  // from the main window's place on the page; within the viewport.
  const form1 = byId('Form1');
  function placeWindow() {
    if (screen.column) {
      unplace(form2);
      unplace(control);
      return;
    }
    const z = module.instructionsWindow(screen.zoom);
    place(form2, z);
    place(control, z.page);
    const view = document.documentElement;
    const left = form1.offsetLeft + Math.round((w.left - Margin) * screen.zoom);
    const top = form1.offsetTop + Math.round((w.top - Margin) * screen.zoom);
    form2.style.left = `${Math.max(0, Math.min(left, view.clientWidth - z.width))}px`;
    form2.style.top = `${Math.max(0, Math.min(top, view.clientHeight - z.height))}px`;
  }
  placeWindow();
  screen.changed = placeWindow;

  form2.querySelector('.close').addEventListener('click', () => {
    form2.hidden = true;
    byId('Button4').focus();
  });
  let from = null;
  caption.addEventListener('pointerdown', (e) => {
    if (e.target !== caption || screen.column) return;
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

// The page says what keeps the program from starting instead of showing an empty form.
page.ready = main().then(() => {
  byId('Loading').hidden = true;
  document.body.classList.remove('starting');
}, (e) => {
  byId('Loading').textContent = e instanceof Error && /WebAssembly/.test(e.message) && typeof WebAssembly !== 'object'
    ? e.message : `Program nije mogao da se učita: ${e?.message ?? e}`;
  throw e;
});
