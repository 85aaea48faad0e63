// What a URL's scheme does when a browser opens it. The scheme is read as a
// browser reads it: leading C0 controls and spaces skipped, tab, CR and LF
// removed wherever they are, letters compared without regard to ASCII case.
#pragma once

// A scheme that runs script or shows content made by the URL itself:
// "javascript:", "vbscript:", "data:".
bool isScriptUrl(const char* url);

// The "aol:" scheme, which only the AOL client opens.
bool isAolOnlyUrl(const char* url);
