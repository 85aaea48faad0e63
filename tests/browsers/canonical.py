"""The canonical text form of an imported bookmarks tree, shared by the readers.

One item a line: its depth below the browser's root for imported bookmarks,
F for a folder or B for a bookmark, then the title and (for a bookmark) the
URL, each in double quotes with every character that would hide in a diff
escaped: backslash, double quote, C0 controls, DEL and the C1 controls
U+0080-U+009F. Everything else is printed as UTF-8.
"""

import os
import shutil
import signal
import subprocess
import sys

NAMED = {"\\": "\\\\", '"': '\\"', "\n": "\\n", "\r": "\\r", "\t": "\\t"}


def quote(text):
    out = []
    for ch in text:
        code = ord(ch)
        if ch in NAMED:
            out.append(NAMED[ch])
        elif code < 0x20 or code == 0x7F:
            out.append("\\x%02X" % code)
        elif 0x80 <= code <= 0x9F:
            out.append("\\u%04X" % code)
        else:
            out.append(ch)
    return '"' + "".join(out) + '"'


def folder_line(depth, title):
    return "%d F %s" % (depth, quote(title))


def bookmark_line(depth, title, url):
    return "%d B %s %s" % (depth, quote(title), quote(url))


def write_sections(sections):
    """Prints the items of each root, [(heading, lines)], with a "# heading"
    line before those of a root with a heading that holds any."""
    lines = []
    for heading, items in sections:
        if heading and items:
            lines.append("# " + heading)
        lines.extend(items)
    sys.stdout.write("".join(line + "\n" for line in lines))


def stop(process, seconds):
    """Ends a browser started in a process group of its own: politely, then
    for good after `seconds`."""
    if process.poll() is not None:
        return
    os.killpg(process.pid, signal.SIGTERM)
    try:
        process.wait(seconds)
    except subprocess.TimeoutExpired:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()


def remove_work(work, keep):
    """Removes the work folder, copied first to `keep` when one is named."""
    if keep:
        shutil.rmtree(keep, ignore_errors=True)
        shutil.copytree(work, keep, symlinks=True, ignore_dangling_symlinks=True)
    shutil.rmtree(work, ignore_errors=True)
