"""Tintora at 150 %: the user's screen density is 144 dpi before the program starts. The window is
laid out larger, the palette and the strip are shown enlarged pixel for pixel, and a click or the
eyedropper takes the colour that is on the screen under the pointer."""
import time
import unittest

import harness
from harness import Tintora, first_physical, logical, scale

DPI = 144


def hex_of(rgb):
    return "%02X%02X%02X" % rgb


class Density(unittest.TestCase):
    def setUp(self):
        harness.reg_set(0x003264C8)  # red 200, green 100, blue 50

    def test_the_window_and_its_pictures_are_enlarged_sharply(self):
        with Tintora(DPI) as app:
            palette = app.rect(harness.PIC_COLORS)
            self.assertEqual(palette, (scale(9, DPI), scale(17, DPI), scale(184, DPI), scale(188, DPI)))
            self.assertEqual(app.rect(harness.CMD_SAVE),
                             (scale(212, DPI), scale(218, DPI), scale(285, DPI), scale(244, DPI)))
            left, top, right, bottom = palette
            # Palette pixel (0, 0) is pure red on both screen pixels that show it; no blend with (1, 0).
            self.assertEqual(app.pixel(left, top), (255, 0, 0))
            self.assertEqual(app.pixel(left + 1, top + 1), (255, 0, 0))
            self.assertEqual(app.pixel(left, bottom - 1), (140, 115, 115), "bottom-left pixel")
            self.assertEqual(app.pixel(left - 1, top - 1), (0, 0, 0), "the frame")
            strip = app.rect(harness.PIC_GRADIENT)
            base_row = strip[1] + first_physical(77, DPI)
            self.assertEqual(app.pixel(strip[0] + 3, base_row), (200, 100, 50), "base band")
            arrow = app.rect(harness.IMG_ARROW)
            tip_row = strip[1] + first_physical(75, DPI)
            self.assertEqual(app.pixel(arrow[0], tip_row), (0, 0, 0), "arrow tip beside row 75")
            self.assertEqual(app.texts()[6], "C86432")

    def test_clicks_take_the_colour_under_the_pointer(self):
        with Tintora(DPI) as app:
            left, top, right, bottom = app.rect(harness.PIC_COLORS)
            # Both screen pixels of a palette pixel, and the single one of the next.
            for x, y in ((left + 45, top + 30), (left + 46, top + 31), (left + 47, top + 32),
                         (right - 1, bottom - 1), (left + 200, top + 120)):
                shown = app.pixel(x, y)
                app.click(x, y)
                self.assertEqual(app.texts()[6], hex_of(shown), (x, y))
            strip_left, strip_top, _, _ = app.rect(harness.PIC_GRADIENT)
            # Even rows have two screen rows at 150 %, odd rows one; the last is cut to one by the frame.
            for row, below in ((0, 0), (0, 1), (1, 0), (40, 1), (101, 0), (170, 0)):
                y = strip_top + first_physical(row, DPI) + below
                self.assertEqual(logical(y - strip_top, DPI), row)
                shown = app.pixel(strip_left + 2, y)
                app.click(strip_left + 2, y)
                self.assertEqual(app.texts()[6], hex_of(shown), row)
                arrow_left, arrow_top, _, _ = app.rect(harness.IMG_ARROW)
                self.assertEqual(app.pixel(arrow_left, arrow_top + first_physical(4, DPI)), (0, 0, 0), row)

    def test_the_eyedropper_samples_the_pixel_under_its_tip(self):
        with Tintora(DPI) as app:
            sampler = app.rect(harness.PIC_SCREEN)
            left, top, _, _ = app.rect(harness.PIC_COLORS)
            target = (left + 121, top + 77)
            shown = app.pixel(*target)
            app.press((sampler[0] + sampler[2]) // 2, (sampler[1] + sampler[3]) // 2)
            for step in range(1, 6):
                app.move(sampler[0] + (target[0] - sampler[0]) * step // 5,
                         sampler[1] + (target[1] - sampler[1]) * step // 5)
                time.sleep(0.05)
            app.settle(0.3)
            app.release()
            app.settle(0.3)
            self.assertEqual(app.texts()[6], hex_of(shown))


if __name__ == "__main__":
    harness.main()
