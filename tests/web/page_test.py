#!/usr/bin/env python3
"""Converts netlists through the page in headless Chromium and compares every
result with brisel-convert's: the downloaded bytes, the `Title: text` message
lines, the `--details` problems by source line and the `--verify` line. Also
works the page with the keyboard alone, times the large netlist against the
command line, and takes the page's pictures at 1280 and 390 pixels wide.

Usage: page_test.py SITE_DIR BRISEL_CONVERT GEN_NETLIST SCREENSHOT_DIR NETLIST...
"""

import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

TITLE_LINE = re.compile(r"^[A-Z][A-Za-z ]* - (Warning|Error|Complete): ")
DETAILS_LINE = re.compile(r"^:(\d*):? warning: (.*)$")
PAGE_STATE = """
const texts = (selector) => [...document.querySelectorAll(selector)].map((e) => e.textContent);
return {
  messages: texts('#messages li'),
  problems: [...document.querySelectorAll('#problems li')].map(
      (li) => [li.querySelector('.line').textContent, li.querySelector('.text').textContent]),
  verification: document.getElementById('verification').textContent.split('\\n').filter((l) => l),
  download: document.getElementById('download').hidden ? null : document.getElementById('download').download,
};
"""


RECORD_CAPTIONS = """
window.captions = [];
new MutationObserver(() => window.captions.push(document.getElementById('progress').textContent))
    .observe(document.getElementById('progress'), {childList: true, characterData: true, subtree: true});
"""


