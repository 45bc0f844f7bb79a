"""Picking as a user does it: a drag across the palette, out of the window and back, then along the
strip and past its bottom, checked on the screen and in the readouts; Save then stores what New
shows."""
import harness
from harness import Tintora
import unittest

SAVE = (248, 231)
NEW, CURRENT = (110, 229), (38, 229)
PALETTE_LEFT, STRIP_TOP = 9, 17
STRIP_X, ARROW_X = 190, 200


def colour_value(rgb):
    red, green, blue = rgb
    return red + 256 * green + 65536 * blue


def hex_text(rgb):
    return "%02X%02X%02X" % rgb


def palette(x, y):
    """A client point over the palette's pixel (x, y)."""
    return PALETTE_LEFT + x, STRIP_TOP + y


def strip(row):
    return STRIP_X, STRIP_TOP + row


class Picking(unittest.TestCase):
    def arrow_tip_row(self, app):
        """The window row beside the strip where the arrow's tip (its only pixel in column 0) is."""
        rows = [row for row in range(STRIP_TOP - 8, STRIP_TOP + 180) if app.pixel(ARROW_X, row) == (0, 0, 0)]
        self.assertEqual(len(rows), 1, rows)
        return rows[0]

    def test_drag_over_the_palette_then_the_strip_then_save(self):
        harness.reg_set(0x003264C8)
        with Tintora() as app:
            first, second = app.pixel(*palette(30, 150)), app.pixel(*palette(140, 20))
            self.assertNotEqual(first, second)

            app.press(*palette(5, 160))
            app.move(*palette(30, 150))
            app.settle()
            self.assertEqual(app.pixel(*NEW), first)
            self.assertEqual(app.pixel(*strip(77)), first, "the strip is drawn from the colour picked")
            # Out of the palette to the left and the top, out of the window even: nothing changes.
            for point in [(2, 100), (50, 5), (-40, -30)]:
                app.move(*point)
                app.settle(0.2)
                self.assertEqual(app.pixel(*NEW), first, point)
            app.move(*palette(100, 60))
            app.move(*palette(140, 20))
            app.release()
            app.settle()
            self.assertEqual(app.pixel(*NEW), second, "picking resumes on the way back")
            self.assertEqual(app.pixel(*strip(77)), second)
            self.assertEqual(app.texts()[6], hex_text(second))
            self.assertEqual(self.arrow_tip_row(app), STRIP_TOP + 75, "the marker stays")

            # Along the strip, the marker follows the pointer's row.
            row_120 = app.pixel(*strip(120))
            app.drag([strip(20), strip(60), strip(90), (STRIP_X + 30, STRIP_TOP + 120)])
            self.assertEqual(app.pixel(*NEW), row_120)
            self.assertEqual(self.arrow_tip_row(app), STRIP_TOP + 120)
            self.assertEqual(app.texts()[3:], [str(c) for c in row_120] + [hex_text(row_120)])
            self.assertEqual(app.pixel(*strip(77)), second, "the strip is not redrawn")

            # Past the bottom: the arrow holds one row below the strip, the colour stays that of the
            # last row picked, and a release out there changes nothing.
            row_100 = app.pixel(*strip(100))
            app.drag([strip(100), strip(171 + 40)])
            self.assertEqual(self.arrow_tip_row(app), STRIP_TOP + 171)
            self.assertEqual(app.pixel(*NEW), row_100)
            self.assertEqual(app.texts()[6], hex_text(row_100))

            app.click(*SAVE)
            self.assertEqual(harness.reg_get(), colour_value(row_100))
            self.assertEqual(app.pixel(*CURRENT), row_100)


if __name__ == "__main__":
    harness.main()
