"""What the page's tests share: the site served on 127.0.0.1, the page in
headless Chromium, what brisel-convert says for a source, and the checks'
tally."""

import base64
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

TITLE_LINE = re.compile(r"^[A-Z][A-Za-z ]* - (Warning|Error|Complete): ")
DETAILS_LINE = re.compile(r"^:(\d*):? (?:warning|note): (.*)$")
PAGE_STATE = """
const texts = (selector) => [...document.querySelectorAll(selector)].map((e) => e.textContent);
const download = document.getElementById('download');
return {
  messages: texts('#messages li'),
  problems: [...document.querySelectorAll('#problems li')].map(
      (li) => [li.querySelector('.line').textContent, li.querySelector('.text').textContent]),
  verification: document.getElementById('verification').textContent.split('\\n').filter((l) => l),
  download: download.hidden ? null : download.download,
  downloadText: download.textContent,
  downloadShown: download.getClientRects().length > 0,
  busy: document.getElementById('form').hasAttribute('aria-busy'),
  convertEnabled: !document.getElementById('convert').disabled,
};
"""

# Records what the live region reads out and every caption shown.
RECORD_CAPTIONS = """
window.captions = [];
window.announced = [];
const record = (id, into) => new MutationObserver(() => into.push(document.getElementById(id).textContent))
    .observe(document.getElementById(id), {childList: true, characterData: true, subtree: true});
record('progress', window.captions);
record('progress-announcement', window.announced);
// The page's own clock from the click on Convert to the form's leaving its
// busy state, without the driver's polling in between.
window.clickedAt = null;
window.finishedAt = null;
document.getElementById('convert').addEventListener('click', () => { window.clickedAt = performance.now(); },
    {capture: true, once: true});
new MutationObserver(() => {
  const busy = document.getElementById('form').hasAttribute('aria-busy');
  if (window.clickedAt !== null && window.finishedAt === null && !busy) window.finishedAt = performance.now();
}).observe(document.getElementById('form'), {attributes: true, attributeFilter: ['aria-busy']});
"""

# Notes when the page's worker is ready, and its last "done" event: the
# conversion's result code, the size of the engine's memory, and whether the
# new netlist came as a file of the browser's storage.
WATCH_WORKER = """
const PageWorker = Worker;
window.Worker = class extends PageWorker {
  constructor(...args) {
    super(...args);
    this.addEventListener('message', (event) => {
      if (event.data.kind === 'ready') window.workerReady = true;
      if (event.data.kind === 'done') {
        window.lastDone = {code: event.data.code, memory: event.data.memory, stored: event.data.result instanceof File};
      }
    });
  }
};
"""


# A name for this machine that the browser does not take for it, so that a
# page served under it is not a secure context: the browser gives it no
# storage of its own and no service worker.
ELSEWHERE = "brisel.test"


class Site:
    """The site served by python3 -m http.server on a free port, under
    127.0.0.1 or, `elsewhere`, under a name the browser does not trust."""

    def __init__(self, folder, elsewhere=False):
        self.server = subprocess.Popen([sys.executable, "-u", "-m", "http.server", "0", "--bind", "127.0.0.1",
                                        "--directory", folder], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                       text=True)
        self.port = re.search(r"port (\d+)", self.server.stdout.readline()).group(1)
        self.url = f"http://{ELSEWHERE if elsewhere else '127.0.0.1'}:{self.port}/index.html"

    def stop(self):
        self.server.terminate()
        self.server.wait()


class Expected:
    """What brisel-convert --details --verify [--pin-map MAP] says and writes for one source."""

    def __init__(self, cli, source, target_name, pin_map=None):
        with tempfile.TemporaryDirectory() as folder:
            shutil.copyfile(source, pathlib.Path(folder, source.name))
            map_option = []
            if pin_map:
                shutil.copyfile(pin_map, pathlib.Path(folder, pin_map.name))
                map_option = ["--pin-map", pin_map.name]
            started = time.perf_counter()
            run = subprocess.run([cli, "--details", "--verify", *map_option, source.name, target_name], cwd=folder,
                                 capture_output=True, check=False)
            self.seconds = time.perf_counter() - started
            target = pathlib.Path(folder, target_name)
            self.bytes = target.read_bytes() if target.is_file() else None
        out = run.stdout.decode("utf-8", "replace").splitlines()
        err = run.stderr.decode("utf-8", "replace").splitlines()
        label = source.name
        self.messages = [line for line in err + out if TITLE_LINE.match(line)]
        self.problems = [list(DETAILS_LINE.match(line[len(label):]).groups())
                         for line in err if line.startswith(label + ":")]
        self.verification = [line for line in out + err if line.startswith(("verified:", "verify:"))]


