#!/usr/bin/env python3
"""The installer under Wine, from a fresh prefix of its own to its uninstall.

install_cycle_test.py BUILD PACKAGE_FOLDER SETUP_ACTIONS

Installs the zepplay-*-win64.msi of PACKAGE_FOLDER into BUILD/wineprefix-msi and looks
at the files, the registry values and the Start menu entry; runs the Explorer verbs'
commands as read back from the registry on settings files in a folder named with 表
and a space, ten conversions at once; lets the wizard write its options; upgrades to a
newer package made from the same files, repairs, tries the older package again (it is
refused) and uninstalls, with a Zepcom.dat of the user's own in the install folder;
then installs and uninstalls once more with the demo runtime. Every difference between
the prefix before and after that is not Windows Installer's own bookkeeping fails.
Needs an X display (the programs make windows); without one it reports 77, skipped.
"""
import glob
import os
import pathlib
import shutil
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "package"))
import make_msi  # noqa: E402
import pe_version  # noqa: E402
from prefix_snapshot import PrefixSnapshot  # noqa: E402

ROOT = pathlib.Path(__file__).resolve().parents[2]
# Wine's menu builder would copy the Start menu entry into the desktop's menus of this
# machine, outside the prefix.
os.environ["WINEDLLOVERRIDES"] = "winemenubuilder.exe=d"
WINE_RUN = str(ROOT / "cmake" / "wine-run.sh")
SHELL_KEY = "HKEY_CURRENT_USER\\Software\\Classes\\SystemFileAssociations\\.zep\\shell"
OPTIONS_KEY = "HKEY_CURRENT_USER\\Software\\Fernwick\\Zepplay"
UNINSTALL_KEYS = ("HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall",
                  "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall")
INSTALL_FAILURE = 1603 % 256  # exit codes reach Linux modulo 256
RUNS_AT_ONCE = 10

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
        print("FAILED: " + message, flush=True)
    return condition


def windows_path(path):
    return "Z:" + str(pathlib.Path(path).resolve()).replace("/", "\\")


