"""Drives the real Tintora as a user would: pointer and keys through xdotool, pixels read from the X
server, the registry through `wine reg`, and what a screen reader hears through the probe. CTest runs
each test script with `python3 -m unittest` inside scripts/wine-session, naming the program and the
probe in TINTORA_EXE and TINTORA_PROBE; with TINTORA_WINDOWS_VERSION (winxp, winxp64) Wine reports
that Windows to the program."""
import os
import re
import subprocess
import tempfile
import time

from Xlib import X, display as xdisplay

KEY = r"HKCU\Software\Microsoft\MSNMessenger"
NEW, CURRENT, SAVE, SAMPLER = (110, 229), (38, 229), (248, 231), (175, 227)
EXE, PROBE = os.environ["TINTORA_EXE"], os.environ["TINTORA_PROBE"]


def run(*command, check=True):  # a failing step says what it ran and what that printed
    done = subprocess.run([str(part) for part in command], capture_output=True, text=True)
    if check and done.returncode != 0:
        raise AssertionError(
            "%s failed (%d): %s%s" % (" ".join(done.args), done.returncode, done.stdout, done.stderr))
    return done


def scale(value, dpi):  # a layout length at 96 dpi on a screen of that density
    return (value * dpi + 48) // 96


def hex_text(rgb):
    return "%02X%02X%02X" % rgb


def reg_set(value):
    run("wine", "reg", "add", KEY, "/v", "IM Color", "/t", "REG_DWORD", "/d", "0x%08X" % value, "/f")


def reg_get():  # the stored IM Color as (red, green, blue), or None
    match = re.search(r"IM Color\s+REG_DWORD\s+0x([0-9a-fA-F]+)",
                      run("wine", "reg", "query", KEY, "/v", "IM Color", check=False).stdout)
    return tuple(int(match.group(1), 16) >> shift & 0xFF for shift in (0, 8, 16)) if match else None


if version := os.environ.get("TINTORA_WINDOWS_VERSION"):  # before any test looks at the registry
    run("wine", "reg", "add", r"HKCU\Software\Wine", "/v", "Version", "/d", version, "/f")


# Polls read() until it returns expected, or fails at the deadline with the last value read: a busy
# machine fits no fixed pause.
def wait_for(read, expected, timeout=10, what="the expected state"):
    deadline = time.monotonic() + timeout
    while (value := read()) != expected:
        if time.monotonic() > deadline:
            raise AssertionError("%s: %r after %s s, expected %r" % (what, value, timeout, expected))
        time.sleep(0.02)
    return value


def user_registry():  # the prefix's user registry as lines, without the timestamps of each save
    run("wineserver", "-w", check=False)
    with open(os.path.join(os.environ["WINEPREFIX"], "user.reg"), encoding="utf-8", errors="replace") as hive:
        return [line for line in hive.read().splitlines()
                if not line.startswith("#time") and not re.match(r"^\[.*\] \d+$", line)]


def window_box(name):  # (left, top, width, height) of the visible window of that name, or None
    found = run("xdotool", "search", "--onlyvisible", "--name", name, check=False).stdout.split()
    geometry = run("xdotool", "getwindowgeometry", found[0], check=False).stdout if found else ""
    position = re.search(r"Position: (-?\d+),(-?\d+)", geometry)
    size = re.search(r"Geometry: (\d+)x(\d+)", geometry)
    return tuple(map(int, position.groups() + size.groups())) if position and size else None


class XPatch:
    """A bare X window on the screen, outside every Wine window: of one colour, or of one-pixel checks
    with first where a pixel's x + y is even."""

    def __init__(self, x, y, size, first, second=None):
        self.x = xdisplay.Display()
        screen = self.x.screen()
        self.window = screen.root.create_window(x, y, size, size, 0, screen.root_depth, X.InputOutput,
                                                X.CopyFromParent, override_redirect=True)
        self.window.map()
        self.paint(first, second)

    def paint(self, first, second=None):
        screen = self.x.screen()
        pixel = lambda rgb: screen.default_colormap.alloc_color(*(c * 257 for c in rgb)).pixel
        if second:  # a tile from the window's origin: keep x + y even
            tile = screen.root.create_pixmap(2, 2, screen.root_depth)
            gc = tile.create_gc(foreground=pixel(first))
            tile.fill_rectangle(gc, 0, 0, 2, 2)
            gc.change(foreground=pixel(second))
            tile.fill_rectangle(gc, 1, 0, 1, 1)
            tile.fill_rectangle(gc, 0, 1, 1, 1)
            self.window.change_attributes(background_pixmap=tile)
        else:
            self.window.change_attributes(background_pixel=pixel(first))
        self.window.clear_area()
        self.x.sync()


