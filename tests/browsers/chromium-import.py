#!/usr/bin/env python3
"""Imports a bookmarks HTML file into a fresh Chromium profile and prints the tree.

    chromium-import.py [--keep DIR] BOOKMARKS.html

Chromium imports a bookmarks file only on the first run of a new profile, from
the "import_bookmarks_from_file" entry of the "distribution" section of its
initial preferences, which Debian's package reads from the fixed path
/etc/chromium/master_preferences. So Chromium runs in a private mount
namespace (unshare -m; root, or a kernel that lets users make namespaces)
where a preferences file of our own is bound over that path; nothing outside
changes. Headless Chromium skips the first-run import, so it runs on a
private virtual display (Xvfb) instead. Once the profile's "Bookmarks" file
holds the import, Chromium is stopped and that file is printed in the
canonical form (canonical.py): the items of the bookmarks bar, where the
first-run import puts the file's top-level list, depth 0 for the items
straight inside it; items of the other roots follow after a "# other" or
"# mobile" line.

Exits 1 when Chromium does not import within the time allowed, 3 when this
machine cannot run it so (no unshare, Xvfb or chromium).
"""

import json
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import canonical  # noqa: E402

CHROMIUM = "/usr/lib/chromium/chromium"
INITIAL_PREFERENCES = "/etc/chromium/master_preferences"
IMPORT_SECONDS = 60
# An import that keeps nothing (every item dropped) leaves no Bookmarks file:
# once Chromium has marked the first run done, it gets this long to write it.
SETTLE_SECONDS = 10
STOP_SECONDS = 10

ROOTS = [("bookmark_bar", None), ("other", "other"), ("synced", "mobile")]

FLAGS = ["--no-sandbox", "--disable-gpu", "--disable-background-networking", "--disable-component-update",
         "--disable-sync", "--disable-default-apps", "--disable-extensions", "--no-default-browser-check",
         "--disable-features=Translate,MediaRouter,OptimizationHints", "--password-store=basic",
         "--use-mock-keychain", "--proxy-server=127.0.0.1:9", "--window-size=800,600"]


def usable():
    return all(shutil.which(tool) for tool in ("unshare", "Xvfb")) and os.path.exists(CHROMIUM) \
        and os.path.exists(INITIAL_PREFERENCES) \
        and subprocess.run(["unshare", "-m", "true"], capture_output=True).returncode == 0


def start_display(log):
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "800x600x24", "-nolisten", "tcp"],
                            pass_fds=[write_end], stdout=log, stderr=log, start_new_session=True)
    os.close(write_end)
    with os.fdopen(read_end) as pipe:
        number = pipe.readline().strip()
    if not number:
        canonical.stop(xvfb, STOP_SECONDS)
        return None, None
    return xvfb, ":" + number


def read_bookmarks(path):
    try:
        with open(path, encoding="utf-8") as source:
            return json.load(source)
    except (FileNotFoundError, ValueError):
        return None


def run_chromium(work, bookmarks, log):
    preferences = os.path.join(work, "initial_preferences")
    with open(preferences, "w", encoding="utf-8") as out:
        json.dump({"distribution": {"import_bookmarks": False, "import_bookmarks_from_file": bookmarks,
                                    "make_chrome_default_for_user": False, "suppress_first_run_bubble": True},
                   "browser": {"has_seen_welcome_page": True, "check_default_browser": False}}, out)
    profile = os.path.join(work, "profile")
    home = os.path.join(work, "home")
    os.mkdir(home)
    xvfb, display = start_display(log)
    if not xvfb:
        return None, "Xvfb did not start"
    env = dict(os.environ, HOME=home, DISPLAY=display)
    command = ["unshare", "-m", "sh", "-c", 'mount --bind "$1" "$2" && shift 2 && exec "$@"', "sh", preferences,
               INITIAL_PREFERENCES, CHROMIUM, "--user-data-dir=" + profile] + FLAGS + ["about:blank"]
    chromium = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL, stdout=log, stderr=log,
                                start_new_session=True)
    try:
        deadline = time.monotonic() + IMPORT_SECONDS
        settled = None
        while True:
            tree = read_bookmarks(os.path.join(profile, "Default", "Bookmarks"))
            if tree:
                time.sleep(1)
                return read_bookmarks(os.path.join(profile, "Default", "Bookmarks")) or tree, None
            if settled is None and os.path.exists(os.path.join(profile, "First Run")):
                settled = time.monotonic() + SETTLE_SECONDS
            if settled is not None and time.monotonic() > settled:
                return {"roots": {}}, None
            if chromium.poll() is not None:
                return None, "Chromium ended (exit code %d) before importing" % chromium.returncode
            if time.monotonic() > deadline:
                return None, "Chromium did not import within %d s" % IMPORT_SECONDS
            time.sleep(0.5)
    finally:
        canonical.stop(chromium, STOP_SECONDS)
        canonical.stop(xvfb, STOP_SECONDS)


def print_items(node, depth, lines):
    for child in node.get("children", []):
        if child.get("type") == "folder":
            lines.append(canonical.folder_line(depth, child.get("name", "")))
            print_items(child, depth + 1, lines)
        else:
            lines.append(canonical.bookmark_line(depth, child.get("name", ""), child.get("url", "")))


def main(argv):
    keep = None
    if len(argv) >= 2 and argv[0] == "--keep":
        keep, argv = argv[1], argv[2:]
    if len(argv) != 1:
        sys.stderr.write("usage: chromium-import.py [--keep DIR] BOOKMARKS.html\n")
        return 2
    if not usable():
        sys.stderr.write("chromium-import.py: needs %s, %s, Xvfb and unshare -m\n" % (CHROMIUM, INITIAL_PREFERENCES))
        return 3
    work = tempfile.mkdtemp(prefix="chromium-import.")
    try:
        with open(os.path.join(work, "chromium.log"), "wb") as log:
            tree, failure = run_chromium(work, os.path.abspath(argv[0]), log)
        if failure:
            sys.stderr.write("chromium-import.py: %s: %s\n" % (argv[0], failure))
            return 1
        sections = []
        for key, heading in ROOTS:
            items = []
            print_items(tree["roots"].get(key, {}), 0, items)
            sections.append((heading, items))
        canonical.write_sections(sections)
        return 0
    finally:
        canonical.remove_work(work, keep)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
