// What the page holds besides the program: its WebAssembly, the fonts, the pictures and the
// documents, each a data block in the page (web/assemble.js), read only when it is needed.

// The bytes of one of the page's base64 data blocks.
export function bytes(block) {
  const text = block.textContent.trim();
  if (Uint8Array.fromBase64) return Uint8Array.fromBase64(text);
  const binary = atob(text);
  const out = new Uint8Array(binary.length);
  for (let i = 0; i < binary.length; ++i) out[i] = binary.charCodeAt(i);
  return out;
}

// The program's WebAssembly, compiled off the main thread.
export const compile = () => WebAssembly.compile(bytes(document.getElementById('velantra-wasm')));

// Each face the build embeds, decoded from its bytes; the promise holds until all can draw.
export function loadFonts() {
  return Promise.all([...document.querySelectorAll('script.velantra-font')].map((block) => {
    const face = new FontFace(block.dataset.family, bytes(block),
      { weight: block.dataset.weight, style: 'normal' });
    document.fonts.add(face);
    return face.load();
  }));
}

// The pictures by name, as data addresses.
let pictures = null;
export function images() {
  pictures ??= JSON.parse(document.getElementById('velantra-images').textContent);
  return pictures;
}

// The page's icon, from the pictures at the end of the page, once the parser has reached them.
export function showIcon() {
  if (document.readyState === 'loading') {
    document.addEventListener('DOMContentLoaded', showIcon, { once: true });
    return;
  }
  const link = document.createElement('link');
  link.rel = 'icon';
  link.type = 'image/png';
  link.href = images().icon;
  document.head.append(link);
}

// The documents lie at the end of the page; each opens in a new tab.
export function openDocument(name) {
  const block = [...document.querySelectorAll('script.velantra-document')]
    .find((s) => s.dataset.name === name);
  if (!block) return;
  block.url ??= URL.createObjectURL(new Blob([bytes(block)], { type: block.dataset.type }));
  window.open(block.url, '_blank');
}
