#!/usr/bin/env python3
"""The version in a Windows program's version resource.

pe_version.py PROGRAM prints it as the package names it: major.minor, with the build
and revision numbers only when they are not 0 (6.10.0.0 is "6.10").
"""
import pathlib
import struct
import sys

# VS_FIXEDFILEINFO starts with its signature; the file version follows the structure
# version: major.minor in the high word pair, build.revision in the low one.
_SIGNATURE = struct.pack("<I", 0xFEEF04BD)


def file_version(path):
    """The four numbers of the file version, or None for a file without one."""
    image = pathlib.Path(path).read_bytes()
    if not image.startswith(b"MZ"):
        return None
    info = image.find(_SIGNATURE)
    if info < 0:
        return None
    high, low = struct.unpack_from("<II", image, info + 8)
    return (high >> 16, high & 0xFFFF, low >> 16, low & 0xFFFF)


def short_version(numbers):
    parts = list(numbers)
    while len(parts) > 2 and parts[-1] == 0:
        parts.pop()
    return ".".join(map(str, parts))


if __name__ == "__main__":
    numbers = file_version(sys.argv[1])
    if numbers is None:
        sys.exit("pe_version: %s has no version resource" % sys.argv[1])
    print(short_version(numbers))
