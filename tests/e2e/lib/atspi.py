#!/usr/bin/python3
"""Reads and drives the program's windows through the accessibility tree, as
a screen reader would.

  atspi.py names TITLE        the names of everything in the window TITLE, one a line
  atspi.py roles TITLE        the same with each one's role first: "combo box: Time zones:"
  atspi.py focused TITLE      what a screen reader says of the part of the window TITLE that
                              has the focus: role, name (its lines joined by " / ") and
                              "checked" or "unchecked" for a check box, separated by "|"
  atspi.py window TITLE       the window's role and name, separated by "|"
  atspi.py press TITLE NAME   presses the button NAME in the window TITLE
  atspi.py enter TITLE TEXT   puts TEXT into the focused edit box of the window TITLE, as an
                              input method would (any script, where xdotool must remap keys)

Waits up to ten seconds for the window; exits 1 when it or the button is missing.
"""
import sys
import time

import pyatspi


# Plain and two-state buttons alike (Qt gives a checkable tool button, such as
# the pin, the check box role).
BUTTONS = (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX)


def window(title):
    # The registry starts on the first query: ask again for a while.
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            for win in app or []:
                if win is not None and win.name == title:
                    return win
        time.sleep(0.1)
    sys.exit(f"no window {title!r} in the accessibility tree")


def walk(acc):
    yield acc
    for child in acc:
        if child is not None:
            yield from walk(child)


def main(args):
    command, title = args[0], args[1]
    win = window(title)
    if command == "names":
        for acc in walk(win):
            if acc.name:
                print(acc.name)
    elif command == "roles":
        for acc in walk(win):
            if acc.name:
                print(f"{acc.getRoleName()}: {acc.name}")
    elif command == "focused":
        for acc in walk(win):
            states = acc.getState()
            if states.contains(pyatspi.STATE_FOCUSED):
                said = [acc.getRoleName(), " / ".join(acc.name.splitlines())]
                if acc.getRole() == pyatspi.ROLE_CHECK_BOX:
                    said.append("checked" if states.contains(pyatspi.STATE_CHECKED) else "unchecked")
                print("|".join(said))
                return
        sys.exit(f"nothing focused in {title!r}")
    elif command == "window":
        print(f"{win.getRoleName()}|{win.name}")
    elif command == "press":
        for acc in walk(win):
            if acc.getRole() in BUTTONS and acc.name == args[2]:
                acc.queryAction().doAction(0)
                return
        roles = [(a.getRoleName(), a.name) for a in walk(win)]
        sys.exit(f"no button {args[2]!r} in {title!r}: {roles}")
    elif command == "enter":
        for acc in walk(win):
            if acc.getState().contains(pyatspi.STATE_FOCUSED):
                try:
                    acc.queryEditableText().setTextContents(args[2])
                    return
                except NotImplementedError:
                    pass
        sys.exit(f"no focused edit box in {title!r}")
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv[1:])
