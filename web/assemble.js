// Writes the browser edition as one HTML file: the page template with its styles and script,
// the program's script, and as inert data blocks its WebAssembly, the fonts, the icon, the
// Authors picture and the documents. Nothing is left to fetch.
// Usage: node assemble.js OUT.html TEMPLATE.html PAGE.css PAGE.js PROGRAM.js PROGRAM.wasm
//          font=FAMILY:WEIGHT:FILE.woff2 ... image=NAME:FILE.png ... document=NAME:FILE ...
'use strict';
const fs = require('fs');
const path = require('path');

const [out, template, css, page, program, wasm, ...assets] = process.argv.slice(2);
const base64 = (file) => fs.readFileSync(file).toString('base64');
// An inline script ends at the first "</script", whatever the script's syntax says. A page all
// of ASCII is decoded and parsed as 8-bit text, markedly faster than one with a single Cyrillic
// letter, so any other letter in the scripts and the template is written as an escape.
const inline = (text) => text.replace(/<\/script/gi, '<\\/script')
  .replace(/[^\0-\x7f]/g, (c) => `\\u${c.charCodeAt(0).toString(16).padStart(4, '0')}`);
const markup = (text) => text.replace(/[^\0-\x7f]/g, (c) => `&#${c.codePointAt(0)};`);
// A script block of another type is neither run nor decoded: the page reads it when it needs it.
const block = (attributes, file) =>
  `<script type="application/octet-stream" ${attributes}>${base64(file)}</script>\n`;
const types = { '.pdf': 'application/pdf', '.txt': 'text/plain;charset=utf-8' };

let fonts = '';
const images = {};
let documents = '';
for (const asset of assets) {
  const [kind, value] = [asset.slice(0, asset.indexOf('=')), asset.slice(asset.indexOf('=') + 1)];
  if (kind === 'font') {
    const [family, weight, file] = value.split(':');
    fonts += block(`class="velantra-font" data-family="${family}" data-weight="${weight}"`, file);
  } else if (kind === 'image') {
    const [name, file] = value.split(':');
    images[name] = `data:image/png;base64,${base64(file)}`;
  } else if (kind === 'document') {
    // The name the menu command opens it by, "en/spravka.pdf".
    const [name, file] = [value.slice(0, value.indexOf(':')), value.slice(value.indexOf(':') + 1)];
    const type = types[path.extname(name)] || 'application/octet-stream';
    documents += block(`class="velantra-document" data-name="${name}" data-type="${type}"`, file);
  } else {
    throw new Error(`assemble.js: unknown asset ${asset}`);
  }
}

const parts = {
  '@STYLE@': fs.readFileSync(css, 'utf8'),
  // Before the page's script, which starts compiling and decoding them as it begins.
  '@WASM@': block('id="velantra-wasm"', wasm),
  '@FONTS@': fonts,
  // The icon and the Authors picture, and last the documents: the page starts before the parser
  // reaches them.
  '@IMAGES@': `<script type="application/json" id="velantra-images">${JSON.stringify(images)}</script>`,
  '@DOCUMENTS@': documents,
  '@PAGE@': inline(fs.readFileSync(page, 'utf8')),
  '@PROGRAM@': inline(fs.readFileSync(program, 'utf8')),
};
let html = markup(fs.readFileSync(template, 'utf8'));
for (const [mark, text] of Object.entries(parts)) html = html.split(mark).join(text);
fs.writeFileSync(out, html);
