#!/usr/bin/env python3
"""One string value of a registry key in the files of `reg export` and `reg import` (UTF-16,
"Windows Registry Editor Version 5.00"), for the installer's test, so that values outside ASCII
pass through Wine's reg unchanged and their type is kept.

  registry-value.py get FILE NAME             prints TYPE, a tab and the value, or "absent"
  registry-value.py set FILE KEY NAME TYPE VALUE
                                              writes FILE to import: REG_SZ or REG_EXPAND_SZ
  registry-value.py set FILE KEY NAME absent  writes FILE that removes the value
"""
import re
import sys

HEADER = "Windows Registry Editor Version 5.00"


def read(path, name):
    with open(path, encoding="utf-16") as file:
        text = file.read()
    # A hex value may go on over lines that end in a backslash.
    text = re.sub(r"\\\r?\n\s*", "", text)
    for line in text.splitlines():
        match = re.fullmatch(r'"((?:[^"\\]|\\.)*)"=(.*)', line)
        if not match or match[1].replace("\\\\", "\\").lower() != name.lower():
            continue
        data = match[2]
        if data.startswith('"'):
            return "REG_SZ", re.sub(r"\\(.)", r"\1", data[1:-1])
        if data.startswith("hex(2):"):
            raw = bytes(int(byte, 16) for byte in data[len("hex(2):"):].split(",") if byte)
            return "REG_EXPAND_SZ", raw.decode("utf-16-le").rstrip("\0")
        return "other", data
    return None


def write(path, key, name, kind, value):
    if kind == "absent":
        data = "-"
    elif kind == "REG_SZ":
        data = '"' + value.replace("\\", "\\\\").replace('"', '\\"') + '"'
    elif kind == "REG_EXPAND_SZ":
        data = "hex(2):" + ",".join(f"{byte:02x}" for byte in (value + "\0").encode("utf-16-le"))
    else:
        sys.exit(f"no such type: {kind}")
    with open(path, "w", encoding="utf-16", newline="\r\n") as file:
        file.write(f'{HEADER}\n\n[{key}]\n"{name}"={data}\n')


def main(argv):
    if len(argv) == 4 and argv[1] == "get":
        found = read(argv[2], argv[3])
        print("absent" if found is None else f"{found[0]}\t{found[1]}")
    elif len(argv) in (6, 7) and argv[1] == "set":
        write(argv[2], argv[3], argv[4], argv[5], argv[6] if len(argv) == 7 else "")
    else:
        sys.exit(__doc__)


if __name__ == "__main__":
    main(sys.argv)
