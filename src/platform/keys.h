#pragma once
// The keys the program answers to: plain keys by their byte, extended keys by their scan code.

namespace gridlet {

constexpr char kEnterKey = 13;
constexpr char kEscKey = 27;
constexpr char kTabKey = 9;
constexpr char kBackspaceKey = 8;

constexpr int kScanF1 = 59;
constexpr int kScanUp = 72;
constexpr int kScanLeft = 75;
constexpr int kScanRight = 77;
constexpr int kScanDown = 80;

}  // namespace gridlet
