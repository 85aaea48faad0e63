#include "favorites/UrlScheme.h"

#include <gtest/gtest.h>

#include <string>

namespace {

bool isScript(const std::string& url) { return isScriptUrl(url.data(), static_cast<DWORD>(url.size())); }

bool isAolOnly(const std::string& url) { return isAolOnlyUrl(url.data(), static_cast<DWORD>(url.size())); }

// Each code page's spaces and marks are covered by BookmarksFileWriterTest.
TEST(UrlSchemeTest, ScriptSchemesAreFoundAsALenientBrowserReadsThem) {
  const char* const scripts[] = {
      "javascript:alert(1)", "  JavaScript:x", "jav\na\rscript:x", "\x01" "data:text/html,x", "VBScript:msgbox",
      "\t\n javascript\t:x", "\xA0javascript:x", "\xE3\x80\x80\r\n\xEF\xBB\xBFjavascript:x", "\x7f" "data:x",
      "-._~:/?#%javascript:x",
  };
  for (const char* url : scripts) EXPECT_TRUE(isScript(url)) << url;
  const char* const others[] = {
      "http://example.com/javascript:x", "javascrip:x", "javascript", "x-javascript:x", "ja vascript:x",
      "java\xA0script:x", "datax:", "", "https://data.example/", "0javascript:x", "x\xA0javascript:x",
  };
  for (const char* url : others) EXPECT_FALSE(isScript(url)) << url;
  // Only the given length is read.
  EXPECT_FALSE(isScriptUrl("javascript:", 10));
}

TEST(UrlSchemeTest, AolOnlyLinks) {
  for (const char* url : {"aol://1722:recipes", " AOL://4344:1", "a\tol:x", "\xA0" "aol://1"}) {
    EXPECT_TRUE(isAolOnly(url)) << url;
  }
  for (const char* url : {"http://www.aol.com/", "aol", "aolx://1"}) EXPECT_FALSE(isAolOnly(url)) << url;
}

}  // namespace
