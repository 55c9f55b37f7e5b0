// The page is Form1's window, the menu bar on top of its client area. This module owns the view
// transform: Form1 is never laid out smaller than its defined client size below the menu bar;
// in a smaller viewport it is laid out at the viewport's size divided by the largest factor
// that brings that size inside, and shown scaled by it, as a desktop zoomed out. Every other
// module gets Form1's own pixels from at(), and none divides by the scale itself.
import { call, on, running } from './bridge.js';

let form = null;
let menuBar = null;
let client = null;
let defined = null;
let scale = 1;

export const form1 = () => form;

// A pointer event's place in Form1's pixels from the top-left corner of `element`, Form1's own
// by default.
export function at(event, element = form) {
  const r = element.getBoundingClientRect();
  return { x: (event.clientX - r.left) / scale, y: (event.clientY - r.top) / scale };
}

// Device pixels to one of the picture's pixels.
export const ratio = () => (window.devicePixelRatio || 1) * scale;

// Form1's outer frame, the viewport in Form1's pixels.
export const frame = () => ({ width: form.offsetWidth, height: form.offsetHeight });

function fit() {
  const view = document.documentElement;
  const least = { width: defined.width, height: defined.height + menuBar.offsetHeight };
  const next = Math.min(1, view.clientWidth / least.width, view.clientHeight / least.height);
  const style = form.style;
  // The division's rounding never takes it below the least size.
  style.width = next < 1 ? `${Math.max(view.clientWidth / next, least.width)}px` : '';
  style.height = next < 1 ? `${Math.max(view.clientHeight / next, least.height)}px` : '';
  style.transform = next < 1 ? `scale(${next})` : '';
  const changed = next !== scale;
  scale = next;
  if (changed && running()) call('ratio_changed', { ratio: ratio() });
}

// The client area's size goes in once for each change; one that comes while a handler is
// suspended goes in when it has finished.
let lastSize = null;
let pendingSize = null;
function resized(size) {
  if (lastSize && lastSize.width === size.width && lastSize.height === size.height) return;
  if (call('resized', size)) {
    lastSize = size;
  } else {
    pendingSize = size;
  }
}
on('free', () => {
  if (!pendingSize) return;
  const size = pendingSize;
  pendingSize = null;
  resized(size);
});

const clientSize = () => ({ width: client.clientWidth, height: client.clientHeight });

// Lays Form1 out for its defined size before the program starts, and returns the client area's
// size then, while it is still empty.
export function prepare(element, bar, area, size) {
  form = element;
  menuBar = bar;
  client = area;
  defined = size;
  fit();
  return clientSize();
}

// The first size, then every later one and every new ratio.
export function follow(first) {
  resized(first);
  window.addEventListener('resize', fit);
  new ResizeObserver(() => resized(clientSize())).observe(client);
  // A new ratio without a new size (another screen) still needs a sharper back buffer.
  const watchRatio = () => {
    matchMedia(`(resolution: ${window.devicePixelRatio || 1}dppx)`).addEventListener('change', () => {
      call('ratio_changed', { ratio: ratio() });
      watchRatio();
    }, { once: true });
  };
  watchRatio();
}
