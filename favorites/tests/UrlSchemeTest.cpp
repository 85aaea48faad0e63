#include "favorites/UrlScheme.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

bool isScript(const std::string& url) { return isScriptUrl(url.data(), static_cast<DWORD>(url.size())); }

// Spaces a browser may skip before a scheme: in Windows-1252, then in
// UTF-8 U+00A0, U+1680, U+2000, U+200B, U+2028, U+205F, U+3000, U+FEFF.
const char* const UnicodeSpaces[] = {
    "\xA0", "\xC2\xA0", "\xE1\x9A\x80", "\xE2\x80\x80", "\xE2\x80\x8B",
    "\xE2\x80\xA8", "\xE2\x81\x9F", "\xE3\x80\x80", "\xEF\xBB\xBF",
};

TEST(UrlSchemeTest, ScriptSchemesAreFoundAsALenientBrowserReadsThem) {
  const char* const scripts[] = {
      "javascript:alert(1)", "JavaScript:x", "  JavaScript:x", "java\tscript:x", "jav\na\rscript:x",
      "\x01" "data:text/html,x", "\x1f data:x", "VBScript:msgbox", "DATA:,", "\t\n javascript\t:x",
      "\x80javascript:x", "\x7fjavascript:x", "\xFF\xFE" "data:x", "-._~:/?#javascript:x", "%javascript:x",
  };
  for (const char* url : scripts) EXPECT_TRUE(isScript(url)) << url;
  for (const char* space : UnicodeSpaces) {
    for (const char* scheme : {"javascript:alert(1)", "vbscript:x", "data:x", "JaVa\tScRiPt:x"}) {
      EXPECT_TRUE(isScript(std::string(space) + scheme)) << space << scheme;
      EXPECT_TRUE(isScript(std::string(space) + "\r\n" + space + scheme)) << space << scheme;
    }
  }
}

TEST(UrlSchemeTest, OtherUrlsAreNoScript) {
  const char* const others[] = {
      "http://example.com/javascript:x", "javascrip:x", "javascript", "jscript:x", "x-javascript:x",
      "ja vascript:x", "java\xA0script:x", "java\xE3\x80\x80script:x", "datax:", "", "aol://1722:recipes",
      "https://data.example/", "0javascript:x", "x\xA0javascript:x",
  };
  for (const char* url : others) EXPECT_FALSE(isScript(url)) << url;
  // Only the given length is read.
  EXPECT_FALSE(isScriptUrl("javascript:", 10));
  EXPECT_FALSE(isScriptUrl("\xA0\xA0javascript:", 2));
}

TEST(UrlSchemeTest, AolOnlyLinks) {
  for (const char* url : {"aol://1722:recipes", " AOL://4344:1", "a\tol:x", "\xA0" "aol://1"}) {
    EXPECT_TRUE(isAolOnlyUrl(url, static_cast<DWORD>(std::strlen(url)))) << url;
  }
  for (const char* url : {"http://www.aol.com/", "aol", "aolx://1"}) {
    EXPECT_FALSE(isAolOnlyUrl(url, static_cast<DWORD>(std::strlen(url)))) << url;
  }
}

}  // namespace
