"""Checks the resources of the shipped executable: a 32-bit GUI program with
the administrator manifest (type 24, id 1), the program icon 128, the wizard
dialog template 102, the licence documents and every PNG image with its size
and kind."""
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


# The skin's images: id -> (width, height, has alpha). Titles of the other
# languages have their own widths and heights within the given ranges.
SKIN = {132: (798, 525, False), 175: (695, 60, False), 176: (695, 210, False), 190: (113, 80, True),
        221: (64, 21, False), 1249: (1, 21, False), 1250: (1, 25, False), 1251: (4, 25, False),
        1252: (4, 25, False), 214: (113, 80, True)}
SKIN.update({i: (336, 42, True) for i in (177, 178, 179, 205, 193, 194)})
SKIN.update({i: (48, 70, True) for i in (137, 138, 139)})
SKIN.update({i: (695, 60, False) for i in range(165, 175)})
SKIN.update({i: (62, 23, False) for i in (180, 181, 182)})
SKIN.update({i: (88, 26, False) for i in (187, 188, 189)})
SKIN.update({i: (113, 80, True) for i in (210, 211, 212, 213, 215)})
SKIN.update({i: (44, 18, True) for i in (218, 219, 220)})
OTHER_TITLES = (191, 192, 195, 196, 197, 198, 199, 200, 201, 202, 203, 204, 206, 207, 208, 209)
FLAGS = range(1049, 1242)


def png_header(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n" or data[12:16] != b"IHDR":
        return None
    width, height, depth, colour = struct.unpack_from(">IIBB", data, 16)
    return width, height, depth, colour


class ProductImages(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.pngs = {name: data for (kind, name), data in pe_resources.resources(EXE).items() if kind == "PNG"}

    def test_skin_images_have_their_sizes_and_kinds(self):
        for image_id, (width, height, alpha) in SKIN.items():
            with self.subTest(image=image_id):
                header = png_header(self.pngs[image_id])
                self.assertEqual(header[:2], (width, height))
                self.assertEqual(header[2], 8)
                self.assertEqual(header[3], 6 if alpha else 2)

    def test_translated_titles_fit_their_ranges_and_italian_download_is_430_wide(self):
        for image_id in OTHER_TITLES:
            with self.subTest(image=image_id):
                width, height, _, colour = png_header(self.pngs[image_id])
                self.assertTrue(351 <= width <= 430 and 41 <= height <= 45, (width, height))
                self.assertEqual(colour, 6)
        self.assertEqual(png_header(self.pngs[198])[0], 430)

    def test_every_flag_id_is_there_once_with_alpha(self):
        for image_id in FLAGS:
            with self.subTest(flag=image_id):
                width, height, _, colour = png_header(self.pngs[image_id])
                self.assertTrue(16 <= width <= 22 and 9 <= height <= 20, (width, height))
                self.assertEqual(colour, 6)
        expected = set(SKIN) | set(OTHER_TITLES) | set(FLAGS)
        self.assertEqual(set(self.pngs), expected, "no image missing, none extra")

    def test_the_licence_documents_are_rtf(self):
        for name in (133, 135, 136, 216, 217):
            with self.subTest(licence=name):
                self.assertTrue(pe_resources.resources(EXE)[("RTF", name)].startswith(b"{\\rtf1"))


if __name__ == "__main__":
    unittest.main(verbosity=1)
