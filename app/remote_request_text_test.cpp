// The texts of the remote client that need no network: scrambling, request bodies, statements,
// reply fields, the server clock text, address parts and header lines.
#include <gtest/gtest.h>

#include <string>

#include "app/http_request_headers.h"
#include "app/remote_request_text.h"
#include "app/server_time_text.h"
#include "app/url_parts.h"
#include "runtime/datetime.h"
#include "runtime/text.h"

namespace {

double At(int y, int mo, int d, int h, int mi, int s)
{
    double v = 0;
    EXPECT_TRUE(MakeDateTime(y, mo, d, h, mi, s, v));
    return v;
}

// The installed key is a global of the user-interface thread: each test leaves none behind.
class ScrambleKeyTest : public ::testing::Test {
protected:
    void TearDown() override { SetScrambleKey(""); }
};

// Vectors measured with the platform's own script engine under code page 936.
TEST_F(ScrambleKeyTest, MatchesTheScriptEngineVectors)
{
    EXPECT_EQ(ScrambleWithKey("3", kStartupScrambleKey), "40A");
    EXPECT_EQ(ScrambleWithKey("2", kStartupScrambleKey), "41A");
    EXPECT_EQ(ScrambleWithKey("0:0:0☆々☆select", kStartupScrambleKey),
              "43A5A25A98A63A-24102A-24142A-24111A90A61A99A81A120A75A");
    EXPECT_EQ(ScrambleWithKey("中a", kFallbackScrambleKey), "-10598A114A");
    EXPECT_EQ(ScrambleWithKey("", kStartupScrambleKey), "");

    // No key installed: the fallback key; installed: the start-up key. Every call starts again at the
    // first key number, so the two fields of one request are scrambled independently.
    EXPECT_EQ(ScrambleRequestText("中a"), "-10598A114A");
    SetScrambleKey(kStartupScrambleKey);
    EXPECT_EQ(ServerTimeRequestBody(), "AC=40A");
    EXPECT_EQ(SqlRequestBody("0:0:0☆々☆", "select"),
              "AC=41A&SQL=43A5A25A98A63A-24102A-24142A-24111A90A61A99A81A120A75A");
}

TEST_F(ScrambleKeyTest, OutputIsOneGroupOfDigitsPerCharacterWhateverTheBytes)
{
    // Leading zeros of the key numbers are ignored; a lone lead byte at the end is one character.
    const std::string text = std::string("a中\x81\x40z") + "\xFF";
    const std::string scrambled = ScrambleWithKey(text, "07,08");
    EXPECT_EQ(scrambled, ScrambleWithKey(text, "7,8"));
    int groups = 0;
    for (size_t i = 0; i < scrambled.size(); ++i) {
        const char c = scrambled[i];
        ASSERT_TRUE((c >= '0' && c <= '9') || c == '-' || c == 'A') << scrambled;
        groups += c == 'A';
    }
    EXPECT_EQ(groups, 5);
    EXPECT_EQ(scrambled.back(), 'A');
}

TEST(RemoteSelect, JoinsTableColumnsAndCondition)
{
    EXPECT_EQ(BuildSelectStatement("sys", "zhuangtai", "gongneng='gonggao3'"),
              "select zhuangtai from sys where gongneng='gonggao3'");
    EXPECT_EQ(BuildSelectStatement("sys", "", "gongneng='gonggao3'"), "select * from sys where gongneng='gonggao3'");
    EXPECT_EQ(BuildSelectStatement("sys", "zhuangtai", ""), "select zhuangtai from sys");
}

TEST(RemoteReply, SecondFieldOrNothing)
{
    struct Case {
        std::string reply, separator, expected;
    } cases[] = {
        {"x々☆y々☆z", "", "y"},
        {"x々☆", "", ""},
        {"x", "", ""},
        {"", "", ""},
        {"a々☆1.0々☆", "", "1.0"},
        {"a|b|c", "|", "b"},
        {"々☆々☆", "", ""},
        // Bytes that are no GBK: a lead byte swallows the separator's first byte, so no field is split.
        {std::string("\xB0") + "々☆y", "", ""},
        {std::string("x々☆\xFF\x80") + "\xFF", "", std::string("\xFF\x80") + "\xFF"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SecondReplyField(c.reply, c.separator), c.expected) << c.reply;
    // Megabytes without a separator.
    EXPECT_EQ(SecondReplyField(std::string(4 << 20, '\xA1')), "");
}

TEST(ServerClock, PrefixHasNoLeadingZeros)
{
    EXPECT_EQ(FormatClockPrefix(At(2012, 11, 12, 15, 3, 20)), "15:3:20☆々☆");
    EXPECT_EQ(FormatClockPrefix(0.0), "0:0:0☆々☆");
}

TEST(ServerClock, MorningAndAfternoonTimes)
{
    struct Case {
        const char* reply;
        int hour, minute, second;
    } cases[] = {
        {"2012-11-12 下午 3:30:20", 15, 30, 20},
        {"2012-11-12 上午 9:05:00", 9, 5, 0},
        {"2012-11-12 下午 12:30:00", 12, 30, 0},  // noon stays noon
        {"2012-11-12 上午 12:05:00", 0, 5, 0},    // 12 in the morning is midnight
        {"2012-11-12 下午 11:59:59", 23, 59, 59},
        {"2012-11-12 15:30:20", 15, 30, 20},
        {"2012/11/12 8:00", 8, 0, 0},
    };
    for (const Case& c : cases) {
        double v = -1;
        ASSERT_TRUE(ServerTimeTextToDateTime(c.reply, v)) << c.reply;
        const DateTimeParts p = SplitDateTime(v);
        EXPECT_EQ(p.year * 10000 + p.month * 100 + p.day, 20121112) << c.reply;
        EXPECT_EQ(p.hour, c.hour) << c.reply;
        EXPECT_EQ(p.minute, c.minute) << c.reply;
        EXPECT_EQ(p.second, c.second) << c.reply;
    }
    for (const std::string& bad : {std::string(""), std::string("-1"), std::string("下午"),
                                  std::string("2012-11-12 下午3:30:20"), std::string("\xFF\xFE\x80"),
                                  std::string(1 << 20, '7'),
                                  // 10 MB: a date-time with blanks after it, and the marks repeated
                                  "2012-11-12 15:30:20" + std::string(10 << 20, ' '),
                                  TextRepeat("2012-11-12 下午 ", 700000)}) {
        double v = 0;
        EXPECT_FALSE(ServerTimeTextToDateTime(bad, v)) << bad.substr(0, 20);
    }
}

TEST(UrlParts, HostPathAndPort)
{
    struct Case {
        const char* address;
        const char* host;
        const char* hostWithPort;
        const char* path;
        int port;
    } cases[] = {
        {"http://host:8080/page", "host", "host:8080", "/page", 8080},
        {"http://127.0.0.1/vadu.asp?a=1&b=/x", "127.0.0.1", "127.0.0.1", "/vadu.asp?a=1&b=/x", 80},
        {"www.example.invalid/data/", "www.example.invalid", "www.example.invalid", "/data/", 80},
        {"http://h/p", "h", "h", "/p", 80},  // the host is not looked for inside "http"
        {"http://host", "host", "host", "/", 80},
        {"", "", "", "/", 80},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ParseUrlHost(c.address, false), c.host) << c.address;
        EXPECT_EQ(ParseUrlHost(c.address, true), c.hostWithPort) << c.address;
        EXPECT_EQ(ParseUrlPath(c.address), c.path) << c.address;
        EXPECT_EQ(ParseUrlPort(c.address), c.port) << c.address;
    }
}

TEST(RequestHeaders, CompletesTheCallersLines)
{
    std::string headers;
    ASSERT_TRUE(CompleteRequestHeaders("", "http://h/vadu.asp", "POST", 6, headers));
    EXPECT_EQ(headers,
              "Accept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
              "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n"
              "Referer: http://h/vadu.asp\r\n"
              "Accept-Language: zh-cn\r\n"
              "Content-Type: application/x-www-form-urlencoded\r\n"
              "Content-Length: 6\r\n");

    // The caller's own lines stay and are not repeated, whatever their case.
    ASSERT_TRUE(CompleteRequestHeaders("accept: */*\r\nREFERER: x\r\naccept-language: en\r\ncontent-type: text/plain\r\n",
                                       "http://h/", "post", 3, headers));
    EXPECT_EQ(headers, "accept: */*\r\nREFERER: x\r\naccept-language: en\r\ncontent-type: text/plain\r\nContent-Length: 3\r\n");

    // A GET, or a POST without a body, sends no content lines; other methods are refused.
    for (const char* method : {"", "GET", "POST"}) {
        ASSERT_TRUE(CompleteRequestHeaders("Accept: a\r\n", "u", method, 0, headers)) << method;
        EXPECT_EQ(headers, "Accept: a\r\nReferer: u\r\nAccept-Language: zh-cn\r\n") << method;
    }
    ASSERT_TRUE(CompleteRequestHeaders("", "u", "get", 5, headers));
    EXPECT_EQ(headers.find("Content-"), std::string::npos);
    EXPECT_FALSE(CompleteRequestHeaders("", "u", "PUT", 1, headers));
}

}  // namespace
