#!/usr/bin/env python3
"""Writes the hand-made bookmarks files that probe the browsers' importers.

    make-cases.py DIR

cases.html holds one top-level folder per case; deep-100.html and
deep-300.html nest folders 100 and 300 deep; crlf.html is a small file with
CRLF line ends; raw-breaks.html has raw CR, LF and NUL inside titles and URLs.
"""

import os
import sys

HEAD = ('<!DOCTYPE NETSCAPE-Bookmark-file-1>\n'
        '<META HTTP-EQUIV="Content-Type" CONTENT="text/html; charset=UTF-8">\n'
        '<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n<DL><p>\n')
TAIL = '</DL><p>\n'


def link(href, title, date=' ADD_DATE="1700000000"'):
    return '<DT><A HREF="%s"%s>%s</A>\n' % (href, date, title)


def folder(name, body):
    return '<DT><H3 ADD_DATE="1700000000">%s</H3>\n<DL><p>\n%s</DL><p>\n' % (name, "".join(body))


CASES = [
    folder("c01 refs in titles", [link("http://x/1", "a&#10;b"), link("http://x/2", "a&#13;b"),
                                  link("http://x/3", "a&#9;b"), link("http://x/4", "a&#1;b"),
                                  link("http://x/5", "a&#x0A;b&#0;c"), link("http://x/6", "a&#133;b&#150;c")]),
    folder("c02 refs&#10;in&#9;folder&#1;name", [link("http://x/7", "inside")]),
    folder("c03 raw controls", [link("http://x/8", "a\u0085b\u0080c\u009fd"), link("http://x/9", "a\tb"),
                                link("http://x/10", "a\x01b\x1fc\x7fd")]),
    folder("c04 entities", [link("http://x/?a=1&amp;b=&lt;&gt;&quot;&#39;", "&amp; &lt; &gt; &quot; &#39; &apos;"),
                            link("http://x/?q=a&b=c", "raw amp & and ' and >")]),
    folder("c05 percent", [link("http://x/a%0Ab%0D%09c%00d", "pct"), link("http://x/a&#10;b", "ref in href"),
                           link("http://x/a\tb", "raw tab in href")]),
    folder("c06 aol", [link("aol://1722:recipes", "recipes"), link("aol://4344:1010.aol.123", "dotted"),
                       link("aol:keyword", "keyword"), link("AOL://1722:upper", "upper"),
                       link("http://x/after-aol", "after")]),
    folder("c07 script", [link("javascript:alert(1)", "js"), link(" JavaScript:alert(1)", "js spaced"),
                          link("vbscript:msgbox(1)", "vbs"), link("data:text/html,hi", "data"),
                          link("http://x/after-script", "after")]),
    folder("c08 empty titles", [link("http://x/e", ""), folder("", [link("http://x/in-empty", "in empty")]),
                                folder("", [])]),
    folder("c09 duplicates", [folder("Same", [link("http://x/s1", "one")]), folder("Same", [link("http://x/s2", "two")]),
                              link("http://x/d", "dup"), link("http://x/d", "dup")]),
    folder("c10 empty folders", [folder("Empty", []), folder("Outer", [folder("Inner empty", [])]),
                                 link("http://x/after-empty", "after")]),
    folder("c11 long", [link("http://x/long", "".join("%03d" % (i % 1000) for i in range(100)))]),
    folder("c12 markup", [link("http://x/a", "x &lt;/A&gt; y"), link("http://x/b", "&quot;&gt;&lt;script&gt;z"),
                          link("http://x/c&quot;&gt;&lt;script&gt;", "quote in href")]),
    folder("c13 dates", [link("http://x/date", "dated"), link("http://x/nodate", "undated", "")]),
    folder("c14 names", [link("http://x/n", "&amp; &lt; &gt; &quot; ' / \\ : * ? |"),
                         link("http://x/acc", "Caf\u00e9 M\u00fcller \u20ac \u2013 \ufffd")]),
    folder("c15 unparsable", [link("not a url", "plain text"), link("", "empty href"), link("http://", "http only"),
                              link("file:///tmp/x", "file"), link("ftp://x/", "ftp"), link("mailto:a@x", "mailto")]),
    folder("c16 C1 references", [link("http://x/c1a", "a&#129;b&#x9D;c"), link("http://x/c1b", "a&#x85;b&#128;c")]),
    folder("c17 spaces", [link("http://x/sp", "  padded  "), link("http://x/nb", "a&nbsp;b\u00a0c"),
                          link("http://x/ls", "a\u2028b")]),
    folder("  padded folder  ", [link("http://x/pf", "in padded")]),
]


def deep(levels):
    body = [link("http://x/deep%d" % levels, "bottom")]
    for level in range(levels, 0, -1):
        body = [folder("L%d" % level, body)]
    return HEAD + "".join(body) + TAIL


def main(target):
    def write(name, text, newline="\n"):
        with open(os.path.join(target, name), "wb") as out:
            out.write(text.replace("\n", newline).encode("utf-8"))

    write("cases.html", HEAD + "".join(CASES) + TAIL)
    write("deep-100.html", deep(100))
    write("deep-300.html", deep(300))
    write("crlf.html", HEAD + folder("CRLF", [link("http://x/c1", "one"), link("http://x/c2", "two")]) + TAIL, "\r\n")
    raw = HEAD + folder("raw", [link("http://x/r1", "a\nb"), link("http://x/r2", "c\rd"), link("http://x/r3", "e\x00f"),
                                link("http://x/r\n4", "lf in href"), link("http://x/r5", "after")]) + TAIL
    with open(os.path.join(target, "raw-breaks.html"), "wb") as out:
        out.write(raw.encode("utf-8"))


if __name__ == "__main__":
    main(sys.argv[1])
