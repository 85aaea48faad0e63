#include "favorites/UrlScheme.h"

namespace {

bool isRemovedInside(char c) { return c == '\t' || c == '\r' || c == '\n'; }

bool isAsciiLetterOrDigit(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// True when the URL begins with `scheme`, lower case and ending in ':'.
bool hasScheme(const char* url, DWORD length, const char* scheme) {
  DWORD next = 0;
  while (next < length && !isAsciiLetterOrDigit(url[next])) ++next;
  for (const char* wanted = scheme; *wanted != '\0'; ++next) {
    if (next == length) return false;
    if (isRemovedInside(url[next])) continue;
    if (lowerAscii(url[next]) != *wanted) return false;
    ++wanted;
  }
  return true;
}

}  // namespace

bool isScriptUrl(const char* url, DWORD length) {
  return hasScheme(url, length, "javascript:") || hasScheme(url, length, "vbscript:") ||
         hasScheme(url, length, "data:");
}

bool isAolOnlyUrl(const char* url, DWORD length) { return hasScheme(url, length, "aol:"); }
