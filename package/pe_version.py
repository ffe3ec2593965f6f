#!/usr/bin/env python3
"""The version in a Windows program's version resource.

pe_version.py PROGRAM prints it as the package names it: major.minor, with the build
and revision numbers only when they are not 0 (6.10.0.0 is "6.10").
"""
import pathlib
import struct
import sys

# The version resource: the key "VS_VERSION_INFO" in UTF-16, then, aligned to 4 bytes,
# VS_FIXEDFILEINFO, which starts with its signature; the file version follows the
# structure version: major.minor in the high word pair, build.revision in the low one.
# The program's own code may hold the key and the signature apart (it writes version
# resources itself): only the two together mark the resource.
_KEY = "VS_VERSION_INFO\0".encode("utf-16-le")
_SIGNATURE = struct.pack("<I", 0xFEEF04BD)


def file_version(path):
    """The four numbers of the file version, or None for a file without one."""
    image = pathlib.Path(path).read_bytes()
    if not image.startswith(b"MZ"):
        return None
    key = image.find(_KEY)
    while key >= 0:
        info = (key + len(_KEY) + 3) & ~3
        if image[info:info + 4] == _SIGNATURE:
            high, low = struct.unpack_from("<II", image, info + 8)
            return (high >> 16, high & 0xFFFF, low >> 16, low & 0xFFFF)
        key = image.find(_KEY, key + 1)
    return None


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
