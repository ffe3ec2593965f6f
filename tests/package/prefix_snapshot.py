"""What a Wine prefix holds, to tell what a run changed in it.

A snapshot stops the prefix's server, so that the registry is on disk, and records the
files and folders under drive_c (size and time of change) and every registry key with
its values (as Wine's .reg files write them). changes_since lists the paths that were
added, removed or changed, files as "drive_c/...", keys as "HKLM:..." and "HKCU:...",
leaving out what Windows Installer keeps for itself and what Wine changes on every
start.
"""
import fnmatch
import os
import pathlib
import subprocess

WINE_RUN = str(pathlib.Path(__file__).resolve().parents[2] / "cmake" / "wine-run.sh")
REGISTRY_FILES = {"system.reg": "HKLM:", "user.reg": "HKCU:"}

# Windows Installer's own bookkeeping: the cached packages, the icons of the list of
# installed programs and its records of products, components and features.
INSTALLER_BOOKKEEPING = (
    "drive_c/windows/Installer",
    "drive_c/users/*/AppData/Roaming/Microsoft/Installer",
    "HKLM:Software\\Microsoft\\Windows\\CurrentVersion\\Installer",
    "HKLM:Software\\Classes\\Installer",
    "HKCU:Software\\Microsoft\\Installer",
)
# Wine's own: the display adapters and monitors it notes at every start on an X display.
WINE_STATE = (
    "HKLM:System\\CurrentControlSet\\Control\\Class\\{4D36E968-E325-11CE-BFC1-08002BE10318}",
    "HKLM:System\\CurrentControlSet\\Control\\Class\\{4D36E96E-E325-11CE-BFC1-08002BE10318}",
)


def _under(path, patterns):
    """True when path is one of the patterns (fnmatch style) or lies below one."""
    return any(fnmatch.fnmatchcase(path, p) or fnmatch.fnmatchcase(path, p + "/*")
               or fnmatch.fnmatchcase(path, p + "\\*") for p in patterns)


def _registry(path, root):
    keys, key = {}, None
    for line in path.read_text(encoding="utf-8", errors="surrogateescape").splitlines():
        if line.startswith("["):
            key = root + line[1:line.rindex("]")].replace("\\\\", "\\")
            keys[key] = []
        elif key is not None and line and not line.startswith("#"):
            keys[key].append(line)
    return {key: tuple(sorted(values)) for key, values in keys.items()}


class Changes:
    def __init__(self, paths):
        self.paths = sorted(paths)

    def beyond(self, allowed):
        """The changed paths that lie under none of the allowed ones."""
        return [path for path in self.paths if not _under(path, tuple(allowed))]


class PrefixSnapshot:
    def __init__(self, prefix):
        prefix = pathlib.Path(prefix)
        subprocess.run([WINE_RUN, str(prefix), "--stop"], stdin=subprocess.DEVNULL,
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        self.entries = {}
        drive = prefix / "drive_c"
        for folder, subfolders, files in os.walk(drive):
            for name in subfolders + files:
                path = pathlib.Path(folder) / name
                stat = path.lstat()
                kind = "folder" if path.is_dir() and not path.is_symlink() else (stat.st_size, stat.st_mtime_ns)
                self.entries[str(path.relative_to(prefix))] = kind
        for name, root in REGISTRY_FILES.items():
            self.entries.update(_registry(prefix / name, root))

    def changes_since(self, before):
        changed = {path for path in set(self.entries) | set(before.entries)
                   if self.entries.get(path) != before.entries.get(path)}
        return Changes(path for path in changed if not _under(path, INSTALLER_BOOKKEEPING + WINE_STATE))
