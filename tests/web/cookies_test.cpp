#include <gtest/gtest.h>

#include "web/cookies.h"

namespace {

struct MergeCase {
  const char* cookies;
  const char* response;
  const char* merged;
  const char* responseAfter;
};

const MergeCase mergeCases[] = {
    {"a=1; b=2", "b=3; c=4", "b=3; c=4; a=1", "b=3;c=4"},
    {"a=1; b=2", "a=deleted", "b=2", "a=deleted"},
    {"a=1; b=2", "", "a=1; b=2", ""},
    {"", "a=1; a=1", "a=1", "a=1;a=1"},
    {"", "a=1; a=2", "a=1; a=2", "a=1;a=2"},
    {"x=1", "x=hello world", "x=helloworld", "x=helloworld"},
    {"x=\xA1\xA1y z", "", "x=yz", ""},
    {"A=1", "a=2", "a=2; A=1", "a=2"},
    {"a=1; b=deleted", "c=3", "c=3; a=1", "c=3"},
    {"", "", "", ""},
};

TEST(Cookies, Merge) {
  for (const auto& c : mergeCases) {
    SCOPED_TRACE(std::string(c.cookies) + " + " + c.response);
    std::string cookies = c.cookies, response = c.response;
    EXPECT_EQ(mergeCookies(cookies, response), c.merged);
    EXPECT_EQ(cookies, c.merged);
    EXPECT_EQ(response, c.responseAfter);
  }
}

TEST(Cookies, NameAndUniquePieces) {
  EXPECT_EQ(cookieName(" sid =abc=def"), "sid");
  EXPECT_EQ(cookieName("flag"), "flag");
  EXPECT_EQ(cookieName("=v"), "");
  EXPECT_EQ(uniquePieces("a; b; a; c; b", "; "), "a; b; c");
  EXPECT_EQ(uniquePieces("a;;b;;", ";"), "a;;b");
  EXPECT_EQ(uniquePieces("a--b--a--", "--"), "a--b");
  EXPECT_EQ(uniquePieces("", "; "), "");
}

}  // namespace
