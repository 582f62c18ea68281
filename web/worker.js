// The worker's side of the page, appended to the compiled engine. A request
// is {file, target}: the picked File (or null) and the new netlist's name.
// The source is mounted read-only and linked into the in-memory working
// folder, where the conversion writes its temporary files and the target.
// Each event goes to the page as {kind, text, code}; the last is "done".

const workFolder = '/work';
const sourceFolder = '/source';
let runtimeReady = false;
const waiting = [];

function postEvent(kind, text, code) {
  self.postMessage({ kind, text, code });
}

// A file that outgrows the browser's memory fails its write like a full
// disk, so the conversion reports it and removes its files.
const outOfMemory = 48; // ENOMEM in the C library's numbering
const expandFileStorage = MEMFS.expandFileStorage;
MEMFS.expandFileStorage = function (node, capacity) {
  try {
    expandFileStorage(node, capacity);
  } catch (error) {
    if (error instanceof RangeError) throw new FS.ErrnoError(outOfMemory);
    throw error;
  }
};

function emptyWorkFolder() {
  for (const name of FS.readdir(workFolder)) {
    if (name !== '.' && name !== '..') FS.unlink(workFolder + '/' + name);
  }
}

function mountSource(file) {
  FS.mount(WORKERFS, { files: [file] }, sourceFolder);
  FS.symlink(sourceFolder + '/' + file.name, workFolder + '/' + file.name);
}

function convert(request) {
  const sourceName = request.file ? request.file.name : '';
  let result = -1;
  let bytes = null;
  try {
    if (request.file) mountSource(request.file);
    result = Module.ccall('BriselConvert', 'number', ['string', 'string'], [sourceName, request.target]);
    if (result === 0) bytes = FS.readFile(request.target);
  } catch (error) {
    result = -1; // the page starts a new worker
  } finally {
    emptyWorkFolder();
    if (request.file) FS.unmount(sourceFolder);
  }
  self.postMessage({ kind: 'done', code: result, bytes }, bytes ? [bytes.buffer] : []);
}

Module.onRuntimeInitialized = () => {
  FS.mkdir(workFolder);
  FS.mkdir(sourceFolder);
  FS.chdir(workFolder);
  runtimeReady = true;
  waiting.splice(0).forEach(convert);
};

self.onmessage = (event) => (runtimeReady ? convert(event.data) : waiting.push(event.data));
