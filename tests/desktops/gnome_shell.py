#!/usr/bin/python3
"""Drives a headless GNOME Shell in unsafe mode for tests/desktops/gnome.sh:
a virtual pointer that clicks as a user's mouse does, what the top bar and the
windows look like, screenshots.

Usage: gnome_shell.py eval JS                 (prints the result)
       gnome_shell.py appindicator on|off     (the AppIndicator extension)
       gnome_shell.py icon                    (x y w h of the one AppIndicator icon)
       gnome_shell.py activation              (the icon known to take Activate)
       gnome_shell.py panel                   (x y w h of the top bar)
       gnome_shell.py click X Y [COUNT]       (left button, COUNT clicks)
       gnome_shell.py menuitem LABEL          (x y of the middle of an open menu's entry)
       gnome_shell.py windows                 (bottom to top, tab-separated: x y w h focus above title)
       gnome_shell.py screenshot FILE
"""
import json
import sys
import time

import dbus

EXTENSION = "ubuntu-appindicators@ubuntu.com"

# Made once per shell and kept on the global object: a pointer that appears
# for each click would cross the screen from the corner each time.
POINTER = """
const Clutter = imports.gi.Clutter;
if (!global._testPointer)
    global._testPointer = Clutter.get_default_backend().get_default_seat()
        .create_virtual_device(Clutter.InputDeviceType.POINTER_DEVICE);
const pointer = global._testPointer;
const now = () => imports.gi.GLib.get_monotonic_time();
"""

# The extension's icons are the top bar's status area entries it names.
ICONS = """
const icons = Object.keys(imports.ui.main.panel.statusArea)
    .filter(k => k.startsWith('appindicator-'))
    .map(k => imports.ui.main.panel.statusArea[k])
    .filter(i => i.visible && i.get_stage());
"""


def shell_eval(script):
    bus = dbus.SessionBus()
    shell = bus.get_object("org.gnome.Shell", "/org/gnome/Shell")
    ok, result = shell.Eval(script, dbus_interface="org.gnome.Shell")
    if not ok:
        sys.exit("Eval failed: " + str(result))
    return json.loads(result) if result else None


def rect_of(expression):
    return shell_eval(f"""(() => {{
        const a = {expression};
        const [x, y] = a.get_transformed_position();
        const [w, h] = a.get_transformed_size();
        return [x, y, w, h].map(Math.round).join(' ');
    }})()""")


def main():
    command, args = sys.argv[1], sys.argv[2:]
    if command == "eval":
        print(shell_eval(args[0]))
    elif command == "appindicator":
        wanted = [EXTENSION] if args[0] == "on" else []
        shell_eval(f"global.settings.set_strv('enabled-extensions', {json.dumps(wanted)})")
    elif command == "icon":
        result = shell_eval(ICONS + """
            if (icons.length !== 1) throw new Error(icons.length + ' icons');
            const [x, y] = icons[0].get_transformed_position();
            const [w, h] = icons[0].get_transformed_size();
            [x, y, w, h].map(Math.round).join(' ')""")
        print(result)
    elif command == "activation":
        # The extension learns this from the answer to the first Activate;
        # until then it counts releases as clicks too, and a user's first
        # double click sends two Activates, or one, as the answer races the
        # second press.
        shell_eval(ICONS + "icons[0]._indicator.supportsActivation = true")
    elif command == "panel":
        print(rect_of("imports.ui.main.panel"))
    elif command == "click":
        x, y = int(args[0]), int(args[1])
        count = int(args[2]) if len(args) > 2 else 1
        shell_eval(POINTER + f"pointer.notify_absolute_motion(now(), {x}, {y}); true")
        # Over the target before the press, as a hand is: the shell finds
        # what is under the pointer on its next frame.
        time.sleep(0.2)
        if count == 1:
            # Pressed and released a moment apart, as a hand does: a menu
            # entry released in the same moment leaves the shell's grab on.
            for state in ("PRESSED", "RELEASED"):
                time.sleep(0.08)
                shell_eval(POINTER + "pointer.notify_button(now(), Clutter.BUTTON_PRIMARY, "
                           f"Clutter.ButtonState.{state}); true")
            return
        # Clicks 60 ms apart, as a quick double click: the extension counts
        # them from the events' times.
        shell_eval(POINTER + f"""
            let t = now();
            for (let i = 0; i < {count}; i++) {{
                t += 30000;
                pointer.notify_button(t, Clutter.BUTTON_PRIMARY, Clutter.ButtonState.PRESSED);
                t += 30000;
                pointer.notify_button(t, Clutter.BUTTON_PRIMARY, Clutter.ButtonState.RELEASED);
            }}
            true""")
    elif command == "menuitem":
        label = json.dumps(args[0])
        # The entries wherever the extension put them: sections nest.
        result = shell_eval(ICONS + f"""
            const items = [];
            const walk = a => {{
                if (a.label && a.label.text !== undefined) items.push(a);
                a.get_children().forEach(walk);
            }};
            if (icons.length && icons[0].menu.isOpen) walk(icons[0].menu.box);
            const item = items.find(i => i.label.text.replace(/_/g, '') === {label} &&
                                         i.visible && i.get_stage());
            if (!item) throw new Error('no entry ' + {label} + ' in ' +
                items.map(i => i.label.text).join('|'));
            const [x, y] = item.get_transformed_position();
            const [w, h] = item.get_transformed_size();
            [x + w / 2, y + h / 2].map(Math.round).join(' ')""")
        print(result)
    elif command == "windows":
        result = shell_eval("""
            global.display.sort_windows_by_stacking(
                global.get_window_actors().map(a => a.meta_window))
            .map(w => {
                const r = w.get_frame_rect();
                return [r.x, r.y, r.width, r.height, w.has_focus() ? 1 : 0,
                        w.is_above() ? 1 : 0, w.get_title()].join('\t');
            }).join('\\n')""")
        print(result)
    elif command == "screenshot":
        bus = dbus.SessionBus()
        shot = bus.get_object("org.gnome.Shell.Screenshot", "/org/gnome/Shell/Screenshot")
        ok, _ = shot.Screenshot(False, False, args[0],
                                dbus_interface="org.gnome.Shell.Screenshot")
        if not ok:
            sys.exit("no screenshot")
    else:
        sys.exit("unknown command " + command)


if __name__ == "__main__":
    main()