def check_result(page, checks, what, expected, name, download=True):
    """What the page shows after a conversion against what brisel-convert said and wrote (`expected`): the
    messages, the problems, the verification and the new netlist, named `name`, downloaded or, not
    `download`, read in the page. Returns the page's state."""
    state = page.state()
    checks.equal(f"{what}: messages", state["messages"], expected.messages)
    checks.equal(f"{what}: problems", state["problems"], expected.problems)
    checks.equal(f"{what}: verification", state["verification"], expected.verification)
    checks.equal(f"{what}: download name", state["download"], name if expected.bytes else None)
    if expected.bytes is not None and state["download"]:
        data = page.download(lambda: page.element("download").click()) if download else page.result_bytes()
        checks.true(f"{what}: downloaded bytes equal brisel-convert's", data == expected.bytes)
    return state


class Page:
    def __init__(self, url, folder):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--disable-gpu",
                         "--disable-quic", "--no-first-run", "--disable-background-networking",
                         "--disable-component-update", "--disable-sync", "--window-size=1280,900",
                         f"--host-resolver-rules=MAP {ELSEWHERE} 127.0.0.1",
                         f"--user-data-dir={pathlib.Path(folder, 'profile')}"):
            options.add_argument(argument)
        self.downloads = pathlib.Path(folder, "downloads")
        options.add_experimental_option("prefs", {"download.default_directory": str(self.downloads),
                                                  "download.prompt_for_download": False})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH_WORKER})
        self.url = url

    def open(self, url=None):
        self.driver.get(url or self.url)

    def element(self, element_id):
        return self.driver.find_element(By.ID, element_id)

    def script(self, text, *arguments):
        return self.driver.execute_script(text, *arguments)

    def wait_until_done(self, timeout=600):
        WebDriverWait(self.driver, timeout, poll_frequency=0.05).until(
            lambda d: d.execute_script("return !document.getElementById('form').hasAttribute('aria-busy')"))

    def wait_until_ready(self, timeout=60):
        WebDriverWait(self.driver, timeout, poll_frequency=0.05).until(
            lambda d: d.execute_script("return window.workerReady === true"))

    def convert(self, source, while_busy=lambda: None, pin_map=None):
        """Picks the file (and the pin map) once the worker is ready, as a person would take longer to, converts,
        and returns the seconds from the click to the result, by the page's clock when it saw both."""
        self.open()
        self.wait_until_ready()
        self.element("source").send_keys(str(source))
        if pin_map:
            self.element("pin-map").send_keys(str(pin_map))
        self.script(RECORD_CAPTIONS)
        started = time.perf_counter()
        self.element("convert").click()
        while_busy()
        self.wait_until_done()
        polled = time.perf_counter() - started
        seen = self.script("return window.finishedAt === null || window.clickedAt === null ? null"
                           " : (window.finishedAt - window.clickedAt) / 1000")
        return polled if seen is None else seen

    def state(self):
        return self.script(PAGE_STATE)

    def download(self, activate, name=None):
        """Runs `activate` (a click or a key on the link) and returns the bytes of the file it downloads, by
        default the new netlist."""
        name = name or self.state()["download"]
        path = pathlib.Path(self.downloads, name)
        path.unlink(missing_ok=True)
        activate()
        WebDriverWait(self.driver, 120, poll_frequency=0.05).until(
            lambda d: path.exists() and not pathlib.Path(str(path) + ".crdownload").exists())
        time.sleep(0.1)
        data = path.read_bytes()
        path.unlink()
        return data

    def result_bytes(self):
        """The bytes behind the download link, read in the page rather than downloaded: a browser asks before it
        downloads from a page that is not a secure context."""
        data = self.driver.execute_async_script("""
            const done = arguments[arguments.length - 1];
            fetch(document.getElementById('download').href).then((r) => r.arrayBuffer()).then((bytes) => {
              let text = '';
              const all = new Uint8Array(bytes);
              for (let i = 0; i < all.length; i += 0x8000) text += String.fromCharCode(...all.subarray(i, i + 0x8000));
              done(btoa(text));
            });""")
        return base64.b64decode(data)

    def picture(self, width, path):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": 800, "deviceScaleFactor": 1, "mobile": width < 500})
        height = self.script("return document.documentElement.scrollHeight")
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": 1, "mobile": width < 500})
        self.driver.save_screenshot(str(path))
        self.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})


class Checks:
    def __init__(self):
        self.passed = 0
        self.failed = 0

    def equal(self, what, actual, expected):
        if actual == expected:
            self.passed += 1
            return
        self.failed += 1
        print(f"FAIL {what}:\n  page: {short(actual)}\n  cli:  {short(expected)}")

    def true(self, what, condition):
        self.equal(what, bool(condition), True)


def short(value):
    text = repr(value)
    return text if len(text) < 600 else text[:600] + "..."


def target_name(source):
    return source.stem + "-expresspcb.net"
