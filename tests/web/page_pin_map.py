"""The page with a pin map: a netlist converts with the map picked beside it
as brisel-convert --pin-map converts it, "Make a template" downloads what
brisel-convert --pin-map-template prints, and a template whose numbers are
still to be filled in is refused in brisel-convert's words."""

import pathlib
import shutil
import subprocess
import tempfile

from page import Expected, check_result, target_name


def cli_template(cli, source):
    """brisel-convert --pin-map-template run beside a copy of the source, which it names as the page does."""
    with tempfile.TemporaryDirectory() as folder:
        shutil.copyfile(source, pathlib.Path(folder, source.name))
        return subprocess.run([cli, "--pin-map-template", source.name], cwd=folder, capture_output=True,
                              check=True).stdout


def check_conversion(page, checks, cli, source, pin_map, what):
    """Returns what the page showed."""
    page.convert(source, pin_map=pin_map)
    return check_result(page, checks, what, Expected(cli, source, target_name(source), pin_map), target_name(source))


def check_template(page, checks, cli, source):
    page.open()
    page.wait_until_ready()
    checks.equal("template: offered only once a netlist is picked", page.element("make-template").is_enabled(),
                 False)
    page.element("source").send_keys(str(source))
    data = page.download(lambda: page.element("make-template").click(), source.stem + ".map")
    checks.true("template: the download equals brisel-convert --pin-map-template's", data == cli_template(cli, source))
    checks.equal("template: nothing else is said", page.state()["messages"], [])


def check_all(page, checks, cli, source, pin_map, folder):
    state = check_conversion(page, checks, cli, source, pin_map, f"{source.name} with {pin_map.name}")
    checks.true("with a map: the mapped pins are listed as notes",
                any(text.startswith("pin ") and f"({pin_map.name}:" in text for _, text in state["problems"]))
    check_template(page, checks, cli, source)
    unfilled = pathlib.Path(folder, "unfilled.map")
    unfilled.write_bytes(cli_template(cli, source))
    state = check_conversion(page, checks, cli, source, unfilled, "a template not filled in")
    checks.true("a template not filled in: refused", state["download"] is None and len(state["messages"]) == 1)
