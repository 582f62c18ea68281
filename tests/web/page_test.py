#!/usr/bin/env python3
"""Converts netlists through the page in headless Chromium and compares every
result with brisel-convert's: the downloaded bytes, the `Title: text` message
lines, the `--details` problems by source line and the `--verify` line. Also
works the page with the keyboard alone and by drag and drop, checks what it
reads out and the contrast of its texts, opens it from the disk and offline,
measures it against the command line, and takes its pictures at 1280 and 390
pixels wide.

Usage: page_test.py [--plain-site DIR] SITE_DIR BRISEL_CONVERT GEN_NETLIST SCREENSHOT_DIR NETLIST...
With --plain-site, every netlist also goes through the page built there (the
engine without SIMD), served where the browser gives the page no storage of
its own, so that the files stay in the worker's memory.
"""

import pathlib
import re
import subprocess
import sys
import tempfile
import time

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys

import page_mends
import page_offline
import page_pin_map
import page_speed
from page import Checks, Expected, Page, Site, check_result, target_name


def check_file(page, checks, cli, source, while_busy=lambda: None, download=True):
    """One netlist through the page and the command line; returns both times."""
    expected = Expected(cli, source, target_name(source))
    seconds = page.convert(source, while_busy)
    check_result(page, checks, source.name, expected, target_name(source), download)
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
    press(Keys.TAB, "pin-map")
    press(Keys.TAB, "make-template")
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
    page.element("target").send_keys(Keys.CONTROL, "a")
    page.element("target").send_keys(source.name)
    page.element("convert").click()
    page.wait_until_done()
    state = page.state()
    checks.equal("refused: messages", state["messages"], Expected(cli, source, source.name).messages)
    checks.equal("refused: the last netlist is still offered, under the name typed", state["download"], source.name)
    data = page.download(lambda: page.element("download").click())
    checks.true("refused: the last netlist's bytes", data == Expected(cli, source, target_name(source)).bytes)


def check_large(page, checks, cli, source):
    def responsive():
        started = time.perf_counter()
        page.script("return document.getElementById('progress').textContent")
        checks.true("large.net: the page answers at once while converting", time.perf_counter() - started < 1)

    check_file(page, checks, cli, source, responsive)
    captions = [c for c in page.script("return window.captions") if c]
    checks.equal("large.net: progress captions", [captions[0], captions[1], captions[-1]],
                 ["Initializing...", "Converting...", "100% Complete"])
    checks.true("large.net: percentages in between", any(re.fullmatch(r"\d\d% Complete", c) for c in captions))
    checks.equal("large.net: read out", [c for c in page.script("return window.announced") if c],
                 ["Converting...", "50% Complete", "100% Complete"])
    checks.equal("large.net: the new netlist comes from the browser's storage for the page",
                 page.script("return window.lastDone.stored"), True)


def generate(generator, path, *arguments):
    subprocess.run([generator, *arguments, "-o", str(path)], check=True)
    return path


def check_plain(page, checks, cli, plain_folder, sources):
    plain = Site(plain_folder, elsewhere=True)
    page.url, simd_url = plain.url, page.url
    try:
        page.open()
        checks.equal("the plain page: served where it has no storage of its own",
                     page.script("return isSecureContext"), False)
        for source in sources:
            check_file(page, checks, cli, source, download=False)
    finally:
        page.url = simd_url
        plain.stop()


def main(site_folder, cli, generator, pictures, netlists, plain_folder=None):
    cli, generator = (str(pathlib.Path(p).resolve()) for p in (cli, generator))
    netlists = [pathlib.Path(n).resolve() for n in netlists]
    checks = Checks()
    with tempfile.TemporaryDirectory() as folder:
        site = Site(site_folder)
        page = Page(site.url, folder)
        try:
            every_problem = next(n for n in netlists if n.name == "every_problem.net")
            extra = {"empty.net": b"", "binary.net": bytes(range(256)) * 16,
                     "плата с ошибками.net": every_problem.read_bytes()}
            for name, data in extra.items():
                pathlib.Path(folder, name).write_bytes(data)
            sources = netlists + [pathlib.Path(folder, n) for n in extra]
            for source in sources:
                check_file(page, checks, cli, source)
            if plain_folder:
                check_plain(page, checks, cli, plain_folder, sources)
            check_previous_result_kept(page, checks, cli, every_problem)
            check_keyboard(page, checks, cli, every_problem)
            page_mends.check_all(page, checks, cli, every_problem, folder)
            pin_map_board = next(n for n in netlists if n.name == "pin_map_board.net")
            page_pin_map.check_all(page, checks, cli, pin_map_board, pin_map_board.with_suffix(".map"), folder)
            page.convert(every_problem)
            checks.true("every_problem.net: the Problems list shows line numbers",
                        page.element("problems-section").is_displayed() and
                        all(line.isdigit() for line, _ in page.state()["problems"][:5]))
            pathlib.Path(pictures).mkdir(parents=True, exist_ok=True)
            for width in (1280, 390):
                page_mends.check_contrast(page, checks, f"after a conversion, {width} pixels wide", width)
                page.picture(width, pathlib.Path(pictures, f"screenshot-web-{width}.png"))
            large = generate(generator, pathlib.Path(folder, "large.net"), "--size", "large")
            check_large(page, checks, cli, large)
            huge = generate(generator, pathlib.Path(folder, "huge.net"), "--parts", "400000", "--references", "3700000")
            page_speed.check_targets(page, checks, cli, large, huge)
            page_offline.check_from_disk(page, checks, site_folder, every_problem)
            page_offline.check_offline(page, checks, cli, site, every_problem)
        finally:
            page.driver.quit()
            site.stop()
    print(f"web: {checks.passed} passed, {checks.failed} failed")
    return 1 if checks.failed else 0


if __name__ == "__main__":
    arguments = sys.argv[1:]
    plain = None
    if arguments[:1] == ["--plain-site"]:
        plain, arguments = arguments[1], arguments[2:]
    if len(arguments) < 5:
        sys.exit(__doc__)
    sys.exit(main(*arguments[:4], arguments[4:], plain))
