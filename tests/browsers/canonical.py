"""The canonical text form of an imported bookmarks tree, shared by the readers.

One item a line: its depth below the browser's root for imported bookmarks,
F for a folder or B for a bookmark, then the title and (for a bookmark) the
URL, each in double quotes with every character that would hide in a diff
escaped: backslash, double quote, C0 controls, DEL and the C1 controls
U+0080-U+009F. Everything else is printed as UTF-8.
"""

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
