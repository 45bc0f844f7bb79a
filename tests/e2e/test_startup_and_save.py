"""Start-up, Save by mouse and Alt+S, and Exit as a user sees them: Save alone writes, and only
Messenger's IM Color."""
import unittest

import harness
from harness import CURRENT, NEW, SAVE, Tintora


class StartUpAndSave(unittest.TestCase):
    def test_the_stored_colour_shows_and_only_save_stores_the_new_one(self):
        harness.reg_set(0x003264C8)  # red 200, green 100, blue 50
        before = harness.user_registry()
        with Tintora() as app:
            app.shows(CURRENT, (200, 100, 50), "Current")
            app.shows(NEW, (200, 100, 50), "New")
            app.shows((190, 17), (255, 255, 255), "the strip's top band")
            app.shows((200, 17 + 75), (0, 0, 0), "the arrow's tip beside row 75")
            self.assertEqual(app.texts(), ["13", "144", "118", "200", "100", "50", "C86432"])

            new = app.pixel(9 + 60, 17 + 40)
            app.click(9 + 60, 17 + 40)  # a palette pick
            app.shows(NEW, new, "New after a palette pick")
            app.shows((190, 17 + 77), new, "the strip's base band")  # before a row of it is read
            app.click(*SAVE)
            harness.wait_for(harness.reg_get, new, what="IM Color after Save")
            app.shows(CURRENT, new, "Current after Save")
            darker = app.pixel(190, 17 + 130)
            app.click(190, 17 + 130)  # a darker row of the same strip
            app.shows(NEW, darker, "New after a strip pick")
            app.key("alt+s")
            harness.wait_for(harness.reg_get, darker, what="IM Color after Alt+S")
            app.shows(CURRENT, darker, "Current after Alt+S")
            app.key("alt+x")
            self.assertEqual(app.process.wait(10), 0)
        after = harness.user_registry()
        self.assertEqual([line for line in before if line not in after], ['"IM Color"=dword:003264c8'])
        self.assertEqual([line for line in after if line not in before],
                         ['"IM Color"=dword:00%02x%02x%02x' % darker[::-1]])
