// Stand-ins for the platform calls that need no display.
#include "platform/ansitext.h"
#include "platform/shell.h"
#include "platform/tempdir.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace {

struct TempCase {
    const char* tmpdir;  // nullptr: unset
    std::string expected;
};

class TempPath : public ::testing::TestWithParam<TempCase> {};

TEST_P(TempPath, FollowsTmpdirWithATrailingSlash) {
    const TempCase& c = GetParam();
    if (c.tmpdir) ::setenv("TMPDIR", c.tmpdir, 1); else ::unsetenv("TMPDIR");
    std::array<char, 261> buffer{};
    const std::size_t n = GetTempPath(260, buffer.data());
    EXPECT_EQ(std::string(buffer.data()), c.expected);
    EXPECT_EQ(n, c.expected.size());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TempPath,
    ::testing::Values(TempCase{nullptr, "/tmp/"}, TempCase{"", "/tmp/"}, TempCase{"/var/tmp", "/var/tmp/"},
                      TempCase{"/var/tmp/", "/var/tmp/"},
                      TempCase{strdup(("/" + std::string(258, 'd')).c_str()), "/" + std::string(258, 'd') + "/"},
                      TempCase{strdup(("/" + std::string(259, 'd')).c_str()), ""}));

TEST(WebAddress, OnlyHttpAndHttpsAreHandedOver) {
    for (const char* ok : {"http://pctv.example", "https://ok.example/x?y=1", "HTTP://UPPER.example"})
        EXPECT_TRUE(IsWebAddress(ok)) << ok;
    for (const char* bad : {"", "file:///etc/passwd", "/usr/bin/xterm", "javascript:alert(1)", "xterm",
                            "ftp://files.example", "http://", "mailto:a@b.example", "smb://host/share"})
        EXPECT_FALSE(IsWebAddress(bad)) << bad;
}

TEST(AnsiText, Utf8IsShownAsSuchAnythingElseAsLatin1) {
    EXPECT_EQ(AnsiToText("News (Live)"), QString("News (Live)"));
    EXPECT_EQ(AnsiToText("\xE6\x97\xA5"), QString::fromUtf8("\xE6\x97\xA5"));
    EXPECT_EQ(AnsiToText("Caf\xE9"), QString::fromUtf8("Caf\xC3\xA9"));
    EXPECT_EQ(AnsiToText("Caf\xC3\xA9"), QString::fromUtf8("Caf\xC3\xA9"));
}

}  // namespace
