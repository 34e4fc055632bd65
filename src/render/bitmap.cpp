#include "render/bitmap.h"

#include <algorithm>

#include "render/lines.h"
#include "render/shapes.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wconversion"
#pragma GCC diagnostic ignored "-Wsign-conversion"
#pragma GCC diagnostic ignored "-Wshadow"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wdouble-promotion"
#define STB_IMAGE_STATIC  // private to this file, whatever else links stb_image
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#include <stb_image.h>
#pragma GCC diagnostic pop

namespace gridlet {

std::optional<Bitmap> ReadBitmap(const std::string& path) {
    int width = 0;
    int height = 0;
    int channels = 0;
    stbi_uc* data = stbi_load(path.c_str(), &width, &height, &channels, 3);
    if (!data) return std::nullopt;
    Bitmap bitmap{width, height, {}};
    bitmap.pixels.reserve(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < static_cast<std::size_t>(width) * height; ++i)
        bitmap.pixels.push_back({data[3 * i], data[3 * i + 1], data[3 * i + 2]});
    stbi_image_free(data);
    return bitmap;
}

void StretchBitmap(Canvas& canvas, const Bitmap& bitmap, IntRect rect) {
    const int left = std::min(rect.left, rect.right);
    const int right = std::max(rect.left, rect.right);
    const int top = std::min(rect.top, rect.bottom);
    const int bottom = std::max(rect.top, rect.bottom);
    const long long width = right - left;
    const long long height = bottom - top;
    canvas.Flush();
    for (int y = std::max(top, 0); y < std::min(bottom, canvas.Height()); ++y) {
        const long long sourceY = (y - top) * bitmap.height / height;
        for (int x = std::max(left, 0); x < std::min(right, canvas.Width()); ++x) {
            const long long sourceX = (x - left) * bitmap.width / width;
            canvas.SetPixel({x, y}, bitmap.pixels[sourceY * bitmap.width + sourceX]);
        }
    }
    canvas.MarkDirty();
}

void DrawMissingBitmap(Canvas& canvas, IntRect rect, Rgb colour) {
    const Pen pen{colour};
    DrawBox(canvas, rect, 0, pen, std::nullopt);
    DrawLine(canvas, {rect.left, rect.top}, {rect.right, rect.bottom}, pen);
    DrawLine(canvas, {rect.left, rect.bottom - 1}, {rect.right, rect.top - 1}, pen);
}

}  // namespace gridlet
