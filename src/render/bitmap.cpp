#include "render/bitmap.h"

#include <algorithm>

#include "platform/bitmap_file.h"
#include "render/lines.h"
#include "render/shapes.h"

namespace gridlet {

std::optional<Bitmap> ReadBitmap(const std::string& path) {
    const std::optional<BitmapPixels> file = ReadBitmapPixels(path);
    if (!file) return std::nullopt;
    Bitmap bitmap{file->width, file->height, {}};
    bitmap.pixels.reserve(file->rgb.size() / 3);
    for (std::size_t i = 0; i + 2 < file->rgb.size(); i += 3)
        bitmap.pixels.push_back({file->rgb[i], file->rgb[i + 1], file->rgb[i + 2]});
    return bitmap;
}

void StretchBitmap(Canvas& canvas, const Bitmap& bitmap, IntRect rect) {
    const auto [left, top, right, bottom] = Normalized(rect);
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
