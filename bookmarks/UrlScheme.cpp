#include "bookmarks/UrlScheme.h"

namespace {

bool isRemovedInside(char c) { return c == '\t' || c == '\r' || c == '\n'; }

char lowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// True when `url` begins with `scheme`, lower case and ending in ':'.
bool hasScheme(const char* url, const char* scheme) {
  const char* next = url;
  while (*next != '\0' && static_cast<unsigned char>(*next) <= ' ') ++next;
  for (const char* wanted = scheme; *wanted != '\0'; ++next) {
    if (isRemovedInside(*next)) continue;
    if (lowerAscii(*next) != *wanted) return false;
    ++wanted;
  }
  return true;
}

}  // namespace

bool isScriptUrl(const char* url) {
  return hasScheme(url, "javascript:") || hasScheme(url, "vbscript:") || hasScheme(url, "data:");
}

bool isAolOnlyUrl(const char* url) { return hasScheme(url, "aol:"); }