class Tintora:
    """One running Tintora, entered once painted, at the prefix density dpi; points are client pixels.
    Actions return at once: wait for what they show."""

    def __init__(self, dpi=96, program=EXE):
        self.dpi, self.program, self.x = dpi, program, xdisplay.Display()

    def __enter__(self):
        if self.dpi != 96:
            run("wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
                "/d", self.dpi, "/f")
        # What Wine and the program say is kept, and shown if the window never comes.
        self.output = tempfile.TemporaryFile()
        self.process = subprocess.Popen(["wine", self.program], stdout=self.output, stderr=subprocess.STDOUT)
        # Entered once the palette is painted: the last screen pixel of its first pixel is pure red.
        corner = scale(9, self.dpi) + scale(1, self.dpi) - 1, scale(17, self.dpi) + scale(1, self.dpi) - 1
        try:
            wait_for(lambda: self.locate() and self.pixel(*corner), (255, 0, 0), timeout=30,
                     what="the palette's top-left pixel (None: no window on the screen)")
        except AssertionError as failure:
            self.output.seek(0)
            printed = self.output.read().decode(errors="replace")
            raise AssertionError(f"{failure}\nTintora's output:\n{printed}")
        return self

    def locate(self):  # the client area's origin on the screen, or None while not wholly on it
        box = window_box("^Tintora!$")
        if not box:
            return None
        left, top, width, height = box
        border = (width - scale(290, self.dpi)) // 2
        self.origin = (left + border, top + height - scale(275, self.dpi) - border)
        screen = self.x.screen()
        return self.origin if (0 <= left and left + width <= screen.width_in_pixels and 0 <= top
                               and top + height <= screen.height_in_pixels) else None

    def __exit__(self, failure, *exc):
        if failure:  # a button a failed test held would spoil the next test's press
            run("xdotool", "mouseup", 1, check=False)
        self.process.kill()  # nothing, when it has ended
        self.process.wait()
        self.output.close()
        self.x.close()

    def drag_to(self, left, top):  # moves the window there by its title bar, as a user does
        was = window_box("^Tintora!$")
        grip = self.origin[0] + scale(60, self.dpi), (was[1] + self.origin[1]) // 2
        run("xdotool", "mousemove", *grip, "mousedown", 1)
        for step in (1, 2, 3, 4):
            run("xdotool", "mousemove", grip[0] + (left - was[0]) * step // 4, grip[1] + (top - was[1]) * step // 4)
        run("xdotool", "mouseup", 1)
        wait_for(lambda: window_box("^Tintora!$")[:2], (left, top), what="the dragged window's place")
        self.locate()

    def pixel(self, x, y):  # (red, green, blue) at a client point
        return self.screen_pixel(self.origin[0] + x, self.origin[1] + y)

    def screen_pixel(self, x, y):
        image = self.x.screen().root.get_image(x, y, 1, 1, X.ZPixmap, 0xFFFFFFFF)
        return image.data[2], image.data[1], image.data[0]

    def move(self, x, y):
        run("xdotool", "mousemove", self.origin[0] + x, self.origin[1] + y)

    def click(self, x, y, action="click"):
        self.move(x, y)
        run("xdotool", action, 1)

    def press(self, x, y):
        self.click(x, y, "mousedown")

    def release(self):
        run("xdotool", "mouseup", 1)

    def key(self, *keys, action="key"):
        # Keys go to where the pointer is: keep it over the window, on a spot that does nothing.
        self.move(scale(150, self.dpi), scale(262, self.dpi))
        run("xdotool", action, *keys)

    def shows(self, point, expected, what="the pixel"):
        return wait_for(lambda: self.pixel(*point), expected, what="%s at %s" % (what, point))

    # Waits for the program to answer a probe, after an action that must change nothing: its message
    # loop takes in the input sent before long before the probe (a whole program) asks.
    def settle(self):
        self.heard(1026)

    def heard(self, *controls):  # what a screen reader hears from each control: name, value, description
        asked = run("wine", PROBE, *controls, check=False)
        # Now and then on a busy machine Wine fails to start the probe at all ("ShellExecuteEx
        # failed"), which says nothing of Tintora: it runs once more, and a second failure counts.
        if asked.returncode != 0:
            asked = run("wine", PROBE, *controls)
        return asked.stdout.replace("\r", "").split("\n")[:-1]

    def texts(self):  # the readouts: hue, sat, lum, red, green, blue, hex
        return self.heard(1004, 1005, 1006, 1007, 1008, 1009, 1026)[1::3]
