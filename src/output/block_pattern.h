#pragma once
// A block's shape with holes for the values it was built from: literal text, numbers as the
// code writes them, and texts that run up to the literal after them. Matching fills the holes;
// whether the values give the block back is for the caller to check.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace gridlet {

class BlockPattern {
  public:
    BlockPattern& Literal(std::string_view text);
    // An optional blank, an optional minus and digits that fit 32 bits.
    BlockPattern& Number(std::int32_t& value);
    // Everything up to the first place the next literal stands outside brackets and quotes; the
    // last hole takes the rest.
    BlockPattern& Text(std::string& value);

    // True, with the holes filled, when the whole of text has the shape.
    bool Match(std::string_view text) const;
    // The line ends the shape's literals hold.
    int LineCount() const;

  private:
    struct Piece {
        std::string literal;
        std::int32_t* number = nullptr;
        std::string* text = nullptr;
    };
    std::vector<Piece> pieces_;
};

}  // namespace gridlet
