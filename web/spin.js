// The page's side of the nine spin fields: an edit field with its pair of
// step buttons. What a key, a typed character, a step, the clamp on leaving
// or a held button does is the spin model's, in the module; the page passes
// each event on and carries out the answer: the key passed on or swallowed,
// the beep, selecting all, the focus, the buttons' faces, the repeat timer
// (run for the interval the model asks) and the error box.

// One spin field of the layout (c: its control, placed by the page): the
// field and its buttons in a box, answered as { box, input, show, showValue }.
export function createSpinField(module, host, c) {
  const index = c.input;
  const box = document.createElement('div');
  box.className = 'spin';
  // A field too narrow for its number shows only its buttons.
  if (c.hidesNumber) box.classList.add('narrow');

  const input = document.createElement('input');
  input.type = 'text';
  input.id = c.name;
  input.spellcheck = false;
  input.autocomplete = 'off';
  input.setAttribute('role', 'spinbutton');
  input.setAttribute('aria-valuemin', c.min);
  input.setAttribute('aria-valuemax', c.max);

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
  // A finger held on a button repeats; it opens no menu.
  buttons.addEventListener('contextmenu', (e) => e.preventDefault());
  // The browser moves a tap to the nearest element that takes clicks (the
  // field, for a button of 15 px): a listener makes the buttons such elements.
  for (const button of [up, down]) button.addEventListener('click', () => {});
  box.append(input, buttons);

  // The value field beside a field too narrow for its number shows the value
  // in its unit, which a screen reader then hears as the field's value.
  const valueField = () => (c.valueField ? document.getElementById(c.valueField) : null);
  function showValue(text) {
    const field = valueField();
    if (!field) return;
    if (text !== undefined) field.value = text;
    input.setAttribute('aria-valuetext', field.value);
  }

  function show(text) {
    if (input.value !== text) input.value = text;
    const n = Number.parseInt(text, 10);
    if (String(n) === text.trim()) input.setAttribute('aria-valuenow', n);
    else input.removeAttribute('aria-valuenow');
  }
  show(module.spinText(index));

  let pressedByTouch = false;
  // The repeat timer of each button, run as the model asks.
  const timers = { up: 0, down: 0 };
  // Carries out the model's answer; true when the key goes on to the field.
  function answer(a, isUp) {
    if (!a) return false;
    const name = isUp ? 'up' : 'down';
    if (a.stopTimer) {
      clearInterval(timers[name]);
      timers[name] = 0;
    }
    if (a.armTimer > 0) {
      clearInterval(timers[name]);
      timers[name] = setInterval(() => answer(module.spinRepeatTimer(index, isUp), isUp), a.armTimer);
    }
    up.classList.toggle('down-look', a.upDown);
    down.classList.toggle('down-look', a.downDown);
    if (a.takeFocus && document.activeElement !== input) {
      // A finger on a step button leaves the field it was in, as a press
      // does, but does not bring up a phone's keyboard for this one.
      if (pressedByTouch) document.activeElement?.blur();
      else input.focus();
    }
    if (a.selectAll) input.select();
    if (a.beep) host.beep();
    if (a.error) host.showError(a.error);
    // The model's text stands when a step changed it.
    show(module.spinText(index));
    return a.passKey;
  }

  input.addEventListener('keydown', (e) => {
    if (e.key === 'ArrowUp' || e.key === 'ArrowDown') {
      if (!answer(module.spinArrowKey(index, e.key === 'ArrowUp'))) e.preventDefault();
    } else if (e.key === 'Enter') {
      if (!answer(module.spinKeyChar(index, '\r'))) e.preventDefault();
    }
  });
  // Typed characters pass the model's filter; pasted text is not filtered.
  input.addEventListener('beforeinput', (e) => {
    if (e.inputType !== 'insertText' || e.data == null) return;
    for (const ch of e.data) {
      if (!answer(module.spinKeyChar(index, ch))) {
        e.preventDefault();
        return;
      }
    }
  });
  input.addEventListener('input', () => answer(module.spinTextEdited(index, input.value)));
  input.addEventListener('blur', () => answer(module.spinLeave(index)));
  // Entered by a press in the text, the press places the caret instead of selecting all.
  let pressedInText = false;
  input.addEventListener('pointerdown', () => { pressedInText = true; });
  input.addEventListener('focus', () => {
    answer(module.spinEnter(index, pressedInText));
    pressedInText = false;
  });

  for (const [button, isUp] of [[up, true], [down, false]]) {
    // The bottom row just below the button still counts as over it.
    const over = (e) => {
      const r = button.getBoundingClientRect();
      return e.clientX >= r.left && e.clientX < r.right && e.clientY >= r.top && e.clientY <= r.bottom;
    };
    let held = false;
    button.addEventListener('pointerdown', (e) => {
      if (e.button !== 0 || held) return;
      e.preventDefault();
      button.setPointerCapture(e.pointerId);
      held = true;
      pressedByTouch = e.pointerType === 'touch';
      answer(module.spinButtonPress(index, isUp), isUp);
    });
    button.addEventListener('pointermove', (e) => {
      if (held) answer(module.spinButtonMove(index, isUp, over(e)), isUp);
    });
    button.addEventListener('pointerup', (e) => {
      if (!held || e.button !== 0) return;
      held = false;
      answer(module.spinButtonRelease(index, isUp, over(e)), isUp);
    });
    button.addEventListener('pointercancel', () => {
      if (!held) return;
      held = false;
      answer(module.spinButtonCancel(index, isUp), isUp);
    });
  }

  return { box, input, show, showValue };
}
