// The pictures' text engine: measures and draws the text of a picture with
// the browser's 2D canvas, into the picture's own RGBA bitmap in the module's
// memory, so that text and shapes land in the order they are drawn. For each
// text the bitmap's pixels around it are put on a scratch canvas, the text is
// drawn over them, and the result is copied back (opaque pixels go there and
// back unchanged).

function cssFont(name, px, bold, italic) {
  return `${italic ? 'italic ' : ''}${bold ? 'bold ' : ''}${px}px "${name}"`;
}

function cssColor(color) {
  return `rgb(${color & 0xff}, ${(color >> 8) & 0xff}, ${(color >> 16) & 0xff})`;
}

export function createTextEngine() {
  const scratch = document.createElement('canvas');
  const ctx = scratch.getContext('2d', { willReadFrequently: true });
  const widths = new Map();
  const metrics = new Map();
  const MaxCached = 4096;

  function use(font) {
    if (ctx.font !== font) ctx.font = font;
  }

  // Ascent and descent of the face, whole pixels, as the font's own metrics give them.
  function fontMetrics(font) {
    let m = metrics.get(font);
    if (!m) {
      use(font);
      const t = ctx.measureText('Hg');
      m = { ascent: Math.round(t.fontBoundingBoxAscent), descent: Math.round(t.fontBoundingBoxDescent) };
      metrics.set(font, m);
    }
    return m;
  }

  return {
    width(name, px, bold, italic, text) {
      const font = cssFont(name, px, bold, italic);
      const key = `${font}\u0000${text}`;
      let w = widths.get(key);
      if (w === undefined) {
        use(font);
        w = Math.round(ctx.measureText(text).width);
        if (widths.size >= MaxCached) widths.clear();
        widths.set(key, w);
      }
      return w;
    },

    height(name, px, bold, italic) {
      const m = fontMetrics(cssFont(name, px, bold, italic));
      return m.ascent + m.descent;
    },

    // The text with its cell's top-left at (left, top) relative to (ox, oy),
    // turned by angle degrees counter-clockwise about (ox, oy); only the
    // pixels of the region (rl, rt)-(rr, rb) of the bitmap change.
    draw(heap, bits, stride, rl, rt, rr, rb, ox, oy, left, top, angle, name, px, bold, italic, color, text) {
      const w = rr - rl;
      const h = rb - rt;
      if (w <= 0 || h <= 0) return;
      if (scratch.width < w || scratch.height < h) {
        scratch.width = Math.max(scratch.width, w);
        scratch.height = Math.max(scratch.height, h);
      }
      const rowBytes = w * 4;
      const image = new ImageData(w, h);
      for (let row = 0; row < h; row++) {
        const from = bits + ((rt + row) * stride + rl) * 4;
        image.data.set(heap.subarray(from, from + rowBytes), row * rowBytes);
      }
      ctx.putImageData(image, 0, 0);
      const font = cssFont(name, px, bold, italic);
      const ascent = fontMetrics(font).ascent;
      ctx.save();
      ctx.beginPath();
      ctx.rect(0, 0, w, h);
      ctx.clip();
      use(font);
      ctx.fillStyle = cssColor(color);
      ctx.textAlign = 'left';
      ctx.textBaseline = 'alphabetic';
      ctx.translate(ox - rl, oy - rt);
      if (angle) ctx.rotate((-angle * Math.PI) / 180);
      ctx.fillText(text, left, top + ascent);
      ctx.restore();
      const drawn = ctx.getImageData(0, 0, w, h).data;
      for (let row = 0; row < h; row++) {
        const to = bits + ((rt + row) * stride + rl) * 4;
        heap.set(drawn.subarray(row * rowBytes, (row + 1) * rowBytes), to);
      }
    },
  };
}
