"""At 144 dpi the window is enlarged sharply and a click takes the colour shown under the pointer."""
import unittest

import harness
from harness import Tintora, scale

DPI = 144


class Density(unittest.TestCase):
    def test_the_window_is_enlarged_sharply_and_clicks_take_the_colour_under_the_pointer(self):
        harness.reg_set(0x003264C8)  # red 200, green 100, blue 50
        with Tintora(DPI) as app:
            left, top, right, bottom = scale(9, DPI), scale(17, DPI), scale(184, DPI), scale(188, DPI)
            strip = scale(190, DPI)
            app.shows((left - 1, top - 1), (0, 0, 0), "the palette's frame")
            app.shows((left + 1, top + 1), (255, 0, 0), "pixel (0, 0) unblended")
            app.shows((left, bottom - 1), (140, 115, 115), "the bottom-left pixel")
            app.shows((strip, top + 116), (200, 100, 50), "the base band, row 77")
            # Both screen pixels of a palette pixel, the single one of the next; rows of the strip.
            for x, y in ((left + 45, top + 30), (left + 46, top + 31), (left + 47, top + 32),
                         (right - 1, bottom - 1), (strip, top + 61), (strip, top + 62)):
                shown = app.pixel(x, y)
                app.click(x, y)
                # Read from the program after it has taken the click in, even where two points
                # show one colour and the readout is already right.
                harness.wait_for(lambda: app.texts()[6], harness.hex_text(shown),
                                 what="the hex readout after a click at %s" % ((x, y),))
