// Writes the browser edition as one HTML file: the page template with its styles and script,
// the program (its WebAssembly already inlined by emscripten), the fonts as @font-face data,
// the icon, the Authors picture and the documents as data blocks. Nothing is left to fetch.
// Usage: node assemble.js OUT.html TEMPLATE.html PAGE.css PAGE.js PROGRAM.js
//          font=FAMILY:WEIGHT:FILE.woff2 ... image=NAME:FILE.png ... document=FILE ...
'use strict';
const fs = require('fs');
const path = require('path');

const [out, template, css, page, program, ...assets] = process.argv.slice(2);
const base64 = (file) => fs.readFileSync(file).toString('base64');
// An inline script ends at the first "</script", whatever the script's syntax says.
const inline = (text) => text.replace(/<\/script/gi, '<\\/script');
const types = { '.pdf': 'application/pdf', '.txt': 'text/plain;charset=utf-8' };

let fonts = '';
const images = {};
let documents = '';
for (const asset of assets) {
  const [kind, value] = [asset.slice(0, asset.indexOf('=')), asset.slice(asset.indexOf('=') + 1)];
  if (kind === 'font') {
    const [family, weight, file] = value.split(':');
    fonts += `@font-face{font-family:"${family}";font-weight:${weight};font-style:normal;` +
      `src:url(data:font/woff2;base64,${base64(file)}) format("woff2")}\n`;
  } else if (kind === 'image') {
    const [name, file] = value.split(':');
    images[name] = `data:image/png;base64,${base64(file)}`;
  } else if (kind === 'document') {
    const name = path.basename(value);
    const type = types[path.extname(name)] || 'application/octet-stream';
    documents += `<script type="application/octet-stream" class="velantra-document" ` +
      `data-name="${name}" data-type="${type}">${base64(value)}</script>\n`;
  } else {
    throw new Error(`assemble.js: unknown asset ${asset}`);
  }
}

const parts = {
  '@ICON@': images.icon || '',
  '@STYLE@': fonts + fs.readFileSync(css, 'utf8'),
  '@IMAGES@': `<script type="application/json" id="velantra-images">${JSON.stringify(images)}</script>`,
  // After the program, so that the page starts before the documents are read.
  '@DOCUMENTS@': documents,
  '@PAGE@': inline(fs.readFileSync(page, 'utf8')),
  '@PROGRAM@': inline(fs.readFileSync(program, 'utf8')),
};
let html = fs.readFileSync(template, 'utf8');
for (const [mark, text] of Object.entries(parts)) html = html.split(mark).join(text);
fs.writeFileSync(out, html);
