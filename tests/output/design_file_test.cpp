#include "output/design_file.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/basic_error.h"

namespace gridlet {
namespace {

// A screen image with every byte value in it, the line ends 13 and 26 among them, as characters
// and as attributes.
std::string EveryByteImage() {
    std::string image(kScreenImageSize, '\0');
    for (std::size_t cell = 0; cell < kScreenImageSize / 4; ++cell) {
        image[4 * cell] = static_cast<char>(cell % 256);
        image[4 * cell + 2] = static_cast<char>((cell * 7 + 13) % 256);
    }
    return image;
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) text += line + "\r\n";
    return text;
}

int ErrorDecoding(const std::string& bytes) {
    try {
        DecodeDesignFile(bytes);
    } catch (const BasicError& error) {
        return error.number();
    }
    return 0;
}

TEST(DesignFile, ExactBytesOfAStatementWithAQuotedCommaAndALineEnd) {
    SectionTable sections{};
    sections.At(12) = "   GRAPHIC PRINT \"Hello, world\"\r\n\r\n";
    const std::string image = EveryByteImage();
    const std::string file = EncodeDesignFile(image, sections);

    std::vector<std::string> lines(kSectionsWritten, "\x7F\x7F\x7F");
    lines[11] = "   GRAPHIC PRINT `Hello~ world`\xEE\xEE";
    EXPECT_EQ(file, image + "\r\n" + Lines(lines));

    const DesignFileContents read = DecodeDesignFile(file);
    EXPECT_EQ(read.screenImage, image) << "bytes 13 and 26 in the image end no line";
    for (int i = 1; i <= kSectionsRead; ++i) {
        EXPECT_EQ(read.sections.At(i), sections.At(i)) << "section " << i;
    }
}

// Lines after the image end at CR, which takes a LF after it along, or at byte 26, which ends
// the file; lines 49 to 52 are not needed, and the last line needs no line end.
TEST(DesignFile, TheLinesAfterTheImageAreReadAsTheFormatsLineReaderReadsThem) {
    const std::string image(kScreenImageSize, 'x');
    std::string file = image + "\r\n" + "one\rtwo\r\n\nthree\r\r\n";
    for (int i = 5; i <= 46; ++i) file += "s\r\n";
    const DesignFileContents read = DecodeDesignFile(file + "last");
    EXPECT_EQ(read.sections.At(1), "one");
    EXPECT_EQ(read.sections.At(2), "two");
    EXPECT_EQ(read.sections.At(3), "\nthree");
    EXPECT_EQ(read.sections.At(4), "");
    EXPECT_EQ(read.sections.At(47), "last");

    EXPECT_EQ(ErrorDecoding(file + "\x1A" + "last\r\n"), kErrorInputPastEnd);
    EXPECT_EQ(DecodeDesignFile(file + "la\x1A" + "st\r\n").sections.At(47), "la");
}

TEST(DesignFile, AFileShorterThanADesignIsInputPastEnd) {
    const std::string image(kScreenImageSize, ' ');
    const std::string whole = image + "\r\n" + Lines(std::vector<std::string>(47, "\x7F\x7F\x7F"));
    ASSERT_EQ(ErrorDecoding(whole), 0);
    const std::string shortFiles[] = {
        "",
        image.substr(0, 100),
        image + "\n\r" + Lines(std::vector<std::string>(47, "s")),
        image.substr(1) + "\r\n" + Lines(std::vector<std::string>(48, "s")),
        image + "\r\n",
        image + "\r\n" + Lines(std::vector<std::string>(46, "s")),
    };
    for (const std::string& file : shortFiles) {
        SCOPED_TRACE(file.size());
        EXPECT_EQ(ErrorDecoding(file), kErrorInputPastEnd);
    }
}

TEST(DesignFile, SectionsAreEncodedAndDecodedInTheirOrder) {
    EXPECT_EQ(EncodeSection(""), "\x7F\x7F\x7F");
    EXPECT_EQ(EncodeSection("a \"b\", c\r\nd\r\n"),
              "a `b`~ c\xEE"
              "d\xEE");
    EXPECT_EQ(DecodeSection("\x7F\x7F\x7F"), "");
    EXPECT_EQ(DecodeSection("`q`~\xEE\x7F\x7F\x7F\x7F"), "\"q\",\r\n\x7F");
}

// Every text comes back from a file as it was unless it holds one of the characters reported,
// whichever of them it holds.
TEST(DesignFile, ExactlyTheTextsWithUnkeptCharactersDoNotComeBackAsTheyWere) {
    const std::string alphabet = std::string("a\",`~\xEE\r\n\x7F\x1A");
    std::mt19937 random(13);
    const std::string image(kScreenImageSize, ' ');
    int unchanged = 0;
    for (int round = 0; round < 4000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 9);
        for (int i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
        SectionTable sections{};
        sections.At(20) = text;
        std::string back;
        try {
            back = DecodeDesignFile(EncodeDesignFile(image, sections)).sections.At(20);
        } catch (const BasicError&) {
            back = "(unreadable)";
        }
        const bool kept = UnkeptCharacters(sections).empty();
        EXPECT_EQ(back == text, kept) << testing::PrintToString(text);
        unchanged += kept ? 1 : 0;
    }
    EXPECT_GT(unchanged, 100);
}

TEST(DesignFile, UnkeptCharactersAreNamedOnceEachInTheirOrder) {
    SectionTable sections{};
    sections.At(1) = "~ ` ~";
    sections.At(32) = "\x1A \xEE \r \x7F\x7F\x7F `";
    sections.At(48) = "~";  // not read back, so not asked about
    EXPECT_EQ(
        UnkeptCharacters(sections),
        (std::vector<Unkept>{Unkept::GraveAccent, Unkept::Tilde, Unkept::ICircumflex,
                             Unkept::DeleteRun, Unkept::LoneCarriageReturn, Unkept::EndOfFile}));
    sections.At(1) = "\r\n";
    sections.At(32) = "\x7F\x7F \x7F";
    EXPECT_TRUE(UnkeptCharacters(sections).empty());
}

}  // namespace
}  // namespace gridlet
