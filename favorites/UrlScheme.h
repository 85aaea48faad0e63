// What a URL's scheme does when a browser opens it. The scheme is read as
// the most lenient browser might read it: every leading character that is
// not an ASCII letter or digit skipped (controls and spaces, but also a
// no-break or ideographic space, a byte-order mark or any punctuation), tab,
// CR and LF removed wherever they are, letters compared without regard to
// ASCII case.
//
// The bytes are judged as they are, for a URL in any code page the texts
// may be in: each is ASCII below 0x80, and no byte from 0x80 up, alone or in
// a UTF-8 sequence, decodes to an ASCII character. Every non-ASCII
// character before the scheme is skipped whatever it decodes to, so the
// rule gives the same answer before and after decoding.
#pragma once

#include <windows.h>

// The `length` characters of `url` begin with a scheme that runs script or
// shows content made by the URL itself: "javascript:", "vbscript:",
// "data:".
bool isScriptUrl(const char* url, DWORD length);

// The "aol:" scheme, which only the AOL client opens.
bool isAolOnlyUrl(const char* url, DWORD length);
