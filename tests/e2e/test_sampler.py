"""The eyedropper dragged onto another window takes its colour live, follows it while the pointer rests
there, and Escape takes the pick back; closing while held ends the program."""
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
            row_20 = app.pixel(190, 17 + 20)
            app.click(190, 17 + 20)  # the marker moves up the strip first
            app.shows(NEW, row_20, "New at row 20")
            app.press(*SAMPLER)
            harness.run("xdotool", "mousemove", "110", "350")
            app.shows(NEW, (18, 200, 90), "New follows while the button is held")
            app.release()
            app.shows((190, 17 + 77), (18, 200, 90), "the strip's base band")
            app.shows((200, 17 + 75), (0, 0, 0), "the arrow is back at the base colour")
            self.assertEqual(app.texts(), ["96", "200", "103", "18", "200", "90", "12C85A"])
            app.move(9 + 60, 17 + 60)  # the release ended sampling
            app.settle()  # a sample there would show; none must
            self.assertEqual(app.pixel(*NEW), (18, 200, 90))
        patch.close()

    def test_a_still_pointer_follows_a_window_that_changes_colour(self):
        patch = xdisplay.Display()
        screen = patch.screen()
        colour = lambda r, g, b: screen.default_colormap.alloc_color(r * 257, g * 257, b * 257).pixel
        window = screen.root.create_window(60, 300, 100, 100, 0, screen.root_depth, X.InputOutput,
                                           X.CopyFromParent, background_pixel=colour(30, 60, 200),
                                           override_redirect=True)
        window.map()
        patch.sync()
        with Tintora() as app:
            app.press(*SAMPLER)
            harness.run("xdotool", "mousemove", "110", "350")
            app.shows(NEW, (30, 60, 200), "New shows the window under the pointer")
            window.change_attributes(background_pixel=colour(240, 120, 10))
            window.clear_area()
            patch.sync()
            app.shows(NEW, (240, 120, 10), "New follows the window's new colour, the pointer still")
            app.release()
            self.assertEqual(app.texts()[6], "F0780A")
        patch.close()

    def test_escape_takes_the_pick_back(self):
        harness.reg_set(0x00808080)
        with Tintora() as app:
            row_20 = app.pixel(190, 17 + 20)
            app.click(190, 17 + 20)
            app.shows(NEW, row_20, "New at row 20")
            before = app.texts()
            palette = app.pixel(9 + 120, 17 + 40)
            app.press(*SAMPLER)
            app.move(9 + 120, 17 + 40)  # over Tintora's own palette
            app.shows(NEW, palette, "New follows the eyedropper")
            harness.run("xdotool", "key", "Escape")
            app.shows(NEW, row_20, "Escape brings New back")
            app.shows((200, 17 + 20), (0, 0, 0), "and the arrow at row 20")
            self.assertEqual(app.texts(), before)
            app.move(9 + 20, 17 + 100)  # still held: the cancelled press picks nothing on its way out
            app.release()
            app.settle()
            self.assertEqual(app.pixel(*NEW), row_20)
            self.assertEqual(harness.reg_get(), (128, 128, 128), "nothing is stored")

    def test_closing_while_the_button_is_held_ends_the_program(self):
        for close in ("alt+F4", "alt+x"):
            with self.subTest(close=close), Tintora() as app:
                picture = app.pixel(*SAMPLER)
                app.press(*SAMPLER)
                app.move(150, 262)
                harness.wait_for(lambda: app.pixel(*SAMPLER), until=lambda shown: shown != picture,
                                 what="the sampler while the eyedropper is out")
                harness.run("xdotool", "key", close)
                self.assertEqual(app.process.wait(10), 0)
                app.release()


if __name__ == "__main__":
    harness.main()
