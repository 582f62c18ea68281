'use strict';
// The page: hands the picked netlist to the worker, which converts it in the
// browser, and shows what the worker tells: progress, messages, the problems
// by source line, the verification, and the new netlist to download.
(() => {
  const byId = (id) => document.getElementById(id);
  const form = byId('form');
  const source = byId('source');
  const pinMap = byId('pin-map');
  const makeTemplate = byId('make-template');
  const target = byId('target');
  const convert = byId('convert');
  const progress = byId('progress');
  const announcement = byId('progress-announcement');
  const messages = byId('messages');
  const verification = byId('verification');
  const download = byId('download');
  const problemsSection = byId('problems-section');
  const problems = byId('problems');
  const copyStatus = byId('copy-status');

  const defaultTarget = target.placeholder;
  const cannotStart = location.protocol === 'file:'
    ? 'Open this page through a web server: opened from the disk (file://), it cannot start its converter; ' +
      'for example, run "python3 -m http.server" in its folder and open http://localhost:8000/.'
    : 'Open this page in a current browser: this one could not start the converter, ' +
      'which needs WebAssembly with SIMD.';

  let worker = null;
  let workerReady = false;
  let running = null; // the request being converted
  let result = null; // the last new netlist: {url, file}
  let problemText = '';
  let announced = ''; // the last caption read out
  let templateFor = null; // the netlist whose template the worker is making

  function pickedFile() {
    return source.files.length > 0 ? source.files[0] : null;
  }

  // board.net gives board-expresspcb.net.
  function targetNameFor(name) {
    const dot = name.lastIndexOf('.');
    return (dot > 0 ? name.slice(0, dot) : name) + '-expresspcb.net';
  }

  // An empty Target box stands for the name it shows greyed.
  function targetName() {
    return target.value || target.placeholder;
  }

  function startWorker() {
    workerReady = false;
    try {
      worker = new Worker('brisel-worker.js');
    } catch (error) {
      worker = null; // a page opened from the disk may not start one
      return false;
    }
    worker.onmessage = (event) => handlers[event.data.kind](event.data);
    worker.onerror = () => (workerReady ? crashed() : unavailable());
    return true;
  }

  // The worker died (out of memory, most likely): the next conversion starts
  // a new one, and the last new netlist stays.
  function crashed() {
    worker.terminate();
    worker = null;
    if (!running) return;
    const why = 'The conversion stopped: the browser could not run it to its end, perhaps for lack of memory.';
    addMessage(why, 'error');
    finish();
  }

  // The worker could not start at all: nothing here can convert.
  function unavailable() {
    if (worker) worker.terminate();
    worker = null;
    messages.replaceChildren();
    addMessage(cannotStart, 'error');
    if (running) finish();
  }

  function start() {
    if (running) return;
    running = { file: pickedFile(), target: targetName(), map: pinMap.files.length > 0 ? pinMap.files[0] : null };
    messages.replaceChildren();
    verification.textContent = '';
    problems.replaceChildren();
    problemsSection.hidden = true;
    copyStatus.textContent = '';
    announced = '';
    convert.disabled = true;
    form.setAttribute('aria-busy', 'true');
    document.body.classList.add('busy');
    if (!worker && !startWorker()) return unavailable();
    worker.postMessage(running);
  }

  function finish() {
    running = null;
    progress.textContent = '';
    convert.disabled = false;
    form.removeAttribute('aria-busy');
    document.body.classList.remove('busy');
  }

  function addMessage(text, kind) {
    const item = document.createElement('li');
    item.className = kind;
    item.textContent = text;
    messages.append(item);
  }

  // Every caption shows; a screen reader hears three: "Converting...", the
  // first at half way or beyond, and "100% Complete".
  function showProgress(caption) {
    progress.textContent = caption;
    const percent = /^(\d+)% Complete$/.exec(caption);
    const worthTelling = caption === 'Converting...' ||
      (percent && (Number(percent[1]) === 100 || (Number(percent[1]) >= 50 && !/%/.test(announced))));
    if (!worthTelling) return;
    announced = caption;
    announcement.textContent = caption;
  }

  // The lines come as `--details` prints them, "board.net:12: warning: ..."
  // or, for the whole file, "board.net: warning: ...", and a note for each
  // pin the pin map numbered.
  function showProblems(text, label) {
    problemText = text;
    const pattern = /^:(\d*):? (warning|note): (.*)$/;
    for (const line of text.split('\n')) {
      const found = line.startsWith(label) ? pattern.exec(line.slice(label.length)) : null;
      if (!found) continue;
      const [, number, severity, text] = found;
      const item = document.createElement('li');
      item.className = severity;
      const where = document.createElement('span');
      where.className = 'line';
      where.textContent = number;
      const what = document.createElement('span');
      what.className = 'text';
      what.textContent = text;
      item.append(where, what);
      problems.append(item);
    }
    problemsSection.hidden = problems.children.length === 0;
  }

  function showResult(blob) {
    if (result) URL.revokeObjectURL(result.url);
    result = { url: URL.createObjectURL(blob), file: running.file };
    download.href = result.url;
    nameDownload(running.target);
    download.hidden = false;
  }

  // board.net gives board.map, the name a map beside its netlist has.
  function templateNameFor(name) {
    const dot = name.lastIndexOf('.');
    return (dot > 0 ? name.slice(0, dot) : name) + '.map';
  }

  function saveTemplate(bytes) {
    const file = templateFor;
    templateFor = null;
    if (!bytes || !file) return;
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], { type: 'text/plain' }));
    link.download = templateNameFor(file.name);
    link.hidden = true;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  }

  function nameDownload(name) {
    download.download = name;
    download.textContent = 'Download ' + name;
  }

  const handlers = {
    ready: () => (workerReady = true),
    unavailable: () => unavailable(),
    progress: (event) => showProgress(event.text),
    error: (event) => addMessage(event.text, event.kind),
    warning: (event) => addMessage(event.text, event.kind),
    information: (event) => addMessage(event.text, event.kind),
    problems: (event) => showProblems(event.text, running.file ? running.file.name : ''),
    template: (event) => saveTemplate(event.bytes),
    verification: (event) => {
      verification.textContent += (verification.textContent ? '\n' : '') + event.text;
      verification.className = 'verification ' + (event.code ? 'verified' : 'error');
    },
    done: (event) => {
      if (event.result) showResult(event.result);
      if (event.code < 0) return crashed();
      finish();
    },
  };

  function takeSource(file) {
    target.placeholder = file ? targetNameFor(file.name) : defaultTarget;
    if (file) target.value = target.placeholder;
    makeTemplate.disabled = !file;
  }

  source.addEventListener('change', () => takeSource(pickedFile()));
  target.addEventListener('input', () => {
    if (result && result.file === pickedFile()) nameDownload(targetName());
  });
  makeTemplate.addEventListener('click', () => {
    const file = pickedFile();
    if (!file) return;
    if (!worker && !startWorker()) return unavailable();
    templateFor = file;
    worker.postMessage({ task: 'template', file });
  });
  form.addEventListener('submit', (event) => {
    event.preventDefault();
    start();
  });

  // A file dropped anywhere on the page becomes the source; other drops are
  // let be where a text box takes them, and ignored elsewhere, so that the
  // browser never leaves the page for what was dropped. The outline stays
  // while the pointer moves from one element to the next.
  const mainWindow = byId('window');
  let dragDepth = 0;
  const carriesFiles = (event) => event.dataTransfer && [...event.dataTransfer.types].includes('Files');
  const intoTextBox = (event) => event.target instanceof HTMLInputElement && event.target.type === 'text';
  function dropping(on) {
    mainWindow.classList.toggle('dropping', on);
    if (!on) dragDepth = 0;
  }
  addEventListener('dragenter', (event) => {
    if (!carriesFiles(event)) return;
    dragDepth += 1;
    dropping(true);
  });
  addEventListener('dragleave', (event) => {
    if (!carriesFiles(event)) return;
    dragDepth -= 1;
    if (dragDepth <= 0) dropping(false);
  });
  addEventListener('dragover', (event) => {
    if (!carriesFiles(event) && intoTextBox(event)) return;
    event.preventDefault();
    event.dataTransfer.dropEffect = carriesFiles(event) ? 'copy' : 'none';
  });
  addEventListener('drop', (event) => {
    if (!carriesFiles(event) && intoTextBox(event)) return;
    event.preventDefault();
    dropping(false);
    if (!carriesFiles(event) || event.dataTransfer.files.length === 0) return;
    const files = new DataTransfer();
    files.items.add(event.dataTransfer.files[0]);
    source.files = files.files;
    takeSource(pickedFile());
  });

  byId('copy-problems').addEventListener('click', () => {
    navigator.clipboard.writeText(problemText).then(
      () => (copyStatus.textContent = 'Copied.'),
      () => (copyStatus.textContent = 'The browser did not allow copying.'));
  });

  // Served once over HTTP(S), the page keeps its files for use offline.
  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    navigator.serviceWorker.register('service-worker.js').catch(() => {});
  }

  if (!startWorker()) unavailable();
})();
