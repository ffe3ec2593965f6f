#!/usr/bin/env python3
"""Makes the package for Windows users from the bin folder of a Windows build.

make_package.py BIN BITS OUT [SETUP_ACTIONS]

The files of the package are put together in OUT/stage-win<BITS>: zepplay.exe,
zepplayc.exe, Zepcom.dat (the demo runtime), help/ when the build made it, readme.txt
(package/readme.txt in cp932 with CRLF, saying which Windows it is for) and LICENSE.txt.
From them come OUT/zepplay-<version>-win<BITS>.zip and, given the custom action's DLL,
the installer OUT/zepplay-<version>-win<BITS>.msi. The version is that of zepplay.exe.

With ZEPPLAY_SIGN_CERT and ZEPPLAY_SIGN_KEY naming a PEM certificate (chain) and its
key, both programs are signed before they are packed, and the installer after it is
made; without them the package is unsigned and a line on standard error says so. The
paths made are printed, one a line.
"""
import os
import pathlib
import shutil
import subprocess
import sys
import zipfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_msi  # noqa: E402
import pe_version  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PROGRAMS = ("zepplay.exe", "zepplayc.exe")
RUNTIME = "Zepcom.dat"
SIGNATURE_NAME = "Zephyr Player"


def fail(message):
    sys.exit("make_package: " + message)


def signing_files():
    """The certificate and key to sign with, or None when neither is given."""
    cert, key = os.environ.get("ZEPPLAY_SIGN_CERT", ""), os.environ.get("ZEPPLAY_SIGN_KEY", "")
    if not cert and not key:
        return None
    if not cert or not key:
        fail("ZEPPLAY_SIGN_CERT and ZEPPLAY_SIGN_KEY are given together or not at all")
    for path in (cert, key):
        if not os.path.isfile(path):
            fail("no file %s to sign with" % path)
    return cert, key


def sign(path, signing):
    signed = path + ".signed"
    result = subprocess.run(["osslsigncode", "sign", "-certs", signing[0], "-key", signing[1],
                             "-h", "sha256", "-n", SIGNATURE_NAME, "-in", path, "-out", signed],
                            stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    if result.returncode != 0:
        fail("osslsigncode could not sign %s:\n%s" % (path, result.stdout.decode(errors="replace")))
    os.replace(signed, path)


def text_file(source, target, replacements):
    """A text of the repository as Windows users read it: cp932, CRLF."""
    text = pathlib.Path(source).read_text(encoding="utf-8")
    for name, value in replacements.items():
        text = text.replace(name, value)
    with open(target, "wb") as file:
        file.write(text.replace("\n", "\r\n").encode("cp932"))


def stage(bin_dir, bits, version, folder):
    """Puts the package's files into folder and returns their names, in zip order."""
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)
    names = []
    for name in PROGRAMS + (RUNTIME,):
        shutil.copyfile(os.path.join(bin_dir, name), os.path.join(folder, name))
        names.append(name)
    help_dir = os.path.join(bin_dir, "help")
    if os.path.isdir(help_dir):
        os.makedirs(os.path.join(folder, "help"))
        for name in sorted(os.listdir(help_dir)):
            shutil.copyfile(os.path.join(help_dir, name), os.path.join(folder, "help", name))
            names.append("help/" + name)
    text_file(os.path.join(ROOT, "package", "readme.txt"), os.path.join(folder, "readme.txt"),
              {"@VERSION@": version, "@BITS@": bits})
    text_file(os.path.join(ROOT, "LICENSE"), os.path.join(folder, "LICENSE.txt"), {})
    return names + ["readme.txt", "LICENSE.txt"]


def main(bin_dir, bits, out_dir, setup_actions=None):
    signing = signing_files()
    numbers = pe_version.file_version(os.path.join(bin_dir, "zepplay.exe"))
    if numbers is None:
        fail("zepplay.exe has no version resource")
    version = pe_version.short_version(numbers)
    folder = os.path.join(out_dir, "stage-win" + bits)
    names = stage(bin_dir, bits, version, folder)
    if signing:
        for name in PROGRAMS:
            sign(os.path.join(folder, name), signing)
    base = os.path.join(out_dir, "zepplay-%s-win%s" % (version, bits))
    with zipfile.ZipFile(base + ".zip", "w", zipfile.ZIP_DEFLATED) as archive:
        for name in names:
            archive.write(os.path.join(folder, name), name)
    print(base + ".zip")
    if setup_actions:
        make_msi.build(folder, version, setup_actions, base + ".msi")
        if signing:
            sign(base + ".msi", signing)
        print(base + ".msi")
    if not signing:
        print("make_package: unsigned (set ZEPPLAY_SIGN_CERT and ZEPPLAY_SIGN_KEY to sign)", file=sys.stderr)


if __name__ == "__main__":
    if len(sys.argv) not in (4, 5):
        sys.exit(__doc__)
    main(*sys.argv[1:])
