"""A drag over the palette, out of the window and back, then along the strip and past its end."""
import unittest

import harness
from harness import NEW, Tintora


def palette(x, y):
    return 9 + x, 17 + y


def strip(row):
    return 190, 17 + row


class Picking(unittest.TestCase):
    def test_drag_over_the_palette_and_out_and_back_then_along_the_strip_and_past_its_end(self):
        harness.reg_set(0x003264C8)
        with Tintora() as app:
            first, second = app.pixel(*palette(30, 150)), app.pixel(*palette(140, 20))
            app.press(*palette(5, 160))
            app.move(*palette(30, 150))
            app.shows(NEW, first, "New")
            app.move(-40, -30)  # out of the window: nothing is picked there
            app.settle()
            self.assertEqual(app.pixel(*NEW), first)
            app.move(*palette(140, 20))
            app.release()
            app.shows(NEW, second, "picking resumes on the way back")
            # Before its rows are read: the strip is drawn from the colour picked.
            app.shows(strip(77), second, "the strip's base band")

            rows = {row: app.pixel(*strip(row)) for row in (20, 100)}
            app.press(*strip(20))
            app.shows(NEW, rows[20], "New at row 20")
            app.move(*strip(100))
            app.shows(NEW, rows[100], "New at row 100")
            app.move(*strip(171 + 40))
            app.shows((200, 17 + 171), (0, 0, 0), "the arrow holds one row below the strip")
            app.release()
            app.settle()  # the release changes nothing
            self.assertEqual(app.pixel(*NEW), rows[100], "the last row picked")
            self.assertEqual(app.texts()[3:], [str(c) for c in rows[100]] + [harness.hex_text(rows[100])])
