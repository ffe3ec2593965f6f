"""Reads the tables of an MSI file as the bytes stored in it, without msitools.

An MSI file is a compound file: the database code page and the strings lie in the
streams _StringPool and _StringData, the column definitions in _Columns, and each
table in a stream of its own whose columns are stored one after the other. Strings
are returned as stored (bytes of the database code page), integers as int, empty
cells as None.
"""
import pathlib
import struct

_END_OF_CHAIN = 0xFFFFFFFE
_STREAM = 2
# Stream names are packed two characters to a UTF-16 unit from this alphabet.
_NAME_CHARACTERS = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz._"
_TABLE_PREFIX = "\u4840"

_STRING, _NULLABLE, _VALID = 0x0800, 0x1000, 0x0100


def _stream_name(name):
    out = ""
    for character in name:
        code = ord(character)
        if 0x3800 <= code < 0x4800:
            code -= 0x3800
            out += _NAME_CHARACTERS[code & 0x3F] + _NAME_CHARACTERS[(code >> 6) & 0x3F]
        elif 0x4800 <= code < 0x4840:
            out += _NAME_CHARACTERS[code - 0x4800]
        else:
            out += character
    return out


def compound_file_streams(data):
    """Every stream of the compound file by its decoded name."""
    if data[:8] != bytes.fromhex("D0CF11E0A1B11AE1"):
        raise ValueError("not a compound file")
    sector_size = 1 << struct.unpack_from("<H", data, 0x1E)[0]
    mini_size = 1 << struct.unpack_from("<H", data, 0x20)[0]
    (fat_count, directory_start, _, cutoff, mini_fat_start, _, difat_start,
     difat_count) = struct.unpack_from("<IIIIIIII", data, 0x2C)

    def sector(number):
        return data[(number + 1) * sector_size:(number + 2) * sector_size]

    fat_sectors = list(struct.unpack_from("<109I", data, 0x4C))
    per_difat = sector_size // 4 - 1
    for _ in range(difat_count):
        entries = struct.unpack("<%dI" % (per_difat + 1), sector(difat_start))
        fat_sectors += entries[:per_difat]
        difat_start = entries[per_difat]
    fat = []
    for number in fat_sectors[:fat_count]:
        fat += struct.unpack("<%dI" % (sector_size // 4), sector(number))

    def chain(start, table):
        while start != _END_OF_CHAIN:
            yield start
            start = table[start]

    def read(start):
        return b"".join(sector(number) for number in chain(start, fat))

    directory = read(directory_start)
    mini_fat_bytes = read(mini_fat_start) if mini_fat_start != _END_OF_CHAIN else b""
    mini_fat = list(struct.unpack("<%dI" % (len(mini_fat_bytes) // 4), mini_fat_bytes))
    root_start = struct.unpack_from("<I", directory, 116)[0]
    mini_stream = read(root_start)
    streams = {}
    for offset in range(0, len(directory), 128):
        length, kind = struct.unpack_from("<HB", directory, offset + 64)
        if kind != _STREAM:
            continue
        name = directory[offset:offset + max(length - 2, 0)].decode("utf-16-le")
        start, size = struct.unpack_from("<II", directory, offset + 116)
        if size < cutoff:
            content = b"".join(mini_stream[n * mini_size:(n + 1) * mini_size] for n in chain(start, mini_fat))
        else:
            content = read(start)
        streams[_stream_name(name)] = content[:size]
    return streams


def _strings(pool, data):
    """The database code page, whether string references take 3 bytes, and the strings
    by id (id 0 is the empty cell)."""
    header = struct.unpack_from("<I", pool, 0)[0]
    words = struct.unpack("<%dH" % (len(pool) // 2), pool)
    strings, string_id, offset, entry = {}, 1, 0, 1
    while entry < len(words) // 2:
        length, references = words[entry * 2], words[entry * 2 + 1]
        if length == 0 and references == 0:
            entry, string_id = entry + 1, string_id + 1
            continue
        if length == 0:  # a string of 64 KB or more takes two entries
            length = (words[entry * 2 + 3] << 16) + words[entry * 2 + 2]
            entry += 2
        else:
            entry += 1
        strings[string_id] = data[offset:offset + length]
        offset += length
        string_id += 1
    return header & 0x7FFFFFFF, bool(header & 0x80000000), strings


class MsiDatabase:
    def __init__(self, path):
        self._streams = compound_file_streams(pathlib.Path(path).read_bytes())
        self.codepage, long_references, self._string_table = _strings(
            self._streams["\u4840_StringPool"], self._streams["\u4840_StringData"])
        self._reference = 3 if long_references else 2
        columns = self._read("_Columns", [_STRING, 2, _STRING, 2])
        self.columns = {}
        for table, number, name, kind in sorted(columns, key=lambda row: (row[0], row[1])):
            self.columns.setdefault(table.decode(), []).append((name.decode(), kind))

    @staticmethod
    def _is_stream(kind):
        return (kind & ~_NULLABLE) == (_STRING | _VALID)

    def _width(self, kind):
        if self._is_stream(kind):
            return 2
        if kind & _STRING:
            return self._reference
        return 2 if (kind & 0xFF) <= 2 else 4

    def _read(self, table, kinds):
        data = self._streams.get(_TABLE_PREFIX + table, b"")
        widths = [self._width(kind) for kind in kinds]
        count = len(data) // sum(widths) if data else 0
        cells, offset = [], 0
        for kind, width in zip(kinds, widths):
            column = []
            for row in range(count):
                raw = int.from_bytes(data[offset + row * width:offset + (row + 1) * width], "little")
                if kind & _STRING and not self._is_stream(kind):
                    column.append(self._string_table.get(raw) if raw else None)
                elif raw == 0:
                    column.append(None)
                else:
                    column.append(raw - (0x8000 if width == 2 else 0x80000000))
            cells.append(column)
            offset += count * width
        return [list(row) for row in zip(*cells)]

    def rows(self, table):
        """The table's rows as dictionaries by column name."""
        names = [name for name, _ in self.columns.get(table, [])]
        kinds = [kind for _, kind in self.columns.get(table, [])]
        return [dict(zip(names, row)) for row in self._read(table, kinds)]

    def property(self, name):
        for row in self.rows("Property"):
            if row["Property"] == name.encode():
                return row["Value"]
        return None
