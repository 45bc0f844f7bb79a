"""A colour composed and saved with keys alone, and what a screen reader hears from another process."""
import unittest

import harness
from harness import CURRENT, NEW, Tintora


class Keyboard(unittest.TestCase):
    def test_compose_and_save_with_keys_alone_and_hear_it_named(self):
        harness.reg_set(0x000064C8)  # red 200, green 100, blue 0
        with Tintora() as app:
            names = app.heard(1001, 1002, 1026, 1019)[::3]  # palette, strip, hex readout, Save
            self.assertEqual(names, ["Colour palette", "Luminance", "#", "Save"])
            self.assertEqual(app.heard(1003), [  # the New swatch
                "New colour", "C86400", "hue 20, saturation 240, luminance 95, red 200, green 100, blue 0"])

            picked = app.pixel(9 + 2, 17 + 21)
            app.key("Right", "Right", "shift+Down", "shift+Down", "Down")  # the palette has the focus
            app.shows(NEW, picked, "the palette pixel at (2, 21)")
            app.shows((190, 17 + 77), picked, "the strip's base band")  # before a row of it is read
            row_86 = app.pixel(190, 17 + 86)
            app.key("Tab", "Next", "Next", "Down")
            chosen = app.shows(NEW, row_86, "row 86: two bands and a row down")
            self.assertNotEqual(chosen, picked)
            harness.wait_for(lambda: app.heard(1002)[1], harness.hex_text(chosen), what="the strip's value")
            app.key("alt+s")
            harness.wait_for(harness.reg_get, chosen, what="IM Color after Alt+S")
            app.shows(CURRENT, chosen, "Current after Alt+S")
            harness.wait_for(lambda: app.heard(1017)[1], harness.hex_text(chosen), what="Current's value")
