"""The page away from its web server: opened from the disk it says what to
do, and served once it installs as an app and converts with no network."""

import pathlib

from selenium.webdriver.support.ui import WebDriverWait

from page import Expected, target_name

FROM_DISK = ("Open this page through a web server: opened from the disk (file://), it cannot start its converter; "
             "for example, run \"python3 -m http.server\" in its folder and open http://localhost:8000/.")


def check_from_disk(page, checks, site_folder, source):
    page.open(pathlib.Path(site_folder, "index.html").resolve().as_uri())
    checks.equal("from the disk: said at once", page.state()["messages"], [FROM_DISK])
    page.element("source").send_keys(str(source))
    page.element("convert").click()
    page.wait_until_done(timeout=10)
    state = page.state()
    checks.equal("from the disk: said again on Convert", state["messages"], [FROM_DISK])
    checks.equal("from the disk: Convert is not left busy", (state["busy"], state["convertEnabled"]), (False, True))
    checks.equal("from the disk: the pointer is not left busy",
                 page.script("return document.body.classList.contains('busy')"), False)


def check_offline(page, checks, cli, site, source):
    page.open()
    WebDriverWait(page.driver, 60, poll_frequency=0.1).until(
        lambda d: d.execute_script("return navigator.serviceWorker.controller !== null"))
    errors = page.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"]
    checks.equal("installs as an app", [error["errorId"] for error in errors], [])
    page.driver.execute_cdp_cmd("Network.enable", {})
    page.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
        "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
    site.stop()
    try:
        page.convert(source)
        expected = Expected(cli, source, target_name(source))
        state = page.state()
        checks.equal("offline: messages", state["messages"], expected.messages)
        checks.equal("offline: verification", state["verification"], expected.verification)
        data = page.download(lambda: page.element("download").click())
        checks.true("offline: downloaded bytes equal brisel-convert's", data == expected.bytes)
    finally:
        page.driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
            "offline": False, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
