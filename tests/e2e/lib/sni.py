#!/usr/bin/python3
"""Plays a StatusNotifierItem panel's part on the session bus, for the desktop
tests: lists the registered items, calls an item as a panel does, reads and
clicks its exported menu.

Usage: sni.py registered
       sni.py call METHOD ARG...      (Activate X Y, ContextMenu X Y, Scroll D vertical)
       sni.py menu                    (one line per entry: label, enabled)
       sni.py click LABEL             (the entry's "clicked" event)
"""
import sys

import dbus

WATCHER = "org.kde.StatusNotifierWatcher"


def items(bus):
    watcher = bus.get_object(WATCHER, "/StatusNotifierWatcher")
    return [str(i) for i in watcher.Get(WATCHER, "RegisteredStatusNotifierItems",
                                        dbus_interface="org.freedesktop.DBus.Properties")]


def item(bus):
    """The registered item of the program under test: service and path."""
    for entry in items(bus):
        service, _, path = entry.partition("/")
        if service.startswith("org.kde.StatusNotifierItem-"):
            return service, "/" + path if path else "/StatusNotifierItem"
    sys.exit("no item registered")


def menu(bus):
    service, path = item(bus)
    sni = bus.get_object(service, path)
    menu_path = sni.Get("org.kde.StatusNotifierItem", "Menu",
                        dbus_interface="org.freedesktop.DBus.Properties")
    return bus.get_object(service, menu_path)


def entries(bus):
    _, layout = menu(bus).GetLayout(0, -1, [], dbus_interface="com.canonical.dbusmenu")
    for child in layout[2]:
        props = child[1]
        if props.get("type") == "separator":
            yield int(child[0]), "-", True
        else:
            yield int(child[0]), str(props.get("label", "")), bool(props.get("enabled", True))


def main():
    bus = dbus.SessionBus()
    command = sys.argv[1]
    if command == "registered":
        print("\n".join(items(bus)))
    elif command == "call":
        service, path = item(bus)
        method, args = sys.argv[2], sys.argv[3:]
        typed = [dbus.Int32(int(a)) if a.lstrip("-").isdigit() else dbus.String(a) for a in args]
        getattr(bus.get_object(service, path), method)(
            *typed, dbus_interface="org.kde.StatusNotifierItem")
    elif command == "menu":
        for _, label, enabled in entries(bus):
            print(label if enabled else label + " (disabled)")
    elif command == "click":
        for ident, label, _ in entries(bus):
            if label == sys.argv[2]:
                menu(bus).Event(ident, "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(0),
                                dbus_interface="com.canonical.dbusmenu")
                return
        sys.exit("no entry " + sys.argv[2])


if __name__ == "__main__":
    main()
