#!/usr/bin/env python3
"""Prints what a Windows shortcut (.lnk) points to, one "field<TAB>value" line each:
target (the program it starts), icon (file,index), workdir and description. Wine has no
command that reads a shortcut back, and its own start command does not wait for a
shortcut's program, so the installer's test reads the file itself.
Usage: shortcut-fields.py FILE.lnk"""
import struct
import sys

HAS_TARGET_ID_LIST = 0x01
HAS_LINK_INFO = 0x02
IS_UNICODE = 0x80
# The optional strings that follow the link info, in the order they are stored.
STRING_FLAGS = [(0x04, "description"), (0x08, "relative_path"), (0x10, "workdir"),
                (0x20, "arguments"), (0x40, "icon_file")]
LOCAL_BASE_PATH = 0x01


def c_string(data, offset, wide):
    if wide:
        return data[offset:].decode("utf-16-le", errors="replace").split("\0", 1)[0]
    # The ANSI copy's code page is the creating system's; only plain paths are read from it.
    return data[offset:data.index(b"\0", offset)].decode("latin-1")


def read_fields(data):
    header_size, = struct.unpack_from("<I", data, 0)
    if header_size != 0x4C:
        raise ValueError("not a shortcut: header size %#x" % header_size)
    flags, = struct.unpack_from("<I", data, 20)
    icon_index, = struct.unpack_from("<i", data, 56)
    fields = {}
    pos = header_size
    if flags & HAS_TARGET_ID_LIST:
        id_list_size, = struct.unpack_from("<H", data, pos)
        pos += 2 + id_list_size
    if flags & HAS_LINK_INFO:
        info_size, info_header_size, info_flags, _, base_offset = struct.unpack_from("<5I", data, pos)
        if info_flags & LOCAL_BASE_PATH:
            if info_header_size >= 0x24:
                wide_offset, = struct.unpack_from("<I", data, pos + 28)
                fields["target"] = c_string(data, pos + wide_offset, True)
            else:
                fields["target"] = c_string(data, pos + base_offset, False)
        pos += info_size
    for flag, name in STRING_FLAGS:
        if flags & flag:
            count, = struct.unpack_from("<H", data, pos)
            pos += 2
            size = count * 2 if flags & IS_UNICODE else count
            raw = data[pos:pos + size]
            # Wine counts the closing NUL into the length; Windows does not.
            fields[name] = raw.decode("utf-16-le" if flags & IS_UNICODE else "latin-1").rstrip("\0")
            pos += size
    if "icon_file" in fields:
        fields["icon"] = "%s,%d" % (fields.pop("icon_file"), icon_index)
    return fields


def main():
    with open(sys.argv[1], "rb") as shortcut:
        fields = read_fields(shortcut.read())
    for name in ("target", "icon", "workdir", "description"):
        if name in fields:
            print("%s\t%s" % (name, fields[name]))


if __name__ == "__main__":
    main()
