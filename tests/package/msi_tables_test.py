#!/usr/bin/env python3
"""The installer's tables, read byte for byte from the MSI file, against the zip made
beside it.

msi_tables_test.py PACKAGE_FOLDER   checks the one zepplay-*-win64.msi and .zip there
"""
import glob
import os
import pathlib
import struct
import subprocess
import sys
import tempfile
import unittest
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "package"))
from msi_database import MsiDatabase, compound_file_streams  # noqa: E402
import pe_version  # noqa: E402

HKCU = 1
SHELL = b"Software\\Classes\\SystemFileAssociations\\.zep\\shell\\"
# The verbs' keys and values as Explorer reads them, in cp932.
VERBS = {
    (SHELL + b"ZepplayConvert", None): "実行ファイルに変換".encode("cp932"),
    (SHELL + b"ZepplayConvert", b"MultiSelectModel"): b"Document",
    (SHELL + b"ZepplayConvert\\command", None): b'"[INSTALLDIR]zepplay.exe" -s "%1"',
    (SHELL + b"ZepplayWizard", None): "Zephyr Player のウィザードで変換".encode("cp932"),
    (SHELL + b"ZepplayWizard", b"MultiSelectModel"): b"Single",
    (SHELL + b"ZepplayWizard\\command", None): b'"[INSTALLDIR]zepplay.exe" "%1"',
}
DOWNGRADE_MESSAGE = ("新しいバージョンの Zephyr Player がすでにインストールされています。"
                     "このバージョンをインストールするには、先にアンインストールして下さい。").encode("cp932")
DESCRIPTION = "ZephyrClick の設定ファイルを実行ファイルに変換します".encode("cp932")
# Folders that exist before any installation.
SYSTEM_FOLDERS = {b"TARGETDIR", b"LocalAppDataFolder", b"ProgramMenuFolder"}

COMPONENT_64BIT, COMPONENT_PERMANENT, COMPONENT_NEVER_OVERWRITE = 256, 16, 128
WORD_COUNT_NO_ELEVATION = 8


def summary(msi_path):
    """The summary's template (PID 7) and word count (PID 15), from its property set."""
    stream = compound_file_streams(pathlib.Path(msi_path).read_bytes())["\x05SummaryInformation"]
    section = struct.unpack_from("<I", stream, 44)[0]
    count = struct.unpack_from("<I", stream, section + 4)[0]
    values = {}
    for index in range(count):
        pid, offset = struct.unpack_from("<II", stream, section + 8 + index * 8)
        kind = struct.unpack_from("<I", stream, section + offset)[0]
        if kind == 30:  # VT_LPSTR: length with the NUL, then the bytes
            length = struct.unpack_from("<I", stream, section + offset + 4)[0]
            values[pid] = stream[section + offset + 8:section + offset + 8 + length].rstrip(b"\0")
        elif kind == 3:  # VT_I4
            values[pid] = struct.unpack_from("<i", stream, section + offset + 4)[0]
    return values.get(7), values.get(15)


