// The page's side of the nine spin fields: an edit field with its pair of
// step buttons. What a key, a typed character, a step, the clamp on leaving
// or a held button does is the module's (SpinField); the page passes the
// events on, runs the repeat timer for the interval the module asks, and
// shows the text the module holds.

export function createSpinFields(module, host) {
  const fields = [];
  const count = module.spinCount();
  for (let i = 0; i < count; i++) fields.push(createSpinField(module, host, i));
  return fields;
}

function createSpinField(module, host, index) {
  const info = module.spinInfo(index);
  const parent = info.parent === 'Form1'
    ? document.querySelector('#Form1 > .client')
    : document.getElementById(info.parent);
  const box = document.createElement('div');
  box.className = 'spin';
  box.style.left = `${info.left}px`;
  box.style.top = `${info.top}px`;
  box.style.width = `${info.width}px`;
  if (info.width <= 17) box.classList.add('narrow');

  const input = document.createElement('input');
  input.type = 'text';
  input.id = info.name;
  input.value = info.text;
  input.spellcheck = false;
  input.autocomplete = 'off';
  input.setAttribute('role', 'spinbutton');
  input.setAttribute('aria-valuemin', info.min);
  input.setAttribute('aria-valuemax', info.max);

  const buttons = document.createElement('div');
  buttons.className = 'buttons';
  buttons.setAttribute('aria-hidden', 'true');
  const up = document.createElement('span');
  up.className = 'up';
  up.textContent = '▲';
  const down = document.createElement('span');
  down.className = 'down';
  down.textContent = '▼';
  buttons.append(up, down);
  box.append(input, buttons);
  parent.append(box);

  function show(text) {
    if (input.value !== text) input.value = text;
    const n = Number.parseInt(text, 10);
    if (Number.isFinite(n)) input.setAttribute('aria-valuenow', n);
    else input.removeAttribute('aria-valuenow');
  }
  show(info.text);

  // Keys: the arrows step (and then do what they do in a field).
  input.addEventListener('keydown', (e) => {
    if (e.key === 'ArrowUp' || e.key === 'ArrowDown') {
      module.spinStep(index, e.key === 'ArrowUp' ? 1 : -1);
      e.preventDefault();
    } else if (e.key === 'Enter') {
      // Not a character the field takes.
      host.beep();
      e.preventDefault();
    }
  });
  // Typed characters pass the module's filter; pasted text is not filtered.
  input.addEventListener('beforeinput', (e) => {
    if (e.inputType !== 'insertText' || e.data == null) return;
    for (const ch of e.data) {
      if (!module.spinCharAllowed(index, ch.codePointAt(0))) {
        host.beep();
        e.preventDefault();
        return;
      }
    }
  });
  input.addEventListener('input', () => module.spinTyped(index, input.value));
  input.addEventListener('blur', () => module.spinLeave(index));
  // Entered by the keyboard, all text is selected; a press in the text places the caret.
  let pressedInText = false;
  input.addEventListener('pointerdown', () => { pressedInText = true; });
  input.addEventListener('focus', () => {
    if (!pressedInText) input.select();
    pressedInText = false;
  });

  for (const [button, direction] of [[up, 1], [down, -1]]) holdable(button, direction);

  function holdable(button, direction) {
    let timer = 0;
    let held = false;
    const over = (e) => {
      const r = button.getBoundingClientRect();
      return e.clientX >= r.left && e.clientX < r.right && e.clientY >= r.top && e.clientY <= r.bottom;
    };
    const schedule = (interval) => {
      clearTimeout(timer);
      timer = interval > 0 ? setTimeout(fire, interval) : 0;
    };
    const fire = () => {
      if (!held) return;
      const next = module.spinRepeat(index);
      if (next <= 0) end();
      else schedule(next);
    };
    const end = () => {
      held = false;
      clearTimeout(timer);
      timer = 0;
      button.classList.remove('down-look');
    };
    button.addEventListener('pointerdown', (e) => {
      if (e.button !== 0 || held) return;
      e.preventDefault();
      button.setPointerCapture(e.pointerId);
      held = true;
      button.classList.add('down-look');
      if (document.activeElement !== input) input.focus();
      schedule(module.spinPress(index, direction));
    });
    button.addEventListener('pointermove', (e) => {
      if (!held) return;
      const inside = over(e);
      button.classList.toggle('down-look', inside);
      module.spinHover(index, inside);
    });
    button.addEventListener('pointerup', (e) => {
      if (!held || e.button !== 0) return;
      const inside = over(e);
      end();
      module.spinRelease(index, inside);
    });
    button.addEventListener('pointercancel', () => {
      if (!held) return;
      end();
      module.spinCancel(index);
    });
  }

  return { input, show };
}