class Prefix:
    def __init__(self, path):
        self.path = pathlib.Path(path)

    def run(self, *arguments):
        return self.output(*arguments)[0]

    def output(self, *arguments):
        """The exit code and standard output of a program run in the prefix."""
        result = subprocess.run([WINE_RUN, str(self.path)] + list(arguments), stdin=subprocess.DEVNULL,
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        return result.returncode, result.stdout

    def start(self, *arguments):
        return subprocess.Popen([WINE_RUN, str(self.path)] + list(arguments), stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def make_fresh(self):
        if self.path.exists():
            self.run("--stop")
            shutil.rmtree(self.path)
        self.run("--start")

    def run_batch(self, folder, name, command_line):
        """Runs a command line from a cp932 batch file, as the shell starts a verb's
        command: a quoted command line passed to cmd /c directly loses its quotes."""
        batch = pathlib.Path(folder) / name
        batch.write_bytes(("@" + command_line + "\r\n").encode("cp932"))
        return self.start("cmd", "/c", windows_path(batch))

    def registry(self, key, scratch):
        """The values below key as reg export writes them (UTF-16): {key: {name: text}}
        with the texts as UTF-16LE bytes; an absent key gives {}."""
        exported = pathlib.Path(scratch) / "export.reg"
        if exported.exists():
            exported.unlink()
        if self.run("reg", "export", key, windows_path(exported), "/y") != 0:
            return {}
        return parse_registry_export(exported.read_bytes())

    def user_folder(self):
        [folder] = [p for p in (self.path / "drive_c" / "users").iterdir()
                    if p.name != "Public" and (p / "AppData").is_dir()]
        return folder


def parse_registry_export(data):
    text = data.decode("utf-16")
    keys, key, pending = {}, None, ""
    for line in text.splitlines():
        line = pending + line.strip()
        if line.endswith("\\") and not line.endswith("\\\\\""):
            pending = line[:-1]
            continue
        pending = ""
        if line.startswith("[") and line.endswith("]"):
            key = line[1:-1]
            keys[key] = {}
        elif key and "=" in line:
            name, value = split_value(line)
            keys[key][name] = value
    return keys


def split_value(line):
    """A line of an export: @="text", "name"="text" or "name"=dword:..., the texts
    unescaped and as UTF-16LE bytes, the rest as written."""
    if line.startswith("@="):
        name, rest = None, line[2:]
    else:
        end = 1
        while line[end] != '"':
            end += 2 if line[end] == "\\" else 1
        name, rest = unescape(line[1:end]), line[end + 2:]
    if rest.startswith('"'):
        return name, unescape(rest[1:-1]).encode("utf-16-le")
    return name, rest


def unescape(text):
    return text.replace('\\"', '"').replace("\\\\", "\\")


def list_entries(prefix, scratch):
    entries = []
    for key in UNINSTALL_KEYS:
        for values in prefix.registry(key, scratch).values():
            if values.get("DisplayName") == "Zephyr Player".encode("utf-16-le"):
                entries.append(values)
    return entries


def content(path):
    return path.read_bytes() if path.is_file() else None


def utf16(text):
    return text.encode("utf-16-le")


def timed(label, action):
    start = time.monotonic()
    result = action()
    print("%-32s %5.1f s" % (label, time.monotonic() - start), flush=True)
    return result


def newer_version(version):
    major, minor = version.split(".")[:2]
    return "%s.%d" % (major, int(minor) + 1)


def main(build, package, setup_actions):
    if not os.environ.get("DISPLAY"):
        print("install cycle skipped: no X display")
        return 77
    [msi] = glob.glob(os.path.join(package, "zepplay-*-win64.msi"))
    stage = pathlib.Path(package) / "stage-win64"
    version = pe_version.short_version(pe_version.file_version(stage / "zepplay.exe"))
    scratch = pathlib.Path(package) / "cycle"
    shutil.rmtree(scratch, ignore_errors=True)
    settings_folder = scratch / "表 フォルダ"
    settings_folder.mkdir(parents=True)
    newer = timed("newer package made", lambda: make_msi.build(
        str(stage), newer_version(version), setup_actions, str(scratch / "newer.msi")))

    prefix = Prefix(pathlib.Path(build) / "wineprefix-msi")
    timed("fresh prefix", prefix.make_fresh)
    fresh = PrefixSnapshot(prefix.path)
    cycle_start = time.monotonic()

    check(timed("install", lambda: prefix.run("msiexec", "/i", windows_path(msi), "/qn")) == 0,
          "the package installs")
    user = prefix.user_folder()
    install_folder = user / "AppData" / "Local" / "Programs" / "Zepplay"
    installed = "C:\\users\\%s\\AppData\\Local\\Programs\\Zepplay\\" % user.name
    staged = sorted(str(p.relative_to(stage)) for p in stage.rglob("*") if p.is_file())
    check(staged == sorted(str(p.relative_to(install_folder)) for p in install_folder.rglob("*") if p.is_file()),
          "the install folder holds the package's files")
    for name in staged:
        check((stage / name).read_bytes() == (install_folder / name).read_bytes(), "%s installed as packed" % name)
    entry = user / "AppData" / "Roaming" / "Microsoft" / "Windows" / "Start Menu" / "Programs" / "Zephyr Player.lnk"
    check(entry.is_file() and (installed + "zepplay.exe").encode() in entry.read_bytes(),
          "the Start menu entry starts the installed zepplay.exe")

    verbs = prefix.registry(SHELL_KEY, scratch)
    convert_command = utf16('"%szepplay.exe" -s "%%1"' % installed)
    wizard_command = utf16('"%szepplay.exe" "%%1"' % installed)
    expected_verbs = {
        SHELL_KEY: {},
        SHELL_KEY + "\\ZepplayConvert": {None: utf16("実行ファイルに変換"), "MultiSelectModel": utf16("Document")},
        SHELL_KEY + "\\ZepplayConvert\\command": {None: convert_command},
        SHELL_KEY + "\\ZepplayWizard": {None: utf16("Zephyr Player のウィザードで変換"), "MultiSelectModel": utf16("Single")},
        SHELL_KEY + "\\ZepplayWizard\\command": {None: wizard_command},
    }
    check(expected_verbs == verbs, "the verbs' registry values: %r" % verbs)
    after_install = PrefixSnapshot(prefix.path).changes_since(fresh)
    check(not after_install.beyond(installer_additions(user)),
          "the install adds nothing but its files, verbs and list entry: %s" % after_install.beyond(installer_additions(user)))

    entries = list_entries(prefix, scratch)
    check(len(entries) == 1 and entries[0].get("DisplayVersion") == utf16(version)
          and entries[0].get("Publisher") == utf16("Fernwick") and entries[0].get("Language") == "dword:00000411",
          "one list entry with version, publisher and language: %r" % entries)

    # The conversion verb on one file, then on ten at once, each command as Explorer
    # would run it.
    command = verbs.get(SHELL_KEY + "\\ZepplayConvert\\command", {}).get(None, b"").decode("utf-16-le")
    sample = (ROOT / "examples" / "sample.zep").read_bytes()
    settings = [settings_folder / ("macro %d.zep" % run) for run in range(RUNS_AT_ONCE + 1)]
    for path in settings:
        path.write_bytes(sample)

    def convert(paths):
        runs = [prefix.run_batch(scratch, "convert%d.bat" % n, command.replace("%1", windows_path(p)))
                for n, p in enumerate(paths)]
        return [run.wait() for run in runs]

    check(timed("one conversion by the verb", lambda: convert(settings[:1])) == [0], "the verb converts a file")
    made = settings[0].with_suffix(".exe")
    runtime = (pathlib.Path(build) / "bin" / "demo_player.exe").read_bytes()
    check(made.is_file() and made.read_bytes().startswith(runtime) and made.read_bytes().endswith(sample[-20:]),
          "the executable is the demo player followed by the settings file")
    played = timed("the executable made runs", lambda: prefix.output(windows_path(made)))
    check(played[0] == 0 and b"lines: " in played[1], "the demo player finds the settings file behind it: %r" % (played,))
    codes = timed("%d conversions at once" % RUNS_AT_ONCE, lambda: convert(settings[1:]))
    check(codes == [0] * RUNS_AT_ONCE, "ten conversions at once all succeed: %r" % codes)
    check(all(p.with_suffix(".exe").is_file() for p in settings[1:]), "ten conversions at once make ten executables")

    # The wizard verb opens the window on the file; closing it writes the options.
    wizard_verb = verbs.get(SHELL_KEY + "\\ZepplayWizard\\command", {}).get(None, b"").decode("utf-16-le")
    wizard = prefix.run_batch(scratch, "wizard.bat", wizard_verb.replace("%1", windows_path(settings[0])))
    check(close_wizard(wizard), "the wizard verb opens the wizard, which closes with code 0")
    options = prefix.registry(OPTIONS_KEY, scratch)
    check(len(options.get(OPTIONS_KEY + "\\Form", {})) == 7, "the wizard wrote its seven options: %r" % options)

    # A Zepcom.dat of the user's own in place of the demo.
    own_runtime = b"the user's own runtime"
    (install_folder / "Zepcom.dat").write_bytes(own_runtime)
    check(timed("upgrade", lambda: prefix.run("msiexec", "/i", windows_path(newer), "/qn")) == 0,
          "the newer package installs over the older")
    entries = list_entries(prefix, scratch)
    check([e.get("DisplayVersion") for e in entries] == [utf16(newer_version(version))],
          "after the upgrade one list entry, of the newer version: %r" % entries)
    check(prefix.registry(OPTIONS_KEY, scratch) == options, "the upgrade keeps the options")
    check(timed("repair", lambda: prefix.run("msiexec", "/i", windows_path(newer), "REINSTALL=ALL",
                                              "REINSTALLMODE=amus", "/qn")) == 0, "the repair runs")
    check(timed("downgrade", lambda: prefix.run("msiexec", "/i", windows_path(msi), "/qn")) == INSTALL_FAILURE,
          "the older package is refused over the newer")
    check([e.get("DisplayVersion") for e in list_entries(prefix, scratch)] == [utf16(newer_version(version))],
          "the refused downgrade leaves the newer version")
    check(content(install_folder / "Zepcom.dat") == own_runtime,
          "upgrade, repair and refused downgrade keep the user's Zepcom.dat")
    check(timed("uninstall", lambda: prefix.run("msiexec", "/x", windows_path(newer), "/qn")) == 0, "the uninstall runs")
    check(content(install_folder / "Zepcom.dat") == own_runtime, "the uninstall keeps the user's Zepcom.dat")
    check(prefix.registry(OPTIONS_KEY, scratch) == options, "the uninstall keeps the options")
    left = PrefixSnapshot(prefix.path).changes_since(fresh)
    users = user_data(user)
    check(not left.beyond(users), "after the uninstall only the user's own data is left: %s" % left.beyond(users))

    # What is the user's goes (zepplay.exe made the maker's key for its options), and a
    # cycle with the demo runtime leaves nothing behind.
    prefix.run("reg", "delete", OPTIONS_KEY.rsplit("\\", 1)[0], "/f")
    shutil.rmtree(install_folder.parent, ignore_errors=True)
    check(prefix.run("msiexec", "/i", windows_path(msi), "/qn") == 0, "the package installs again")
    check(prefix.run("msiexec", "/x", windows_path(msi), "/qn") == 0, "and uninstalls again")
    left = PrefixSnapshot(prefix.path).changes_since(fresh)
    check(not left.beyond(set()), "the prefix is as fresh but for Windows Installer's bookkeeping: %s" % left.beyond(set()))
    print("%-32s %5.1f s" % ("whole cycle", time.monotonic() - cycle_start))
    prefix.run("--stop")
    print("%d checks failed" % len(failures) if failures else "install cycle passed")
    return 1 if failures else 0


def close_wizard(process):
    """Waits for the wizard's window, closes it with Alt+F4 and waits for the end."""
    caption = "Zephyr Player\u3000v"
    deadline = time.monotonic() + 30
    window = None
    while window is None and time.monotonic() < deadline and process.poll() is None:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", caption],
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL).stdout.split()
        window = found[0].decode() if found else None
        time.sleep(0.2)
    if window is None:
        process.kill()
        return False
    subprocess.run(["xdotool", "key", "--window", window, "alt+F4"], stderr=subprocess.DEVNULL)
    try:
        return process.wait(timeout=30) == 0
    except subprocess.TimeoutExpired:
        process.kill()
        return False


def installer_additions(user):
    """What the installer itself adds to a prefix (beside Windows Installer's own)."""
    local = "drive_c/users/%s/AppData/Local/Programs" % user.name
    start_menu = "drive_c/users/%s/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Zephyr Player.lnk" % user.name
    return {local, start_menu, "HKCU:Software\\Classes\\SystemFileAssociations",
            "HKLM:Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall"}


def user_data(user):
    """What stays after an uninstall because the user made it: the options and a
    Zepcom.dat of the user's own, with the folders that hold it."""
    return {"drive_c/users/%s/AppData/Local/Programs" % user.name, "HKCU:Software\\Fernwick"}


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
