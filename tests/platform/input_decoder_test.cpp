#include "platform/input_decoder.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/decoder_stream_check.h"
#include "platform/input_description.h"
#include "platform/input_events.h"

namespace gridlet {
namespace {

std::vector<std::string> DescribeAll(const std::vector<InputEvent>& events) {
    std::vector<std::string> texts;
    for (const auto& event : events) texts.push_back(Describe(event));
    return texts;
}

std::string Printable(std::string_view bytes) {
    std::string text;
    for (unsigned char byte : bytes) {
        if (byte >= 0x20 && byte < 0x7F) {
            text += static_cast<char>(byte);
        } else {
            text += "\\x" + std::to_string(byte) + ";";
        }
    }
    return text;
}

std::vector<std::string> Decode(std::string_view bytes, std::string terminfoF1 = {}) {
    InputDecoder decoder(std::move(terminfoF1));
    return DescribeAll(decoder.Feed(bytes));
}

struct Case {
    const char* bytes;
    std::vector<InputEvent> events;
};

void ExpectDecodes(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(Decode(c.bytes), DescribeAll(c.events)) << "bytes: " << Printable(c.bytes);
    }
}

TEST(InputDecoder, MouseReportsBecomePressReleaseAndMove) {
    ExpectDecodes({
        {"\x1b[<0;12;5M", {PressEvent(5, 12, kLeftButton)}},
        {"\x1b[<2;90;46M", {PressEvent(46, 90, kRightButton)}},
        {"\x1b[<1;3;4M", {PressEvent(4, 3, kMiddleButton)}},
        {"\x1b[<0;12;5m", {ReleaseEvent(5, 12, kLeftButton)}},
        {"\x1b[<2;12;5m", {ReleaseEvent(5, 12, kRightButton)}},
        {"\x1b[<20;3;3M", {PressEvent(3, 3, kLeftButton)}},  // with Shift and Ctrl held
        {"\x1b[<35;7;9M", {MoveEvent(9, 7)}},
        {"\x1b[<32;7;9M", {MoveEvent(9, 7)}},  // dragging with the left button down
        {"\x1b[<34;1;2M", {MoveEvent(2, 1)}},
    });
}

TEST(InputDecoder, MouseReportsSayWhetherShiftWasHeld) {
    const struct {
        const char* bytes;
        bool shift;
    } cases[] = {
        {"\x1b[<4;3;3M", true},   {"\x1b[<20;3;3M", true}, {"\x1b[<16;3;3M", false},
        {"\x1b[<0;3;3M", false},  {"\x1b[<4;3;3m", true},  {"\x1b[<39;3;3M", true},
        {"\x1b[<35;3;3M", false},
    };
    for (const auto& c : cases) {
        InputDecoder decoder;
        const std::vector<InputEvent> events = decoder.Feed(c.bytes);
        ASSERT_EQ(events.size(), 1u) << Printable(c.bytes);
        const auto* mouse = std::get_if<MouseInput>(&events[0]);
        ASSERT_NE(mouse, nullptr) << Printable(c.bytes);
        EXPECT_EQ(mouse->shift, c.shift) << Printable(c.bytes);
    }
}

TEST(InputDecoder, WheelAndMalformedReportsGiveNothingAndLeakNoKeys) {
    ExpectDecodes({
        {"\x1b[<64;5;5Mx", {KeyEvent('x')}},
        {"\x1b[<65;5;5Mx", {KeyEvent('x')}},
        {"\x1b[<0;5Mx", {KeyEvent('x')}},
        {"\x1b[<0;5;5;5Mx", {KeyEvent('x')}},
    });
}

TEST(InputDecoder, PlainKeysAndTheirTerminalForms) {
    ExpectDecodes({
        {"a", {KeyEvent('a')}},
        {"Z9 ", {KeyEvent('Z'), KeyEvent('9'), KeyEvent(' ')}},
        {"\r", {KeyEvent('\r')}},
        {"\n", {KeyEvent('\r')}},
        {"\x7f", {KeyEvent('\b')}},
        {"\b", {KeyEvent('\b')}},
        {"\x03\x1a", {KeyEvent('\x03'), KeyEvent('\x1a')}},  // Ctrl+C and Ctrl+Z are keys
        {"\t", {KeyEvent('\t')}},
    });
}

TEST(InputDecoder, TypedCharactersBecomeTheirWindows1252Byte) {
    ExpectDecodes({
        {"\xC3\xA9", {KeyEvent('\xE9')}},       // é
        {"\xC2\xA3", {KeyEvent('\xA3')}},       // £
        {"\xE2\x82\xAC", {KeyEvent('\x80')}},   // €
        {"\xC5\x93", {KeyEvent('\x9C')}},       // œ
        {"\xE2\x86\x92", {KeyEvent('?')}},      // → has no Windows-1252 form
        {"\xF0\x9F\x98\x80", {KeyEvent('?')}},  // an emoji
        {"\xC2\x81", {KeyEvent('\x81')}},       // undefined in Windows-1252, kept as Windows does
        {"\xFFz", {KeyEvent('?'), KeyEvent('z')}},  // not UTF-8 at all
        {"\xC3z", {KeyEvent('?'), KeyEvent('z')}},  // a lead byte without its continuation
        // Overlong forms, surrogates and code points past Unicode are no characters: no NUL key.
        {"\xC0\x80", {KeyEvent('?')}},
        {"\xC1\xBF", {KeyEvent('?')}},
        {"\xE0\x80\x80", {KeyEvent('?')}},
        {"\xF0\x80\x80\x80", {KeyEvent('?')}},
        {"\xED\xA0\x80", {KeyEvent('?')}},
        {"\xF4\x90\x80\x80", {KeyEvent('?')}},
    });
}

TEST(InputDecoder, F1F2F3AndF12InEveryFormAndTheArrows) {
    ExpectDecodes({
        {"\x1b[24~", {ExtendedKeyEvent(kScanF12)}},
        {"\x1bOP", {ExtendedKeyEvent(kScanF1)}},
        {"\x1b[11~", {ExtendedKeyEvent(kScanF1)}},
        {"\x1b[[A", {ExtendedKeyEvent(kScanF1)}},
        {"\x1bOQ\x1b[12~", {ExtendedKeyEvent(kScanF2), ExtendedKeyEvent(kScanF2)}},
        {"\x1bOR", {ExtendedKeyEvent(kScanF3)}},
        {"\x1b[13~", {ExtendedKeyEvent(kScanF3)}},
        {"\x1b[[C", {ExtendedKeyEvent(kScanF3)}},
        {"\x1b[A\x1b[B\x1b[C\x1b[D",
         {ExtendedKeyEvent(kScanUp), ExtendedKeyEvent(kScanDown), ExtendedKeyEvent(kScanRight),
          ExtendedKeyEvent(kScanLeft)}},
        {"\x1bOA\x1bOB\x1bOC\x1bOD",
         {ExtendedKeyEvent(kScanUp), ExtendedKeyEvent(kScanDown), ExtendedKeyEvent(kScanRight),
          ExtendedKeyEvent(kScanLeft)}},
    });
    EXPECT_EQ(Decode("\x1b[5F", "\x1b[5F"), DescribeAll({ExtendedKeyEvent(kScanF1)}))
        << "the terminal description's own F1";
    EXPECT_EQ(Decode("\x1b[5F"), DescribeAll({}));
}

// The Linux console sends F1-F5 as ESC [ [ A to E; each is the key xterm's form of it is, and the
// keys the program has no use for are swallowed alike.
TEST(InputDecoder, LinuxConsoleFunctionKeysAreXtermsKeys) {
    struct Pair {
        const char* console;
        const char* xterm;
    };
    const Pair keys[] = {
        {"\x1b[[A", "\x1bOP"}, {"\x1b[[B", "\x1bOQ"},   {"\x1b[[C", "\x1bOR"},
        {"\x1b[[D", "\x1bOS"}, {"\x1b[[E", "\x1b[15~"},
    };
    for (const Pair& key : keys) {
        EXPECT_EQ(Decode(std::string(key.console) + "z"), Decode(std::string(key.xterm) + "z"))
            << "bytes: " << Printable(key.console);
    }
    EXPECT_EQ(Decode("\x1b[[B"), DescribeAll({ExtendedKeyEvent(kScanF2)}))
        << "F2 switches the picture view";
}

TEST(InputDecoder, HomeEndAndDeleteInEveryForm) {
    ExpectDecodes({
        {"\x1b[H\x1bOH\x1b[1~\x1b[7~",
         {ExtendedKeyEvent(kScanHome), ExtendedKeyEvent(kScanHome), ExtendedKeyEvent(kScanHome),
          ExtendedKeyEvent(kScanHome)}},
        {"\x1b[F\x1bOF\x1b[4~\x1b[8~",
         {ExtendedKeyEvent(kScanEnd), ExtendedKeyEvent(kScanEnd), ExtendedKeyEvent(kScanEnd),
          ExtendedKeyEvent(kScanEnd)}},
        {"\x1b[3~", {ExtendedKeyEvent(kScanDelete)}},
    });
}

TEST(InputDecoder, AltWithALetterIsItsExtendedKey) {
    ExpectDecodes({
        {"\x1bo", {ExtendedKeyEvent(24)}},  // Alt+O, the code of the Line command
        {"\x1bq\x1bp\x1b"
         "a\x1bl\x1bz\x1bm",
         {ExtendedKeyEvent(16), ExtendedKeyEvent(25), ExtendedKeyEvent(30), ExtendedKeyEvent(38),
          ExtendedKeyEvent(44), ExtendedKeyEvent(50)}},
        {"\x1bGz", {ExtendedKeyEvent(34), KeyEvent('z')}},  // Alt+Shift+G counts as Alt+G
    });
    EXPECT_EQ(AltLetterScanCode('h'), 35) << "Alt+H, the code of the Text command";
    EXPECT_EQ(AltLetterScanCode('5'), 0);
}

TEST(InputDecoder, ABracketedPasteIsOneEventOfItsText) {
    ExpectDecodes({
        {"\x1b[200~Hello\r\nworld\x1b[201~z", {PasteEvent("Hello\r\nworld"), KeyEvent('z')}},
        {"\x1b[200~caf\xC3\xA9 \xE2\x82\xAC\x1b[201~", {PasteEvent("caf\xE9 \x80")}},
        // Esc and anything that looks like a key or a report inside is text.
        {"\x1b[200~a\x1b\x1b[Ab\x1b[<0;1;1M\x1b[201~", {PasteEvent("a\x1b\x1b[Ab\x1b[<0;1;1M")}},
        {"\x1b[200~\x1b[201x\x1b[20\x1b[201~", {PasteEvent("\x1b[201x\x1b[20")}},
        {"\x1b[200~\x1b[201~z", {KeyEvent('z')}},  // nothing pasted
    });
}

TEST(InputDecoder, AHugePasteKeepsItsStartAndNothingGrows) {
    InputDecoder decoder;
    std::vector<InputEvent> events;
    EXPECT_TRUE(decoder.Feed("\x1b[200~").empty());
    for (int i = 0; i < 256; ++i) {  // a megabyte pasted
        ASSERT_TRUE(decoder.Feed(std::string(4096, 'p')).empty());
        ASSERT_LE(decoder.PastedBytes(), InputDecoder::kMaxPaste);
    }
    events = decoder.Feed("\x1b[201~z");
    EXPECT_EQ(DescribeAll(events),
              DescribeAll({PasteEvent(std::string(InputDecoder::kMaxPaste, 'p')), KeyEvent('z')}));
}

TEST(InputDecoder, OtherSequencesAreSwallowedWhole) {
    ExpectDecodes({
        {"\x1b[1;5Az", {KeyEvent('z')}},  // Ctrl+Up
        {"\x1b[15~z", {KeyEvent('z')}},   // F5
        {"\x1bO2Pz", {KeyEvent('z')}},    // Shift+F1 of some terminals
        {"\x1b[[Ez", {KeyEvent('z')}},    // the Linux console's F5
        {"\x1b"
         "1z",
         {KeyEvent('z')}},                                // Alt+1
        {"\x1b\xC3\xA9z", {KeyEvent('z')}},               // Alt+é
        {"\x1b[12\rz", {KeyEvent('\r'), KeyEvent('z')}},  // cut short by a control byte
        // Answers to the start-up queries that come too late, and other terminal reports.
        {"\x1b[?64;1;2;4;6c"
         "z",
         {KeyEvent('z')}},
        {"\x1b]52;c;QUJD\az", {KeyEvent('z')}},
        {"\x1b]52;c;QUJD\x1b\\z", {KeyEvent('z')}},
        {"\x1b_Gi=31;OK\x1b\\z", {KeyEvent('z')}},
        {"\x1bP>|XTerm(379)\x1b\\z", {KeyEvent('z')}},
        {"\x1b]11;rgb:0000/0000/0000\x1b[<0;12;5M", {PressEvent(5, 12)}},  // cut short by a report
    });
}

TEST(InputDecoder, ALoneEscIsTheEscKeyOnlyOnceTheReaderFlushesIt) {
    InputDecoder decoder;
    EXPECT_TRUE(decoder.Feed("\x1b").empty());
    EXPECT_TRUE(decoder.EscapePending());
    EXPECT_EQ(Describe(*decoder.FlushPendingEscape()), Describe(KeyEvent(kEscKey)));
    EXPECT_FALSE(decoder.EscapePending());
    EXPECT_FALSE(decoder.FlushPendingEscape());

    EXPECT_TRUE(decoder.Feed("\x1b").empty());
    EXPECT_EQ(DescribeAll(decoder.Feed("[A")), DescribeAll({ExtendedKeyEvent(kScanUp)}))
        << "an Esc followed by the rest of a sequence is no key";

    EXPECT_EQ(DescribeAll(decoder.Feed("\x1b\x1b")), DescribeAll({KeyEvent(kEscKey)}));
    EXPECT_TRUE(decoder.EscapePending());
    EXPECT_TRUE(decoder.FlushPendingEscape());
}

TEST(InputDecoder, AnUnfinishedSequenceWaitsForItsEndAndIsNoEsc) {
    InputDecoder decoder;
    EXPECT_TRUE(decoder.Feed("\x1b[<0;1").empty());
    EXPECT_FALSE(decoder.EscapePending());
    EXPECT_FALSE(decoder.FlushPendingEscape());
    EXPECT_EQ(DescribeAll(decoder.Feed("2;5M")), DescribeAll({PressEvent(5, 12)}));
}

TEST(InputDecoder, AnEscStartsANewSequenceWhateverWasUnfinished) {
    const std::string report = "\x1b[<0;12;5M";
    const InputEvent press = PressEvent(5, 12);
    const std::vector<Case> cases = {
        {"\x1b[[", {press}},    {"\x1b\xC3", {press}}, {"\x1b\xE2\x82", {press}},
        {"\x1b[<0;1", {press}}, {"\x1bO", {press}},    {"\xE2\x82", {KeyEvent('?'), press}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Decode(c.bytes + report), DescribeAll(c.events))
            << "before: " << Printable(c.bytes);
    }
}

TEST(InputDecoder, AnOverlongSequenceIsDroppedToItsEndAndNothingGrows) {
    std::string overlong = "\x1b[";
    overlong.append(300, '1');
    overlong += "Mz";
    EXPECT_EQ(Decode(overlong), DescribeAll({KeyEvent('z')})) << "no digit leaks out as a key";

    InputDecoder decoder;
    EXPECT_TRUE(decoder.Feed("\x1b[").empty());
    const std::string piece(4096, ';');
    std::vector<InputEvent> events;
    for (int i = 0; i < 256; ++i) {  // a megabyte without an end
        for (const InputEvent& event : decoder.Feed(piece)) events.push_back(event);
        ASSERT_LE(decoder.PendingBytes(), InputDecoder::kMaxSequence);
    }
    for (const InputEvent& event : decoder.Feed("\x1b[<0;12;5M")) events.push_back(event);
    EXPECT_EQ(DescribeAll(events), DescribeAll({PressEvent(5, 12)}));

    EXPECT_TRUE(decoder.Feed("\x1b]52;c;").empty());
    for (int i = 0; i < 256; ++i) {  // a megabyte of clipboard in an answer
        ASSERT_TRUE(decoder.Feed(std::string(4096, 'Q')).empty());
        ASSERT_LE(decoder.PendingBytes(), InputDecoder::kMaxSequence);
    }
    EXPECT_EQ(DescribeAll(decoder.Feed("\az")), DescribeAll({KeyEvent('z')}));
}

TEST(InputDecoder, RandomStreamsDecodeAlikeInAnyPieces) {
    // Pieces of what terminals send, so the streams reach deep into sequences.
    const std::vector<std::string> parts = {
        "\x1b", "[",    "<",    "0",    "35",   ";",    "12",   "M",    "m",    "O",  "P",
        "[",    "~",    "\xC3", "\xA9", "\xE2", "\x82", "\xF0", "\x80", "\xC0", "a",  "\r",
        "\x7f", "\x03", "\xFF", "A",    "]",    "_",    "\a",   "\\",   "200",  "201"};
    std::mt19937 random(11);
    for (int run = 0; run < 3000; ++run) {
        std::string stream;
        const auto length = random() % 60;
        for (std::size_t i = 0; i < length; ++i) {
            stream += random() % 8 == 0 ? std::string(1, static_cast<char>(random()))
                                        : parts[random() % parts.size()];
        }
        const std::string broken = CheckDecoderStream(stream, static_cast<std::uint32_t>(run));
        ASSERT_EQ(broken, "") << "bytes: " << Printable(stream);
    }
}

TEST(InputDecoder, BytesSplitAnywhereDecodeAsIfReadAtOnce) {
    const std::string stream =
        "a\x1b[<35;10;20M\xC3\xA9\x1b[<0;10;20M\x1b[<0;10;20m\x1bOP\x1b[11~\x1b[[A\x1b[15~"
        "\xE2\x82\xAC"
        "\x1b[D\r\x1b[200~p\x1bq\r\n\x1b[201~\x1bo";
    const auto whole = Decode(stream);
    ASSERT_EQ(whole.size(), 13u);
    for (std::size_t cut = 1; cut < stream.size(); ++cut) {
        InputDecoder decoder;
        auto events = decoder.Feed(stream.substr(0, cut));
        for (const auto& event : decoder.Feed(stream.substr(cut))) events.push_back(event);
        EXPECT_EQ(DescribeAll(events), whole) << "cut at " << cut;
    }
    InputDecoder byteByByte;
    std::vector<InputEvent> events;
    for (char byte : stream) {
        for (const auto& event : byteByByte.Feed(std::string(1, byte))) events.push_back(event);
    }
    EXPECT_EQ(DescribeAll(events), whole);
}

}  // namespace
}  // namespace gridlet