class MsiTables(unittest.TestCase):
    folder = None

    @classmethod
    def setUpClass(cls):
        [cls.msi_path] = glob.glob(os.path.join(cls.folder, "zepplay-*-win64.msi"))
        [cls.zip_path] = glob.glob(os.path.join(cls.folder, "zepplay-*-win64.zip"))
        cls.db = MsiDatabase(cls.msi_path)

    def folder_paths(self):
        """Each folder of the Directory table as a path below LocalAppDataFolder."""
        rows = {row["Directory"]: row for row in self.db.rows("Directory")}

        def path(key):
            row = rows[key]
            if key in SYSTEM_FOLDERS:
                return key.decode()
            name = row["DefaultDir"].split(b"|")[-1].decode()
            return path(row["Directory_Parent"]) + "/" + name
        return {key: path(key) for key in rows}

    def test_the_database_code_page_is_932(self):
        self.assertEqual(932, self.db.codepage)

    def test_the_verbs_are_stored_byte_for_byte_and_nothing_else_in_the_registry(self):
        stored = {(row["Key"], row["Name"]): row["Value"] for row in self.db.rows("Registry")}
        self.assertEqual(VERBS, stored)
        self.assertEqual({HKCU}, {row["Root"] for row in self.db.rows("Registry")})

    def test_the_japanese_texts_are_stored_byte_for_byte(self):
        [launch] = self.db.rows("LaunchCondition")
        self.assertEqual((b"NOT WIX_DOWNGRADE_DETECTED", DOWNGRADE_MESSAGE),
                         (launch["Condition"], launch["Description"]))
        [shortcut] = self.db.rows("Shortcut")
        self.assertEqual((b"ProgramMenuFolder", b"Zephyr Player", DESCRIPTION, b"[INSTALLDIR]zepplay.exe"),
                         (shortcut["Directory_"], shortcut["Name"], shortcut["Description"], shortcut["Target"]))
        self.assertEqual(DESCRIPTION, self.db.property("ARPCOMMENTS"))

    def test_the_list_entry_names_product_publisher_and_japanese(self):
        self.assertEqual((b"Zephyr Player", b"Fernwick", b"1041"),
                         (self.db.property("ProductName"), self.db.property("Manufacturer"),
                          self.db.property("ProductLanguage")))

    def test_it_installs_per_user_into_local_programs_without_elevation(self):
        self.assertIsNone(self.db.property("ALLUSERS"))
        self.assertEqual("LocalAppDataFolder/Programs/Zepplay", self.folder_paths()[b"INSTALLDIR"])
        template, word_count = summary(self.msi_path)
        self.assertEqual(b"x64;1041", template)
        self.assertTrue(word_count & WORD_COUNT_NO_ELEVATION)

    def test_every_folder_the_installer_creates_is_removed_on_uninstall(self):
        removed = {row["DirProperty"] for row in self.db.rows("RemoveFile")
                   if row["FileName"] is None and row["InstallMode"] in (2, 3)}
        created = set(self.folder_paths()) - SYSTEM_FOLDERS
        self.assertEqual(created, removed)

    def test_the_files_are_exactly_the_zips(self):
        paths = self.folder_paths()
        folders = {row["Component"]: row["Directory_"] for row in self.db.rows("Component")}
        prefix = paths[b"INSTALLDIR"] + "/"
        listed = {}
        for row in self.db.rows("File"):
            folder = paths[folders[row["Component_"]]]
            name = row["FileName"].split(b"|")[-1].decode()
            listed[(folder + "/" + name)[len(prefix):]] = row["FileSize"]
        archive = zipfile.ZipFile(self.zip_path)
        self.assertEqual({info.filename: info.file_size for info in archive.infolist()}, listed)
        with tempfile.TemporaryDirectory() as unpacked:
            subprocess.run(["msiextract", "-C", unpacked, self.msi_path], check=True, stdout=subprocess.DEVNULL)
            root = os.path.join(unpacked, *paths[b"INSTALLDIR"].split("/")[1:])
            for name in listed:
                with self.subTest(name=name):
                    self.assertEqual(archive.read(name), pathlib.Path(os.path.join(root, name)).read_bytes())

    def test_the_version_is_zepplay_exes(self):
        with tempfile.TemporaryDirectory() as unpacked:
            zipfile.ZipFile(self.zip_path).extract("zepplay.exe", unpacked)
            numbers = pe_version.file_version(os.path.join(unpacked, "zepplay.exe"))
        self.assertEqual(pe_version.short_version(numbers).encode(), self.db.property("ProductVersion"))
        versions = {row["File"]: row["Version"] for row in self.db.rows("File")}
        self.assertEqual(".".join(map(str, numbers)).encode(), versions[b"zepplay.exe"])
        self.assertIn(b"zepplay-%s-win64" % self.db.property("ProductVersion"), os.path.basename(self.msi_path).encode())

    def test_every_component_is_64_bit(self):
        for row in self.db.rows("Component"):
            with self.subTest(component=row["Component"]):
                self.assertTrue(row["Attributes"] & COMPONENT_64BIT)

    def test_the_demo_runtime_is_kept_unless_it_is_the_demo(self):
        components = {row["Component"]: row for row in self.db.rows("Component")}
        files = {row["File"]: row for row in self.db.rows("File")}
        demo = components[files[b"Zepcom.dat"]["Component_"]]
        self.assertEqual(b"Zepcom.dat", demo["KeyPath"])
        self.assertEqual(COMPONENT_PERMANENT | COMPONENT_NEVER_OVERWRITE,
                         demo["Attributes"] & (COMPONENT_PERMANENT | COMPONENT_NEVER_OVERWRITE))
        removals = [(row["FileName"], row["DirProperty"], row["InstallMode"]) for row in self.db.rows("RemoveFile")
                    if row["FileName"] is not None]
        self.assertEqual([(b"Zepcom.dat", b"DEMORUNTIMEFOLDER", 2)], removals)
        sequence = {row["Action"]: row for row in self.db.rows("InstallExecuteSequence")}
        check = sequence[b"FindDemoRuntime"]
        self.assertEqual(b'REMOVE~="ALL"', check["Condition"])
        self.assertLess(sequence[b"CostFinalize"]["Sequence"], check["Sequence"])
        self.assertLess(check["Sequence"], sequence[b"RemoveFiles"]["Sequence"])
        self.assertEqual(zipfile.ZipFile(self.zip_path).read("Zepcom.dat"),
                         pathlib.Path(os.path.join(self.folder, "stage-win64", "Zepcom.dat")).read_bytes())

    def test_a_newer_version_replaces_it_and_an_older_one_is_refused(self):
        upgrade_code = self.db.property("UpgradeCode")
        rows = {row["ActionProperty"]: row for row in self.db.rows("Upgrade")}
        version = self.db.property("ProductVersion")
        self.assertEqual((upgrade_code, None, version), (rows[b"WIX_UPGRADE_DETECTED"]["UpgradeCode"],
                         rows[b"WIX_UPGRADE_DETECTED"]["VersionMin"], rows[b"WIX_UPGRADE_DETECTED"]["VersionMax"]))
        self.assertEqual((upgrade_code, version, None), (rows[b"WIX_DOWNGRADE_DETECTED"]["UpgradeCode"],
                         rows[b"WIX_DOWNGRADE_DETECTED"]["VersionMin"], rows[b"WIX_DOWNGRADE_DETECTED"]["VersionMax"]))
        sequence = {row["Action"] for row in self.db.rows("InstallExecuteSequence")}
        self.assertIn(b"RemoveExistingProducts", sequence)


if __name__ == "__main__":
    MsiTables.folder = sys.argv.pop(1)
    unittest.main(verbosity=2)
