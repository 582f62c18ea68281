"""The page without dead ends: the download link hidden until there is a
netlist, an empty Target standing for the default name, files dropped
anywhere taken and other drops ignored, an outline that stays while a drag
moves between elements, what screen readers hear, and text that stands out
from what is behind it."""

import base64
import pathlib
import shutil

from selenium.webdriver.common.keys import Keys

from page import Expected, target_name

CONTRAST = (pathlib.Path(__file__).parent / "contrast.js").read_text()

# Dispatches drag events with a DataTransfer, the way a drop from the desktop
# arrives: arguments are where (a CSS selector, or "window"), the events, and
# what is dragged: a file's name and bytes (base64), or a text.
DRAG = """
const [where, types, name, base64, text] = arguments;
const at = where === 'window' ? window : document.querySelector(where);
const transfer = new DataTransfer();
if (name !== null) {
  const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  transfer.items.add(new File([bytes], name));
} else {
  transfer.setData('text/plain', text);
}
const prevented = types.map((type) => {
  const event = new DragEvent(type, {bubbles: true, cancelable: true, dataTransfer: transfer});
  at.dispatchEvent(event);
  return event.defaultPrevented;
});
return {
  prevented,
  source: document.getElementById('source').files.length ? document.getElementById('source').files[0].name : null,
  target: document.getElementById('target').value,
  dropping: document.getElementById('window').classList.contains('dropping'),
};
"""


def drag_file(page, where, types, name, data):
    return page.script(DRAG, where, types, name, base64.b64encode(data).decode(), None)


def drag_text(page, where, types, text):
    return page.script(DRAG, where, types, None, None, text)


def check_hidden_link(page, checks):
    page.open()
    checks.equal("before a conversion: no download link shows", page.state()["downloadShown"], False)


def check_empty_target(page, checks, cli, source):
    """Clearing Target leaves the link with the default name, and a
    conversion takes that name too."""
    page.convert(source)
    page.element("target").send_keys(Keys.CONTROL, "a", Keys.DELETE)
    state = page.state()
    checks.equal("empty Target: the link's text", state["downloadText"], "Download " + target_name(source))
    checks.equal("empty Target: the download's name", state["download"], target_name(source))
    page.element("convert").click()
    page.wait_until_done()
    checks.equal("empty Target: converts into the default name", page.state()["messages"],
                 Expected(cli, source, target_name(source)).messages)


def check_drops(page, checks, cli, source, folder):
    dropped = pathlib.Path(folder, "dropped.net")
    shutil.copyfile(source, dropped)
    data = dropped.read_bytes()
    for where in ("body", "window"):
        page.open()
        page.wait_until_ready()
        result = drag_file(page, where, ["dragenter", "dragover", "drop"], dropped.name, data)
        checks.equal(f"a file dropped on the {where}: taken", (result["source"], result["target"]),
                     (dropped.name, target_name(dropped)))
        checks.equal(f"a file dropped on the {where}: the browser does not open it", result["prevented"][1:],
                     [True, True])
        checks.equal(f"a file dropped on the {where}: the outline goes", result["dropping"], False)
    page.element("convert").click()
    page.wait_until_done()
    checks.equal("a dropped file: converted", page.state()["messages"],
                 Expected(cli, dropped, target_name(dropped)).messages)

    result = drag_text(page, "body", ["dragover", "drop"], "https://example.org/")
    checks.equal("a text dropped on the page: ignored, the page stays",
                 (result["prevented"], result["source"]), ([True, True], dropped.name))
    result = drag_text(page, "#target", ["dragover", "drop"], "other.net")
    checks.equal("a text dropped on Target: left to the text box", result["prevented"], [False, False])


def check_no_flicker(page, checks, source):
    data = source.read_bytes()
    page.open()
    steps = [("body", "dragenter", True), ("#target", "dragenter", True), ("body", "dragleave", True),
             ("#convert", "dragenter", True), ("#target", "dragleave", True), ("#convert", "dragleave", False)]
    shown = [drag_file(page, where, [event], source.name, data)["dropping"] for where, event, _ in steps]
    checks.equal("dragging across elements: the outline stays until the drag leaves the page", shown,
                 [outline for _, _, outline in steps])


def check_live_regions(page, checks):
    page.open()
    roles = page.script("""
        const attributes = (id) => ['role', 'aria-live'].map((a) => document.getElementById(id).getAttribute(a));
        return {progress: attributes('progress'), announcement: attributes('progress-announcement'),
                verification: attributes('verification')};""")
    checks.equal("live regions", roles, {"progress": [None, None], "announcement": ["status", None],
                                         "verification": ["status", None]})


def check_contrast(page, checks, when, width):
    page.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": 900, "deviceScaleFactor": 1, "mobile": width < 500})
    try:
        low = page.script(CONTRAST)
    finally:
        page.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
    checks.equal(f"contrast {when}: every text at 4.5:1 or more", low, [])


def check_all(page, checks, cli, source, folder):
    check_hidden_link(page, checks)
    check_contrast(page, checks, "before a conversion", 1280)
    check_empty_target(page, checks, cli, source)
    check_drops(page, checks, cli, source, folder)
    check_no_flicker(page, checks, source)
    check_live_regions(page, checks)
