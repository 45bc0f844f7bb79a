"""The keyboard and screen readers as their users meet them: a colour composed and saved with keys
alone, every control named through the accessibility interface from another process, and the
eyedropper nudged one pixel at a time with the arrows while it is held."""
import harness
from harness import Tintora
import time
import unittest

PALETTE_LEFT, PALETTE_TOP = 9, 17
STRIP_X, STRIP_TOP = 190, 17
NEW = (110, 229)
SAMPLER = (175, 227)


def colour_value(rgb):
    red, green, blue = rgb
    return red + 256 * green + 65536 * blue


def hex_text(rgb):
    return "%02X%02X%02X" % rgb


class KeyboardOnly(unittest.TestCase):
    def test_compose_and_save_a_colour_with_keys_alone(self):
        harness.reg_set(0x003264C8)
        with Tintora() as app:
            self.assertEqual(app.focus(), harness.PIC_COLORS)
            self.assertEqual(app.pixel(8, 16), (0, 0, 0), "a plain frame until a key is used")
            app.key("Right", "Right", "shift+Down", "shift+Down", "Down")
            picked = app.pixel(PALETTE_LEFT + 2, PALETTE_TOP + 21)
            self.assertEqual(app.pixel(*NEW), picked, "the palette pixel at (2, 21), the marker at the base band")
            self.assertNotEqual(app.pixel(PALETTE_LEFT + 5, PALETTE_TOP + 21), app.pixel(PALETTE_LEFT + 6, PALETTE_TOP + 21),
                                "the pick position shows")
            self.assertEqual(app.texts()[6], hex_text(picked))

            app.key("Tab")
            self.assertEqual(app.focus(), harness.PIC_GRADIENT)
            app.key("Next", "Next", "Down")
            chosen = app.pixel(*NEW)
            self.assertEqual(chosen, app.pixel(STRIP_X, STRIP_TOP + 86), "row 86: two bands and a row down")
            self.assertNotEqual(chosen, picked)
            self.assertEqual(app.texts()[3:6], [str(channel) for channel in chosen])

            app.key("alt+s")
            self.assertEqual(harness.reg_get(), colour_value(chosen))
            self.assertEqual(app.pixel(38, 229), chosen, "Current shows what was saved")
            app.key("alt+x")
            self.assertEqual(app.wait_exit(), 0)


class ScreenReader(unittest.TestCase):
    def test_every_control_has_a_name_and_the_swatches_say_their_colour(self):
        harness.reg_set(0x000064C8)  # red 200, green 100, blue 0
        with Tintora() as app:
            names = {1001: "Colour palette", 1002: "Luminance", 1003: "New colour", 1017: "Current colour",
                     1022: "Colour picker: hold and drag over the screen",
                     1004: "Hue", 1005: "Sat", 1006: "Lum", 1007: "Red", 1008: "Green", 1009: "Blue", 1026: "#",
                     harness.CMD_SAVE: "Save", harness.CMD_CLOSE: "Exit", harness.CMD_RANDOM: "Random",
                     1013: "Red:", 1018: "New"}
            for control, name in names.items():
                self.assertEqual(app.accessible(control)[0], name, control)
            self.assertEqual(app.accessible(harness.PIC_CHOSEN),
                             ("New colour", "C86400", "hue 20, saturation 240, luminance 95, red 200, green 100, blue 0"))
            self.assertEqual(app.accessible(harness.PIC_CURRENT)[1], "C86400")
            self.assertEqual(app.accessible(1026)[1], "C86400", "readouts say their text")

            app.key("Tab", "Next")  # the strip picks a darker row
            new = hex_text(app.pixel(*NEW))
            self.assertNotEqual(new, "C86400")
            self.assertEqual(app.accessible(harness.PIC_CHOSEN)[1], new)
            self.assertEqual(app.accessible(harness.PIC_GRADIENT)[1], new, "the strip tells of the colour it chose")
            self.assertEqual(app.accessible(harness.PIC_CURRENT)[1], "C86400")


class Eyedropper(unittest.TestCase):
    def test_arrows_nudge_the_held_eyedropper_one_pixel_and_the_sample_follows(self):
        with Tintora() as app:
            app.press(*SAMPLER)
            app.settle(0.3)
            app.move(PALETTE_LEFT + 60, PALETTE_TOP + 40)
            app.settle(0.3)
            self.assertEqual(app.pointer(), (PALETTE_LEFT + 60, PALETTE_TOP + 40))
            app.key_here("Right")
            self.assertEqual(app.pointer(), (PALETTE_LEFT + 61, PALETTE_TOP + 40))
            app.key_here("shift+Down")
            self.assertEqual(app.pointer(), (PALETTE_LEFT + 61, PALETTE_TOP + 50))
            app.key_here("Left")
            self.assertEqual(app.pointer(), (PALETTE_LEFT + 60, PALETTE_TOP + 50))
            sample = app.pixel(PALETTE_LEFT + 60, PALETTE_TOP + 50)
            self.assertEqual(app.pixel(*NEW), sample, "the sample follows the pointer")
            app.release()
            app.settle(0.3)
            self.assertEqual(app.pixel(*NEW), sample)
            self.assertEqual(app.texts()[6], hex_text(sample))
            app.key("Right")  # arrows on the sampler nudge nothing once it is let go
            app.settle(0.2)
            self.assertEqual(app.pixel(*NEW), sample)


if __name__ == "__main__":
    harness.main()
