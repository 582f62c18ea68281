// The worker's side of the page, appended to the compiled engine. A request
// is {file, target, map}: the picked File (or null), the new netlist's name
// and the pin map's File (or null); or {task: 'template', file}, which makes
// the picked netlist's pin map template and posts its bytes as "template".
// The engine reads the File a slice at a time and writes its files into the
// browser's storage for the page, or into its own memory where there is
// none; the new netlist goes to the page as the File it is there, or as a
// Blob. The worker tells "ready" once the engine runs, or "unavailable" when
// it cannot (a browser without WebAssembly SIMD). Each event of a conversion
// goes to the page as {kind, text, code}; the last is "done", with the new
// netlist and the size of the engine's memory.

let runtimeReady = false;
let warmingUp = false;
let lastError = '';

function postEvent(kind, text, code) {
  if (!warmingUp) self.postMessage({ kind, text, code });
}

function storageError() {
  return lastError;
}

function failed(error) {
  lastError = error.message || String(error);
  return -1;
}

// The picked netlist, read a slice at a time: each read is a round trip to
// the browser.
const sliceSize = 16 << 20;
const noSlice = { offset: 0, bytes: new Uint8Array(0) };
let picked = null;
let slice = noSlice;

function readPickedFile(offset, data, size) {
  try {
    if (offset < slice.offset || offset >= slice.offset + slice.bytes.length) {
      const bytes = new FileReaderSync().readAsArrayBuffer(picked.slice(offset, offset + sliceSize));
      slice = { offset, bytes: new Uint8Array(bytes) };
    }
    const from = offset - slice.offset;
    const count = Math.min(size, slice.bytes.length - from);
    HEAPU8.set(slice.bytes.subarray(from, from + count), data);
    return count;
  } catch (error) {
    return failed(error);
  }
}

// The worker's folder in the origin's private file system, named after it and
// held by a lock of that name while it lives, so that a later worker can tell
// the folders of workers gone from those of other open pages, and remove them.
// Before each conversion the folder gets three files open for synchronous
// access, as many as a conversion writes at once: the joined copy, the
// connection spool and the new netlist.
const filesAtOnce = 3;
let storage = null; // {folder, files: Map of number to {name, handle, access, free, kept}, made}

async function openStorage() {
  try {
    const root = await navigator.storage.getDirectory();
    const name = `conversions-${crypto.randomUUID()}`;
    await new Promise((held) => navigator.locks.request(name, () => {
      held();
      return new Promise(() => {});
    }));
    await removeFoldersOfGoneWorkers(root);
    storage = { folder: await root.getDirectoryHandle(name, { create: true }), files: new Map(), made: 0 };
  } catch (error) {
    storage = null; // the files stay in memory
  }
}

async function removeFoldersOfGoneWorkers(root) {
  const held = new Set((await navigator.locks.query()).held.map((lock) => lock.name));
  for await (const name of root.keys()) {
    if (name.startsWith('conversions-') && !held.has(name)) {
      await root.removeEntry(name, { recursive: true }).catch(() => {});
    }
  }
}

async function prepareStorage() {
  if (!storage) return;
  try {
    while ([...storage.files.values()].filter((file) => file.free).length < filesAtOnce) {
      const name = `file-${storage.made}`;
      const handle = await storage.folder.getFileHandle(name, { create: true });
      const access = await handle.createSyncAccessHandle();
      // An early form of the interface answered with promises: not synchronous enough.
      if (access.truncate(0) !== undefined) throw new Error('no synchronous access');
      storage.files.set(storage.made++, { name, handle, access, free: true, kept: false });
    }
  } catch (error) {
    for (const file of storage.files.values()) file.access.close();
    storage = null;
  }
}

// The worker's optimiser takes no destructuring in loops: entries by index.
function storageFiles() {
  return storage ? [...storage.files.entries()] : [];
}

function takeStorageFile() {
  for (const entry of storageFiles()) {
    if (entry[1].free) {
      entry[1].free = false;
      return entry[0];
    }
  }
  return -1;
}

function truncateStorageFile(number) {
  storage.files.get(number).access.truncate(0);
}

function freeStorageFile(number) {
  const file = storage.files.get(number);
  if (!file || file.kept) return; // the new netlist stays
  file.access.truncate(0);
  file.free = true;
}

function keepStorageFile(number) {
  storage.files.get(number).kept = true;
}

function writeStorageFile(number, data, size, at) {
  try {
    return storage.files.get(number).access.write(HEAPU8.subarray(data, data + size), { at });
  } catch (error) {
    return failed(error);
  }
}

