// Picture1's canvas as the program draws on it (web/canvas_surface.cpp): coordinates in
// picture pixels (CSS pixels), on a buffer of the device pixels the program gives; and the
// picture in the program's words, for assistive technology.

// A colour as the program gives it, 0xBBGGRR.
export const css = (colour) => `rgb(${colour & 255},${(colour >> 8) & 255},${(colour >> 16) & 255})`;

let canvas = null;
let ctx = null;
// The element that describes the canvas, and the live region that says a run's result.
let words = null;
let said = null;
// The picture's CSS font, as the program gives it, the one the context holds, and each font's
// ascent, which is the font's and not the text's: measured once a font, not at every text.
let face = '';
let set = null;
const ascents = new Map();

export const picture = {
  attach(element, description, status) {
    canvas = element;
    words = description;
    said = status;
  },
  describe(text, announce) {
    words.textContent = text;
    // Written afresh, so that a run with the same result is said again.
    if (announce) {
      said.textContent = '';
      said.textContent = text;
    }
  },
  resize(width, height, deviceWidth, deviceHeight, back) {
    canvas.width = deviceWidth;
    canvas.height = deviceHeight;
    // An opaque picture: the compositor need not blend it.
    ctx = canvas.getContext('2d', { alpha: false });
    // A new size resets the context's state, its font with it.
    set = null;
    ctx.setTransform(deviceWidth / width, 0, 0, deviceHeight / height, 0, 0);
    picture.fill(0, 0, width, height, back);
  },
  font(font) { face = font; },
  fill(x, y, w, h, colour) {
    ctx.fillStyle = css(colour);
    ctx.fillRect(x, y, w, h);
  },
  line(x1, y1, x2, y2, width, colour) {
    ctx.strokeStyle = css(colour);
    ctx.lineWidth = width;
    ctx.lineCap = 'round';
    ctx.beginPath();
    ctx.moveTo(x1, y1);
    ctx.lineTo(x2, y2);
    ctx.stroke();
  },
  dot(x, y, width, colour) {
    ctx.fillStyle = css(colour);
    if (width <= 1) {
      ctx.fillRect(Math.floor(x), Math.floor(y), 1, 1);
      return;
    }
    ctx.beginPath();
    ctx.arc(x, y, width / 2, 0, 2 * Math.PI);
    ctx.fill();
  },
  circle(x, y, r, width, colour) {
    ctx.strokeStyle = css(colour);
    ctx.lineWidth = width;
    ctx.beginPath();
    ctx.arc(x, y, r, 0, 2 * Math.PI);
    ctx.stroke();
  },
  // The text's top-left corner at (x, y), as the desktop prints it.
  text(x, y, text, colour) {
    if (set !== face) {
      ctx.font = face;
      ctx.textBaseline = 'alphabetic';
      set = face;
    }
    ctx.fillStyle = css(colour);
    let ascent = ascents.get(face);
    if (ascent === undefined) {
      const m = ctx.measureText(text);
      ascent = m.fontBoundingBoxAscent ?? m.actualBoundingBoxAscent ?? 0;
      // Without the font's own ascent (an engine that gives only the text's), each text has its own.
      if (m.fontBoundingBoxAscent !== undefined) ascents.set(face, ascent);
    }
    ctx.fillText(text, x, y + ascent);
  },
};
