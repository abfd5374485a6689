#!/usr/bin/env python3
"""Builds the Debian package from a finished build, unpacks it into a throwaway root with
dpkg-deb and starts the installed launcher there, offscreen, for several users.

Each start is stopped once the program has come up and run for a moment; a launcher that
gives up or a program that stops by itself fails."""

import argparse
import filecmp
import os
import shutil
import struct
import subprocess
import sys
import tempfile
import time
import unittest
from xml.etree import ElementTree

ARGS = None
START_LIMIT = 60  # seconds a start may take to seed and come up on a loaded machine
RUN_SECONDS = 1   # seconds the program then runs before it is stopped


def program_output(cmd, **kwargs):
    return subprocess.run(cmd, check=True, capture_output=True, text=True, **kwargs).stdout


def files_under(folder):
    """Relative paths of every file below folder; the ".keep" placeholders that hold empty
    folders in git are not content."""
    found = set()
    for dirpath, _, names in os.walk(folder):
        for name in names:
            if name != ".keep":
                found.add(os.path.relpath(os.path.join(dirpath, name), folder))
    return found


def png_size(path):
    with open(path, "rb") as f:
        head = f.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        raise AssertionError(f"{path} is not a PNG picture")
    return struct.unpack(">II", head[16:24])


def read(path):
    with open(path, "rb") as f:
        return f.read()


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


class PackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp(prefix="tarmika-package-")
        out = os.path.join(cls.tmp, "out")
        subprocess.run(["cpack", "-G", "DEB", "--config",
                        os.path.join(ARGS.build_dir, "CPackConfig.cmake"), "-B", out],
                       check=True, stdout=subprocess.DEVNULL)
        debs = [n for n in os.listdir(out) if n.endswith(".deb")]
        if len(debs) != 1:
            raise AssertionError(f"expected one package, cpack made {debs}")
        cls.deb = os.path.join(out, debs[0])
        cls.root = os.path.join(cls.tmp, "root")
        subprocess.run(["dpkg-deb", "-x", cls.deb, cls.root], check=True)
        cls.usr = os.path.join(cls.root, "usr")
        cls.content = os.path.join(cls.usr, "share/tarmika/content")
        cls.launcher = os.path.join(cls.usr, "bin/tarmika")

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp, ignore_errors=True)

    def start(self, home, data, xdg_data_home=None):
        """Runs the installed launcher as a user with this home and stops the program once it
        has run in data for a moment. The launcher execs the program, so the process keeps its
        id; the program holds its lock file, naming that id, in its working directory while it
        runs. Waiting for those rather than a fixed time keeps the test sound on a busy machine."""
        os.makedirs(home, exist_ok=True)
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": home,
               "QT_QPA_PLATFORM": "offscreen", "LANG": "C.UTF-8"}
        if xdg_data_home is not None:
            env["XDG_DATA_HOME"] = xdg_data_home
        program = os.path.realpath(os.path.join(self.usr, "lib/tarmika/tarmika"))
        lock = os.path.join(data, "tarmika.lock")
        errors = tempfile.TemporaryFile(dir=self.tmp)
        process = subprocess.Popen([self.launcher], env=env, cwd=self.tmp,
                                   stdout=subprocess.DEVNULL, stderr=errors)

        def running_in_data():
            try:
                if os.readlink(f"/proc/{process.pid}/exe") != program:
                    return False
                with open(lock, "rb") as f:
                    return f.readline().strip() == str(process.pid).encode()
            except OSError:
                return False

        try:
            deadline = time.monotonic() + START_LIMIT
            while not running_in_data() and process.poll() is None and time.monotonic() < deadline:
                time.sleep(0.05)
            came_up = running_in_data()
            time.sleep(RUN_SECONDS)
            still_running = process.poll() is None
        finally:
            process.terminate()
            try:
                process.wait(timeout=10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        errors.seek(0)
        output = errors.read().decode(errors="replace")
        self.assertTrue(came_up, f"the program did not come up in {data}:\n{output}")
        self.assertTrue(still_running, f"the program stopped by itself:\n{output}")

    def home(self, name):
        return os.path.join(self.tmp, "homes", name)

    def assertSeededFrom(self, data, folder):
        """Every content file of folder lies in data with the package's bytes."""
        for rel in files_under(os.path.join(self.content, folder)):
            ours = os.path.join(data, folder, rel)
            self.assertTrue(os.path.isfile(ours), f"{folder}/{rel} was not seeded")
            self.assertTrue(filecmp.cmp(ours, os.path.join(self.content, folder, rel), shallow=False),
                            f"{folder}/{rel} differs from the package")

    # --- the package itself -------------------------------------------------------------------

    def test_control_declares_package_and_dependencies(self):
        info = program_output(["dpkg-deb", "-I", self.deb])
        fields = {}
        for line in info.splitlines():
            key, sep, value = line.strip().partition(":")
            if sep and " " not in key:
                fields[key] = value.strip()
        self.assertEqual(fields.get("Package"), "tarmika")
        self.assertEqual(fields.get("Version"), ARGS.version)
        self.assertIn("@", fields.get("Maintainer", ""))
        depends = [d.strip().split(" ")[0] for d in fields.get("Depends", "").split(",")]
        for needed in ["libqt6core6", "libqt6gui6", "libqt6widgets6", "libcurl4", "libc6",
                       "libstdc++6", "qt6-qpa-plugins", "fonts-liberation", "fonts-liberation2"]:
            self.assertIn(needed, depends)

    def test_files_lie_where_a_desktop_expects_them(self):
        for rel in ["lib/tarmika/tarmika", "lib/tarmika/TarmikaUpdate", "bin/tarmika"]:
            path = os.path.join(self.usr, rel)
            self.assertTrue(os.path.isfile(path) and os.access(path, os.X_OK), f"{rel} is not a program")

        # The sample content is the repository's, never a developer's learner files or version
        # file from the build's data directory.
        source = os.path.join(ARGS.source_dir, "content")
        for folder in ["Questions", "doc"]:
            self.assertEqual(files_under(os.path.join(self.content, folder)),
                             files_under(os.path.join(source, folder)), folder)
        data = os.path.join(ARGS.build_dir, "data")
        for folder in ["images", "adds"]:
            built = {f for f in files_under(os.path.join(data, folder)) if f.endswith(".png")}
            self.assertTrue(built, f"the build drew no {folder}")
            self.assertEqual(files_under(os.path.join(self.content, folder)), built, folder)

        share = os.path.join(self.usr, "share")
        for size in [16, 32, 48, 64, 128, 256]:
            icon = os.path.join(share, f"icons/hicolor/{size}x{size}/apps/tarmika.png")
            self.assertEqual(png_size(icon), (size, size))
        self.assertIn(b"<svg", read(os.path.join(share, "icons/hicolor/scalable/apps/tarmika.svg")))
        metainfo = os.path.join(share, "metainfo/org.example.Tarmika.metainfo.xml")
        component = ElementTree.parse(metainfo).getroot()
        self.assertEqual(component.find("releases/release").get("version"), ARGS.version)
        image = component.find("screenshots/screenshot/image")
        shot = os.path.join(share, "tarmika/screenshots", image.text.rsplit("/", 1)[-1])
        self.assertEqual(png_size(shot), (int(image.get("width")), int(image.get("height"))))

        # Software centres find the menu entry through the metadata's launchable.
        desktop = os.path.join(share, "applications", component.find("launchable").text)
        entry = dict(line.split("=", 1) for line in read(desktop).decode().splitlines() if "=" in line)
        self.assertEqual(entry["Exec"], "tarmika")
        self.assertEqual(entry["Icon"], "tarmika")
        if shutil.which("desktop-file-validate"):
            subprocess.run(["desktop-file-validate", desktop], check=True)
        if shutil.which("appstreamcli"):
            subprocess.run(["appstreamcli", "validate", "--no-net", metainfo], check=True,
                           stdout=subprocess.DEVNULL)

    # --- the launcher ---------------------------------------------------------------------------

    def test_first_start_seeds_and_later_starts_keep_the_learners_files(self):
        home = self.home("learner")
        data = os.path.join(home, ".local/share/Tarmika")
        self.start(home, data)
        for folder in ["Questions", "doc", "images", "adds"]:
            self.assertSeededFrom(data, folder)
        self.assertIn(os.path.join("doc", "HAND SIGNALS.lrn"), files_under(data))
        # The program came up in the data directory: it wrote its version file there.
        self.assertEqual(read(os.path.join(data, "doc/ver.txt")).splitlines()[0], b"1001")
        self.assertEqual([n for n in os.listdir(os.path.dirname(data)) if n != "Tarmika"], [],
                         "the first start left a staging directory behind")

        mine = {
            "Learner1.sav": b"Learner1\r\n12\r\nlv\r\n",
            "doc/Learner1.lrn": b"3\r\n1\r\n7\r\n",
            "doc/maxcount.lrn": b"20\r\n20\r\n20\r\n",
            "doc/ver.txt": b"1017\r\n",
            "doc/Hmve.rtf": b"{\\rtf1 the learner's own copy}",
            "Questions/2.lrn": b"a question of a downloaded bank\r\n",
        }
        for rel, data_bytes in mine.items():
            write(os.path.join(data, rel), data_bytes)
        os.remove(os.path.join(data, "images/quest.png"))  # a content file gone missing
        os.remove(os.path.join(data, "Questions/1.lrn"))    # the bank holds files: left whole

        self.start(home, data)
        for rel, data_bytes in mine.items():
            self.assertEqual(read(os.path.join(data, rel)), data_bytes, f"{rel} was overwritten")
        self.assertTrue(filecmp.cmp(os.path.join(data, "images/quest.png"),
                                    os.path.join(self.content, "images/quest.png"), shallow=False))
        self.assertFalse(os.path.exists(os.path.join(data, "Questions/1.lrn")))

        # Another user gets a directory of their own, seeded afresh.
        other = os.path.join(self.home("other"), ".local/share/Tarmika")
        self.start(self.home("other"), other)
        self.assertFalse(os.path.exists(os.path.join(other, "Learner1.sav")))
        self.assertSeededFrom(other, "Questions")
        self.assertEqual(read(os.path.join(other, "doc/ver.txt")).splitlines()[0], b"1001")
        self.assertEqual(read(os.path.join(data, "doc/ver.txt")), b"1017\r\n")

    def test_data_directory_follows_an_absolute_xdg_data_home(self):
        home = self.home("xdg")
        xdg = os.path.join(self.tmp, "xdg-data")
        self.start(home, os.path.join(xdg, "Tarmika"), xdg_data_home=xdg)
        self.assertSeededFrom(os.path.join(xdg, "Tarmika"), "doc")
        self.assertFalse(os.path.exists(os.path.join(home, ".local/share/Tarmika")))

        # A relative XDG_DATA_HOME is not a base directory: the default under HOME is used.
        self.start(home, os.path.join(home, ".local/share/Tarmika"), xdg_data_home="relative/data")
        self.assertSeededFrom(os.path.join(home, ".local/share/Tarmika"), "doc")
        self.assertFalse(os.path.exists(os.path.join(self.tmp, "relative")))

    def test_existing_folders_are_matched_regardless_of_case(self):
        """A data folder copied from a system that ignores case: its "DOC" and "hmve.rtf" are
        the learner's, and the program reads them, so no second copy may shadow them; an empty
        bank is filled."""
        home = self.home("copied")
        data = os.path.join(home, ".local/share/Tarmika")
        own = b"{\\rtf1 kept}"
        write(os.path.join(data, "DOC/hmve.rtf"), own)
        os.makedirs(os.path.join(data, "Questions"))
        self.start(home, data)
        self.assertEqual(sorted(n for n in os.listdir(data) if n.lower() == "doc"), ["DOC"])
        self.assertEqual(read(os.path.join(data, "DOC/hmve.rtf")), own)
        self.assertFalse(os.path.exists(os.path.join(data, "DOC/Hmve.rtf")))
        self.assertTrue(os.path.isfile(os.path.join(data, "DOC/HAND SIGNALS.lrn")))
        self.assertTrue(os.path.isfile(os.path.join(data, "DOC/ver.txt")))
        self.assertSeededFrom(data, "Questions")


def main():
    global ARGS
    parser = argparse.ArgumentParser()
    parser.add_argument("--build-dir", required=True)
    parser.add_argument("--source-dir", required=True)
    parser.add_argument("--version", required=True)
    ARGS, rest = parser.parse_known_args()
    missing = [t for t in ["cpack", "dpkg-deb", "dpkg-shlibdeps", "timeout"] if not shutil.which(t)]
    if missing:
        print(f"skipped: {', '.join(missing)} not installed")
        return 77
    program = unittest.main(argv=[sys.argv[0]] + rest, exit=False, verbosity=2)
    return 0 if program.result.wasSuccessful() else 1


if __name__ == "__main__":
    sys.exit(main())
