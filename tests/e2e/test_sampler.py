"""The eyedropper as a user drags it: press on the sampler, move anywhere on the screen, release.
The colour under the pointer becomes the base colour live, and stays after the release."""
import time
import unittest

import harness
from harness import Tintora
from Xlib import X, display as xdisplay

SAMPLER = (175, 227)        # the middle of the sampler box
SAMPLER_BLANK = (167, 219)  # a pixel of the box that the eyedropper picture leaves blank
SAMPLER_TIP = (165, 237)    # the eyedropper's tip (its hot spot) as drawn in the box
NEW = (110, 229)
BASE_BAND = (190, 17 + 77)
ARROW_TIP = (200, 17 + 75)


class Patch:
    """A plain X window of one colour on the bare screen, outside every Wine window."""

    def __init__(self, left, top, rgb, size=100):
        self.display = xdisplay.Display()
        screen = self.display.screen()
        red, green, blue = rgb
        pixel = screen.default_colormap.alloc_color(red * 257, green * 257, blue * 257).pixel
        self.window = screen.root.create_window(left, top, size, size, 0, screen.root_depth, X.InputOutput,
                                                X.CopyFromParent, background_pixel=pixel, override_redirect=True)
        self.window.map()
        self.display.sync()
        self.centre = (left + size // 2, top + size // 2)
        time.sleep(0.2)

    def close(self):
        self.display.close()


def move_screen(x, y):
    harness.run("xdotool", "mousemove", str(x), str(y))


def eventually(read, expected, timeout=5.0):
    """What read() gives once it gives expected, or when the time is up: the screen shows what the
    program painted only after its next pass, which a busy machine delays."""
    deadline = time.time() + timeout
    value = read()
    while value != expected and time.time() < deadline:
        time.sleep(0.05)
        value = read()
    return value


class Sampler(unittest.TestCase):
    def setUp(self):
        harness.reg_set(0x00808080)
        self.patches = []

    def tearDown(self):
        for patch in self.patches:
            patch.close()

    def patch(self, left, top, rgb):
        self.patches.append(Patch(left, top, rgb))
        return self.patches[-1]

    def drag_to_screen(self, app, target, button=1):
        """Press on the sampler, drag to a screen point in small steps, and release there."""
        app.press(*SAMPLER, button=button)
        start = app.screen(*SAMPLER)
        for step in range(1, 11):
            move_screen(start[0] + (target[0] - start[0]) * step // 10,
                        start[1] + (target[1] - start[1]) * step // 10)
            time.sleep(0.02)
        time.sleep(0.2)
        app.release(button)
        app.settle(0.3)

    def test_dragging_onto_another_window_takes_its_colour(self):
        green = self.patch(60, 300, (18, 200, 90))
        with Tintora() as app:
            app.click(190, 17 + 20)  # the marker moves up the strip first
            self.assertNotEqual(app.pixel(*ARROW_TIP), (0, 0, 0))
            tip = app.pixel(*SAMPLER_TIP)

            app.press(*SAMPLER)
            move_screen(*green.centre)
            app.settle(0.3)
            self.assertEqual(eventually(lambda: app.pixel(*NEW), (18, 200, 90)), (18, 200, 90),
                             "New follows while the button is held")
            self.assertEqual(app.pixel(*SAMPLER_TIP), app.pixel(*SAMPLER_BLANK), "the box stands empty")
            app.release()

            self.assertEqual(eventually(lambda: app.pixel(*SAMPLER_TIP), tip), tip, "the eyedropper is back")
            self.assertEqual(app.pixel(*NEW), (18, 200, 90))
            self.assertEqual(app.pixel(*BASE_BAND), (18, 200, 90), "the strip's base band")
            self.assertEqual(app.pixel(190, 17), (255, 255, 255), "the strip's top band")
            self.assertEqual(app.pixel(*ARROW_TIP), (0, 0, 0), "the arrow is back at the base colour")
            self.assertEqual(app.texts(), ["96", "200", "103", "18", "200", "90", "12C85A"])

            # Moving the pointer after the release changes nothing, and Save stores the sample.
            move_screen(*green.centre)
            app.settle(0.3)
            self.assertEqual(app.pixel(*NEW), (18, 200, 90))
            app.key("alt+s")
            self.assertEqual(harness.reg_get(), 0x005AC812)
            self.assertEqual(eventually(lambda: app.pixel(38, 229), (18, 200, 90)), (18, 200, 90),
                             "Current shows the saved colour")

    def test_right_button_works_like_the_left(self):
        violet = self.patch(200, 560, (60, 20, 180))
        with Tintora() as app:
            self.drag_to_screen(app, violet.centre, button=3)
            self.assertEqual(eventually(lambda: app.pixel(*NEW), (60, 20, 180)), (60, 20, 180))
            self.assertEqual(app.texts(), ["170", "192", "95", "60", "20", "180", "3C14B4"])
            app.move(9 + 60, 17 + 60)  # the release ended sampling: the palette under the pointer is not taken
            app.settle(0.3)
            self.assertEqual(app.pixel(*NEW), (60, 20, 180))

    def test_sampling_the_tools_own_palette_and_the_sampler_itself(self):
        with Tintora() as app:
            palette_point = (9 + 120, 17 + 40)
            shown = app.pixel(*palette_point)
            self.drag_to_screen(app, app.screen(*palette_point))
            self.assertEqual(eventually(lambda: app.pixel(*NEW), shown), shown)
            self.assertEqual(app.pixel(*BASE_BAND), shown)

            # Press and release without moving: the pixel under the pointer inside the box.
            blank = app.pixel(*SAMPLER_BLANK)
            app.press(*SAMPLER_BLANK)
            app.settle(0.2)
            app.release()
            self.assertEqual(eventually(lambda: app.pixel(*NEW), blank), blank)
            self.assertEqual(app.pixel(*ARROW_TIP), (0, 0, 0))

    def test_closing_while_the_button_is_held_ends_the_program(self):
        for close in ("alt+F4", "alt+x", "probe"):
            with self.subTest(close=close), Tintora() as app:
                app.press(*SAMPLER)
                app.move(150, 262)
                app.settle(0.3)
                if close == "probe":
                    harness.run("wine", harness.PROBE, "close")
                else:
                    harness.run("xdotool", "key", close)
                code = app.wait_exit(timeout=2.0)
                app.release()
                self.assertEqual(code, 0)


if __name__ == "__main__":
    harness.main()
