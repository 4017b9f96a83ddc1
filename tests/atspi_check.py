#!/usr/bin/python3
# Starts the installed relwiz on a private X server and session bus and reads
# it through AT-SPI, as a screen reader does: the window a frame with its
# title; the tab strip a page tab list whose tabs are chosen by their action;
# every input of two pages named or labelled by its label; the command
# buttons' Press, and Preview's sheet read back from the preview box. Exits 77
# (skipped) where the AT-SPI bus cannot start.
#
#     atspi_check.py RELWIZ

import os
import subprocess
import sys
from collections import Counter

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from xvfb_session import Failure, XvfbSession, run_or_fail, wait_for  # noqa: E402

TITLE = "Relwiz 2000 - The CD Image .nfo Utility by Tobi"
TABS = ["General Info", "Post Info", *(f"Disc {n} Info" for n in range(1, 7)), "Preview / Generate .nfo"]
# What the labels of a page are for: text boxes, combo boxes, frames of option buttons.
LABELLED = {"General Info": Counter({"text": 6, "combo box": 3, "radio button": 2}),
            "Disc 1 Info": Counter({"text": 6, "combo box": 1, "radio button": 3})}


def skip(reason):
    print(f"atspi check: skipped, {reason}")
    sys.exit(77)


def check(condition, message):
    if not condition:
        raise Failure(message)


def targets(accessible, relation):
    return [group.getTarget(i) for group in accessible.getRelationSet()
            if group.getRelationType() == relation for i in range(group.getNTargets())]


def press(accessible, really=True):
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check("Press" in names, f"{accessible.name!r} has no Press action, only {names}")
    if really:
        action.doAction(names.index("Press"))


# Qt names a combo box by its edit text, so an input may be known by its
# label's relation rather than by its name.
def labelled_roles(pyatspi, page):
    roles = Counter()
    for label in pyatspi.findAllDescendants(page, lambda a: a.getRole() == pyatspi.ROLE_LABEL):
        inputs = targets(label, pyatspi.RELATION_LABEL_FOR)
        check(len(inputs) == 1, f"the label {label.name!r} is for {len(inputs)} controls")
        names = [inputs[0].name, *(a.name for a in targets(inputs[0], pyatspi.RELATION_LABELLED_BY))]
        check(label.name in names, f"{inputs[0].getRoleName()} {names[0]!r} is not named or labelled {label.name!r}")
        roles[(inputs[0][0] if inputs[0].getRole() == pyatspi.ROLE_PANEL else inputs[0]).getRoleName()] += 1
    return roles


def main():
    with XvfbSession() as session:
        try:  # a session bus of the run's own, which starts the AT-SPI bus when asked
            bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                                   env=session.environment, stdout=subprocess.PIPE, text=True)
            session.programs.append(bus)
            os.environ["DBUS_SESSION_BUS_ADDRESS"] = address = bus.stdout.readline().strip()
            import pyatspi
            from gi.repository import Gio
            Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
                "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None, None, 0, 10000, None)
        except Exception as error:  # no dbus-daemon or pyatspi, or no org.a11y.Bus to start
            skip(f"the AT-SPI bus cannot start (Debian: dbus-daemon, at-spi2-core, python3-pyatspi): {error}")
        program, window = session.start([sys.argv[1]], TITLE, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                                        DBUS_SESSION_BUS_ADDRESS=address)
        desktop = pyatspi.Registry.getDesktop(0)
        frame = wait_for("relwiz on the AT-SPI desktop", 30, lambda: next(
            (app[0] for app in desktop if app and app.name == "Relwiz 2000" and app.childCount), None))
        seen = (frame.getRoleName(), frame.name)
        check(seen == ("frame", TITLE), f"the window is {seen}")
        strip = pyatspi.findDescendant(frame, lambda a: a.getRole() == pyatspi.ROLE_PAGE_TAB_LIST)
        tabs = {tab.name: tab for tab in strip or [] if tab.getRole() == pyatspi.ROLE_PAGE_TAB}
        check(list(tabs) == TABS, f"the page tabs are {list(tabs)}")
        pages = {page.name: page for page in strip.parent if page.name in tabs}
        check(all(tab.getState().contains(pyatspi.STATE_SELECTABLE) for tab in tabs.values()), "a tab not selectable")
        for caption in [*LABELLED, TABS[-1]]:
            press(tabs[caption])
            wait_for(f"{caption!r} alone selected", 10, lambda: [
                name for name, tab in tabs.items() if tab.getState().contains(pyatspi.STATE_SELECTED)] == [caption])
            roles = labelled_roles(pyatspi, pages[caption])
            check(roles == LABELLED.get(caption, Counter()), f"the labels of {caption!r} are for {dict(roles)}")

        buttons = pyatspi.findAllDescendants(pages[TABS[-1]], lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON)
        check([b.name for b in buttons] == ["Preview", "Clear", "Create .nfo!", "Readme!"], "the command buttons")
        for button in buttons:
            press(button, really=button.name == "Preview")
        box = pyatspi.findDescendant(pages[TABS[-1]], lambda a: a.getRole() == pyatspi.ROLE_TEXT).queryText()
        start = wait_for("the sheet in preview_text", 10, lambda: box.characterCount >= 80 and box.getText(0, 80))
        check(start == "/" * 79 + "\n", f"preview_text starts {start!r}, not with the sheet's first rule")
        session.close_and_wait(program, window, "relwiz")
        print(f"atspi check: a frame, {len(tabs)} page tabs, every label tied to its input, the sheet read back")


if __name__ == "__main__":
    run_or_fail("atspi check", main)
