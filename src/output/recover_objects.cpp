#include "output/recover_objects.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <utility>

#include "design/fit_marks.h"
#include "design/object_mark.h"
#include "model/accumulators.h"
#include "model/kind_table.h"
#include "output/read_blocks.h"
#include "output/read_strings.h"
#include "platform/console.h"

namespace gridlet {
namespace {

// What the back layer may hold: any object the move menu can send there.
constexpr ObjectKind kBackLayerKinds[] = {
    ObjectKind::Paint,         ObjectKind::Star,    ObjectKind::Arc, ObjectKind::Pie,
    ObjectKind::NaturalBitmap, ObjectKind::Polygon, ObjectKind::Box, ObjectKind::Ellipse,
    ObjectKind::Line,          ObjectKind::Text,
};

// The colours the main loop gives the console for a pass, which a paint's letter takes; for a
// letter the stored screen does not show.
constexpr std::uint8_t kPassAttribute = 0x8A;

// One text of the design and the pieces read from it, in the order the list writes them.
struct Source {
    std::string Design::*code;
    Destination destination;
    ObjectKind keptKind;
    std::vector<DesignObject> pieces;
};

void KeepWhole(const Design& design, Source& source) {
    source.pieces.clear();
    const std::string& code = design.*source.code;
    if (code.empty()) return;
    source.pieces.push_back(KeptAsWritten(source.keptKind, code));
    source.pieces.back().destination = source.destination;
}

std::vector<Source> ReadSources(const Design& design) {
    std::vector<Source> sources;
    constexpr ObjectKind kPaint[] = {ObjectKind::Paint};
    Source background{&Design::backgroundPaintCode, Destination::Background, ObjectKind::Paint,
                      ReadTaggedBlocks(design.backgroundPaintCode, kPaint, ObjectKind::Paint)};
    // The background is one paint, written in place of any before it.
    if (background.pieces.size() > 1) KeepWhole(design, background);
    sources.push_back(std::move(background));
    // The last sent to the back stands first.
    Source back{&Design::backLayerCode, Destination::BackLayer, ObjectKind::Box,
                ReadTaggedBlocks(design.backLayerCode, kBackLayerKinds, ObjectKind::Box)};
    std::reverse(back.pieces.begin(), back.pieces.end());
    sources.push_back(std::move(back));
    for (const KindEntry& entry : kKindTable) {
        if (entry.kind == ObjectKind::StringVariable) continue;
        const auto same = [&entry](const Source& s) { return s.code == entry.accumulator; };
        if (std::any_of(sources.begin(), sources.end(), same)) continue;
        std::vector<ObjectKind> kinds;
        for (const KindEntry& other : kKindTable) {
            if (other.accumulator == entry.accumulator) kinds.push_back(other.kind);
        }
        sources.push_back({entry.accumulator, Destination::Kind, entry.kind,
                           ReadTaggedBlocks(design.*entry.accumulator, kinds, entry.kind)});
    }
    sources.push_back({&Design::doStringBody, Destination::Kind, ObjectKind::StringVariable,
                       ReadStringVariables(design.doStringBody, design.globalDecls)});
    return sources;
}

std::uint8_t LetterAttribute(std::string_view storedScreen, const CellRect& cell) {
    if (cell.top < 1 || cell.top > kScreenHeight || cell.left < 1 || cell.left > kScreenWidth)
        return kPassAttribute;
    const std::size_t at =
        4 * (static_cast<std::size_t>(cell.top - 1) * kScreenWidth + (cell.left - 1));
    if (at + 2 >= storedScreen.size() || storedScreen[at] != 'P') return kPassAttribute;
    return static_cast<std::uint8_t>(storedScreen[at + 2]);
}

void MarkObjects(std::vector<Source>& sources, const Design& design,
                 std::string_view storedScreen) {
    for (Source& source : sources) {
        for (DesignObject& piece : source.pieces) {
            piece.destination = source.destination;
            if (piece.keptAsWritten) continue;
            piece.mark = MarkOfValues(piece.kind, piece.values, design, kPassAttribute);
            if (piece.mark.kind == MarkKind::LetterP)
                piece.mark.attribute = LetterAttribute(storedScreen, piece.mark.area);
        }
    }
}

bool IsVariable(const DesignObject& piece) {
    return piece.kind == ObjectKind::StringVariable && !piece.keptAsWritten;
}

// A string variable has no number in the code. Every number up to the design's object number
// that no tagged object has went to a variable, to a command refused or to an object undone;
// when there are as many as variables, they are the variables', in order.
void NumberVariables(std::vector<Source>& sources, std::int32_t objectNumber) {
    std::vector<std::int32_t> tagged;
    std::vector<DesignObject*> variables;
    for (Source& source : sources) {
        for (DesignObject& piece : source.pieces) {
            if (IsVariable(piece)) {
                variables.push_back(&piece);
            } else if (!piece.keptAsWritten && piece.number >= 1 && piece.number <= objectNumber) {
                tagged.push_back(piece.number);
            }
        }
    }
    std::sort(tagged.begin(), tagged.end());
    tagged.erase(std::unique(tagged.begin(), tagged.end()), tagged.end());
    const std::int64_t free =
        std::int64_t{std::max(objectNumber, 0)} - static_cast<std::int64_t>(tagged.size());
    if (variables.empty() || free != static_cast<std::int64_t>(variables.size())) return;
    std::int32_t number = 0;
    for (DesignObject* variable : variables) {
        do ++number;
        while (std::binary_search(tagged.begin(), tagged.end(), number));
        variable->number = number;
    }
}

// The sources' pieces in the order they were placed: by number, each source's own order kept, a
// piece with no number going with the piece before it.
std::vector<DesignObject> InPlacingOrder(const std::vector<Source>& sources) {
    constexpr std::int64_t kFirst = std::numeric_limits<std::int64_t>::min();
    const auto known = [](const DesignObject& piece) {
        return !piece.keptAsWritten && !(IsVariable(piece) && piece.number == 0);
    };
    std::vector<std::size_t> next(sources.size(), 0);
    std::vector<std::int64_t> key(sources.size(), kFirst);
    std::vector<DesignObject> objects;
    for (;;) {
        std::size_t chosen = sources.size();
        for (std::size_t s = 0; s < sources.size(); ++s) {
            if (next[s] == sources[s].pieces.size()) continue;
            const DesignObject& piece = sources[s].pieces[next[s]];
            const std::int64_t k = known(piece) ? piece.number : key[s];
            if (chosen == sources.size() || k < key[chosen]) chosen = s;
            key[s] = k;
        }
        if (chosen == sources.size()) return objects;
        objects.push_back(sources[chosen].pieces[next[chosen]++]);
    }
}

// The texts that the list does not write back as the design has them.
std::vector<std::size_t> Unwritten(const std::vector<DesignObject>& objects,
                                   const std::vector<Source>& sources, const Design& design) {
    Design written;
    written.objects = objects;
    WriteAccumulators(written);
    std::vector<std::size_t> unwritten;
    for (std::size_t s = 0; s < sources.size(); ++s) {
        if (written.*sources[s].code != design.*sources[s].code) unwritten.push_back(s);
    }
    return unwritten;
}

// Each object as placed, the newest last. A variable taken back leaves its font head, as its tool
// records it.
History Placements(const std::vector<DesignObject>& objects) {
    History history;
    for (std::size_t i = 0; i < objects.size(); ++i) {
        const DesignObject& object = objects[i];
        if (object.keptAsWritten) continue;
        std::optional<DesignObject> before;
        if (object.kind == ObjectKind::StringVariable) {
            before = DesignObject{};
            before->number = object.number;
            before->kind = object.kind;
            before->block = object.values.fontHead;
            before->leftover = true;
        }
        history.done.push_back({i, std::move(before), i, object});
    }
    return history;
}

}  // namespace

RecoveredObjects RecoverObjects(Screen& screen, const Design& design,
                                const std::string& storedScreen) {
    std::vector<Source> sources = ReadSources(design);
    MarkObjects(sources, design, storedScreen);
    NumberVariables(sources, design.objectNumber);
    std::vector<DesignObject> objects = InPlacingOrder(sources);
    // The list must write the code as the file has it: a text it does not is kept whole.
    const std::vector<std::size_t> unwritten = Unwritten(objects, sources, design);
    if (!unwritten.empty()) {
        for (const std::size_t s : unwritten) KeepWhole(design, sources[s]);
        objects = InPlacingOrder(sources);
        if (!Unwritten(objects, sources, design).empty())
            throw std::logic_error("code kept whole is not written back as it stands");
    }
    FitMarks(screen, objects, storedScreen);
    History history = Placements(objects);
    return {std::move(objects), std::move(history)};
}

}  // namespace gridlet
