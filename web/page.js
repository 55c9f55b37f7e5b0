'use strict';
// The page around the program: it builds the elements the program's definition names, mirrors
// what the program tells it and hands the user's actions in. It decides nothing itself.

const Velantra = {};

// Picture1's canvas: picture pixels (CSS pixels) for coordinates, `ratio` device pixels each.
Velantra.picture = {
  canvas: null,
  ctx: null,
  font: '11px "MS Sans Serif"',
  css(colour) {
    return `rgb(${colour & 255},${(colour >> 8) & 255},${(colour >> 16) & 255})`;
  },
  resize(width, height, ratio, back) {
    const c = this.canvas;
    // Rounded up, so a fractional ratio still covers the last picture pixel.
    c.width = Math.ceil(width * ratio - 1e-9);
    c.height = Math.ceil(height * ratio - 1e-9);
    c.style.width = `${width}px`;
    c.style.height = `${height}px`;
    this.ctx = c.getContext('2d');
    this.ctx.setTransform(c.width / width, 0, 0, c.height / height, 0, 0);
    this.fill(0, 0, width, height, back);
  },
  fill(x, y, w, h, colour) {
    this.ctx.fillStyle = this.css(colour);
    this.ctx.fillRect(x, y, w, h);
  },
  line(x1, y1, x2, y2, width, colour) {
    const ctx = this.ctx;
    ctx.strokeStyle = this.css(colour);
    ctx.lineWidth = width;
    ctx.lineCap = 'round';
    ctx.beginPath();
    ctx.moveTo(x1, y1);
    ctx.lineTo(x2, y2);
    ctx.stroke();
  },
  dot(x, y, width, colour) {
    const ctx = this.ctx;
    ctx.fillStyle = this.css(colour);
    if (width <= 1) {
      ctx.fillRect(Math.floor(x), Math.floor(y), 1, 1);
      return;
    }
    ctx.beginPath();
    ctx.arc(x, y, width / 2, 0, 2 * Math.PI);
    ctx.fill();
  },
  circle(x, y, r, width, colour) {
    const ctx = this.ctx;
    ctx.strokeStyle = this.css(colour);
    ctx.lineWidth = width;
    ctx.beginPath();
    ctx.arc(x, y, r, 0, 2 * Math.PI);
    ctx.stroke();
  },
  // The text's top-left corner at (x, y), as the desktop prints it.
  text(x, y, text, colour) {
    const ctx = this.ctx;
    ctx.font = this.font;
    ctx.fillStyle = this.css(colour);
    ctx.textBaseline = 'alphabetic';
    ctx.fillText(text, x, y + ctx.measureText(text).fontBoundingBoxAscent);
  },
};

// The fonts are data in the page; the program starts once they are ready to draw with.
Velantra.fontsReady = () => Promise.all(
  ['400 15px "Times New Roman"', '700 15px "Times New Roman"', '400 11px "MS Sans Serif"',
    '700 11px "MS Sans Serif"'].map((font) => document.fonts.load(font)));

var Module = {
  onRuntimeInitialized() {
    Velantra.fontsReady().then(() => {
      Module._velantra_start();
      requestAnimationFrame(() => { document.body.dataset.ready = 'true'; });
    });
  },
};
