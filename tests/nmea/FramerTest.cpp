#include "NmeaTestUtil.h"

#include "nmea/NmeaParser.h"

#include <gtest/gtest.h>

#include <string>

using orbilunex::NmeaParser;
using orbilunex::test::feedText;
using orbilunex::test::sentence;

namespace {

const std::string kGgaBody = "GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,";
const std::string kGga = sentence(kGgaBody); // checksum 47

std::string withChecksum(const std::string& body, const std::string& digits)
{
    return "$" + body + "*" + digits + "\r\n";
}

struct FramerCase {
    const char* legend;
    std::string bytes;
    int sentences; // dispatched, known or not
    int ggas;      // of those, decoded as GGA
    int checksumFailures = 0;
};

TEST(Framer, Table)
{
    const std::string data255(255, 'x');
    const std::string data256(256, 'x');
    const FramerCase cases[] = {
        {"correct checksum", kGga, 1, 1},
        {"four bytes of leading garbage", "ab\r\n" + kGga, 1, 1},
        {"wrong checksum", withChecksum(kGgaBody, "48"), 0, 0, 1},
        {"lower-case second digit where upper is right", withChecksum(kGgaBody, "4a"), 0, 0, 1},
        {"no checksum, ended by CR", "$" + kGgaBody + "\r\n", 1, 1},
        {"no checksum, LF only runs into the next sentence",
         "$" + kGgaBody + "\n" + kGga, 0, 0, 1},
        {"two sentences in one read", kGga + kGga, 2, 2},
        {"unknown address is counted, not decoded", sentence("GPXYZ,1,2,3"), 1, 0},
        {"six-character address decodes nothing", sentence("GPGGAX,123519"), 1, 0},
        {"other talker decodes nothing", sentence("GNGGA,123519,4807.038,N"), 1, 0},
        {"shorter address decodes nothing", sentence("GPGG,123519"), 1, 0},
        {"seven-character address is kept", sentence("PGRMEXY,1"), 1, 0},
        {"eight-character address is dropped", sentence("PGRMEXYZ,1"), 0, 0},
        {"address ended by * has empty data", sentence("GPGGA"), 1, 1},
        {"255 data characters are kept", sentence("GPXYZ," + data255), 1, 0},
        {"256 data characters drop the sentence", sentence("GPXYZ," + data256), 0, 0},
        {"$ inside the data does not restart framing",
         "$GPGGA,12" + kGga, 0, 0, 1},
        {"CR inside the address is an address character", sentence("GP\rGGA,1"), 1, 0},
        {"NUL in the data ends the decoded text, not the sentence",
         sentence(std::string("GPGGA,123519,4807.038,N\0,9", 26)), 1, 1},
        {"bytes after the checksum are ignored", kGga + "garbage*47\r\n", 1, 1},
    };
    for (const auto& c : cases) {
        NmeaParser parser;
        feedText(parser, c.bytes);
        EXPECT_EQ(parser.sentenceCount(), c.sentences) << c.legend;
        EXPECT_EQ(parser.gpsState().ggaCount, c.ggas) << c.legend;
        EXPECT_EQ(parser.checksumFailureCount(), c.checksumFailures) << c.legend;
        EXPECT_EQ(parser.framerState(), NmeaParser::Hunt) << c.legend;
    }
}

TEST(Framer, DispatchesOnSecondChecksumDigitBeforeLineEnd)
{
    NmeaParser parser;
    const std::string noLineEnd = kGga.substr(0, kGga.size() - 2);
    feedText(parser, noLineEnd);
    EXPECT_EQ(parser.gpsState().ggaCount, 1);
    EXPECT_EQ(parser.framerState(), NmeaParser::Hunt);
}

// The checksum digits follow the receiver-compatible arithmetic: high digit
// (v*16) mod 256, low digit OR-ed in, in 8 bits, whatever the bytes are.
unsigned char expectedReceived(unsigned char high, unsigned char low)
{
    auto digit = [](unsigned char b) { return b - 48 <= 9 ? b - 48 : b - 55; };
    return static_cast<unsigned char>(static_cast<unsigned char>(digit(high) * 16) | digit(low));
}

TEST(Framer, ChecksumDigitArithmeticForEveryBytePair)
{
    // For each pair, find a body whose XOR equals the value the pair decodes
    // to: the sentence must be accepted, and rejected with the sum off by one.
    for (int high = 0; high < 256; high += 7) {
        for (int low = 0; low < 256; low += 5) {
            if (high == '\r' || low == '\r') continue;
            const unsigned char received = expectedReceived(high, low);
            // "GPXYZ," XORs to some value; one data byte adjusts it.
            unsigned char base = 0;
            for (char c : std::string("GPXYZ,")) base ^= static_cast<unsigned char>(c);
            const unsigned char adjust = base ^ received;
            if (adjust == '*' || adjust == '\r' || adjust == 0) continue;
            std::string ok = "$GPXYZ,";
            ok += static_cast<char>(adjust);
            ok += '*';
            ok += static_cast<char>(high);
            ok += static_cast<char>(low);
            NmeaParser parser;
            feedText(parser, ok);
            EXPECT_EQ(parser.sentenceCount(), 1) << "digits " << high << "," << low;
            ok[7] = static_cast<char>(adjust ^ 1);
            if (ok[7] == '*' || ok[7] == '\r') continue;
            NmeaParser wrong;
            feedText(wrong, ok);
            EXPECT_EQ(wrong.sentenceCount(), 0) << "digits " << high << "," << low;
        }
    }
}

TEST(Framer, UpperAndLowerHighDigitDecodeAlike)
{
    // A4 and a4 give the same value, so both match a sum of 0xA4.
    for (const char* digits : {"A4", "a4"}) {
        std::string body = "GPXYZ,";
        unsigned char sum = 0;
        for (char c : body) sum ^= static_cast<unsigned char>(c);
        body += static_cast<char>(sum ^ 0xA4);
        NmeaParser parser;
        feedText(parser, "$" + body + "*" + digits + "\r\n");
        EXPECT_EQ(parser.sentenceCount(), 1) << digits;
    }
}

TEST(Framer, PushByteAndFeedAgreeOnHostileStream)
{
    // Every framing path mixed together, fed both ways.
    std::string stream;
    for (int i = 0; i < 300; ++i) {
        stream += kGga;
        stream += std::string(static_cast<std::size_t>(i % 7), '$');
        stream += "$GPGSA,A,3" + std::string(static_cast<std::size_t>(i), 'y');
        stream += (i % 3 == 0) ? "\r" : "*1F\r\n";
        stream += std::string("\0\xff*", 3);
    }
    NmeaParser fed;
    feedText(fed, stream);
    NmeaParser pushed;
    for (unsigned char b : stream) pushed.pushByte(b);
    EXPECT_EQ(fed.sentenceCount(), pushed.sentenceCount());
    EXPECT_EQ(fed.gpsState().ggaCount, pushed.gpsState().ggaCount);
    EXPECT_EQ(fed.gpsState().gsaCount, pushed.gpsState().gsaCount);
    EXPECT_GT(fed.gpsState().gsaCount, 0);
}

TEST(Framer, AddressEndedByAsteriskDoesNotReuseOldData)
{
    NmeaParser parser;
    // Leaves GGA-shaped text in the data buffer without decoding it.
    feedText(parser, sentence("GPXYZ,123519,4807.038,N"));
    feedText(parser, sentence("GPGGA"));
    EXPECT_EQ(parser.gpsState().ggaCount, 1);
    EXPECT_EQ(parser.gpsState().ggaHour, 0);
    EXPECT_EQ(parser.gpsState().latitude, 0.0);
}

TEST(Framer, NulInsideDataHidesTheRestFromTheDecoder)
{
    NmeaParser parser;
    feedText(parser, sentence(std::string("GPGGA,123519\0,4807.038,N", 24)));
    EXPECT_EQ(parser.gpsState().ggaCount, 1);
    EXPECT_EQ(parser.gpsState().ggaHour, 12);
    EXPECT_EQ(parser.gpsState().latitude, 0.0);
}

TEST(Framer, NulBytesCountTowardTheLengthLimit)
{
    NmeaParser parser;
    feedText(parser, sentence("GPXYZ,1" + std::string(255, '\0')));
    EXPECT_EQ(parser.sentenceCount(), 0);
    feedText(parser, sentence("GPXYZ,1" + std::string(254, '\0')));
    EXPECT_EQ(parser.sentenceCount(), 1);
}

TEST(Framer, FeedOfZeroBytesDoesNothing)
{
    NmeaParser parser;
    feedText(parser, "$GPGG");
    EXPECT_EQ(parser.feed("", 0), 1);
    EXPECT_EQ(parser.framerState(), NmeaParser::Address);
}

TEST(Framer, ResetLeavesSentenceCountAndFraming)
{
    NmeaParser parser;
    feedText(parser, kGga + "$GPGGA,1");
    parser.resetGpsState();
    EXPECT_EQ(parser.sentenceCount(), 1);
    EXPECT_EQ(parser.gpsState().ggaCount, 0);
    EXPECT_EQ(parser.framerState(), NmeaParser::Data);
}

} // namespace
