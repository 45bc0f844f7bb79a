"""Save as a user sees it: the Save button and Alt+S store the colour shown in New as Messenger's
REG_DWORD, Current shows what was stored, and nothing else in the user's registry changes."""
import harness
from harness import Tintora
import unittest

SAVE = (248, 231)
EXIT = (248, 257)
NEW, CURRENT = (110, 229), (38, 229)
STRIP_TOP = 17


def colour_value(rgb):
    red, green, blue = rgb
    return red + 256 * green + 65536 * blue


def changed_lines(before, after):
    return [line for line in before if line not in after], [line for line in after if line not in before]


class Save(unittest.TestCase):
    def test_mouse_and_alt_s_store_the_new_colour_and_nothing_else(self):
        harness.reg_set(0x003264C8)
        before = harness.user_registry()
        with Tintora() as app:
            app.click(9 + 60, 17 + 40)  # a palette pick
            new = app.pixel(*NEW)
            self.assertNotEqual(new, (200, 100, 50))
            app.click(*SAVE)
            self.assertEqual(harness.reg_get(), colour_value(new))
            self.assertEqual(app.pixel(*CURRENT), new)

            app.click(190, STRIP_TOP + 130)  # a darker row of the same strip
            darker = app.pixel(*NEW)
            self.assertNotEqual(darker, new)
            app.key("alt+s")
            self.assertEqual(harness.reg_get(), colour_value(darker))
            self.assertEqual(app.pixel(*CURRENT), darker)
            self.assertEqual(app.pixel(*NEW), darker, "New is left as it was")

            # Random and Exit store nothing.
            app.key("alt+r")
            self.assertNotEqual(app.pixel(*NEW), darker)
            self.assertEqual(app.pixel(*CURRENT), darker)
            app.click(*EXIT)
            self.assertEqual(app.wait_exit(), 0)
        self.assertEqual(harness.reg_get(), colour_value(darker))
        removed, added = changed_lines(before, harness.user_registry())
        self.assertEqual(removed, ['"IM Color"=dword:003264c8'])
        self.assertEqual(added, ['"IM Color"=dword:%08x' % colour_value(darker)])

    def test_white_is_stored_as_near_white_unless_on_an_always_white_row(self):
        harness.reg_set(0x00FFFFFF)
        with Tintora() as app:
            self.assertEqual(app.pixel(*NEW), (255, 255, 255))
            app.key("alt+s")
            self.assertEqual(harness.reg_get(), 0x00FFFFFE)
            self.assertEqual(app.pixel(*NEW), (254, 255, 255))
            self.assertEqual(app.pixel(*CURRENT), (254, 255, 255))
            self.assertEqual(app.texts()[3:], ["254", "255", "255", "FEFFFF"])
            self.assertEqual(app.pixel(190, STRIP_TOP + 170), (16, 17, 17), "strip drawn from near-white")

            app.click(190, STRIP_TOP)  # the top row is white whatever the base
            self.assertEqual(app.pixel(*NEW), (255, 255, 255))
            app.click(*SAVE)
            self.assertEqual(harness.reg_get(), 0x00FFFFFF)
            self.assertEqual(app.pixel(*CURRENT), (255, 255, 255))
            self.assertEqual(app.texts()[6], "FFFFFF")

    def test_missing_key_is_created(self):
        harness.reg_delete()
        with Tintora() as app:
            app.click(9, 17)  # the palette's top-left pixel: red
            self.assertEqual(app.pixel(*NEW), (255, 0, 0))
            app.key("alt+s")
            self.assertEqual(harness.reg_get(), 0x000000FF)
            self.assertEqual(app.pixel(*CURRENT), (255, 0, 0))
            app.key("alt+x")
            self.assertEqual(app.wait_exit(), 0)
        self.assertEqual(harness.reg_get(), 0x000000FF)


if __name__ == "__main__":
    harness.main()
