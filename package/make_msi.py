#!/usr/bin/env python3
"""Builds the installer package/zepplay.wxs describes, with wixl and msibuild.

make_msi.py STAGE VERSION SETUP_ACTIONS OUTPUT.msi

STAGE holds the files of the win64 zip, VERSION is zepplay.exe's, SETUP_ACTIONS is the
custom action's DLL (ZepplaySetup.dll). wixl 0.101 leaves gaps that are filled in its
tables afterwards:

- It stores table strings in code page 1252 and cannot hold Japanese. Every attribute
  value with a character outside ASCII is handed to it as a token, and the token is
  replaced by the text afterwards in a database whose code page is made 932 (wixl
  leaves it at 0; importing a _ForceCodepage table sets it).
- It has no attributes for a Permanent or NeverOverwrite component, no element for a
  RemoveFile row that names a property, and reads no file versions.
- It writes the summary's template with language 1033.
"""
import hashlib
import os
import pathlib
import re
import subprocess
import sys
import tempfile
import uuid

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import pe_version  # noqa: E402

WXS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "zepplay.wxs")
LANGUAGE = "1041"
CODEPAGE = "932"

# msidbComponentAttributes64bit | Permanent | NeverOverwrite: the Zepcom.dat in the
# install folder, demo or the user's own, is never installed over and never removed
# with its component; the row below removes the demo only.
DEMO_RUNTIME_ATTRIBUTES = 256 | 16 | 128
# The RemoveFile row of the component Programs that removes the demo runtime on
# uninstall, from the folder FindDemoRuntime names: none when it is the user's.
REMOVE_DEMO_RUNTIME = (
    "INSERT INTO `RemoveFile` (`FileKey`, `Component_`, `FileName`, `DirProperty`, `InstallMode`) "
    "VALUES ('RemoveDemoRuntime', 'Programs', 'Zepcom.dat', 'DEMORUNTIMEFOLDER', 2)")


def run(arguments, cwd=None):
    result = subprocess.run(arguments, cwd=cwd, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
    if result.returncode != 0:
        sys.exit("make_msi: %s failed:\n%s" % (" ".join(arguments), result.stderr.decode(errors="replace")))
    return result.stdout


def tokenize(source):
    """The source with each non-ASCII attribute value replaced by a token, and the
    tokens' texts."""
    texts = {}

    def replace(match):
        token = "ZEPTEXT%02d" % len(texts)
        texts[token] = match.group(1)
        return '"%s"' % token

    return re.sub(r'"([^"<>]*[^\x00-\x7f][^"<>]*)"', replace, source), texts


def table_names(msi):
    return [name for name in run(["msiinfo", "tables", msi]).decode().split() if name]


def export(msi, table, work):
    """The table as text; the streams of a Binary or Icon table go into files in work."""
    return run(["msiinfo", "export", os.path.abspath(msi), table], cwd=work)


def put_texts(msi, texts, work):
    """Replaces every token in the tables by its text (msibuild reads UTF-8 and stores
    it in the database's code page)."""
    with open(os.path.join(work, "_ForceCodepage.idt"), "wb") as table:
        table.write(b"\r\n\r\n" + CODEPAGE.encode() + b"\t_ForceCodepage\r\n")
    imports = ["-i", "_ForceCodepage.idt"]
    for table in table_names(msi):
        if table.startswith("_"):
            continue
        rows = export(msi, table, work)
        changed = rows
        for token, text in texts.items():
            changed = changed.replace(token.encode(), text.encode("utf-8"))
        if changed != rows:
            with open(os.path.join(work, table + ".idt"), "wb") as idt:
                idt.write(changed)
            imports += ["-i", table + ".idt"]
    run(["msibuild", os.path.abspath(msi)] + imports, cwd=work)
    for table in table_names(msi):
        if not table.startswith("_"):
            rows = export(msi, table, work)
            left = [token for token in texts if token.encode() in rows]
            if left:
                sys.exit("make_msi: %s still holds %s" % (table, ", ".join(left)))


def file_versions(stage):
    """SQL that gives every program of the package its file version and language."""
    queries = []
    for name in sorted(os.listdir(stage)):
        path = os.path.join(stage, name)
        numbers = pe_version.file_version(path) if os.path.isfile(path) else None
        if numbers:
            queries.append("UPDATE `File` SET `Version` = '%s', `Language` = '%s' WHERE `File` = '%s'"
                           % (".".join(map(str, numbers)), LANGUAGE, name))
    return queries


def build(stage, version, setup_actions, output):
    source = pathlib.Path(WXS).read_text(encoding="utf-8")
    upgrade_code = re.search(r'UpgradeCode="([0-9A-F-]+)"', source).group(1)
    # One product code per version: a rebuild of a version is the same product.
    product_code = str(uuid.uuid5(uuid.UUID(upgrade_code), "win64-" + version)).upper()
    demo_md5 = hashlib.md5(pathlib.Path(stage, "Zepcom.dat").read_bytes()).hexdigest()
    tokenized, texts = tokenize(source)
    output = os.path.abspath(output)
    if os.path.exists(output):
        os.remove(output)
    with tempfile.TemporaryDirectory() as work:
        with open(os.path.join(work, "zepplay.wxs"), "w", encoding="ascii") as wxs:
            wxs.write(tokenized)
        # wixl takes source paths relative to the folder it runs in.
        definitions = {
            "Version": version,
            "ProductCode": product_code,
            "Stage": os.path.relpath(stage, work),
            "SetupActions": os.path.relpath(setup_actions, work),
            "DemoRuntimeMd5": demo_md5,
        }
        arguments = ["wixl", "-a", "x64", "-o", output]
        for name, value in definitions.items():
            arguments += ["-D", "%s=%s" % (name, value)]
        run(arguments + ["zepplay.wxs"], cwd=work)
        put_texts(output, texts, work)
    queries = ["UPDATE `Component` SET `Attributes` = %d WHERE `Component` = 'DemoRuntime'"
               % DEMO_RUNTIME_ATTRIBUTES]
    queries.append(REMOVE_DEMO_RUNTIME)
    queries += file_versions(stage)
    for query in queries:
        run(["msibuild", output, "-q", query])
    run(["msibuild", output, "-s", "Zephyr Player", "Fernwick", "x64;" + LANGUAGE])
    return output


if __name__ == "__main__":
    if len(sys.argv) != 5:
        sys.exit(__doc__)
    print(build(*sys.argv[1:]))
