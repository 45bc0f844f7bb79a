"""The eyedropper dragged onto another program's window takes its colour live, follows it while the
pointer rests there, and the release keeps it; Escape takes the pick back instead."""
import unittest

import harness
from harness import NEW, SAMPLER, Tintora

GREEN, ORANGE = (18, 200, 90), (240, 120, 10)


class Sampler(unittest.TestCase):
    def test_the_held_eyedropper_takes_another_windows_colour_live_and_escape_takes_it_back(self):
        patch = harness.XPatch(60, 300, 100, GREEN)
        harness.reg_set(0x00808080)
        with Tintora() as app:
            row_20 = app.pixel(190, 17 + 20)
            app.click(190, 17 + 20)  # the marker moves up the strip first
            app.shows(NEW, row_20, "New at row 20")
            before = app.texts()
            app.press(*SAMPLER)
            harness.run("xdotool", "mousemove", 110, 350)
            app.shows(NEW, GREEN, "New follows while the button is held")
            harness.run("xdotool", "key", "Escape")
            app.shows(NEW, row_20, "Escape brings New back")
            app.shows((200, 17 + 20), (0, 0, 0), "and the arrow at row 20")
            app.shows((190, 17 + 77), (128, 128, 128), "and the strip's base band")
            self.assertEqual(app.texts(), before)
            app.move(9 + 20, 17 + 100)  # still held: the cancelled press picks nothing on its way out
            app.release()
            app.settle()
            self.assertEqual(app.pixel(*NEW), row_20)

            app.press(*SAMPLER)
            harness.run("xdotool", "mousemove", 110, 350)
            app.shows(NEW, GREEN, "New shows the window under the pointer")
            patch.paint(ORANGE)
            app.shows(NEW, ORANGE, "New follows the window's new colour, the pointer still")
            app.release()
            app.shows((190, 17 + 77), ORANGE, "the strip's base band")
            app.shows((200, 17 + 75), (0, 0, 0), "the arrow is back at the base colour")
            self.assertEqual(app.texts()[3:], ["240", "120", "10", "F0780A"])
            app.move(9 + 60, 17 + 60)  # the release ended sampling
            app.settle()  # a sample there would show; none must
            self.assertEqual(app.pixel(*NEW), ORANGE)
            self.assertEqual(harness.reg_get(), (128, 128, 128), "nothing is stored")
