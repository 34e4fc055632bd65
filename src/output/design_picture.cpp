#include "output/design_picture.h"

#include <algorithm>

#include "output/compose_program.h"
#include "output/main_function.h"

namespace gridlet {

PictureChange DesignPicture::Update(const Design& design) {
    if (design.windowExists == 0) {
        const bool had = !head_.empty() || !tail_.empty();
        *this = DesignPicture{};
        return had ? PictureChange::Redrawn : PictureChange::None;
    }
    SectionTable sections = ComposeSections(design, CodeForm::GraphicWindow);
    std::string head = JoinSections(sections, Section::KeptObjectNumber);
    // String variables are drawn after the routine, by the complete program's DoString.
    const bool routineOnly = sections[Section::DoStringRoutine].empty();
    std::string tail = routineOnly ? sections[Section::EndSub]
                                   : CompleteProgram(sections, design).substr(head.size());
    if (head == head_ && tail == tail_) return PictureChange::None;
    const bool onTop = open_ && tail == tail_ && head.size() > head_.size() &&
                       head.starts_with(head_) && head_.ends_with('\n');
    if (!onTop) {
        Redraw(std::move(head), std::move(tail), routineOnly);
        return PictureChange::Redrawn;
    }
    const int firstLine = static_cast<int>(std::count(head_.begin(), head_.end(), '\n')) + 1;
    open_->Add(std::string_view(head).substr(head_.size()), firstLine);
    head_ = std::move(head);
    picture_ = open_->Picture();
    notDrawn_ = open_->NotDrawnList();
    return PictureChange::Added;
}

void DesignPicture::Redraw(std::string head, std::string tail, bool routineOnly) {
    head_ = std::move(head);
    tail_ = std::move(tail);
    open_.reset();
    const std::string program = head_ + tail_;
    if (routineOnly) {
        open_ = std::make_unique<OpenDrawing>(program);
        picture_ = open_->Picture();
        notDrawn_ = open_->NotDrawnList();
        return;
    }
    RenderResult result = RenderProgram(program);
    picture_ = std::move(result.image);
    notDrawn_ = std::move(result.notDrawn);
}

}  // namespace gridlet
