#include "output/design_file.h"

#include <algorithm>

#include "codegen/text_replace.h"
#include "platform/basic_error.h"

namespace gridlet {
namespace {

constexpr char kCrLf[] = "\r\n";
constexpr char kLineBreakByte = '\xEE';
constexpr char kEmptyMark[] = "\x7F\x7F\x7F";
constexpr char kEndOfFileByte = '\x1A';

bool HoldsLoneCarriageReturn(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) return true;
    }
    return false;
}

[[noreturn]] void PastEnd(const char* what) {
    throw BasicError(kErrorInputPastEnd, std::string("not a design file: ") + what);
}

// Reads lines as the format's line reader does: a line ends at CR, which takes a LF right after it
// along, or at the end-of-file byte, after which nothing is read.
class LineReader {
  public:
    explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

    std::string_view Take(std::size_t count) {
        if (bytes_.size() - position_ < count) PastEnd("the screen image is cut short");
        const std::string_view taken = bytes_.substr(position_, count);
        position_ += count;
        return taken;
    }
    void ExpectLineEnd() {
        if (Take(2) != kCrLf) PastEnd("the screen image is not 16,560 bytes long");
    }
    std::string_view Line() {
        if (position_ >= bytes_.size() || bytes_[position_] == kEndOfFileByte)
            PastEnd("fewer lines than a design has");
        const std::size_t end = std::min(bytes_.find_first_of("\r\x1A", position_), bytes_.size());
        const std::string_view line = bytes_.substr(position_, end - position_);
        if (end == bytes_.size() || bytes_[end] == kEndOfFileByte) {
            position_ = bytes_.size();
        } else {
            position_ = end + 1;
            if (position_ < bytes_.size() && bytes_[position_] == '\n') ++position_;
        }
        return line;
    }

  private:
    std::string_view bytes_;
    std::size_t position_ = 0;
};

}  // namespace

std::string EncodeSection(std::string_view text) {
    std::string line(text);
    std::replace(line.begin(), line.end(), '"', '`');
    std::replace(line.begin(), line.end(), ',', '~');
    ReplaceAll(line, kCrLf, std::string_view(&kLineBreakByte, 1));
    return line.empty() ? kEmptyMark : line;
}

std::string DecodeSection(std::string_view line) {
    std::string text(line);
    std::replace(text.begin(), text.end(), '`', '"');
    std::replace(text.begin(), text.end(), '~', ',');
    ReplaceAll(text, std::string_view(&kLineBreakByte, 1), kCrLf);
    ReplaceAll(text, kEmptyMark, "");
    return text;
}

std::string EncodeDesignFile(std::string_view screenImage, const SectionTable& sections) {
    std::string file(screenImage);
    file += kCrLf;
    for (int i = 1; i <= kSectionsWritten; ++i) {
        file += EncodeSection(sections.At(i));
        file += kCrLf;
    }
    return file;
}

DesignFileContents DecodeDesignFile(std::string_view bytes) {
    LineReader reader(bytes);
    DesignFileContents contents;
    contents.screenImage = std::string(reader.Take(kScreenImageSize));
    reader.ExpectLineEnd();
    for (int i = 1; i <= kSectionsRead; ++i) {
        contents.sections.At(i) = DecodeSection(reader.Line());
    }
    return contents;
}

std::vector<Unkept> UnkeptCharacters(const SectionTable& sections) {
    const auto anywhere = [&sections](auto&& holds) {
        for (int i = 1; i <= kSectionsRead; ++i) {
            if (holds(std::string_view(sections.At(i)))) return true;
        }
        return false;
    };
    const auto holding = [](std::string_view what) {
        return [what](std::string_view text) { return text.find(what) != std::string_view::npos; };
    };
    const std::pair<Unkept, bool> found[] = {
        {Unkept::GraveAccent, anywhere(holding("`"))},
        {Unkept::Tilde, anywhere(holding("~"))},
        {Unkept::ICircumflex, anywhere(holding(std::string_view(&kLineBreakByte, 1)))},
        {Unkept::DeleteRun, anywhere(holding(kEmptyMark))},
        {Unkept::LoneCarriageReturn, anywhere(HoldsLoneCarriageReturn)},
        {Unkept::EndOfFile, anywhere(holding(std::string_view(&kEndOfFileByte, 1)))},
    };
    std::vector<Unkept> unkept;
    for (const auto& [kind, present] : found) {
        if (present) unkept.push_back(kind);
    }
    return unkept;
}

}  // namespace gridlet
