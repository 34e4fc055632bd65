#include "render/canvas.h"

#include <string>

#include "render/render_error.h"

namespace gridlet {

void SetSource(cairo_t* cairo, Rgb colour) {
    cairo_set_source_rgb(cairo, colour.red / 255.0, colour.green / 255.0, colour.blue / 255.0);
}

namespace {

cairo_t* NewContext(cairo_surface_t* surface) {
    cairo_t* cairo = cairo_create(surface);
    cairo_set_antialias(cairo, CAIRO_ANTIALIAS_NONE);
    cairo_font_options_t* fontOptions = cairo_font_options_create();
    cairo_font_options_set_antialias(fontOptions, CAIRO_ANTIALIAS_NONE);
    cairo_set_font_options(cairo, fontOptions);
    cairo_font_options_destroy(fontOptions);
    return cairo;
}

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_RGB24, width, height)),
      cairo_(NewContext(surface_)),
      data_(cairo_image_surface_get_data(surface_)),
      stride_(cairo_image_surface_get_stride(surface_)) {
    if (cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS) return;
    const std::string reason = cairo_status_to_string(cairo_surface_status(surface_));
    cairo_destroy(cairo_);
    cairo_surface_destroy(surface_);
    throw RenderError(reason);
}

void Canvas::CheckCairo() {
    const cairo_status_t status = cairo_status(cairo_);
    if (status == CAIRO_STATUS_SUCCESS) return;
    cairo_destroy(cairo_);
    cairo_ = NewContext(surface_);
    throw RenderError(cairo_status_to_string(status));
}

Canvas::~Canvas() {
    cairo_destroy(cairo_);
    cairo_surface_destroy(surface_);
}

void Canvas::Flush() const {
    cairo_surface_flush(surface_);
}

void Canvas::MarkDirty() {
    ++drawings_;
    cairo_surface_mark_dirty(surface_);
}

FillMarks& Canvas::Marks() {
    fillMarks_.pixels.resize(static_cast<std::size_t>(width_) * height_);
    return fillMarks_;
}

FillMarks& Canvas::NewFillMarks() {
    FillMarks& marks = Marks();
    // The values run out: the marks start again, and the areas known by them are forgotten.
    if (++marks.current == 0) {
        std::fill(marks.pixels.begin(), marks.pixels.end(), 0);
        for (std::vector<Span>& area : marks.areas) area.clear();
        marks.current = 1;
    }
    return marks;
}

void Canvas::Clear(Rgb colour) {
    ++drawings_;
    cairo_save(cairo_);
    SetSource(cairo_, colour);
    cairo_set_operator(cairo_, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cairo_);
    cairo_restore(cairo_);
}

RgbImage Canvas::Picture() const {
    Flush();
    RgbImage image{width_, height_, {}};
    image.pixels.resize(static_cast<std::size_t>(width_) * height_ * 3);
    std::uint8_t* out = image.pixels.data();
    for (int y = 0; y < height_; ++y) {
        const std::uint32_t* row = Row(y);
        for (int x = 0; x < width_; ++x, out += 3) {
            out[0] = static_cast<std::uint8_t>(row[x] >> 16);
            out[1] = static_cast<std::uint8_t>(row[x] >> 8);
            out[2] = static_cast<std::uint8_t>(row[x]);
        }
    }
    return image;
}

}  // namespace gridlet
