#!/usr/bin/env python3
"""Signing the package: with a certificate this test makes itself, make_package.py
signs both programs (also as they lie in the zip and in the installer) and the
installer, the signatures verify against that certificate, and a changed byte makes
the check fail. Without a certificate the package is unsigned and says so.

signing_test.py BIN WORK SETUP_ACTIONS UNSIGNED_PACKAGE_FOLDER
"""
import glob
import os
import pathlib
import shutil
import subprocess
import sys
import unittest
import zipfile

MAKE_PACKAGE = str(pathlib.Path(__file__).resolve().parents[2] / "package" / "make_package.py")
PROGRAMS = ("zepplay.exe", "zepplayc.exe")


class Signing(unittest.TestCase):
    bin_dir = work = setup_actions = unsigned = None

    @classmethod
    def setUpClass(cls):
        cls.work = pathlib.Path(cls.work)
        shutil.rmtree(cls.work, ignore_errors=True)
        cls.work.mkdir(parents=True)
        cls.cert, cls.key = cls.work / "cert.pem", cls.work / "key.pem"
        subprocess.run(["openssl", "req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2",
                        "-subj", "/CN=Zepplay test signing", "-addext", "extendedKeyUsage=codeSigning",
                        "-keyout", str(cls.key), "-out", str(cls.cert)],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        cls.package = cls.work / "package"
        cls.made = cls.make(cls.package, ZEPPLAY_SIGN_CERT=str(cls.cert), ZEPPLAY_SIGN_KEY=str(cls.key))
        cls.extracted = cls.work / "extracted"

    @classmethod
    def make(cls, folder, **signing):
        environment = {k: v for k, v in os.environ.items() if not k.startswith("ZEPPLAY_SIGN_")}
        environment.update(signing)
        return subprocess.run([sys.executable, MAKE_PACKAGE, cls.bin_dir, "64", str(folder), cls.setup_actions],
                              env=environment, stdout=subprocess.PIPE, stderr=subprocess.PIPE)

    def verifies(self, path):
        return subprocess.run(["osslsigncode", "verify", "-CAfile", str(self.cert), "-in", str(path)],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0

    def test_the_installer_and_the_programs_wherever_they_lie_are_signed(self):
        self.assertEqual(0, self.made.returncode, self.made.stderr)
        self.assertNotIn(b"unsigned", self.made.stderr)
        [msi] = glob.glob(str(self.package / "zepplay-*-win64.msi"))
        [archive] = glob.glob(str(self.package / "zepplay-*-win64.zip"))
        self.assertTrue(self.verifies(msi))
        subprocess.run(["msiextract", "-C", str(self.extracted), msi], check=True, stdout=subprocess.DEVNULL)
        zipfile.ZipFile(archive).extractall(self.extracted / "zip")
        for name in PROGRAMS:
            for copy in glob.glob(str(self.extracted / "**" / name), recursive=True):
                with self.subTest(copy=copy):
                    self.assertTrue(self.verifies(copy))

    def test_a_changed_byte_fails_the_check(self):
        [msi] = glob.glob(str(self.package / "zepplay-*-win64.msi"))
        for signed, anchor in ((self.package / "stage-win64" / "zepplay.exe", b"Zephyr Player"),
                               (pathlib.Path(msi), b"MSCF")):  # the embedded cabinet
            with self.subTest(file=signed.name):
                data = bytearray(signed.read_bytes())
                offset = data.index(anchor) + 64
                data[offset] ^= 0x01
                changed = self.work / ("changed-" + signed.name)
                changed.write_bytes(bytes(data))
                self.assertTrue(self.verifies(signed))
                self.assertFalse(self.verifies(changed))

    def test_without_a_certificate_the_package_is_unsigned_and_says_so(self):
        for name in PROGRAMS:
            self.assertFalse(self.verifies(pathlib.Path(self.unsigned) / "stage-win64" / name))
        unsigned = self.make(self.work / "unsigned")
        self.assertEqual(0, unsigned.returncode)
        self.assertIn(b"unsigned", unsigned.stderr)
        half = self.make(self.work / "half", ZEPPLAY_SIGN_CERT=str(self.cert))
        self.assertNotEqual(0, half.returncode)
        self.assertIn(b"ZEPPLAY_SIGN_KEY", half.stderr)


if __name__ == "__main__":
    Signing.bin_dir, Signing.work, Signing.setup_actions, Signing.unsigned = sys.argv[1:5]
    del sys.argv[1:5]
    unittest.main(verbosity=2)
