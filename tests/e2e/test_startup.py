"""Start-up, Random and Exit as a user sees them: the stored colour on the screen, the keyboard
shortcuts, and a registry left as it was."""
import harness
from harness import Tintora
import unittest


class StartUp(unittest.TestCase):
    def test_stored_colour_shows_as_current_and_new_with_its_strip(self):
        harness.reg_set(0x003264C8)  # red 200, green 100, blue 50
        before = harness.user_registry()
        with Tintora() as app:
            self.assertEqual(app.pixel(38, 229), (200, 100, 50), "Current swatch")
            self.assertEqual(app.pixel(110, 229), (200, 100, 50), "New swatch")
            self.assertEqual(app.pixel(190, 17), (255, 255, 255), "top band")
            self.assertEqual(app.pixel(190, 17 + 77), (200, 100, 50), "base band")
            self.assertEqual(app.pixel(200, 17 + 75), (0, 0, 0), "arrow tip beside row 75")
            self.assertEqual(app.pixel(9, 17), (255, 0, 0), "palette's top-left pixel")
            self.assertEqual(app.pixel(9, 17 + 170), (140, 115, 115), "palette's bottom-left pixel")
            self.assertEqual(app.pixel(8, 16), (0, 0, 0), "palette frame")
            self.assertEqual(app.texts(), ["13", "144", "118", "200", "100", "50", "C86432"])
            app.key("alt+x")
            self.assertEqual(app.wait_exit(), 0)
        self.assertEqual(harness.reg_get(), 0x003264C8)
        self.assertEqual(harness.user_registry(), before)

    def test_no_stored_colour_starts_black(self):
        harness.reg_delete()
        with Tintora() as app:
            self.assertEqual(app.pixel(38, 229), (0, 0, 0))
            self.assertEqual(app.pixel(110, 229), (0, 0, 0))
            self.assertEqual(app.pixel(190, 17 + 5), (238, 238, 238), "grey above the base")
            self.assertEqual(app.pixel(190, 17 + 100), (0, 0, 0), "black from the base down")
            self.assertEqual(app.texts(), ["160", "0", "0", "0", "0", "0", "000000"])
        self.assertIsNone(harness.reg_get(), "nothing is written")

    def test_random_changes_new_but_not_current_nor_the_registry(self):
        harness.reg_set(0x00FF0000)  # blue
        with Tintora() as app:
            self.assertEqual(app.pixel(38, 229), (0, 0, 255))
            seen = set()
            for _ in range(3):
                app.key("alt+r")
                new = app.pixel(110, 229)
                self.assertNotIn(0, new, "a random colour has no channel of 0")
                self.assertEqual(app.pixel(190, 17 + 77), new, "the base band is the new colour")
                self.assertEqual(app.pixel(38, 229), (0, 0, 255), "Current is untouched")
                seen.add(new)
            self.assertGreater(len(seen), 1)
            app.click(248, 257)  # Exit
            self.assertEqual(app.wait_exit(), 0)
        self.assertEqual(harness.reg_get(), 0x00FF0000)


if __name__ == "__main__":
    harness.main()
