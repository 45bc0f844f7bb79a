"""Save by mouse and Alt+S stores the New colour as Messenger's REG_DWORD and changes nothing else."""
import unittest

import harness
from harness import CURRENT, NEW, SAVE, Tintora


class Save(unittest.TestCase):
    def test_mouse_and_alt_s_store_the_new_colour_and_nothing_else(self):
        harness.reg_set(0x003264C8)
        before = harness.user_registry()
        with Tintora() as app:
            app.click(9 + 60, 17 + 40)  # a palette pick
            new = app.pixel(*NEW)
            self.assertNotEqual(new, (200, 100, 50))
            app.click(*SAVE)
            self.assertEqual(harness.reg_get(), harness.colour_value(new))
            self.assertEqual(app.pixel(*CURRENT), new)
            app.click(190, 17 + 130)  # a darker row of the same strip
            darker = app.pixel(*NEW)
            self.assertNotEqual(darker, new)
            app.key("alt+s")
            self.assertEqual(harness.reg_get(), harness.colour_value(darker))
            self.assertEqual(app.pixel(*CURRENT), darker)
        after = harness.user_registry()
        self.assertEqual([line for line in before if line not in after], ['"IM Color"=dword:003264c8'])
        self.assertEqual([line for line in after if line not in before],
                         ['"IM Color"=dword:%08x' % harness.colour_value(darker)])


if __name__ == "__main__":
    harness.main()
