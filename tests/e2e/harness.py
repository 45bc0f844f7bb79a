"""Drives the real Tintora as a user would: pointer and keys through xdotool, pixels read from the X
server, the registry through `wine reg`, and what a screen reader hears through the probe. Each script
runs inside scripts/wine-session as `script.py TINTORA.EXE PROBE.EXE`."""
import os
import re
import subprocess
import sys
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


def user_registry():
    """The prefix's user registry as lines, without the timestamps Wine writes on every save."""
    run("wineserver", "-w", check=False)
    with open(os.path.join(os.environ["WINEPREFIX"], "user.reg"), encoding="utf-8", errors="replace") as hive:
        return [line for line in hive.read().splitlines()
                if not line.startswith("#time") and not re.match(r"^\[.*\] \d+$", line)]


class Tintora:
    """One running Tintora: `with Tintora() as app:`. With dpi, the prefix's density is set before the
    program starts, and client points are screen pixels."""

    def __init__(self, dpi=96):
        self.dpi, self.x = dpi, xdisplay.Display()

    def __enter__(self):
        if self.dpi != 96:
            run("wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
                "/d", str(self.dpi), "/f")
        self.process = subprocess.Popen(["wine", EXE], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.time() + 30
        while not (found := run("xdotool", "search", "--name", "^Tintora!$", check=False).stdout.split()):
            if time.time() > deadline:
                raise AssertionError("Tintora's window did not appear")
            time.sleep(0.05)
        time.sleep(0.4)
        # The frame is as wide left, right and below the client area; the caption takes the rest.
        geometry = run("xdotool", "getwindowgeometry", found[0]).stdout
        left, top = map(int, re.search(r"Position: (-?\d+),(-?\d+)", geometry).groups())
        width, height = map(int, re.search(r"Geometry: (\d+)x(\d+)", geometry).groups())
        border = (width - scale(290, self.dpi)) // 2
        self.origin = (left + border, top + height - scale(275, self.dpi) - border)
        return self

    def __exit__(self, *exc):
        self.process.kill()  # nothing, when it has ended
        self.x.close()

    def screen(self, x, y):
        return self.origin[0] + x, self.origin[1] + y

    def pixel(self, x, y):  # (red, green, blue) at a client point
        image = self.x.screen().root.get_image(*self.screen(x, y), 1, 1, X.ZPixmap, 0xFFFFFFFF)
        return image.data[2], image.data[1], image.data[0]

    def move(self, x, y):
        run("xdotool", "mousemove", *map(str, self.screen(x, y)))

    def click(self, x, y):
        self.move(x, y)
        run("xdotool", "click", "1")
        time.sleep(0.2)

    def press(self, x, y):
        self.move(x, y)
        run("xdotool", "mousedown", "1")

    def release(self):
        run("xdotool", "mouseup", "1")
        time.sleep(0.3)

    def key(self, *keys):
        # Keys go to where the pointer is: keep it over the window, on a spot that does nothing.
        self.move(scale(150, self.dpi), scale(262, self.dpi))
        run("xdotool", "key", *keys)
        time.sleep(0.3)

    def type(self, text):
        self.move(scale(150, self.dpi), scale(262, self.dpi))
        run("xdotool", "type", text)

    def heard(self, *controls):
        """What a screen reader hears from each control, by id: name, value and description, in turn."""
        return run("wine", PROBE, *map(str, controls)).stdout.replace("\r", "").split("\n")[:-1]

    def texts(self):
        """The readouts: hue, sat, lum, red, green, blue, hex."""
        return self.heard(1004, 1005, 1006, 1007, 1008, 1009, 1026)[1::3]


def eventually(probe, expected, seconds=10):
    """What probe() gives once it gives expected, or at the deadline, polled."""
    deadline = time.time() + seconds
    while (got := probe()) != expected and time.time() < deadline:
        time.sleep(0.05)
    return got


def main():
    global EXE, PROBE
    EXE, PROBE = sys.argv[1], sys.argv[2]
    del sys.argv[1:3]
    unittest.main(verbosity=2)
