#!/usr/bin/python3
# Walks the running tour as a screen reader does, through AT-SPI from another
# process: turns every page with the wizard's buttons and checks that the
# focus lands inside a panel named by the page's title (spoken as the context
# of the focus), that every control a visitor can reach has a name, that
# grids have column headers, and that the call script's answers are check
# boxes. Argument: the tour's process id.
import sys
import time

import pyatspi
from gi.repository import GLib

TITLES = ["Ravik demonstration introduction", "Account list", "Account detail", "Call scripts", "Calendar",
          "Contact history", "Dealer search", "Marketing", "Query accounts", "Accounts query", "Campaign results",
          "User activity", "User calls by month", "User calls graph", "User responses", "User-defined screens"]
failures = []
events = []


def fail(page, text):
    failures.append("page %d: %s" % (page, text))


def pump(seconds, until=lambda: False):
    end = time.time() + seconds
    context = GLib.MainContext.default()
    while time.time() < end and not until():
        while context.pending():
            context.iteration(False)
        time.sleep(0.02)


def shown(obj):
    """obj and everything shown below it."""
    found = [obj]
    for child in obj:
        if child is not None and child.getState().contains(pyatspi.STATE_SHOWING):
            found.extend(shown(child))
    return found


def actions(obj):
    try:
        action = obj.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def ancestor_names(obj):
    names = []
    obj = obj.parent
    while obj is not None and obj.getRole() != pyatspi.ROLE_APPLICATION:
        names.append(" ".join(obj.name.split()))
        obj = obj.parent
    return names


def ancestors(obj):
    found = []
    obj = obj.parent
    while obj is not None and obj.getRole() != pyatspi.ROLE_APPLICATION:
        found.append(obj)
        obj = obj.parent
    return found


def page_area(obj, title):
    """The panel named title that obj stands in (a screen reader speaks the
    panels it enters: the page's area, or the wizard's buttons' strip on a page
    that Tab cannot enter), or None."""
    while obj is not None and obj.getRole() != pyatspi.ROLE_APPLICATION:
        if obj.getRole() == pyatspi.ROLE_PANEL and " ".join(obj.name.split()) == title:
            return obj
        obj = obj.parent
    return None


def check_page(page, app):
    objects = shown(app)
    for obj in objects:
        role, acts = obj.getRole(), actions(obj)
        where = "%s %r" % (obj.getRoleName(), obj.name)
        if role in (pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_COLUMN_HEADER):
            continue   # their names are the data they show
        reachable = obj.getState().contains(pyatspi.STATE_SENSITIVE) and (
            obj.getState().contains(pyatspi.STATE_FOCUSABLE) or acts)
        if reachable and not obj.name.strip():
            fail(page, "%s takes the focus or acts (%s) but has no name" % (where, acts))
        if role == pyatspi.ROLE_FILLER and obj.childCount == 0 and acts:
            fail(page, "%s is a filler with actions %s" % (where, acts))
        if role == pyatspi.ROLE_TABLE:
            table = obj.queryTable()
            for column in range(table.nColumns):
                header = table.getColumnHeader(column)
                if header is None or not header.name.strip():
                    fail(page, "%s has no header for column %d" % (where, column))
    if objects[1].getRole() != pyatspi.ROLE_FRAME:
        fail(page, "the window is a %s, not a frame" % objects[1].getRoleName())
    return objects


def check_answers(app):
    lists = [o for o in shown(app) if o.getRole() == pyatspi.ROLE_LIST and o.childCount > 0]
    answers = [o for o in lists if all(i.getRole() == pyatspi.ROLE_CHECK_BOX for i in o)]
    if not answers:
        fail(3, "no list of check boxes among %s" % [o.name for o in lists])
        return
    item = answers[0][0]
    for want in (True, False):
        extents = item.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        del events[:]
        # A click on the check box, which stands a few pixels into the line.
        pyatspi.Registry.generateMouseEvent(extents.x + 8, extents.y + extents.height // 2, "b1c")
        pump(3, lambda: any(e[0].startswith("object:state-changed:checked") for e in events))
        if item.getState().contains(pyatspi.STATE_CHECKED) != want:
            fail(3, "a click on %r did not make it %s" % (item.name, "checked" if want else "unchecked"))
        if not events:
            fail(3, "a click on %r sent no state change" % item.name)
        time.sleep(1)   # the next click is no double click


def main():
    pid = int(sys.argv[1])
    app = None
    for _ in range(100):
        app = next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.get_process_id() == pid), None)
        if app is not None and app.childCount > 0:
            break
        time.sleep(0.2)
    if app is None:
        sys.exit("the tour did not appear on the accessibility bus")
    pyatspi.Registry.registerEventListener(lambda e: events.append((e.type, e.source, e.detail1)), "object:state-changed")
    pump(1)
    check_page(0, app)
    before = []
    # Every page from Start and Next, then back to the title page by Restart.
    for page in list(range(1, 16)) + [0]:
        objects = shown(app)
        name = {1: "Start", 0: "Restart"}.get(page, "Next")
        # The wizard's own button, nearest the window of all so named (a
        # screen may have a "Next" of its own).
        buttons = [o for o in objects if o.getRole() == pyatspi.ROLE_PUSH_BUTTON and o.name == name]
        button = min(buttons, key=lambda o: len(ancestor_names(o)), default=None)
        if button is None:
            fail(page, "no %s button to reach it" % name)
            break
        del events[:]
        button.queryAction().doAction(actions(button).index("Press"))
        focused = lambda: [s for (t, s, d) in events if t == "object:state-changed:focused" and d == 1]
        pump(5, lambda: focused() and page_area(focused()[-1], TITLES[page]))
        area = page_area(focused()[-1], TITLES[page]) if focused() else None
        if not focused():
            fail(page, "no control took the focus")
        elif area is None:
            fail(page, "the focus %r is not inside a panel %r: %s" % (focused()[-1].name, TITLES[page],
                                                                    ancestor_names(focused()[-1])))
        elif area in before or area.getIndexInParent() < 0:
            # A screen reader speaks only a panel that the focus was not
            # inside already, and passes over one its parent does not list.
            fail(page, "the focus was inside the page's panel already, or the panel is not among its parent's children")
        before = ancestors(focused()[-1]) if focused() else []
        check_page(page, app)
        if page == 3:
            check_answers(app)
    print("\n".join(failures) or "every page passed")
    return 1 if failures else 0


sys.exit(main())
