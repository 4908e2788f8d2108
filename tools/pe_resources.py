"""Reads the resource tree of a Windows PE file (32- or 64-bit).

resources(path) -> {(type, name): bytes} with type and name as int ids or
str names (first language of each entry). Used by the resource checks.
"""
import struct


def _sections(data):
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    if data[pe:pe + 4] != b"PE\0\0":
        raise ValueError("not a PE file")
    machine, count = struct.unpack_from("<HH", data, pe + 4)
    optional_size = struct.unpack_from("<H", data, pe + 20)[0]
    optional = pe + 24
    magic = struct.unpack_from("<H", data, optional)[0]
    directories = optional + (96 if magic == 0x10B else 112)
    resource_rva, _ = struct.unpack_from("<II", data, directories + 2 * 8)
    sections = []
    table = optional + optional_size
    for i in range(count):
        base = table + 40 * i
        virtual_size, virtual_address, raw_size, raw_pointer = struct.unpack_from("<IIII", data, base + 8)
        sections.append((virtual_address, max(virtual_size, raw_size), raw_pointer))
    return machine, resource_rva, sections


def machine(path):
    with open(path, "rb") as f:
        return _sections(f.read())[0]


def resources(path):
    with open(path, "rb") as f:
        data = f.read()
    _, root_rva, sections = _sections(data)

    def offset(rva):
        for address, size, raw in sections:
            if address <= rva < address + size:
                return raw + rva - address
        raise ValueError("address outside the sections")

    root = offset(root_rva)

    def name_of(entry_name):
        if entry_name & 0x80000000:
            at = root + (entry_name & 0x7FFFFFFF)
            length = struct.unpack_from("<H", data, at)[0]
            return data[at + 2:at + 2 + 2 * length].decode("utf-16-le")
        return entry_name

    def entries(directory):
        named, ids = struct.unpack_from("<HH", data, directory + 12)
        for i in range(named + ids):
            name, target = struct.unpack_from("<II", data, directory + 16 + 8 * i)
            yield name_of(name), target

    found = {}
    for type_name, type_target in entries(root):
        for res_name, name_target in entries(root + (type_target & 0x7FFFFFFF)):
            languages = list(entries(root + (name_target & 0x7FFFFFFF)))
            leaf = root + languages[0][1]
            data_rva, size = struct.unpack_from("<II", data, leaf)
            start = offset(data_rva)
            found[(type_name, res_name)] = data[start:start + size]
    return found
