#include "render/png_file.h"

#include <cairo.h>

#include "render/canvas.h"

namespace gridlet {
namespace {

// The picture on a new surface, which the caller destroys.
cairo_surface_t* SurfaceOf(const RgbImage& image) {
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < image.height; ++y) {
        auto* row =
            reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
        for (int x = 0; x < image.width; ++x) row[x] = Packed(image.At(x, y));
    }
    cairo_surface_mark_dirty(surface);
    return surface;
}

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
    static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
    return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::string WritePng(const RgbImage& image, const std::string& path) {
    if (image.width <= 0 || image.height <= 0) return "there is no picture to write";
    cairo_surface_t* surface = SurfaceOf(image);
    const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
    cairo_surface_destroy(surface);
    return status == CAIRO_STATUS_SUCCESS ? std::string() : cairo_status_to_string(status);
}

std::string EncodePng(const RgbImage& image) {
    if (image.width <= 0 || image.height <= 0) return {};
    cairo_surface_t* surface = SurfaceOf(image);
    std::string bytes;
    const cairo_status_t status = cairo_surface_write_to_png_stream(surface, Append, &bytes);
    cairo_surface_destroy(surface);
    return status == CAIRO_STATUS_SUCCESS ? bytes : std::string();
}

}  // namespace gridlet
