"""Start-up, Random and Exit as a user sees them; the registry is left as it was."""
import unittest

import harness
from harness import CURRENT, NEW, Tintora


class StartUp(unittest.TestCase):
    def test_stored_colour_then_random_and_exit_write_nothing(self):
        harness.reg_set(0x003264C8)  # red 200, green 100, blue 50
        before = harness.user_registry()
        with Tintora() as app:
            self.assertEqual(app.pixel(*CURRENT), (200, 100, 50))
            self.assertEqual(app.pixel(*NEW), (200, 100, 50))
            self.assertEqual(app.pixel(190, 17), (255, 255, 255), "the strip's top band")
            self.assertEqual(app.pixel(200, 17 + 75), (0, 0, 0), "the arrow's tip beside row 75")
            self.assertEqual(app.pixel(9, 17 + 170), (140, 115, 115), "the palette's bottom-left pixel")
            self.assertEqual(app.texts(), ["13", "144", "118", "200", "100", "50", "C86432"])
            app.key("alt+r")
            new = app.pixel(*NEW)
            self.assertNotIn(0, new, "a random colour has no channel of 0")
            self.assertEqual(app.pixel(190, 17 + 77), new, "the base band is the new colour")
            self.assertEqual(app.pixel(*CURRENT), (200, 100, 50))
            app.key("alt+x")
            self.assertEqual(app.process.wait(5), 0)
        self.assertEqual(harness.user_registry(), before)


if __name__ == "__main__":
    harness.main()
