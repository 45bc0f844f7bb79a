"""The eyedropper dragged onto another window takes its colour live; closing while held ends the program."""
import time
import unittest

import harness
from harness import NEW, SAMPLER, Tintora
from Xlib import X, display as xdisplay


class Sampler(unittest.TestCase):
    def test_dragging_onto_another_window_takes_its_colour(self):
        # A plain X window of one colour on the bare screen, outside every Wine window.
        patch = xdisplay.Display()
        screen = patch.screen()
        pixel = screen.default_colormap.alloc_color(18 * 257, 200 * 257, 90 * 257).pixel
        screen.root.create_window(60, 300, 100, 100, 0, screen.root_depth, X.InputOutput, X.CopyFromParent,
                                  background_pixel=pixel, override_redirect=True).map()
        patch.sync()
        harness.reg_set(0x00808080)
        with Tintora() as app:
            app.click(190, 17 + 20)  # the marker moves up the strip first
            app.press(*SAMPLER)
            harness.run("xdotool", "mousemove", "110", "350")
            deadline = time.time() + 5  # the screen shows a sample after the program's next pass
            while app.pixel(*NEW) != (18, 200, 90) and time.time() < deadline:
                time.sleep(0.05)
            self.assertEqual(app.pixel(*NEW), (18, 200, 90), "New follows while the button is held")
            app.release()
            self.assertEqual(app.pixel(190, 17 + 77), (18, 200, 90), "the strip's base band")
            self.assertEqual(app.pixel(200, 17 + 75), (0, 0, 0), "the arrow is back at the base colour")
            self.assertEqual(app.texts(), ["96", "200", "103", "18", "200", "90", "12C85A"])
            app.move(9 + 60, 17 + 60)  # the release ended sampling
            time.sleep(0.3)
            self.assertEqual(app.pixel(*NEW), (18, 200, 90))
        patch.close()

    def test_closing_while_the_button_is_held_ends_the_program(self):
        for close in ("alt+F4", "alt+x"):
            with self.subTest(close=close), Tintora() as app:
                app.press(*SAMPLER)
                app.move(150, 262)
                time.sleep(0.3)
                harness.run("xdotool", "key", close)
                self.assertEqual(app.process.wait(2), 0)
                app.release()


if __name__ == "__main__":
    harness.main()
