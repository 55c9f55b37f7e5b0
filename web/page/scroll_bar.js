// A scroll bar as the desktop's: arrow buttons, a trough and a thumb. Each action goes to the
// program as what it is (an arrow or the trough, a key, the wheel's own deltas, each step of
// the thumb's drag and its release), and the program moves the bar: the page only turns
// pixels into the bar's positions and draws it where the program says.
import { call } from './bridge.js';
import { at } from './viewport.js';

// `d`: the bar's record as the program made it ({ name, kind, span, large, value, position }).
export function scrollBar(d) {
  const e = document.createElement('div');
  const vertical = d.kind === 'vscroll';
  e.tabIndex = 0;
  e.setAttribute('aria-orientation', vertical ? 'vertical' : 'horizontal');
  const up = document.createElement('div');
  const trough = document.createElement('div');
  const thumb = document.createElement('div');
  const down = document.createElement('div');
  up.className = 'arrow up';
  down.className = 'arrow down';
  trough.className = 'trough';
  thumb.className = 'thumb';
  trough.append(thumb);
  e.append(up, trough, down);
  const bar = { value: d.value, position: d.position, width: 0, height: 0, dragging: null,
    room: 0, thumbStart: 0, thumbLength: 0 };

  // The thumb's place from the position, its length from the page step, as on the desktop.
  const draw = () => {
    const length = (vertical ? bar.height : bar.width) || 0;
    const thickness = (vertical ? bar.width : bar.height) || 0;
    const arrow = Math.min(thickness, Math.floor(length / 2));
    const groove = Math.max(0, length - 2 * arrow);
    const span = d.span;
    const thumbLength = Math.min(groove,
      Math.max(Math.min(thickness, groove), Math.round(groove * d.large / (span + d.large))));
    bar.room = groove - thumbLength;
    const fraction = span === 0 ? 0 : bar.position / span;
    bar.thumbStart = bar.dragging && bar.dragging.at !== undefined ? bar.dragging.at
      : Math.round(fraction * bar.room);
    bar.thumbLength = thumbLength;
    const [pos, size, cross] = vertical ? ['top', 'height', 'width'] : ['left', 'width', 'height'];
    up.style[size] = down.style[size] = `${arrow}px`;
    trough.style[pos] = `${arrow}px`;
    trough.style[size] = `${groove}px`;
    thumb.style[pos] = `${bar.thumbStart}px`;
    thumb.style[size] = `${thumbLength}px`;
    thumb.hidden = groove <= 0;
    for (const part of [up, down, trough, thumb]) part.style[cross] = '100%';
    e.setAttribute('aria-valuenow', bar.value);
  };

  const act = (action) => call('scrolled', { name: d.name, action });
  // Held arrows and trough repeat, after a pause, as the desktop's do.
  let repeat = null;
  const stop = () => { clearTimeout(repeat); repeat = null; };
  const hold = (step) => {
    if (step() === false) return;
    const again = () => { if (step() !== false) repeat = setTimeout(again, 50); };
    repeat = setTimeout(again, 500);
  };
  const along = (event) => {
    const p = at(event, trough);
    return vertical ? p.y : p.x;
  };
  for (const [arrow, action] of [[up, 'LineUp'], [down, 'LineDown']]) {
    arrow.addEventListener('pointerdown', (event) => {
      event.preventDefault();
      e.focus();
      arrow.setPointerCapture(event.pointerId);
      hold(() => act(action));
    });
  }
  trough.addEventListener('pointerdown', (event) => {
    if (event.target === thumb) return;
    event.preventDefault();
    e.focus();
    trough.setPointerCapture(event.pointerId);
    let where = along(event);
    trough.onpointermove = (move) => { where = along(move); };
    // The trough pages until the thumb reaches the pointer.
    hold(() => {
      if (where < bar.thumbStart) return act('PageUp');
      if (where >= bar.thumbStart + bar.thumbLength) return act('PageDown');
      return false;
    });
  });
  for (const part of [up, down, trough]) {
    part.addEventListener('pointerup', () => { stop(); trough.onpointermove = null; });
    part.addEventListener('pointercancel', () => { stop(); trough.onpointermove = null; });
  }
  const moved = (where, released) => {
    if (where === undefined || bar.room <= 0) return;
    call('thumb_moved', { name: d.name, position: Math.round((where / bar.room) * d.span), released });
  };
  thumb.addEventListener('pointerdown', (event) => {
    event.preventDefault();
    e.focus();
    thumb.setPointerCapture(event.pointerId);
    bar.dragging = { from: along(event) - bar.thumbStart };
  });
  thumb.addEventListener('pointermove', (event) => {
    if (!bar.dragging) return;
    bar.dragging.at = Math.min(Math.max(along(event) - bar.dragging.from, 0), bar.room);
    draw();
    moved(bar.dragging.at, false);
  });
  const release = () => {
    if (!bar.dragging) return;
    const where = bar.dragging.at;
    bar.dragging = null;
    moved(where, true);
    draw();
  };
  thumb.addEventListener('pointerup', release);
  thumb.addEventListener('pointercancel', release);

  e.addEventListener('keydown', (event) => {
    const reply = call('scroll_key', { name: d.name, key: event.key, alt: event.altKey,
      ctrl: event.ctrlKey, meta: event.metaKey });
    // A handler still running took the key.
    if (reply && (reply.taken || reply.running)) event.preventDefault();
  });
  e.addEventListener('wheel', (event) => {
    event.preventDefault();
    call('wheeled', { name: d.name, dx: event.deltaX, dy: event.deltaY, mode: event.deltaMode });
  }, { passive: false });

  return {
    element: e,
    // Its size kept, so that drawing never waits for the page's layout.
    place(width, height) {
      bar.width = width;
      bar.height = height;
      draw();
    },
    set(value, position) {
      bar.value = value;
      bar.position = position;
      draw();
    },
  };
}
