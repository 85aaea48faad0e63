#include "bookmarks/UrlScheme.h"

#include <gtest/gtest.h>

namespace {

TEST(UrlSchemeTest, ScriptSchemesAreFoundAsABrowserReadsThem) {
  const char* const scripts[] = {
      "javascript:alert(1)", "JavaScript:x",   "  JavaScript:x",  "java\tscript:x", "jav\na\rscript:x",
      "\x01" "data:text/html,x", "\x1f data:x", "VBScript:msgbox", "DATA:,",
      "\t\n javascript\t:x",
  };
  for (const char* url : scripts) EXPECT_TRUE(isScriptUrl(url)) << url;
}

TEST(UrlSchemeTest, OtherUrlsAreNoScript) {
  const char* const others[] = {
      "http://example.com/javascript:x", "javascrip:x", "javascript", "jscript:x", "x-javascript:x",
      "\x80javascript:x", "\x7fjavascript:x", "ja vascript:x", "datax:", "", "aol://1722:recipes", "https://data.example/",
  };
  for (const char* url : others) EXPECT_FALSE(isScriptUrl(url)) << url;
}

TEST(UrlSchemeTest, AolOnlyLinks) {
  EXPECT_TRUE(isAolOnlyUrl("aol://1722:recipes"));
  EXPECT_TRUE(isAolOnlyUrl(" AOL://4344:1"));
  EXPECT_TRUE(isAolOnlyUrl("a\tol:x"));
  EXPECT_FALSE(isAolOnlyUrl("http://www.aol.com/"));
  EXPECT_FALSE(isAolOnlyUrl("aol"));
  EXPECT_FALSE(isAolOnlyUrl("aolx://1"));
}

}  // namespace
