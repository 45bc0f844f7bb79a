"""Drives the real Tintora as a user would: pointer and keys through xdotool, pixels read from the X
server, the registry through `wine reg`, and what a screen reader hears through the probe. Each script
runs inside scripts/wine-session as `script.py TINTORA.EXE PROBE.EXE`."""
import os
import re
import subprocess
import sys
import tempfile
import time
import unittest

from Xlib import X, display as xdisplay

KEY = r"HKCU\Software\Microsoft\MSNMessenger"
NEW, CURRENT, SAVE, SAMPLER = (110, 229), (38, 229), (248, 231), (175, 227)
EXE = PROBE = None


def run(*command, check=True):
    return subprocess.run(command, check=check, capture_output=True, text=True)


def scale(value, dpi):  # a layout length at 96 dpi on a screen of that density
    return (value * dpi + 48) // 96


def hex_text(rgb):
    return "%02X%02X%02X" % rgb


def reg_set(value):
    run("wine", "reg", "add", KEY, "/v", "IM Color", "/t", "REG_DWORD", "/d", "0x%08X" % value, "/f")


def reg_get():
    """The stored IM Color as (red, green, blue), or None when there is none."""
    match = re.search(r"IM Color\s+REG_DWORD\s+0x([0-9a-fA-F]+)",
                      run("wine", "reg", "query", KEY, "/v", "IM Color", check=False).stdout)
    return tuple(int(match.group(1), 16) >> shift & 0xFF for shift in (0, 8, 16)) if match else None


def wait_for(read, expected, timeout=10, what="the expected state"):
    """Polls read() until it returns expected and returns it, or fails at the deadline with the last
    value read. A busy machine fits no fixed pause."""
    deadline = time.monotonic() + timeout
    while (value := read()) != expected:
        if time.monotonic() > deadline:
            raise AssertionError("%s: %r after %s s, expected %r" % (what, value, timeout, expected))
        time.sleep(0.02)
    return value


def user_registry():
    """The prefix's user registry as lines, without the timestamps Wine writes on every save."""
    run("wineserver", "-w", check=False)
    with open(os.path.join(os.environ["WINEPREFIX"], "user.reg"), encoding="utf-8", errors="replace") as hive:
        return [line for line in hive.read().splitlines()
                if not line.startswith("#time") and not re.match(r"^\[.*\] \d+$", line)]


def window_box(name):
    """(left, top, width, height) of the visible window of that name, or None while there is none."""
    found = run("xdotool", "search", "--onlyvisible", "--name", name, check=False).stdout.split()
    geometry = run("xdotool", "getwindowgeometry", found[0], check=False).stdout if found else ""
    position = re.search(r"Position: (-?\d+),(-?\d+)", geometry)
    size = re.search(r"Geometry: (\d+)x(\d+)", geometry)
    return tuple(map(int, position.groups() + size.groups())) if position and size else None


def x_patch(x, y, size, first, second=None):
    """A bare X window on the screen, outside every Wine window: of one colour, or of one-pixel checks
    with first where a pixel's x + y is even. Returns its connection and window."""
    patch = xdisplay.Display()
    screen = patch.screen()
    pixel = lambda rgb: screen.default_colormap.alloc_color(*(c * 257 for c in rgb)).pixel
    look = {"background_pixel": pixel(first)}
    if second:
        tile = screen.root.create_pixmap(2, 2, screen.root_depth)
        gc = tile.create_gc(foreground=pixel(first))
        tile.fill_rectangle(gc, 0, 0, 2, 2)
        gc.change(foreground=pixel(second))
        tile.fill_rectangle(gc, 1, 0, 1, 1)
        tile.fill_rectangle(gc, 0, 1, 1, 1)
        look = {"background_pixmap": tile}  # from the window's origin: keep x + y even
    window = screen.root.create_window(x, y, size, size, 0, screen.root_depth, X.InputOutput,
                                       X.CopyFromParent, override_redirect=True, **look)
    window.map()
    patch.sync()
    return patch, window


