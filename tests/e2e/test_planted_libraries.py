"""Tintora run from a folder where libraries named like the system's were dropped, as any web page can
drop files into a Downloads folder: none of them is ever loaded, at start-up, when a screen reader
asks, while the eyedropper samples or when Save stores, and all of that works."""
import os
import shutil
import tempfile
import unittest

import harness
from harness import NEW, SAMPLER, SAVE, Tintora

# What the program and the system libraries load on its behalf, and shcore, which Windows 8.1 has.
NAMES = ["comctl32.dll", "uxtheme.dll", "oleacc.dll", "ole32.dll", "oleaut32.dll", "combase.dll",
         "rpcrt4.dll", "msimg32.dll", "dwmapi.dll", "shcore.dll", "version.dll", "propsys.dll",
         "scrrun.dll", "wshom.ocx", "imm32.dll", "winmm.dll", "uiautomationcore.dll"]
GREEN = (18, 200, 90)


class PlantedLibraries(unittest.TestCase):
    def test_no_library_beside_the_program_is_loaded_and_everything_works(self):
        folder = tempfile.mkdtemp(prefix="tintora-downloads-")
        self.addCleanup(shutil.rmtree, folder)
        program = shutil.copy(harness.EXE, folder)
        for name in NAMES:
            shutil.copy(os.environ["TINTORA_PLANTED_LIBRARY"], os.path.join(folder, name))
        patch = harness.XPatch(60, 300, 100, GREEN)
        harness.reg_set(0x00808080)
        with Tintora(program=program) as app:
            self.assertEqual(app.heard(1003)[:2], ["New colour", "808080"], "what a screen reader hears")
            app.press(*SAMPLER)
            harness.run("xdotool", "mousemove", 110, 350)
            app.shows(NEW, GREEN, "New under the held eyedropper")
            app.release()
            app.click(*SAVE)
            harness.wait_for(harness.reg_get, GREEN, what="IM Color after Save")
        self.assertEqual(sorted(name for name in os.listdir(folder) if name.endswith(".loaded")), [])
