#!/usr/bin/python3
# Reads the installed relwiz through AT-SPI, as a screen reader does: the
# window a frame with its title; the tab strip a page tab list whose tabs are
# chosen by their action; every input of two pages named or labelled by its
# label; the command buttons' Press, and Preview's sheet read back from the
# preview box. Exits 77 (skipped) where the AT-SPI bus cannot start.
#
#     xvfb-run -a dbus-run-session -- atspi_check.py RELWIZ

import sys
from collections import Counter

from xvfb_smoke import TITLE, check, close, start, wait_for

TABS = ["General Info", "Post Info", *(f"Disc {n} Info" for n in range(1, 7)), "Preview / Generate .nfo"]
# What the labels of a page are for: text boxes, combo boxes, frames of option buttons.
LABELLED = {"General Info": Counter({"text": 6, "combo box": 3, "radio button": 2}),
            "Disc 1 Info": Counter({"text": 6, "combo box": 1, "radio button": 3}), TABS[-1]: Counter()}


def targets(accessible, relation):
    return [group.getTarget(i) for group in accessible.getRelationSet()
            if group.getRelationType() == relation for i in range(group.getNTargets())]


# Checks that the control has a Press action; returns what invokes it.
def press(accessible):
    action = accessible.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    check("Press" in names, f"{accessible.name!r} has no Press action, only {names}")
    return lambda: action.doAction(names.index("Press"))


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


def main(relwiz):
    try:  # the session bus of dbus-run-session starts the AT-SPI bus when first asked for it
        import pyatspi
        from gi.repository import Gio
        Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
            "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None, None, 0, 10000, None)
    except Exception as error:  # no pyatspi, no session bus, or no org.a11y.Bus to start
        print(f"atspi check: skipped, the AT-SPI bus cannot start (Debian: at-spi2-core, python3-pyatspi): {error}")
        sys.exit(77)
    program, x, window = start([relwiz], TITLE, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    desktop = pyatspi.Registry.getDesktop(0)
    frame = wait_for("relwiz on the AT-SPI desktop", 30, lambda: next(
        (app[0] for app in desktop if app and app.name == "Relwiz 2000" and app.childCount), None))
    check((frame.getRoleName(), frame.name) == ("frame", TITLE), f"the window is {frame.getRoleName()} {frame.name!r}")
    strip = pyatspi.findDescendant(frame, lambda a: a.getRole() == pyatspi.ROLE_PAGE_TAB_LIST)
    tabs = {tab.name: tab for tab in strip or [] if tab.getRole() == pyatspi.ROLE_PAGE_TAB}
    check(list(tabs) == TABS, f"the page tabs are {list(tabs)}")
    pages = {page.name: page for page in strip.parent if page.name in tabs}
    for caption, expected in LABELLED.items():
        press(tabs[caption])()
        wait_for(f"{caption!r} alone selected", 10, lambda: [
            name for name, tab in tabs.items() if tab.getState().contains(pyatspi.STATE_SELECTED)] == [caption])
        check((roles := labelled_roles(pyatspi, pages[caption])) == expected, f"{caption!r}: labels for {dict(roles)}")

    buttons = pyatspi.findAllDescendants(pages[TABS[-1]], lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON)
    check([b.name for b in buttons] == ["Preview", "Clear", "Create .nfo!", "Readme!"], "the command buttons")
    [press(button) for button in buttons][0]()
    box = pyatspi.findDescendant(pages[TABS[-1]], lambda a: a.getRole() == pyatspi.ROLE_TEXT).queryText()
    sheet = wait_for("the sheet in preview_text", 10, lambda: box.characterCount >= 80 and box.getText(0, 80))
    check(sheet == "/" * 79 + "\n", f"preview_text starts {sheet!r}, not with the sheet's first rule")
    close(x, program, window)
    print(f"atspi check: a frame, {len(tabs)} page tabs, every label tied to its input, the sheet read back")


if __name__ == "__main__":
    main(*sys.argv[1:])