class Tintora:
    """One running Tintora, entered once painted, at the prefix density dpi; points are client pixels.
    Actions return at once: wait for what they show."""

    def __init__(self, dpi=96):
        self.dpi, self.x = dpi, xdisplay.Display()

    def __enter__(self):
        if self.dpi != 96:
            run("wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
                "/d", str(self.dpi), "/f")
        # What Wine and the program say is kept, and shown if the window never comes.
        self.output = tempfile.TemporaryFile()
        self.process = subprocess.Popen(["wine", EXE], stdout=self.output, stderr=subprocess.STDOUT)
        # Entered once the palette is painted: the last screen pixel of its first pixel is pure red.
        corner = scale(9, self.dpi) + scale(1, self.dpi) - 1, scale(17, self.dpi) + scale(1, self.dpi) - 1
        try:
            wait_for(lambda: self.locate() and self.pixel(*corner), (255, 0, 0), timeout=30,
                     what="the palette's top-left pixel (None: no window on the screen)")
        except AssertionError as failure:
            self.output.seek(0)
            raise AssertionError(f"{failure}\nTintora's output:\n{self.output.read().decode(errors='replace')}")
        return self

    def locate(self):
        """The client area's origin on the screen, or None while the window is not wholly on it."""
        box = window_box("^Tintora!$")
        if not box:
            return None
        left, top, width, height = box
        border = (width - scale(290, self.dpi)) // 2
        self.origin = (left + border, top + height - scale(275, self.dpi) - border)
        screen = self.x.screen()
        return self.origin if (0 <= left and left + width <= screen.width_in_pixels and 0 <= top
                               and top + height <= screen.height_in_pixels) else None

    def __exit__(self, *exc):
        self.process.kill()  # nothing, when it has ended
        self.process.wait()
        self.output.close()
        self.x.close()

    def screen(self, x, y):
        return self.origin[0] + x, self.origin[1] + y

    def pixel(self, x, y):  # (red, green, blue) at a client point
        return self.screen_pixel(*self.screen(x, y))

    def screen_pixel(self, x, y):
        image = self.x.screen().root.get_image(x, y, 1, 1, X.ZPixmap, 0xFFFFFFFF)
        return image.data[2], image.data[1], image.data[0]

    def move(self, x, y):
        run("xdotool", "mousemove", *map(str, self.screen(x, y)))

    def click(self, x, y, action="click"):
        self.move(x, y)
        run("xdotool", action, "1")

    def press(self, x, y):
        self.click(x, y, "mousedown")

    def release(self):
        run("xdotool", "mouseup", "1")

    def key(self, *keys, action="key"):
        # Keys go to where the pointer is: keep it over the window, on a spot that does nothing.
        self.move(scale(150, self.dpi), scale(262, self.dpi))
        run("xdotool", action, *keys)

    def shows(self, point, expected, what="the pixel"):
        return wait_for(lambda: self.pixel(*point), expected, what="%s at %s" % (what, point))

    def settle(self):
        """Waits for the program to answer a probe, after an action that must change nothing: its message
        loop takes in the input sent before long before the probe (a whole program) asks."""
        self.heard(1026)

    def type(self, text):
        self.key(text, action="type")

    def heard(self, *controls):
        """What a screen reader hears from each control, by id: name, value and description, in turn."""
        return run("wine", PROBE, *map(str, controls)).stdout.replace("\r", "").split("\n")[:-1]

    def texts(self):
        """The readouts: hue, sat, lum, red, green, blue, hex."""
        return self.heard(1004, 1005, 1006, 1007, 1008, 1009, 1026)[1::3]


def main():
    global EXE, PROBE
    EXE, PROBE = sys.argv[1], sys.argv[2]
    del sys.argv[1:3]
    unittest.main(verbosity=2)
