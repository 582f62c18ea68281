'use strict';
// The page: hands the picked netlist to the worker, which converts it in
// memory, and shows what the worker tells: progress, messages, the problems
// by source line, the verification, and the new netlist to download.
(() => {
  const byId = (id) => document.getElementById(id);
  const form = byId('form');
  const source = byId('source');
  const target = byId('target');
  const convert = byId('convert');
  const progress = byId('progress');
  const messages = byId('messages');
  const verification = byId('verification');
  const download = byId('download');
  const problemsSection = byId('problems-section');
  const problems = byId('problems');
  const copyStatus = byId('copy-status');

  let worker = null;
  let running = null; // the request being converted
  let result = null; // the last new netlist: {url, file}
  let problemText = '';

  function pickedFile() {
    return source.files.length > 0 ? source.files[0] : null;
  }

  // board.net gives board-expresspcb.net.
  function targetNameFor(name) {
    const dot = name.lastIndexOf('.');
    return (dot > 0 ? name.slice(0, dot) : name) + '-expresspcb.net';
  }

  function startWorker() {
    worker = new Worker('brisel-worker.js');
    worker.onmessage = (event) => handlers[event.data.kind](event.data);
    worker.onerror = () => crashed();
  }

  // The worker died (out of memory, most likely, or it could not load): the
  // next conversion starts a new one, and the last new netlist stays.
  function crashed() {
    worker.terminate();
    worker = null;
    if (!running) return;
    const why = 'The conversion stopped: the browser could not run it to its end, perhaps for lack of memory.';
    addMessage(why, 'error');
    finish();
  }

  function start() {
    if (running) return;
    running = { file: pickedFile(), target: target.value };
    messages.replaceChildren();
    verification.textContent = '';
    problems.replaceChildren();
    problemsSection.hidden = true;
    copyStatus.textContent = '';
    convert.disabled = true;
    form.setAttribute('aria-busy', 'true');
    document.body.classList.add('busy');
    if (!worker) startWorker();
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

  // The lines come as `--details` prints them, "board.net:12: warning: ..."
  // or, for the whole file, "board.net: warning: ...".
  function showProblems(text, label) {
    problemText = text;
    const pattern = /^:(\d*):? warning: (.*)$/;
    for (const line of text.split('\n')) {
      const parts = line.startsWith(label) ? pattern.exec(line.slice(label.length)) : null;
      if (!parts) continue;
      const item = document.createElement('li');
      const where = document.createElement('span');
      where.className = 'line';
      where.textContent = parts[1];
      const what = document.createElement('span');
      what.className = 'text';
      what.textContent = parts[2];
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

  function nameDownload(name) {
    download.download = name;
    download.textContent = 'Download ' + name;
  }

  const handlers = {
    progress: (event) => (progress.textContent = event.text),
    error: (event) => addMessage(event.text, event.kind),
    warning: (event) => addMessage(event.text, event.kind),
    information: (event) => addMessage(event.text, event.kind),
    problems: (event) => showProblems(event.text, running.file ? running.file.name : ''),
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

  source.addEventListener('change', () => {
    const file = pickedFile();
    if (file) target.value = targetNameFor(file.name);
  });
  target.addEventListener('input', () => {
    if (result && result.file === pickedFile()) nameDownload(target.value);
  });
  form.addEventListener('submit', (event) => {
    event.preventDefault();
    start();
  });

  const drop = byId('window');
  drop.addEventListener('dragover', (event) => {
    event.preventDefault();
    drop.classList.add('dropping');
  });
  drop.addEventListener('dragleave', () => drop.classList.remove('dropping'));
  drop.addEventListener('drop', (event) => {
    event.preventDefault();
    drop.classList.remove('dropping');
    if (event.dataTransfer.files.length === 0) return;
    source.files = event.dataTransfer.files;
    source.dispatchEvent(new Event('change'));
  });

  byId('copy-problems').addEventListener('click', () => {
    navigator.clipboard.writeText(problemText).then(
      () => (copyStatus.textContent = 'Copied.'),
      () => (copyStatus.textContent = 'The browser did not allow copying.'));
  });

  startWorker();
})();
