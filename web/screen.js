// How the page uses its screen: the form at the largest zoom that fits the
// viewport, or, where even a small form would not fit, one column of the same
// controls. The threshold is the zoom below which the form is no longer
// usable: at 75 % its text is 8 px and a step button 11 px wide, the least
// that can still be read and hit with a mouse. A phone falls below it in
// either orientation (390 × 844 fits the form at 53 %, 844 × 390 at 63 %);
// a small laptop window or a tablet does not.
export const MinZoom = 0.75;
// The form zooms in quarters: every window within a quarter of its size shows
// the form at exactly 100 %, and a resize by a few pixels leaves it as it is.
const ZoomStep = 0.25;
// CSS px kept free around the form, as at 100 %.
export const Margin = 16;

// The zoom of a form of size (width, height) at 100 % in a viewport, at most
// maxZoom (the desktop's largest), or 0 where the column takes over.
export function fitZoom(viewWidth, viewHeight, width, height, maxZoom) {
  const fit = Math.min((viewWidth - 2 * Margin) / width, (viewHeight - 2 * Margin) / height, maxZoom);
  const zoom = Math.floor(fit / ZoomStep + 1e-9) * ZoomStep;
  return zoom >= MinZoom ? zoom : 0;
}

// Where each control of the layout stands in the column (controls at 100 %):
// the pictures, then the inputs, the lists and the buttons, each in the
// form's reading order (top to bottom, then left to right). An input's
// caption, value, unit and step buttons share a row (two, for a caption of
// two lines); a heading (a panel's title, a group's caption) has one of its
// own. Answers name -> { row, cell }, row as a CSS grid-row, cell one of
// "wide", "caption", "value", "unit", "steps"; a panel has no place of its own.
export function columnPlaces(controls) {
  const section = (c) => {
    if (c.kind === 'picture' || c.kind === 'chart') return 0;
    if (c.kind === 'combobox') return 2;
    if (c.kind === 'button') return 3;
    return 1;
  };
  // Each control's place in the window.
  const at = new Map();
  for (const c of controls) {
    const parent = at.get(c.parent) ?? { left: 0, top: 0 };
    at.set(c.name, { left: parent.left + c.left, top: parent.top + c.top });
  }
  const rows = new Map(); // key -> { section, top, left, lines, members }
  for (const c of controls) {
    if (c.kind === 'panel') continue;
    const key = c.input >= 0 ? `input${c.input}` : c.name;
    const row = rows.get(key) ?? { section: section(c), top: Infinity, left: Infinity, lines: 1, members: [] };
    const p = at.get(c.name);
    if (p.top < row.top || (p.top === row.top && p.left < row.left)) Object.assign(row, p);
    row.members.push(c);
    rows.set(key, row);
  }
  const places = new Map();
  let next = 1;
  const ordered = [...rows.values()].sort((a, b) => a.section - b.section || a.top - b.top || a.left - b.left);
  for (const row of ordered) {
    const lines = row.members.filter((c) => c.kind === 'label' && !c.unitMark).length || 1;
    let line = 0;
    for (const c of row.members) {
      let cell = 'wide';
      let at = `${next} / span ${lines}`;
      if (c.input >= 0) {
        if (c.kind === 'label' && !c.unitMark) {
          cell = 'caption';
          at = String(next + line++);
        } else if (c.kind === 'label') cell = 'unit';
        else if (c.kind === 'edit') cell = 'value';
        else cell = 'steps'; // the spin field: its number goes to "value"
      }
      places.set(c.name, { row: at, cell });
    }
    next += lines;
  }
  return places;
}
