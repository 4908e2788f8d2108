"""Writing, optimising and checking the generated resources."""

import io
import os
import struct
import subprocess

from PIL import Image

from . import catalog

PNG_SIGNATURE = b"\x89PNG\r\n\x1a\n"
COLOUR_TYPES = {2: catalog.RGB, 6: catalog.RGBA}
BUDGET_BYTES = 600 * 1024


class ArtworkError(Exception):
    pass


def png_header(data):
    """(width, height, bit depth, colour type) from the IHDR of PNG bytes."""
    if data[:8] != PNG_SIGNATURE or data[12:16] != b"IHDR":
        raise ArtworkError("not a PNG file")
    w, h, depth, ctype = struct.unpack(">IIBB", data[16:26])
    return w, h, depth, ctype


def png_chunks(data):
    pos = 8
    while pos < len(data):
        (n,) = struct.unpack(">I", data[pos:pos + 4])
        kind = data[pos + 4:pos + 8].decode("latin-1")
        yield kind
        pos += 12 + n


def encode_png(im):
    buf = io.BytesIO()
    # No metadata chunks: the bytes depend on the pixels only.
    im.save(buf, "PNG", optimize=False, compress_level=9)
    return buf.getvalue()


def optimise(path):
    # -nx: no bit depth, colour type or palette reduction, so the kinds
    # (RGB without alpha, RGBA with alpha) stay exactly as written.
    subprocess.run(["optipng", "-quiet", "-o5", "-nx", "-strip", "all", path],
                   check=True)


class Writer:
    def __init__(self, root):
        self.root = root
        self.png_dir = os.path.join(root, "resources", "png")
        self.sizes = {}
        os.makedirs(self.png_dir, exist_ok=True)

    def add(self, image_id, im):
        if image_id in self.sizes:
            raise ArtworkError("%d drawn twice" % image_id)
        kind = im.mode
        if kind not in (catalog.RGB, catalog.RGBA):
            raise ArtworkError("%d: unexpected mode %s" % (image_id, kind))
        problems = catalog.check(image_id, im.width, im.height, kind)
        if problems:
            raise ArtworkError("; ".join(problems))
        path = os.path.join(self.png_dir, "%d.png" % image_id)
        with open(path, "wb") as f:
            f.write(encode_png(im))
        optimise(path)
        with open(path, "rb") as f:
            data = f.read()
        self._verify(image_id, im, data)
        self.sizes[image_id] = len(data)

    def _verify(self, image_id, im, data):
        w, h, depth, ctype = png_header(data)
        kind = COLOUR_TYPES.get(ctype)
        if depth != 8 or kind is None:
            raise ArtworkError("%d: bit depth %d, colour type %d after optimising"
                               % (image_id, depth, ctype))
        problems = catalog.check(image_id, w, h, kind)
        if problems:
            raise ArtworkError("; ".join(problems))
        extra = [c for c in png_chunks(data) if c not in ("IHDR", "IDAT", "IEND")]
        if extra:
            raise ArtworkError("%d: unexpected chunks %s" % (image_id, extra))
        back = Image.open(io.BytesIO(data))
        back.load()
        if back.mode != im.mode or back.tobytes() != im.tobytes():
            raise ArtworkError("%d: pixels changed by optimising" % image_id)

    def finish(self):
        expected = catalog.all_ids()
        missing = sorted(set(expected) - set(self.sizes))
        if missing:
            raise ArtworkError("not drawn: %s" % missing)
        # Remove files of ids that are no longer part of the guide.
        for name in sorted(os.listdir(self.png_dir)):
            stem, ext = os.path.splitext(name)
            if ext == ".png" and (not stem.isdigit() or int(stem) not in self.sizes):
                os.remove(os.path.join(self.png_dir, name))
        lines = ['%d PNG "png/%d.png"\n' % (i, i) for i in expected]
        with open(os.path.join(self.root, "resources", "png.rc"), "w",
                  encoding="ascii", newline="\n") as f:
            f.writelines(lines)
        total = sum(self.sizes.values())
        if total > BUDGET_BYTES:
            raise ArtworkError("PNG resources take %d bytes, budget is %d"
                               % (total, BUDGET_BYTES))
        return total


# ------------------------------------------------------------------- icon

def _png_bytes(im):
    return encode_png(im)


def _dib_bytes(im):
    """32-bit BGRA device-independent bitmap with AND mask, as icons hold."""
    w, h = im.size
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    px = im.tobytes()
    rows = []
    for y in range(h - 1, -1, -1):
        row = bytearray()
        for x in range(w):
            r, g, b, a = px[(y * w + x) * 4:(y * w + x) * 4 + 4]
            row += bytes((b, g, r, a))
        rows.append(bytes(row))
    stride = ((w + 31) // 32) * 4
    and_rows = []
    alpha = im.getchannel("A").tobytes()
    for y in range(h - 1, -1, -1):
        bits = bytearray(stride)
        for x in range(w):
            if alpha[y * w + x] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        and_rows.append(bytes(bits))
    return header + b"".join(rows) + b"".join(and_rows)


def write_icon(path, images):
    """Windows icon file from RGBA images; 256 is stored as PNG."""
    entries = []
    for im in sorted(images, key=lambda i: i.width):
        if im.mode != "RGBA" or im.width != im.height:
            raise ArtworkError("icon images must be square RGBA")
        blob = _png_bytes(im) if im.width >= 256 else _dib_bytes(im)
        entries.append((im.width, blob))
    out = bytearray(struct.pack("<HHH", 0, 1, len(entries)))
    offset = 6 + 16 * len(entries)
    for size, blob in entries:
        dim = 0 if size >= 256 else size
        out += struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    for _, blob in entries:
        out += blob
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(bytes(out))
    check_icon(path, [im.width for im in images])
    return len(out)


def check_icon(path, sizes):
    with open(path, "rb") as f:
        data = f.read()
    reserved, kind, count = struct.unpack("<HHH", data[:6])
    if reserved != 0 or kind != 1 or count != len(sizes):
        raise ArtworkError("icon header wrong")
    found = []
    for n in range(count):
        w, h, _, _, planes, bpp, size, off = struct.unpack(
            "<BBBBHHII", data[6 + 16 * n:22 + 16 * n])
        w = w or 256
        blob = data[off:off + size]
        if len(blob) != size or planes != 1 or bpp != 32:
            raise ArtworkError("icon entry %d broken" % n)
        if blob[:8] == PNG_SIGNATURE:
            pw, ph, _, ctype = png_header(blob)
            if (pw, ph, ctype) != (w, w, 6):
                raise ArtworkError("icon PNG entry %d wrong" % n)
        else:
            (hdr, bw, bh) = struct.unpack("<Iii", blob[:12])
            if hdr != 40 or bw != w or bh != 2 * w:
                raise ArtworkError("icon bitmap entry %d wrong" % n)
        found.append(w)
    if sorted(found) != sorted(sizes):
        raise ArtworkError("icon sizes %s, expected %s" % (found, sizes))
