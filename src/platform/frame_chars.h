#pragma once
// The code page 437 characters of a single-line frame.

namespace gridlet {

constexpr char kFrameTopLeft = '\xDA';
constexpr char kFrameTopRight = '\xBF';
constexpr char kFrameBottomLeft = '\xC0';
constexpr char kFrameBottomRight = '\xD9';
constexpr char kFrameHorizontal = '\xC4';
constexpr char kFrameVertical = '\xB3';

}  // namespace gridlet
