#include "doubles/memory_backend.h"

#include "platform/basic_error.h"

namespace gridlet {

void MemoryBackend::Present(const ScreenState& screen) {
    ++presents;
    if (onPresent) onPresent(screen);
}

std::optional<InputEvent> MemoryBackend::NextInput(int) {
    if (script_.empty()) throw ScriptExhausted{};
    Step step = std::move(script_.front());
    script_.pop_front();
    if (step.errorNumber != 0) throw BasicError(step.errorNumber, "scripted run-time error");
    return step.event;
}

void MemoryBackend::ShowPicture(const PictureRequest& request) {
    const PictureView& picture = request.picture;
    pictures.push_back({picture.width, picture.height,
                        std::vector<std::uint8_t>(picture.rgb.begin(), picture.rgb.end()),
                        request.area, request.mode});
}

}  // namespace gridlet
