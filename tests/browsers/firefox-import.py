#!/usr/bin/env python3
"""Imports a bookmarks HTML file into a fresh Firefox profile and prints the tree.

    firefox-import.py [--keep DIR] BOOKMARKS.html

Firefox imports the file named by browser.bookmarks.file at start-up when
browser.places.importBookmarksHTML is set; a new profile with both prefs in
its user.js gets exactly the file's items in place of the default bookmarks.
The file's top-level list lands in the Bookmarks Menu. Firefox runs headless
with a temporary HOME until the import has landed, then it is stopped, and a
copy of places.sqlite (with its write-ahead log) is read with sqlite3.

Prints the canonical tree (canonical.py) of the Bookmarks Menu, depth 0 for
the items straight inside it; items in the other roots (toolbar, other
bookmarks) follow after a "# toolbar" or "# unfiled" line. Exits 1 when
Firefox does not import within the time allowed.
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import canonical  # noqa: E402

IMPORT_SECONDS = 90
STOP_SECONDS = 15

# Quiet and offline: no first-run pages, updates, telemetry, remote settings,
# safe browsing or speculative connections; every proxied request goes to a
# closed local port.
QUIET_PREFS = {
    "app.normandy.enabled": False,
    "app.update.auto": False,
    "app.update.checkInstallTime": False,
    "app.update.disabledForTesting": True,
    "browser.aboutwelcome.enabled": False,
    "browser.bookmarks.autoExportHTML": False,
    "browser.newtabpage.enabled": False,
    "browser.ping-centre.telemetry": False,
    "browser.places.speculativeConnect.enabled": False,
    "browser.region.network.url": "",
    "browser.safebrowsing.downloads.enabled": False,
    "browser.safebrowsing.malware.enabled": False,
    "browser.safebrowsing.phishing.enabled": False,
    "browser.safebrowsing.update.enabled": False,
    "browser.search.update": False,
    "browser.shell.checkDefaultBrowser": False,
    "browser.startup.homepage_override.mstone": "ignore",
    "browser.startup.page": 0,
    "browser.tabs.remote.autostart": True,
    "datareporting.healthreport.uploadEnabled": False,
    "datareporting.policy.dataSubmissionEnabled": False,
    "dom.ipc.processCount": 1,
    "extensions.autoDisableScopes": 15,
    "extensions.blocklist.enabled": False,
    "extensions.getAddons.cache.enabled": False,
    "extensions.update.enabled": False,
    "fission.autostart": False,
    "media.gmp-manager.updateEnabled": False,
    "messaging-system.rsexperimentloader.enabled": False,
    "network.captive-portal-service.enabled": False,
    "network.connectivity-service.enabled": False,
    "network.dns.disablePrefetch": True,
    "network.predictor.enabled": False,
    "network.prefetch-next": False,
    "network.proxy.type": 1,
    "network.proxy.http": "127.0.0.1",
    "network.proxy.http_port": 9,
    "network.proxy.ssl": "127.0.0.1",
    "network.proxy.ssl_port": 9,
    "network.proxy.no_proxies_on": "",
    "network.proxy.allow_hijacking_localhost": True,
    "services.settings.server": "http://127.0.0.1:9/v1",
    "toolkit.telemetry.enabled": False,
    "toolkit.telemetry.reportingpolicy.firstRun": False,
    "toolkit.telemetry.unified": False,
}

ROOTS = [("menu________", None), ("toolbar_____", "toolbar"), ("unfiled_____", "unfiled")]


def pref_line(name, value):
    if isinstance(value, bool):
        literal = "true" if value else "false"
    elif isinstance(value, int):
        literal = str(value)
    else:
        literal = '"' + value.replace("\\", "\\\\").replace('"', '\\"') + '"'
    return 'user_pref("%s", %s);\n' % (name, literal)


def write_profile(profile, bookmarks):
    with open(os.path.join(profile, "user.js"), "w", encoding="utf-8") as out:
        out.write(pref_line("browser.places.importBookmarksHTML", True))
        out.write(pref_line("browser.bookmarks.file", bookmarks))
        for name, value in sorted(QUIET_PREFS.items()):
            out.write(pref_line(name, value))


def import_done(profile):
    """Firefox clears the import pref once the import has ended (well or not)."""
    try:
        with open(os.path.join(profile, "prefs.js"), encoding="utf-8", errors="replace") as prefs:
            return 'user_pref("browser.places.importBookmarksHTML", false);' in prefs.read()
    except FileNotFoundError:
        return False


def run_firefox(profile, home, log):
    env = dict(os.environ, HOME=home, MOZ_HEADLESS="1", MOZ_CRASHREPORTER_DISABLE="1",
               MOZ_DISABLE_AUTO_SAFE_MODE="1")
    env.pop("DISPLAY", None)
    firefox = subprocess.Popen(["firefox-esr", "--headless", "--no-remote", "--profile", profile, "about:blank"],
                               env=env, stdin=subprocess.DEVNULL, stdout=log, stderr=log, start_new_session=True)
    try:
        deadline = time.monotonic() + IMPORT_SECONDS
        while not import_done(profile):
            if firefox.poll() is not None:
                return "Firefox ended (exit code %d) before importing" % firefox.returncode
            if time.monotonic() > deadline:
                return "Firefox did not import within %d s" % IMPORT_SECONDS
            time.sleep(0.5)
    finally:
        canonical.stop(firefox, STOP_SECONDS)
    return None


def hex_text(value):
    return bytes.fromhex(value).decode("utf-8", errors="surrogateescape") if value else ""


def read_tree(places):
    query = ("SELECT b.id, b.parent, b.type, hex(b.title), hex(p.url), r.guid "
             "FROM moz_bookmarks b LEFT JOIN moz_places p ON p.id = b.fk "
             "LEFT JOIN moz_bookmarks r ON r.id = b.parent "
             "ORDER BY b.parent, b.position;")
    rows = subprocess.run(["sqlite3", "-batch", "-separator", "|", places, query], check=True,
                          capture_output=True, text=True).stdout.splitlines()
    children = {}
    guids = {}
    for row in rows:
        ident, parent, kind, title, url, _ = row.split("|")
        children.setdefault(int(parent), []).append((int(ident), int(kind), hex_text(title), hex_text(url)))
    for row in subprocess.run(["sqlite3", "-batch", "-separator", "|", places,
                               "SELECT guid, id FROM moz_bookmarks WHERE parent = 1;"],
                              check=True, capture_output=True, text=True).stdout.splitlines():
        guid, ident = row.split("|")
        guids[guid] = int(ident)
    return children, guids


def print_items(children, parent, depth, lines):
    for ident, kind, title, url in children.get(parent, []):
        if kind == 2:
            lines.append(canonical.folder_line(depth, title))
            print_items(children, ident, depth + 1, lines)
        elif kind == 1:
            lines.append(canonical.bookmark_line(depth, title, url))
        else:
            lines.append("%d S" % depth)


def main(argv):
    keep = None
    if len(argv) >= 2 and argv[0] == "--keep":
        keep, argv = argv[1], argv[2:]
    if len(argv) != 1:
        sys.stderr.write("usage: firefox-import.py [--keep DIR] BOOKMARKS.html\n")
        return 2
    bookmarks = os.path.abspath(argv[0])
    work = tempfile.mkdtemp(prefix="firefox-import.")
    try:
        profile = os.path.join(work, "profile")
        home = os.path.join(work, "home")
        os.mkdir(profile)
        os.mkdir(home)
        write_profile(profile, bookmarks)
        with open(os.path.join(work, "firefox.log"), "wb") as log:
            failure = run_firefox(profile, home, log)
        if failure:
            sys.stderr.write("firefox-import.py: %s: %s\n" % (argv[0], failure))
            return 1
        copy = os.path.join(work, "copy")
        os.mkdir(copy)
        for suffix in ("", "-wal"):
            source = os.path.join(profile, "places.sqlite" + suffix)
            if os.path.exists(source):
                shutil.copy(source, copy)
        children, guids = read_tree(os.path.join(copy, "places.sqlite"))
        sections = []
        for guid, heading in ROOTS:
            items = []
            print_items(children, guids[guid], 0, items)
            sections.append((heading, items))
        canonical.write_sections(sections)
        return 0
    finally:
        canonical.remove_work(work, keep)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
