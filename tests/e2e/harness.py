"""Drives the real Tintora under Wine on the test's private X display, as a user would: real
pointer and keys through xdotool, pixels read back from the X server, the registry through
`wine reg`, and the readout texts through the probe program. Each test script runs inside
scripts/wine-session, so DISPLAY and WINEPREFIX are its own."""
import os
import re
import subprocess
import sys
import time
import unittest

from Xlib import X, display as xdisplay

CLIENT_WIDTH, CLIENT_HEIGHT = 290, 275
KEY = r"HKCU\Software\Microsoft\MSNMessenger"

# Control ids, as the window numbers them.
PIC_COLORS, PIC_GRADIENT, PIC_CHOSEN = 1001, 1002, 1003
PIC_CURRENT, CMD_SAVE, CMD_CLOSE, CMD_RANDOM, PIC_SCREEN = 1017, 1019, 1020, 1021, 1022
IMG_ARROW = 1028

EXE = PROBE = None


def parse_arguments():
    """Test scripts are run as: script.py TINTORA.EXE PROBE.EXE [unittest options]."""
    global EXE, PROBE
    EXE, PROBE = sys.argv[1], sys.argv[2]
    del sys.argv[1:3]


def run(*command, check=True):
    return subprocess.run(command, check=check, capture_output=True, text=True)


def scale(value, dpi):
    """A layout length in pixels at 96 dpi on a screen of that density, as the window rounds it."""
    return (value * dpi + 48) // 96


def logical(physical, dpi):
    """The picture pixel that screen pixel `physical` of an enlarged palette or strip shows."""
    return physical * 96 // dpi


def first_physical(logical_pixel, dpi):
    """The first screen pixel that shows a picture pixel."""
    return -(-logical_pixel * dpi // 96)


def reg_set(value):
    run("wine", "reg", "add", KEY, "/v", "IM Color", "/t", "REG_DWORD", "/d", "0x%08X" % value, "/f")


def reg_set_raw(kind, data):
    run("wine", "reg", "add", KEY, "/v", "IM Color", "/t", kind, "/d", data, "/f")


def reg_get():
    """The stored IM Color as an unsigned 32-bit number, or None when there is none."""
    result = run("wine", "reg", "query", KEY, "/v", "IM Color", check=False)
    match = re.search(r"IM Color\s+REG_DWORD\s+0x([0-9a-fA-F]+)", result.stdout)
    return int(match.group(1), 16) if match else None


def reg_delete():
    run("wine", "reg", "delete", KEY, "/f", check=False)


def user_registry():
    """The prefix's user registry as text, without the timestamps Wine writes on every save."""
    run("wineserver", "-w", check=False)
    with open(os.path.join(os.environ["WINEPREFIX"], "user.reg"), encoding="utf-8", errors="replace") as hive:
        return [line for line in hive.read().splitlines()
                if not line.startswith("#time") and not re.match(r"^\[.*\] \d+$", line)]


class Tintora:
    """One running Tintora; `with Tintora() as app:` starts it and ends it. With dpi, the prefix's
    screen density is set before the program starts, and client points are screen pixels."""

    def __init__(self, dpi=96):
        self.dpi = dpi
        self.process = None
        self.window = None
        self.origin = (0, 0)
        self.x = xdisplay.Display()

    def __enter__(self):
        if self.dpi != 96:
            run("wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t", "REG_DWORD",
                "/d", str(self.dpi), "/f")
        self.process = subprocess.Popen(["wine", EXE], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.time() + 30
        while time.time() < deadline:
            found = run("xdotool", "search", "--name", "^Tintora!$", check=False).stdout.split()
            if found:
                self.window = int(found[0])
                break
            time.sleep(0.05)
        else:
            raise AssertionError("Tintora's window did not appear")
        self.settle()
        self.locate()
        return self

    def __exit__(self, *exc):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()
        self.x.close()

    def locate(self):
        """Where the client area's origin lies on the screen: the frame is as wide left, right and
        below, and the caption takes the rest of the top."""
        geometry = run("xdotool", "getwindowgeometry", str(self.window)).stdout
        left, top = map(int, re.search(r"Position: (-?\d+),(-?\d+)", geometry).groups())
        width, height = map(int, re.search(r"Geometry: (\d+)x(\d+)", geometry).groups())
        client_width, client_height = scale(CLIENT_WIDTH, self.dpi), scale(CLIENT_HEIGHT, self.dpi)
        border = (width - client_width) // 2
        self.origin = (left + border, top + height - client_height - border)

    def settle(self, seconds=0.4):
        time.sleep(seconds)

    def screen(self, x, y):
        """A client point on the screen."""
        return self.origin[0] + x, self.origin[1] + y

    def pixel(self, x, y):
        """The (red, green, blue) shown at a client point."""
        sx, sy = self.screen(x, y)
        image = self.x.screen().root.get_image(sx, sy, 1, 1, X.ZPixmap, 0xFFFFFFFF)
        blue, green, red = image.data[0], image.data[1], image.data[2]
        return red, green, blue

    def move(self, x, y):
        sx, sy = self.screen(x, y)
        run("xdotool", "mousemove", str(sx), str(sy))

    def click(self, x, y, button=1):
        self.move(x, y)
        run("xdotool", "click", str(button))
        self.settle(0.2)

    def press(self, x, y, button=1):
        self.move(x, y)
        run("xdotool", "mousedown", str(button))

    def release(self, button=1):
        run("xdotool", "mouseup", str(button))

    def drag(self, points, button=1):
        self.press(*points[0], button=button)
        for point in points[1:]:
            self.move(*point)
            time.sleep(0.02)
        self.release(button)
        self.settle(0.3)

    def key(self, *keys):
        # Keys go to where the pointer is: keep it over the window, on a spot that does nothing.
        self.move(scale(150, self.dpi), scale(262, self.dpi))
        run("xdotool", "key", *keys)
        self.settle(0.3)

    def key_here(self, *keys):
        """Keys with the pointer left where it is (during a drag, say)."""
        run("xdotool", "key", *keys)
        self.settle(0.3)

    def pointer(self):
        """The pointer's position in client coordinates."""
        location = run("xdotool", "getmouselocation").stdout
        x, y = map(int, re.search(r"x:(-?\d+) y:(-?\d+)", location).groups())
        return x - self.origin[0], y - self.origin[1]

    def accessible(self, control):
        """What a screen reader hears from a control: (name, value, description)."""
        lines = run("wine", PROBE, "accname", str(control)).stdout.replace("\r", "").split("\n")
        return tuple((lines + ["", "", ""])[:3])

    def texts(self):
        """The readouts: hue, sat, lum, red, green, blue, hex."""
        return run("wine", PROBE, "texts").stdout.split()

    def rect(self, control):
        return tuple(map(int, run("wine", PROBE, "rect", str(control)).stdout.split()))

    def focus(self):
        return int(run("wine", PROBE, "focus").stdout.strip() or 0)

    def wait_exit(self, timeout=5.0):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            return None


def main():
    parse_arguments()
    unittest.main(verbosity=2)