function readStorageFile(number, data, size, at) {
  try {
    return storage.files.get(number).access.read(HEAPU8.subarray(data, data + size), { at });
  } catch (error) {
    return failed(error);
  }
}

// The new netlist kept in the browser's storage leaves the worker as the
// File it is there, and the one before it is removed; or it is dropped when
// no one is to have it.
let lastResult = null;

async function storedResult(deliver) {
  for (const entry of storageFiles()) {
    const number = entry[0];
    const file = entry[1];
    if (!file.kept) continue;
    if (!deliver) {
      file.kept = false;
      freeStorageFile(number);
      return null;
    }
    file.access.close();
    storage.files.delete(number);
    if (lastResult) storage.folder.removeEntry(lastResult).catch(() => {});
    lastResult = file.name;
    return file.handle.getFile();
  }
  return null;
}

// A new netlist in memory: views into the engine's memory, copied once into
// the Blob before the engine runs again.
let resultBlocks = [];
let resultBlob = null;

function addResultBlock(data, size) {
  resultBlocks.push(HEAPU8.subarray(data, data + size));
}

function endResult() {
  resultBlob = new Blob(resultBlocks);
  resultBlocks = [];
}

// The pin map's bytes, read at once: a map is small.
function readPinMap(map) {
  if (!map) return { name: '', bytes: new Uint8Array(0), error: '' };
  try {
    return { name: map.name, bytes: new Uint8Array(new FileReaderSync().readAsArrayBuffer(map)), error: '' };
  } catch (error) {
    return { name: map.name, bytes: new Uint8Array(0), error: error.message || String(error) };
  }
}

async function convert(request) {
  await prepareStorage();
  picked = request.file;
  resultBlob = null;
  let code = -1;
  let result = null;
  try {
    const map = readPinMap(request.map);
    code = Module.ccall('BriselConvert', 'number', ['string', 'string', 'string', 'array', 'number', 'string'],
                        [request.file ? request.file.name : '', request.target, map.name, map.bytes,
                         map.bytes.length, map.error]);
    const stored = await storedResult(code === 0 && !warmingUp);
    if (code === 0) result = stored || resultBlob;
  } catch (error) {
    code = -1; // the page starts a new worker
  }
  picked = null;
  slice = noSlice;
  resultBlob = null;
  if (!warmingUp) self.postMessage({ kind: 'done', code, result, memory: HEAPU8.length });
}

Module.onAbort = () => {
  if (!runtimeReady) self.postMessage({ kind: 'unavailable' });
};

// A netlist of parts and nets, some megabytes: enough for the browser to
// optimise every function a conversion spends its time in.
function warmUpNetlist(parts, nets) {
  const lines = ['*PADS-PCB*', '*PART*'];
  for (let i = 1; i <= parts; ++i) lines.push(`U${i} PART${i % 7}@SO-${8 + (i % 5)}`);
  lines.push('', '*NET*');
  for (let n = 1; n <= nets; ++n) {
    lines.push(`*SIGNAL* NET${n}`);
    const references = [];
    for (let k = 0; k < 8; ++k) references.push(`U${1 + ((n * 7 + k * 13) % parts)}.${1 + k}`);
    lines.push(references.slice(0, 4).join(' '), references.slice(4).join(' '));
  }
  lines.push('*END*');
  return lines.join('\n') + '\n';
}

// The engine's functions start in the browser's quick first translation and
// are optimised only once they have run for a while, and a function that is
// running keeps its first translation: the conversion's main loops would run
// unoptimised all through the first conversion. A conversion of a netlist
// of its own while the user picks a file has them optimised by then.
async function warmUp() {
  warmingUp = true;
  await convert({ file: new File([warmUpNetlist(10000, 40000)], 'warm-up.net'), target: 'warm-up-expresspcb.net' });
  warmingUp = false;
}

// Conversions one after the other, once the engine runs and is warm.
let queue = new Promise((started) => (Module.onRuntimeInitialized = started))
  .then(openStorage)
  .then(warmUp)
  .then(() => {
    runtimeReady = true;
    self.postMessage({ kind: 'ready' });
  });

// The template BriselTemplate made, or null when it could not make one.
let template = null;

function keepTemplate(data, size) {
  template = HEAPU8.slice(data, data + size);
}

function makeTemplate(request) {
  picked = request.file;
  template = null;
  try {
    Module.ccall('BriselTemplate', null, ['string'], [request.file.name]);
  } catch (error) {
    template = null;
  }
  picked = null;
  slice = noSlice;
  self.postMessage({ kind: 'template', bytes: template });
}

self.onmessage = (event) => {
  const request = event.data;
  queue = queue.then(() => (request.task === 'template' ? makeTemplate(request) : convert(request)));
};
