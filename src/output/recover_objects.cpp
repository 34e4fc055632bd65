#include "output/recover_objects.h"

#include "model/kind_table.h"

namespace gridlet {
namespace {

DesignObject KeptAsWritten(ObjectKind kind, const std::string& code, Destination destination) {
    DesignObject object;
    object.kind = kind;
    object.block = code;
    object.destination = destination;
    object.keptAsWritten = true;
    return object;
}

}  // namespace

std::vector<DesignObject> RecoverObjects(const Design& design) {
    std::vector<DesignObject> objects;
    const auto keep = [&objects](ObjectKind kind, const std::string& code,
                                 Destination destination) {
        if (!code.empty()) objects.push_back(KeptAsWritten(kind, code, destination));
    };
    keep(ObjectKind::Paint, design.backgroundPaintCode, Destination::Background);
    keep(ObjectKind::Box, design.backLayerCode, Destination::BackLayer);
    for (std::size_t i = 0; i < std::size(kKindTable); ++i) {
        const KindEntry& kind = kKindTable[i];
        // Kinds that share an accumulator: its code once, under the first.
        const bool first = i == 0 || kKindTable[i - 1].accumulator != kind.accumulator;
        if (first) keep(kind.kind, design.*kind.accumulator, Destination::Kind);
    }
    return objects;
}

}  // namespace gridlet
