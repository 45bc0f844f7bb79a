"""Tintora on a desk of two monitors (scripts/with-display, TINTORA_DESK=two-monitors): the second left
of and above the primary, so Windows gives it negative coordinates, and below it a stretch on no
monitor. The eyedropper reads other programs' pixels there, at its corners and across the seam, with
the magnifier whole on the monitor under the tip; and the window works moved onto the second monitor
and straddling the seam. The magnifier at more places, and its size on monitors of other densities,
are the Win32 density tests' part. Points here are X's: the primary starts at 1024,600, Windows' 0,0."""
import unittest

import harness
from harness import NEW, SAMPLER, SAVE, Tintora

PRIMARY, SECOND = (1024, 600, 2048, 1368), (0, 0, 1024, 768)  # left, top, right, bottom
FIRST, CHECK, OTHER, GROUND = (200, 40, 30), (20, 60, 220), (250, 210, 0), (90, 160, 70)


def magnifier():  # the magnifier's edges, or None while it is not shown
    box = harness.window_box("^Tintora magnifier$")
    return box and (box[0], box[1], box[0] + box[2], box[1] + box[3])


def near_and_on(tip, monitor):  # True once the magnifier is beside the tip and wholly on that monitor
    def check():  # else where it is
        place = magnifier()
        whole = place and monitor[0] <= place[0] and place[2] <= monitor[2] and monitor[1] <= place[1] \
            and place[3] <= monitor[3]
        beside = place and max(abs(edge - tip[0]) for edge in place[0::2]) < 200 \
            and max(abs(edge - tip[1]) for edge in place[1::2]) < 200
        return True if whole and beside else place
    return check


class TwoMonitors(unittest.TestCase):
    def test_the_eyedropper_reads_the_second_monitor_to_its_corners_and_across_the_seam(self):
        # One-pixel checks at the second monitor's corners and at the seam, FIRST where x + y is even;
        # just across the seam, on the primary, another colour.
        patches = [harness.XPatch(x, y, 16, FIRST, CHECK) for x, y in ((0, 0), (1008, 0), (0, 752), (1008, 752),
                                                                      (1008, 640))]
        patches.append(harness.XPatch(1024, 640, 16, OTHER))
        with Tintora() as app:
            before = app.texts()
            app.press(*SAMPLER)
            for tip, colour in (((0, 0), FIRST), ((1023, 0), CHECK), ((0, 767), CHECK), ((1023, 767), FIRST),
                                ((1023, 644), CHECK)):
                harness.run("xdotool", "mousemove", *tip)
                app.shows(NEW, colour, "New with the tip at %s" % (tip,))
                harness.wait_for(near_and_on(tip, SECOND), True, what="the magnifier beside %s" % (tip,))
            # Pixel by pixel across the seam and back, with the keys.
            for key, tip, colour, monitor in (("Right", (1024, 644), OTHER, PRIMARY),
                                              ("Left", (1023, 644), CHECK, SECOND),
                                              ("Left", (1022, 644), FIRST, SECOND)):
                harness.run("xdotool", "key", key)
                app.shows(NEW, colour, "New after %s" % key)
                harness.wait_for(near_and_on(tip, monitor), True, what="the magnifier after %s" % key)
            # Escape takes the pick made there back, the magnifier with it.
            harness.run("xdotool", "key", "Escape")
            harness.wait_for(magnifier, None, what="the magnifier after Escape")
            self.assertEqual(app.texts(), before)
            app.release()

    def test_the_window_works_on_the_second_monitor_and_straddling_the_seam(self):
        harness.reg_set(0x00808080)
        patch = harness.XPatch(1500, 700, 40, GROUND)  # on the primary
        with Tintora() as app:
            # Wholly on the second monitor, then with the palette across the seam.
            for place in ((400, 200), (PRIMARY[0] - 140, 520)):
                app.drag_to(*place)
                for x, y in ((9 + 20, 17 + 150), (9 + 160, 17 + 150)):  # the palette, each side of the seam
                    colour = app.pixel(x, y)
                    app.click(x, y)
                    app.shows(NEW, colour, "New from the palette at %s" % ((x, y),))
                row_100 = app.pixel(190, 17 + 100)
                app.click(190, 17 + 100)
                app.shows(NEW, row_100, "New from the strip")
                app.press(*SAMPLER)
                harness.run("xdotool", "mousemove", 1520, 720)
                app.shows(NEW, GROUND, "New from the eyedropper")
                app.release()
                app.settle()
                app.click(*SAVE)
                harness.wait_for(harness.reg_get, GROUND, what="the stored colour")
                harness.reg_set(0x00808080)
