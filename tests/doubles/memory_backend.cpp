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
    if (step.error) std::rethrow_exception(step.error);
    return step.event;
}

void MemoryBackend::Script(const InputEvent& event) {
    script_.push_back({event, nullptr});
}

void MemoryBackend::Script(const std::vector<InputEvent>& events) {
    for (const InputEvent& event : events) Script(event);
}

void MemoryBackend::ScriptFirst(const InputEvent& event) {
    script_.push_front({event, nullptr});
}

void MemoryBackend::ScriptError(int errorNumber) {
    ScriptThrow(std::make_exception_ptr(BasicError(errorNumber, "scripted run-time error")));
}

void MemoryBackend::ScriptThrow(std::exception_ptr error) {
    script_.push_back({std::nullopt, std::move(error)});
}

void MemoryBackend::ShowPicture(const PictureRequest& request) {
    const PictureView& picture = request.picture;
    pictures.push_back({picture.width, picture.height,
                        std::vector<std::uint8_t>(picture.rgb.begin(), picture.rgb.end()),
                        request.area, request.mode});
}

}  // namespace gridlet
