#!/usr/bin/python3
"""A stand-in desktop notification server for the desktop tests.

Owns org.freedesktop.Notifications on the session bus, writes every Notify
and CloseNotification call to a log as one JSON line, and lets the test press
a notification's action or close it as a user would, through its own
org.vorkel.Test interface:

    dbus-send --session --dest=org.freedesktop.Notifications --type=method_call \
        /org/freedesktop/Notifications org.vorkel.Test.Invoke uint32:1 string:snooze
"""
import json
import sys

import dbus
import dbus.service
from dbus.mainloop.glib import DBusGMainLoop
from gi.repository import GLib

NAME = "org.freedesktop.Notifications"
PATH = "/org/freedesktop/Notifications"
CLOSED_BY_USER = 2
CLOSED_BY_CALL = 3


class Server(dbus.service.Object):
    def __init__(self, bus, log):
        super().__init__(bus, PATH)
        self.log = log
        self.next_id = 1
        self.shown = set()

    def write(self, record):
        with open(self.log, "a", encoding="utf-8") as out:
            out.write(json.dumps(record) + "\n")

    @dbus.service.method(NAME, in_signature="", out_signature="as")
    def GetCapabilities(self):
        return ["actions", "body", "sound"]

    @dbus.service.method(NAME, in_signature="", out_signature="ssss")
    def GetServerInformation(self):
        return ["stand-in", "vorkel tests", "1", "1.2"]

    @dbus.service.method(NAME, in_signature="susssasa{sv}i", out_signature="u")
    def Notify(self, app_name, replaces_id, app_icon, summary, body, actions, hints, timeout):
        nid = int(replaces_id) or self.next_id
        if not replaces_id:
            self.next_id += 1
        self.shown.add(nid)
        self.write({
            "call": "Notify", "id": nid, "app_name": str(app_name), "app_icon": str(app_icon),
            "summary": str(summary), "body": str(body), "actions": [str(a) for a in actions],
            "hints": {str(k): (int(v) if isinstance(v, (dbus.Byte, dbus.Int32, dbus.UInt32))
                               else str(v)) for k, v in hints.items()},
            "timeout": int(timeout)})
        return nid

    @dbus.service.method(NAME, in_signature="u", out_signature="")
    def CloseNotification(self, nid):
        self.write({"call": "CloseNotification", "id": int(nid)})
        if int(nid) in self.shown:
            self.shown.discard(int(nid))
            self.NotificationClosed(nid, CLOSED_BY_CALL)

    @dbus.service.signal(NAME, signature="us")
    def ActionInvoked(self, nid, action):
        pass

    @dbus.service.signal(NAME, signature="uu")
    def NotificationClosed(self, nid, reason):
        pass

    # What a user does: press an action (the notification then goes, as on
    # most desktops), or close the notification.
    @dbus.service.method("org.vorkel.Test", in_signature="us", out_signature="")
    def Invoke(self, nid, action):
        self.ActionInvoked(nid, action)
        self.shown.discard(int(nid))
        self.NotificationClosed(nid, CLOSED_BY_USER)

    @dbus.service.method("org.vorkel.Test", in_signature="u", out_signature="")
    def Dismiss(self, nid):
        self.shown.discard(int(nid))
        self.NotificationClosed(nid, CLOSED_BY_USER)


def main():
    DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    name = dbus.service.BusName(NAME, bus, do_not_queue=True)
    server = Server(bus, sys.argv[1])
    server.write({"call": "started"})
    GLib.MainLoop().run()
    del name


if __name__ == "__main__":
    main()
