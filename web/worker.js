// The worker's side of the page, appended to the compiled engine. A request
// is {file, target}: the picked File (or null) and the new netlist's name.
// The engine reads the File a slice at a time and keeps the files it writes
// in its own memory; the new netlist becomes a Blob, which the verification
// reads back. Each event goes to the page as {kind, text, code}; the last is
// "done", with the new netlist and the size of the engine's memory.

let runtimeReady = false;
const waiting = [];

// The files the browser keeps, by the engine's numbers: the picked netlist
// and the new netlist.
const browserFiles = [null, null];
const sliceSize = 8 << 20; // few slices: each read is a round trip to the browser
let slice = { file: null, offset: 0, bytes: new Uint8Array(0) };
let readError = '';
let resultBlocks = [];

function postEvent(kind, text, code) {
  self.postMessage({ kind, text, code });
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
  browserFiles.fill(null);
  slice = { file: null, offset: 0, bytes: new Uint8Array(0) };
  self.postMessage({ kind: 'done', code, result, memory: HEAPU8.length });
}

Module.onRuntimeInitialized = () => {
  runtimeReady = true;
  waiting.splice(0).forEach(convert);
};

self.onmessage = (event) => (runtimeReady ? convert(event.data) : waiting.push(event.data));
