// The pictures' menu, for lab reports, as the desktop has it: a right click
// without moving, a long press by touch, or Shift+F10 or the menu key on the
// focused picture opens it. "Kopiraj sliku" puts the picture as shown on the
// clipboard where the browser allows it, "Sačuvaj sliku…" downloads it as a
// PNG, "Sačuvaj podatke (CSV)…" (on the oscillograph) downloads the
// oscillogram as the desktop writes it, and "Kopiraj vezu" copies the link
// that opens the page with the current inputs.
const LongPress = 600; // ms a finger rests on a picture before its menu opens
const Slop = 10; // px a resting finger or a clicking mouse may wander

export function setUpPictureMenus(module, pictures, report) {
  const texts = module.labReportTexts();
  const menu = document.createElement('div');
  menu.id = 'PictureMenu';
  menu.className = 'menu';
  menu.setAttribute('role', 'menu');
  menu.hidden = true;
  document.body.append(menu);
  let owner = null;

  function close(refocus) {
    if (menu.hidden) return;
    menu.hidden = true;
    if (refocus) owner?.focus();
    owner = null;
  }

  function open(picture, x, y) {
    owner = picture;
    menu.setAttribute('aria-label', picture.isChart ? texts.chartMenu : texts.animationMenu);
    const items = [
      [texts.copyPicture, () => copyPicture(picture)],
      [texts.savePicture, () => savePicture(picture)],
      ...(picture.isChart ? [[texts.saveData, () => saveData()]] : []),
      [texts.copyLink, () => copyLink()],
    ];
    menu.replaceChildren(...items.map(([text, act]) => {
      const item = document.createElement('div');
      item.setAttribute('role', 'menuitem');
      item.tabIndex = -1;
      item.textContent = text;
      item.addEventListener('click', () => {
        close(true);
        act();
      });
      return item;
    }));
    menu.hidden = false;
    // Within the window, at the pointer.
    const r = menu.getBoundingClientRect();
    menu.style.left = `${Math.max(0, Math.min(x, innerWidth - r.width)) + scrollX}px`;
    menu.style.top = `${Math.max(0, Math.min(y, innerHeight - r.height)) + scrollY}px`;
    menu.firstChild.focus();
  }

  menu.addEventListener('keydown', (e) => {
    const items = [...menu.children];
    const at = items.indexOf(document.activeElement);
    if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
      const step = e.key === 'ArrowDown' ? 1 : items.length - 1;
      items[(at + step) % items.length].focus();
    } else if (e.key === 'Enter' || e.key === ' ') {
      items[at]?.click();
    } else if (e.key === 'Escape' || e.key === 'Tab') {
      close(true);
    } else {
      return;
    }
    e.preventDefault();
  });
  document.addEventListener('pointerdown', (e) => {
    if (!menu.contains(e.target)) close(false);
  }, true);

  for (const { canvas, isChart } of pictures) {
    const fileName = isChart ? texts.chartFile : texts.pictureFile;
    const picture = { canvas, isChart, fileName, focus: () => canvas.focus() };
    // The last tab stops, after the form's own, as on the desktop (they
    // overlap no control, so their place among their siblings shows nowhere).
    canvas.parentElement.append(canvas);
    canvas.tabIndex = 0;
    canvas.addEventListener('contextmenu', (e) => e.preventDefault());
    let press = null;
    let timer = 0;
    const moved = (e) => press && Math.hypot(e.clientX - press.x, e.clientY - press.y) > Slop;
    canvas.addEventListener('pointerdown', (e) => {
      press = { x: e.clientX, y: e.clientY, button: e.button, touch: e.pointerType === 'touch' };
      clearTimeout(timer);
      if (press.touch) {
        timer = setTimeout(() => {
          pressOpened = true;
          open(picture, press.x, press.y);
        }, LongPress);
      }
    });
    // The finger that opened the menu lifts over it: that is no choice.
    let pressOpened = false;
    canvas.addEventListener('touchend', (e) => {
      if (pressOpened) e.preventDefault();
      pressOpened = false;
    });
    canvas.addEventListener('pointermove', (e) => {
      if (!moved(e)) return;
      clearTimeout(timer); // a drag: the chart zooms or scrolls
      press = null;
    });
    canvas.addEventListener('pointerup', (e) => {
      clearTimeout(timer);
      // Opened once the chart has had its release, as on the desktop.
      if (press && !press.touch && press.button === 2 && e.button === 2 && !moved(e))
        setTimeout(() => open(picture, e.clientX, e.clientY));
      press = null;
    });
    canvas.addEventListener('pointercancel', () => {
      clearTimeout(timer);
      press = null;
    });
    canvas.addEventListener('keydown', (e) => {
      if (!(e.key === 'ContextMenu' || (e.key === 'F10' && e.shiftKey))) return;
      e.preventDefault();
      const r = canvas.getBoundingClientRect();
      open(picture, r.left, r.top);
    });
  }

  function download(blob, name) {
    const a = document.createElement('a');
    a.href = URL.createObjectURL(blob);
    a.download = name;
    a.click();
    setTimeout(() => URL.revokeObjectURL(a.href), 10000);
  }
  // The picture as shown: its bitmap, at the screen's resolution.
  const png = (canvas) => new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));

  async function copyPicture(picture) {
    try {
      await navigator.clipboard.write([new ClipboardItem({ 'image/png': png(picture.canvas) })]);
    } catch {
      report(`Ovaj pregledač ne dozvoljava da se slika kopira. Sačuvajte je sa „${texts.savePicture}“.`);
    }
  }
  async function savePicture(picture) {
    download(await png(picture.canvas), picture.fileName);
  }
  function saveData() {
    download(new Blob([module.oscillogramCsv()], { type: 'text/csv' }), texts.dataFile);
  }
  async function copyLink() {
    const link = `${location.href.split(/[?#]/)[0]}?${module.inputLink()}`;
    try {
      await navigator.clipboard.writeText(link);
    } catch {
      report(`Ovaj pregledač ne dozvoljava kopiranje. Veza je:\n${link}`);
    }
  }
}
