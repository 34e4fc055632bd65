#include "model/accumulators.h"

#include <string>
#include <utility>
#include <vector>

#include "model/kind_table.h"

namespace gridlet {
namespace {

using Accumulator = std::string Design::*;

// The kinds' accumulators with the texts written for them.
class WrittenTexts {
  public:
    WrittenTexts() {
        for (const KindEntry& kind : kKindTable) {
            if (Find(kind.accumulator) == nullptr) texts_.push_back({kind.accumulator, {}});
        }
    }
    std::string& operator[](Accumulator accumulator) { return *Find(accumulator); }
    // Puts the written texts in place; cannot fail.
    void SwapInto(Design& design) noexcept {
        for (auto& [accumulator, text] : texts_) (design.*accumulator).swap(text);
    }

  private:
    std::string* Find(Accumulator accumulator) {
        for (auto& [known, text] : texts_) {
            if (known == accumulator) return &text;
        }
        return nullptr;
    }
    std::vector<std::pair<Accumulator, std::string>> texts_;
};

}  // namespace

void WriteAccumulators(Design& design) {
    // Written into new texts first, so that a failure leaves the old ones whole.
    WrittenTexts written;
    std::string background;
    std::string backLayer;
    for (const DesignObject& object : design.objects) {
        switch (object.destination) {
            case Destination::Kind:
                written[KindOf(object.kind).accumulator] += object.block;
                break;
            case Destination::Background:
                background = object.block;
                break;
            case Destination::BackLayer:
                backLayer.insert(0, object.block);
                break;
        }
    }
    written.SwapInto(design);
    design.backgroundPaintCode.swap(background);
    design.backLayerCode.swap(backLayer);
}

}  // namespace gridlet
