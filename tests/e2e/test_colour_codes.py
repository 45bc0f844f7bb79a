"""A colour typed by its numbers and saved, as a user does it: into the hex box with Enter, then into
Red, entered by clicking Save; nothing is stored before Save."""
import unittest

import harness
from harness import CURRENT, NEW, SAVE, Tintora, wait_for

HEX_BOX, RED_BOX = (260, 172), (272, 28)


class ColourCodes(unittest.TestCase):
    def test_a_typed_hex_code_and_a_typed_red_are_saved(self):
        harness.reg_set(0x003264C8)  # red 200, green 100, blue 50
        with Tintora() as app:
            app.click(*HEX_BOX)
            app.key("End", "shift+Home")
            app.key("#1e90ff", action="type")
            app.key("Return")
            app.shows(NEW, (30, 144, 255), "New after the hex code")
            self.assertEqual(app.texts(), ["140", "240", "135", "30", "144", "255", "1E90FF"])
            self.assertEqual(app.pixel(190, 17 + 77), (30, 144, 255), "the base band")
            self.assertEqual(harness.reg_get(), (200, 100, 50), "nothing stored before Save")
            app.key("alt+s")
            wait_for(harness.reg_get, (30, 144, 255), what="IM Color after Alt+S")
            self.assertEqual(app.pixel(*CURRENT), (30, 144, 255))

            app.click(*RED_BOX)
            app.key("End", "shift+Home")
            app.key("0", action="type")
            app.click(*SAVE)  # leaving the box enters it, then Save stores it
            wait_for(harness.reg_get, (0, 144, 255), what="IM Color after Save")
            self.assertEqual(app.pixel(*NEW), (0, 144, 255))
