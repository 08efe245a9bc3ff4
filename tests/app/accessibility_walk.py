"""Walks the program as a screen reader would and asks every object for all
its properties at once.

Usage (inside a D-Bus session, e.g. under dbus-run-session):
    accessibility_walk.py PROGRAM

Starts a virtual X display, the accessibility bus and PROGRAM with its
accessibility bridge on; then, on the input page and again after showing the
windows page and the totals page through their tabs, calls
org.freedesktop.DBus.Properties.GetAll on every interface of every accessible
object. Passes when every call is answered and the program is still running at
the end.
"""

import os
import subprocess
import sys
import time

import dbus

ACCESSIBLE = "org.a11y.atspi.Accessible"
ACTION = "org.a11y.atspi.Action"
PROPERTIES = "org.freedesktop.DBus.Properties"
# Pages shown in turn by pressing their tab, after the input page, and the
# start of the name of what the page's computation places: the "MAX" marker
# of the windows, and the line that says why the start-up day (no orientation
# ticked) has no gain and so no maximum.
PAGES = [("Окна", "Максимум теплопоступлений через окна: "), ("Итого :", "нет теплопоступлений: ")]


def fail(message):
    print("FAIL:", message, flush=True)
    sys.exit(1)


def start_display():
    """A virtual display on a free number, which Xvfb reports itself."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1366x768x24", "-nolisten", "tcp"],
                            pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as reported:
        number = reported.readline().strip()
    if not number:
        fail("Xvfb did not start")
    return xvfb, ":" + number


def accessibility_bus():
    session = dbus.SessionBus()
    bus_launcher = session.get_object("org.a11y.Bus", "/org/a11y/bus")
    return dbus.bus.BusConnection(bus_launcher.GetAddress(dbus_interface="org.a11y.Bus"))


def find_application(bus, program):
    """The bus name and root of the program once it has registered."""
    registry = bus.get_object("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root")
    deadline = time.time() + 60
    while time.time() < deadline:
        if program.poll() is not None:
            fail("the program ended before it registered (exit status %s)" % program.returncode)
        for name, path in registry.GetChildren(dbus_interface=ACCESSIBLE):
            application = bus.get_object(name, path, introspect=False)
            if application.Get(ACCESSIBLE, "Name", dbus_interface=PROPERTIES) == "solargain":
                return name, path
        time.sleep(0.2)
    fail("the program did not appear on the accessibility bus")


def walk(bus, name, root, program):
    """GetAll on every interface of every object below root; the page tabs and the names met."""
    seen, pending, calls, tabs, names = set(), [root], 0, {}, []
    while pending:
        path = pending.pop()
        if path in seen:
            continue
        seen.add(path)
        node = bus.get_object(name, path, introspect=False)
        accessible = dbus.Interface(node, ACCESSIBLE)
        properties = dbus.Interface(node, PROPERTIES)
        try:
            for interface in accessible.GetInterfaces():
                values = properties.GetAll(interface, timeout=20)
                calls += 1
                if interface == ACCESSIBLE:
                    if "Name" not in values:
                        fail("GetAll of %s on %s has no Name" % (interface, path))
                    names.append(str(values["Name"]))
            if accessible.GetRoleName() == "page tab":
                tabs[names[-1].strip()] = path
            pending.extend(child for _, child in accessible.GetChildren())
        except dbus.DBusException as error:
            state = "ended" if program.poll() is not None else "still running"
            fail("%s on %s (program %s)" % (error.get_dbus_name(), path, state))
    return len(seen), calls, tabs, names


def press(bus, name, path):
    action = dbus.Interface(bus.get_object(name, path, introspect=False), ACTION)
    actions = [str(a[0]) for a in action.GetActions()]
    if "Press" not in actions:
        fail("the tab %s cannot be pressed (actions %s)" % (path, actions))
    action.DoAction(actions.index("Press"))


def main():
    if len(sys.argv) != 2:
        fail("usage: accessibility_walk.py PROGRAM")
    xvfb, display = start_display()
    bus = accessibility_bus()  # started before the program, which then finds it
    environment = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([sys.argv[1]], env=environment)
    try:
        name, root = find_application(bus, program)
        objects, calls, tabs, names = walk(bus, name, root, program)
        print("input page: %d objects, %d GetAll calls" % (objects, calls), flush=True)
        for page, marker in PAGES:
            if page not in tabs:
                fail("no tab %r among %s" % (page, sorted(tabs)))
            press(bus, name, tabs[page])
            time.sleep(0.5)
            objects, calls, tabs, names = walk(bus, name, root, program)
            placed = [n for n in names if n.startswith(marker)]
            if not placed:
                fail("the page %r was not computed: no object named %r..." % (page, marker))
            print("page %s: %d objects, %d GetAll calls; %s" % (page, objects, calls, placed[0]), flush=True)
        time.sleep(0.5)
        if program.poll() is not None:
            fail("the program ended (exit status %s)" % program.returncode)
        print("the program is still running", flush=True)
    finally:
        if program.poll() is None:
            program.terminate()
            program.wait(timeout=20)
        xvfb.terminate()
        xvfb.wait(timeout=20)


if __name__ == "__main__":
    main()
