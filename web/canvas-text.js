// The pictures' text engine: measures the text of a picture with the
// browser's 2D canvas and draws it into the picture's own RGBA bitmap in the
// module's memory, so that text and shapes land in the order they are drawn.
// The browser draws each text (font, colour, angle, place relative to its
// anchor, the picture's scale) once onto a transparent canvas; what it covered
// is kept and blended over the bitmap wherever that text is drawn again.
// Texts are measured in layout pixels and drawn at the device's size.
//
// Metrics are whole pixels as a hinting font engine gives them, so that the
// chart is laid out as on the desktop: each glyph's advance rounded on its
// own, the ascent rounded up and the descent to the nearest pixel, all from
// the face's exact outline metrics (measured at a large size and scaled).

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
  const advances = new Map();
  const metrics = new Map();
  const Exact = 1000; // px: the size the exact metrics are measured at
  const stamps = new Map();
  const MaxCached = 4096;

  function remember(map, key, value) {
    if (map.size >= MaxCached) map.clear();
    map.set(key, value);
    return value;
  }

  // Ascent and descent of the face in whole pixels.
  function fontMetrics(font, exactFont, px) {
    let m = metrics.get(font);
    if (!m) {
      ctx.font = exactFont;
      const t = ctx.measureText('Hg');
      m = remember(metrics, font, {
        ascent: Math.ceil((t.fontBoundingBoxAscent * px) / Exact - 1e-6),
        descent: Math.round((t.fontBoundingBoxDescent * px) / Exact),
      });
    }
    return m;
  }

  // The advance of one character in whole pixels.
  function advance(exactFont, px, ch) {
    const key = `${exactFont}\u0000${px}\u0000${ch}`;
    let a = advances.get(key);
    if (a === undefined) {
      ctx.font = exactFont;
      a = remember(advances, key, Math.round((ctx.measureText(ch).width * px) / Exact));
    }
    return a;
  }

  // The text as the browser draws it over the box (device pixels relative to
  // the anchor): straight RGBA, alpha the coverage.
  function stamp(font, ascent, color, angle, scale, left, top, bl, bt, br, bb, text) {
    const key = `${font}\u0000${color}\u0000${angle}\u0000${scale}\u0000${left},${top},${bl},${bt},${br},${bb}\u0000${text}`;
    let s = stamps.get(key);
    if (s) return s;
    const w = br - bl;
    const h = bb - bt;
    if (scratch.width < w || scratch.height < h) {
      scratch.width = Math.max(scratch.width, w);
      scratch.height = Math.max(scratch.height, h);
    }
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.clearRect(0, 0, w, h);
    ctx.font = font;
    ctx.fillStyle = cssColor(color);
    ctx.textAlign = 'left';
    ctx.textBaseline = 'alphabetic';
    ctx.translate(-bl, -bt);
    if (angle) ctx.rotate((-angle * Math.PI) / 180);
    ctx.scale(scale, scale);
    ctx.fillText(text, left, top + ascent);
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    s = { w, h, rgba: ctx.getImageData(0, 0, w, h).data };
    return remember(stamps, key, s);
  }

  return {
    width(name, px, bold, italic, text) {
      const font = cssFont(name, px, bold, italic);
      const key = `${font}\u0000${text}`;
      let w = widths.get(key);
      if (w === undefined) {
        const exactFont = cssFont(name, Exact, bold, italic);
        w = 0;
        for (const ch of text) w += advance(exactFont, px, ch);
        remember(widths, key, w);
      }
      return w;
    },

    height(name, px, bold, italic) {
      const m = fontMetrics(cssFont(name, px, bold, italic), cssFont(name, Exact, bold, italic), px);
      return m.ascent + m.descent;
    },

    // The text with its cell's corner at (left, top) layout pixels relative
    // to the anchor (ox, oy), turned by angle degrees counter-clockwise about
    // the anchor and drawn at the scale; (bl, bt)-(br, bb) relative to the
    // anchor bounds what it may cover, and only the bitmap's pixels in
    // (cl, ct)-(cr, cb) change (device pixels, all of these).
    draw(heap, bits, stride, cl, ct, cr, cb, ox, oy, bl, bt, br, bb, left, top, angle, scale, name, px, bold,
      italic, color, text) {
      const font = cssFont(name, px, bold, italic);
      const { ascent } = fontMetrics(font, cssFont(name, Exact, bold, italic), px);
      const s = stamp(font, ascent, color, angle, scale, left, top, bl, bt, br, bb, text);
      const sx = ox + bl;
      const sy = oy + bt;
      for (let y = ct; y < cb; y++) {
        let src = ((y - sy) * s.w + (cl - sx)) * 4;
        let dst = bits + (y * stride + cl) * 4;
        for (let x = cl; x < cr; x++, src += 4, dst += 4) {
          const a = s.rgba[src + 3];
          if (a === 0) continue;
          if (a === 255) {
            heap[dst] = s.rgba[src];
            heap[dst + 1] = s.rgba[src + 1];
            heap[dst + 2] = s.rgba[src + 2];
          } else {
            const b = 255 - a;
            heap[dst] = (s.rgba[src] * a + heap[dst] * b + 127) / 255;
            heap[dst + 1] = (s.rgba[src + 1] * a + heap[dst + 1] * b + 127) / 255;
            heap[dst + 2] = (s.rgba[src + 2] * a + heap[dst + 2] * b + 127) / 255;
          }
        }
      }
    },
  };
}
