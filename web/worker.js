// The worker's side of the page, appended to the compiled engine. A request
// is {file, target}: the picked File (or null) and the new netlist's name.
// The engine reads the File a slice at a time and keeps the files it writes
// in its own memory; the new netlist becomes a Blob, which the verification
// reads back, and goes to the page as it is. The worker tells
// "ready" once the engine runs, or "unavailable" when it cannot (a browser
// without WebAssembly SIMD). Each event of a conversion goes to the page as
// {kind, text, code}; the last is "done", with the new netlist and the size
// of the engine's memory.

let runtimeReady = false;
const waiting = [];

// The files the browser keeps, by the engine's numbers: the picked netlist
// and the new netlist.
const browserFiles = [null, null];
const sliceSize = 16 << 20; // few slices: each read is a round trip to the browser
const noSlice = { file: null, offset: 0, bytes: new Uint8Array(0) };
let slice = noSlice;
let readError = '';
let resultBlocks = [];

let warmingUp = false;

function postEvent(kind, text, code) {
  if (!warmingUp) self.postMessage({ kind, text, code });
}

function readBrowserFile(which, offset, data, size) {
  const file = browserFiles[which];
  try {
    if (slice.file !== file || offset < slice.offset || offset >= slice.offset + slice.bytes.length) {
      const bytes = new FileReaderSync().readAsArrayBuffer(file.slice(offset, offset + sliceSize));
      slice = { file, offset, bytes: new Uint8Array(bytes) };
    }
    const from = offset - slice.offset;
    const count = Math.min(size, slice.bytes.length - from);
    HEAPU8.set(slice.bytes.subarray(from, from + count), data);
    return count;
  } catch (error) {
    readError = error.message || String(error);
    return -1;
  }
}

function browserFileError() {
  return readError;
}

// Views into the engine's memory, copied once into the Blob at the end,
// before the engine runs again.
function addResultBlock(data, size) {
  resultBlocks.push(HEAPU8.subarray(data, data + size));
}

function endResult() {
  browserFiles[1] = new Blob(resultBlocks);
  resultBlocks = [];
}

function convert(request) {
  let code = -1;
  browserFiles[0] = request.file;
  try {
    code = Module.ccall('BriselConvert', 'number', ['string', 'string'],
                        [request.file ? request.file.name : '', request.target]);
  } catch (error) {
    code = -1; // the page starts a new worker
  }
  const result = code === 0 ? browserFiles[1] : null;
  if (!warmingUp) self.postMessage({ kind: 'done', code, result, memory: HEAPU8.length });
  browserFiles.fill(null);
  slice = noSlice;
}

Module.onAbort = () => {
  if (!runtimeReady) self.postMessage({ kind: 'unavailable' });
};

// A netlist of every part of the format, a few hundred kilobytes.
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
// unoptimised all through the first conversion. A conversion of a small
// netlist while the user picks a file has them optimised by then.
function warmUp() {
  warmingUp = true;
  convert({ file: new File([warmUpNetlist(2000, 3000)], 'warm-up.net'), target: 'warm-up-expresspcb.net' });
  warmingUp = false;
}

Module.onRuntimeInitialized = () => {
  warmUp();
  runtimeReady = true;
  self.postMessage({ kind: 'ready' });
  waiting.splice(0).forEach(convert);
};

self.onmessage = (event) => (runtimeReady ? convert(event.data) : waiting.push(event.data));
