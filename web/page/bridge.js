// The one way between the page and the program. Each function of the program that the page
// calls is declared here once, as the fields of its record in the order the C++ takes them,
// with their types; web/CMakeLists.txt derives the program's export list from this table.
// Every function answers with a record: `address`, the scene's address to write ("" while it
// is unchanged), and scroll_key's `taken`. What the program tells the page comes to the
// handlers given to load(), by name (EM_JS in web/*.cpp and platform/web/*.cpp).

export const functions = {
  // Form1's defined client size: { width, height }.
  defined: {},
  // The browser's preferred languages, comma-separated, and the address after "#".
  language: { preferences: 'string', fragment: 'string' },
  start: { separator: 'string', ratio: 'number' },
  resized: { width: 'number', height: 'number' },
  ratio_changed: { ratio: 'number' },
  // The caret in UTF-16 units.
  typed: { name: 'string', text: 'string', caret: 'number' },
  // An arrow or the trough: 'LineUp', 'LineDown', 'PageUp', 'PageDown'.
  scrolled: { name: 'string', action: 'string' },
  // The DOM's name of the key.
  scroll_key: { name: 'string', key: 'string', alt: 'boolean', ctrl: 'boolean', meta: 'boolean' },
  // The wheel event's own deltaX, deltaY and deltaMode.
  wheeled: { name: 'string', dx: 'number', dy: 'number', mode: 'number' },
  // The thumb's position from the bar's top (left) end, at each step of a drag and its release.
  thumb_moved: { name: 'string', position: 'number', released: 'boolean' },
  clicked: {},
  // In Picture1's pixels.
  pointer_moved: { x: 'number', y: 'number' },
  menu_chosen: { entry: 'string' },
  // The part of the address after "#".
  prepare: { fragment: 'string' },
};

// The names as the program exports them, for the link.
export const exported = () => Object.keys(functions).map((name) => `_velantra_${name}`);

const signatures = new Map(Object.entries(functions).map(([name, fields]) => [name, {
  symbol: `velantra_${name}`,
  keys: Object.keys(fields),
  // ccall's types: a boolean goes in as a number.
  types: Object.values(fields).map((type) => (type === 'string' ? 'string' : 'number')),
  flags: Object.values(fields).map((type) => type === 'boolean'),
}]));

const state = { started: false, suspended: false, failed: false };
const listeners = { fail: [], free: [], reply: [] };
// 'reply' gets every record the program answers with; 'free' follows the end of a handler a
// message box or the tone held suspended; 'fail' a fault inside the program.
export const on = (event, listener) => { listeners[event].push(listener); };
const emit = (event, value) => { for (const listener of listeners[event]) listener(value); };

// Until the first frame, each step of the start is marked for the benchmark (bench/web): a
// measure "velantra NAME" from its start to its end.
let marking = true;
export function timed(name, work) {
  if (!marking) return work();
  const start = performance.now();
  try {
    return work();
  } finally {
    performance.measure(`velantra ${name}`, { start, end: performance.now() });
  }
}
export const shown = () => { marking = false; };

function invoke(name, record) {
  if (marking) return timed(name, () => call_(name, record));
  return call_(name, record);
}

function call_(name, record) {
  const s = signatures.get(name);
  const args = s.keys.map((key, i) => (s.flags[i] ? Number(Boolean(record[key])) : record[key]));
  // Without ccall's async option the answer comes back itself when the call has run to its end,
  // and as a promise of it when a message box or the tone suspended the handler.
  return Module.ccall(s.symbol, 'string', s.types, args);
}

function answered(text) {
  const reply = JSON.parse(text);
  emit('reply', reply);
  return reply;
}

export function fail(error) {
  if (state.failed) return;
  state.failed = true;
  state.started = false;
  state.suspended = true;
  emit('fail', error);
}

// Hands a user's action in and returns the program's answer; { running: true } while a message
// box or the tone holds the handler, which took the action. null when the page takes no action:
// before the start, while a handler is suspended, after a fault.
export function call(name, record = {}) {
  if (state.suspended || !state.started) return null;
  let result;
  try {
    result = invoke(name, record);
    if (typeof result === 'string') return answered(result);
  } catch (error) {
    fail(error);
    return null;
  }
  state.suspended = true;
  result.then((text) => {
    state.suspended = false;
    answered(text);
    emit('free');
  }).catch(fail);
  return { running: true };
}

// The calls of the start, made before any action and never suspended.
export const ask = (name, record = {}) => answered(invoke(name, record));
export function begin() { state.started = true; }
export const running = () => state.started;
// Whether the page takes actions now: no handler suspended, no fault.
export const idle = () => !state.suspended;

// Loads the program from its compiled module; `ready` runs once its runtime stands.
export function load(compiled, handlers, ready) {
  globalThis.Module = {
    // What the program's functions on the page call (EM_JS in web/ and platform/web/).
    page: handlers,
    instantiateWasm(imports, receive) {
      compiled.then((module) => {
        const start = performance.now();
        return WebAssembly.instantiate(module, imports).then((instance) => {
          performance.measure('velantra instantiate', { start, end: performance.now() });
          timed('runtime', () => receive(instance, module));
        });
      }).catch(fail);
      return {};
    },
    onAbort: fail,
    onRuntimeInitialized: ready,
  };
}
