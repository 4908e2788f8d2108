"""Checks the resources of the shipped executable: a 32-bit GUI program with
the administrator manifest (type 24, id 1), the program icon 128 and the
wizard dialog template 102."""
import os
import struct
import sys
import unittest
import xml.etree.ElementTree as ET

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools"))
import pe_resources  # noqa: E402

RT_ICON, RT_DIALOG, RT_GROUP_ICON, RT_MANIFEST = 3, 5, 14, 24
EXE = sys.argv.pop(1) if len(sys.argv) > 1 else ""


class ProductResources(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.resources = pe_resources.resources(EXE)

    def test_is_a_32_bit_program(self):
        self.assertEqual(pe_resources.machine(EXE), 0x14C)

    def test_manifest_asks_for_administrator_rights_and_common_controls_6(self):
        manifest = self.resources[(RT_MANIFEST, 1)]
        root = ET.fromstring(manifest)
        ns = {"v1": "urn:schemas-microsoft-com:asm.v1", "v3": "urn:schemas-microsoft-com:asm.v3"}
        level = root.find("v3:trustInfo/v3:security/v3:requestedPrivileges/v3:requestedExecutionLevel", ns)
        self.assertEqual(level.get("level"), "requireAdministrator")
        self.assertEqual(level.get("uiAccess"), "false")
        identity = root.find("v1:dependency/v1:dependentAssembly/v1:assemblyIdentity", ns)
        self.assertEqual(identity.get("name"), "Microsoft.Windows.Common-Controls")
        self.assertEqual(identity.get("version"), "6.0.0.0")
        self.assertEqual(identity.get("processorArchitecture"), "x86")
        self.assertEqual(identity.get("publicKeyToken"), "6595b64144ccf1df")

    def test_icon_128_has_images(self):
        group = self.resources[(RT_GROUP_ICON, 128)]
        reserved, kind, count = struct.unpack_from("<HHH", group, 0)
        self.assertEqual((reserved, kind), (0, 1))
        self.assertGreaterEqual(count, 1)
        for i in range(count):
            icon_id = struct.unpack_from("<H", group, 6 + 14 * i + 12)[0]
            self.assertIn((RT_ICON, icon_id), self.resources)

    def test_wizard_template_is_a_borderless_popup_of_530_by_318(self):
        template = self.resources[(RT_DIALOG, 102)]
        version, signature = struct.unpack_from("<HH", template, 0)
        self.assertEqual((version, signature), (1, 0xFFFF))
        _, ex_style, style = struct.unpack_from("<III", template, 4)
        WS_POPUP, WS_CAPTION, WS_BORDER, WS_EX_APPWINDOW = 0x80000000, 0x00C00000, 0x00800000, 0x40000
        self.assertTrue(style & WS_POPUP)
        self.assertFalse(style & (WS_CAPTION | WS_BORDER))
        self.assertTrue(ex_style & WS_EX_APPWINDOW)
        cx, cy = struct.unpack_from("<hh", template, 4 + 12 + 2 + 4)
        self.assertEqual((cx, cy), (530, 318))


if __name__ == "__main__":
    unittest.main(verbosity=1)
