// The browser's glyphs for the pictures' text engine (BrowserTextEngine in
// web/WebCanvas.h, which keeps what it is given): a face's metrics, a text's
// width, and a text's coverage rendered by the browser's 2D canvas into the
// module's memory at the device's size.
//
// Metrics are whole pixels as a hinting font engine gives them, so that the
// chart is laid out as on the desktop: each glyph's advance rounded on its
// own, the ascent rounded up and the descent to the nearest pixel, all from
// the face's exact outline metrics (measured at a large size and scaled).

function cssFont(name, px, bold, italic) {
  return `${italic ? 'italic ' : ''}${bold ? 'bold ' : ''}${px}px "${name}"`;
}

export function createTextEngine() {
  const scratch = document.createElement('canvas');
  const ctx = scratch.getContext('2d', { willReadFrequently: true });
  const Exact = 1000; // px: the size the exact metrics are measured at

  function exact(name, bold, italic, text) {
    ctx.font = cssFont(name, Exact, bold, italic);
    return ctx.measureText(text);
  }

  function advanceOf(name, px, bold, italic, ch) {
    return Math.round((exact(name, bold, italic, ch).width * px) / Exact);
  }

  return {
    ascent(name, px, bold, italic) {
      return Math.ceil((exact(name, bold, italic, 'Hg').fontBoundingBoxAscent * px) / Exact - 1e-6);
    },

    descent(name, px, bold, italic) {
      return Math.round((exact(name, bold, italic, 'Hg').fontBoundingBoxDescent * px) / Exact);
    },

    advance(name, px, bold, italic, codePoint) {
      return advanceOf(name, px, bold, italic, String.fromCodePoint(codePoint));
    },

    width(name, px, bold, italic, text) {
      let w = 0;
      for (const ch of text) w += advanceOf(name, px, bold, italic, ch);
      return w;
    },

    // The text's coverage, one byte a pixel, into the width x height bytes at
    // coverage in heap: its anchor at device pixel (anchorX, anchorY), its
    // cell's corner at (left, top) layout pixels from the anchor, turned by
    // angle degrees counter-clockwise about the anchor, drawn at the scale.
    render(heap, coverage, width, height, anchorX, anchorY, name, px, bold, italic, ascent, text, angle, left,
      top, scale) {
      if (scratch.width < width || scratch.height < height) {
        scratch.width = Math.max(scratch.width, width);
        scratch.height = Math.max(scratch.height, height);
      }
      ctx.setTransform(1, 0, 0, 1, 0, 0);
      ctx.clearRect(0, 0, width, height);
      ctx.font = cssFont(name, px, bold, italic);
      ctx.fillStyle = 'black';
      ctx.textAlign = 'left';
      ctx.textBaseline = 'alphabetic';
      ctx.translate(anchorX, anchorY);
      if (angle) ctx.rotate((-angle * Math.PI) / 180);
      ctx.scale(scale, scale);
      ctx.fillText(text, left, top + ascent);
      ctx.setTransform(1, 0, 0, 1, 0, 0);
      const rgba = ctx.getImageData(0, 0, width, height).data;
      for (let i = 0, n = width * height; i < n; i++) heap[coverage + i] = rgba[i * 4 + 3];
    },
  };
}