class Expected:
    """What brisel-convert --details --verify says and writes for one source."""

    def __init__(self, cli, source, target_name):
        with tempfile.TemporaryDirectory() as folder:
            shutil.copyfile(source, pathlib.Path(folder, source.name))
            started = time.perf_counter()
            run = subprocess.run([cli, "--details", "--verify", source.name, target_name], cwd=folder,
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


class Page:
    def __init__(self, url, downloads):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--window-size=1280,900"):
            options.add_argument(argument)
        options.add_experimental_option("prefs", {"download.default_directory": str(downloads),
                                                  "download.prompt_for_download": False})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.url = url
        self.downloads = downloads

    def open(self):
        self.driver.get(self.url)

    def element(self, element_id):
        return self.driver.find_element(By.ID, element_id)

    def wait_until_done(self, timeout=600):
        WebDriverWait(self.driver, timeout, poll_frequency=0.05).until(
            lambda d: d.execute_script("return !document.getElementById('form').hasAttribute('aria-busy')"))

    def convert(self, source, while_busy=lambda: None):
        """Picks the file, converts, and returns the seconds from the click to the result."""
        self.open()
        self.element("source").send_keys(str(source))
        self.driver.execute_script(RECORD_CAPTIONS)
        started = time.perf_counter()
        self.element("convert").click()
        while_busy()
        self.wait_until_done()
        return time.perf_counter() - started

    def state(self):
        return self.driver.execute_script(PAGE_STATE)

    def download(self, activate):
        """Runs `activate` (a click or a key on the link) and returns the file's bytes."""
        name = self.state()["download"]
        path = pathlib.Path(self.downloads, name)
        path.unlink(missing_ok=True)
        activate()
        WebDriverWait(self.driver, 120, poll_frequency=0.05).until(
            lambda d: path.exists() and not pathlib.Path(str(path) + ".crdownload").exists())
        time.sleep(0.1)
        data = path.read_bytes()
        path.unlink()
        return data

    def picture(self, width, path):
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": 800, "deviceScaleFactor": 1, "mobile": width < 500})
        height = self.driver.execute_script("return document.documentElement.scrollHeight")
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


def check_file(page, checks, cli, source, while_busy=lambda: None):
    """One netlist through the page and the command line; returns both times."""
    expected = Expected(cli, source, target_name(source))
    seconds = page.convert(source, while_busy)
    state = page.state()
    checks.equal(f"{source.name}: messages", state["messages"], expected.messages)
    checks.equal(f"{source.name}: problems", state["problems"], expected.problems)
    checks.equal(f"{source.name}: verification", state["verification"], expected.verification)
    checks.equal(f"{source.name}: download name", state["download"], target_name(source) if expected.bytes else None)
    if expected.bytes is not None and state["download"]:
        data = page.download(lambda: page.element("download").click())
        checks.true(f"{source.name}: downloaded bytes equal brisel-convert's", data == expected.bytes)
    return seconds, expected.seconds


def check_keyboard(page, checks, cli, source):
    """Tab to the picker, choose, convert and download without the mouse."""
    page.open()

    def press(key, expected_id):
        ActionChains(page.driver).send_keys(key).perform()
        active = page.driver.switch_to.active_element
        checks.equal(f"keyboard: {key!r} moves to #{expected_id}", active.get_attribute("id"), expected_id)
        return active

    press(Keys.TAB, "source").send_keys(str(source))  # what choosing in the file dialog does
    press(Keys.TAB, "target")
    press(Keys.TAB, "convert")
    ActionChains(page.driver).send_keys(Keys.ENTER).perform()
    page.wait_until_done()
    press(Keys.TAB, "download")
    data = page.download(lambda: ActionChains(page.driver).send_keys(Keys.ENTER).perform())
    checks.true("keyboard: downloaded bytes equal brisel-convert's",
                data == Expected(cli, source, target_name(source)).bytes)


def check_previous_result_kept(page, checks, cli, source):
    """A conversion that is refused leaves the last new netlist to download."""
    page.convert(source)
    page.element("target").clear()
    page.element("convert").click()
    page.wait_until_done()
    state = page.state()
    checks.equal("empty name: messages", state["messages"], Expected(cli, source, "").messages)
    checks.equal("empty name: the last netlist is still offered", state["download"], target_name(source))
    data = page.download(lambda: page.element("download").click())
    checks.true("empty name: the last netlist's bytes", data == Expected(cli, source, target_name(source)).bytes)


def check_large(page, checks, cli, generator, folder):
    source = pathlib.Path(folder, "large.net")
    subprocess.run([generator, "--size", "large", "-o", str(source)], check=True)

    def responsive():
        started = time.perf_counter()
        page.driver.execute_script("return document.getElementById('progress').textContent")
        checks.true("large.net: the page answers at once while converting", time.perf_counter() - started < 1)

    browser, native = check_file(page, checks, cli, source, responsive)
    captions = [c for c in page.driver.execute_script("return window.captions") if c]
    checks.equal("large.net: progress captions", [captions[0], captions[1], captions[-1]],
                 ["Initializing...", "Converting...", "100% Complete"])
    checks.true("large.net: percentages in between", any(re.fullmatch(r"\d\d% Complete", c) for c in captions))
    print(f"large netlist ({source.stat().st_size:,} bytes): browser {browser:.2f} s, "
          f"brisel-convert {native:.2f} s, ratio {browser / native:.1f}")


def main(site, cli, generator, pictures, netlists):
    cli, generator = (str(pathlib.Path(p).resolve()) for p in (cli, generator))
    netlists = [str(pathlib.Path(n).resolve()) for n in netlists]
    checks = Checks()
    with tempfile.TemporaryDirectory() as folder:
        server = subprocess.Popen([sys.executable, "-u", "-m", "http.server", "0", "--bind", "127.0.0.1",
                                   "--directory", site], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        port = re.search(r"port (\d+)", server.stdout.readline()).group(1)
        page = Page(f"http://127.0.0.1:{port}/index.html", pathlib.Path(folder, "downloads"))
        try:
            every_problem = next(pathlib.Path(n) for n in netlists if n.endswith("every_problem.net"))
            extra = {"empty.net": b"", "binary.net": bytes(range(256)) * 16,
                     "плата с ошибками.net": every_problem.read_bytes()}
            for name, data in extra.items():
                pathlib.Path(folder, name).write_bytes(data)
            for source in [pathlib.Path(n) for n in netlists] + [pathlib.Path(folder, n) for n in extra]:
                check_file(page, checks, cli, source)
            check_previous_result_kept(page, checks, cli, every_problem)
            check_keyboard(page, checks, cli, every_problem)
            page.convert(every_problem)
            checks.true("every_problem.net: the Problems list shows line numbers",
                        page.element("problems-section").is_displayed() and
                        all(line.isdigit() for line, _ in page.state()["problems"][:5]))
            pathlib.Path(pictures).mkdir(parents=True, exist_ok=True)
            for width in (1280, 390):
                page.picture(width, pathlib.Path(pictures, f"screenshot-web-{width}.png"))
            check_large(page, checks, cli, generator, folder)
        finally:
            page.driver.quit()
            server.terminate()
            server.wait()
    print(f"web: {checks.passed} passed, {checks.failed} failed")
    return 1 if checks.failed else 0


if __name__ == "__main__":
    if len(sys.argv) < 6:
        sys.exit(__doc__)
    sys.exit(main(*sys.argv[1:5], sys.argv[5:]))
