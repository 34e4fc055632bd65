#include "output/route_notice.h"

#include <string>

#include "model/screen_layout.h"

namespace gridlet {
namespace {

constexpr int kNoticeForeground = 7;
constexpr int kNoticeBackground = 0;
constexpr int kNoticePause = 3000;

}  // namespace

void ShowRouteNotice(Context& context, std::string_view text) {
    std::string row(text.substr(0, kScreenWidth));
    row.resize(kScreenWidth, ' ');
    context.screen.PrintAt(kHintRow, 1, kNoticeForeground, kNoticeBackground, row);
    context.console.Sleep(kNoticePause);
}

}  // namespace gridlet
