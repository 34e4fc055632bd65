#include "render/graphic_target.h"

#include <cmath>

#include "platform/bitmap_file.h"
#include "platform/cp1252.h"
#include "render/bitmap.h"
#include "render/flood_fill.h"
#include "render/lines.h"
#include "render/render_error.h"
#include "render/shapes.h"

namespace gridlet {
namespace {

constexpr long kWindowHandle = 1;
constexpr int kLargestPicture = 4096;
constexpr double kFarthestCoordinate = 1e6;
// The page the printer code scales to.
constexpr int kPageWidth = 801;
constexpr int kPageHeight = 1056;

Rgb ColourOf(long value) {
    return FromColourReference(static_cast<std::uint32_t>(value));
}

}  // namespace

GraphicTarget::GraphicTarget() = default;
GraphicTarget::~GraphicTarget() = default;

std::optional<Device> GraphicTarget::Made() const {
    return canvas_ ? std::optional<Device>(device_) : std::nullopt;
}

RgbImage GraphicTarget::Picture() const {
    return canvas_ ? canvas_->Picture() : RgbImage{};
}

void GraphicTarget::Require(Device device) const {
    const bool window = device == Device::Window;
    if (!canvas_ || device_ != device || !attached_)
        throw RenderError(window ? "no graphic window attached" : "no printer attached");
    if (pageEnded_) throw RenderError("after XPRINT FORMFEED: only the first page is drawn");
}

void GraphicTarget::Create(Device device, int width, int height) {
    if (canvas_) throw RenderError("only one graphic window or printer page is drawn");
    canvas_ = std::make_unique<Canvas>(width, height);
    device_ = device;
    attached_ = true;
    canvas_->Clear(*background_);
}

long GraphicTarget::OpenWindow(long width, long height) {
    if (width < 1 || height < 1 || width > kLargestPicture || height > kLargestPicture)
        throw RenderError("window size out of range");
    Create(Device::Window, static_cast<int>(width), static_cast<int>(height));
    return kWindowHandle;
}

void GraphicTarget::Attach(long handle) {
    if (!canvas_ || device_ != Device::Window || handle != kWindowHandle)
        throw RenderError("no such graphic window");
    attached_ = true;
}

void GraphicTarget::EndWindow() {
    if (canvas_ && device_ == Device::Window) attached_ = false;
}

void GraphicTarget::AttachPrinter() {
    Create(Device::Printer, kPageWidth, kPageHeight);
}

// The scale's rectangle covers the page.
void GraphicTarget::SetScale(PointF first, PointF second) {
    Require(Device::Printer);
    if (first.x == second.x || first.y == second.y) throw RenderError("empty scale");
    scale_ = {first.x, first.y, kPageWidth / (static_cast<double>(second.x) - first.x),
              kPageHeight / (static_cast<double>(second.y) - first.y)};
}

void GraphicTarget::FormFeed() {
    Require(Device::Printer);
    pageEnded_ = true;
}

void GraphicTarget::ClosePrinter() {
    if (canvas_ && device_ == Device::Printer) attached_ = false;
}

// -1 leaves a colour as it is; a background of -2 is none (text on no box, hatch gaps clear).
void GraphicTarget::SetColours(std::optional<long> foreground, std::optional<long> background) {
    if (foreground && *foreground != -1) foreground_ = ColourOf(*foreground);
    if (background && *background == -2)
        background_.reset();
    else if (background && *background != -1)
        background_ = ColourOf(*background);
}

void GraphicTarget::SetForeground(long colour) {
    SetColours(colour, std::nullopt);
}

void GraphicTarget::Clear() {
    canvas_->Clear(background_.value_or(Rgb{255, 255, 255}));
    pos_ = {};
}

void GraphicTarget::SetWidth(long width) {
    width_ = std::max(1L, width);
}

void GraphicTarget::SetStyle(long style) {
    if (style < 0 || style > 4) throw RenderError("line style must be 0 to 4");
    style_ = style;
}

IntPoint GraphicTarget::ToPixel(PointF p) const {
    const double x = (p.x - scale_.x0) * scale_.xUnit;
    const double y = (p.y - scale_.y0) * scale_.yUnit;
    if (!(std::fabs(x) <= kFarthestCoordinate && std::fabs(y) <= kFarthestCoordinate))
        throw RenderError("coordinate out of range");
    return {static_cast<int>(std::nearbyint(x)), static_cast<int>(std::nearbyint(y))};
}

IntRect GraphicTarget::ToRect(PointF first, PointF second) const {
    const IntPoint a = ToPixel(first);
    const IntPoint b = ToPixel(second);
    return {a.x, a.y, b.x, b.y};
}

Rgb GraphicTarget::Edge(std::optional<long> edge) const {
    return !edge || *edge == -1 ? foreground_ : ColourOf(*edge);
}

Pen GraphicTarget::PenOf(std::optional<long> edge) const {
    return {Edge(edge), static_cast<int>(std::min(width_, 1000L)), static_cast<LineStyle>(style_)};
}

std::optional<Brush> GraphicTarget::BrushOf(std::optional<long> fill, std::optional<long> fillStyle,
                                            Rgb edge) const {
    const long style = fillStyle.value_or(0);
    if (style < 0 || style > 6) throw RenderError("fill style must be 0 to 6");
    if (!fill || *fill == -2) return std::nullopt;
    return Brush{*fill == -1 ? edge : ColourOf(*fill), static_cast<Hatch>(style), background_};
}

void GraphicTarget::Box(PointF first, PointF second, std::optional<long> corner,
                        std::optional<long> edge, std::optional<long> fill,
                        std::optional<long> fillStyle) {
    const Pen pen = PenOf(edge);
    DrawBox(*canvas_, ToRect(first, second), static_cast<double>(corner.value_or(0)), pen,
            BrushOf(fill, fillStyle, pen.colour));
}

void GraphicTarget::Ellipse(PointF first, PointF second, std::optional<long> edge,
                            std::optional<long> fill, std::optional<long> fillStyle) {
    const Pen pen = PenOf(edge);
    DrawEllipse(*canvas_, ToRect(first, second), pen, BrushOf(fill, fillStyle, pen.colour));
}

void GraphicTarget::Arc(PointF first, PointF second, double start, double end,
                        std::optional<long> edge) {
    DrawArc(*canvas_, ToRect(first, second), start, end, PenOf(edge));
}

void GraphicTarget::Pie(PointF first, PointF second, double start, double end,
                        std::optional<long> edge, std::optional<long> fill,
                        std::optional<long> fillStyle) {
    const Pen pen = PenOf(edge);
    DrawPie(*canvas_, ToRect(first, second), start, end, pen, BrushOf(fill, fillStyle, pen.colour));
}

// 1 or 0 is the alternate rule, 2 winding.
void GraphicTarget::Polygon(const PolyPoints& polygon, std::optional<long> edge,
                            std::optional<long> fill, std::optional<long> fillStyle,
                            std::optional<long> fillMode) {
    if (polygon.count < 2) throw RenderError("a polygon needs at least 2 points");
    if (polygon.count > static_cast<long>(polygon.points.size()))
        throw RenderError("the PolyArray holds fewer points than its count");
    std::vector<IntPoint> vertices;
    for (long i = 0; i < polygon.count; ++i) vertices.push_back(ToPixel(polygon.points[i]));
    const Pen pen = PenOf(edge);
    DrawPolygon(*canvas_, vertices, fillMode.value_or(0) == 2, pen,
                BrushOf(fill, fillStyle, pen.colour));
}

void GraphicTarget::Line(PointF from, PointF to, std::optional<long> edge) {
    DrawLine(*canvas_, ToPixel(from), ToPixel(to), PenOf(edge));
    pos_ = to;
}

void GraphicTarget::Paint(PointF seed, std::optional<long> fill, std::optional<long> border,
                          std::optional<long> fillStyle) {
    const Rgb edge = Edge(border);
    if (const std::optional<Brush> brush = BrushOf(fill, fillStyle, edge))
        PaintToBorder(*canvas_, ToPixel(seed), edge, *brush);
}

void GraphicTarget::PaintReplace(PointF seed, std::optional<long> fill, long replaced,
                                 std::optional<long> fillStyle) {
    if (replaced < 0) return;  // the colour of a point outside the picture
    const std::optional<Brush> brush = BrushOf(fill, fillStyle, foreground_);
    if (brush) gridlet::PaintReplace(*canvas_, ToPixel(seed), ColourOf(replaced), *brush);
}

long GraphicTarget::PixelColour(PointF at) const {
    const IntPoint p = ToPixel(at);
    if (!canvas_->Contains(p)) return -1;
    canvas_->Flush();
    const Rgb colour = canvas_->Pixel(p);
    return colour.red | (colour.green << 8) | (long{colour.blue} << 16);
}

void GraphicTarget::Render(const std::string& path, PointF first, PointF second) {
    const IntRect rect = ToRect(first, second);
    std::string failure = "cannot read the bitmap " + path;
    try {
        if (const std::optional<Bitmap> bitmap = ReadBitmap(Cp1252ToUtf8(path))) {
            StretchBitmap(*canvas_, *bitmap, rect);
            return;
        }
    } catch (const BitmapRefused& refused) {
        failure = std::string("bitmap refused: ") + refused.what();  // the statement names it
    }
    DrawMissingBitmap(*canvas_, rect, foreground_);
    throw RenderError(failure);
}

long GraphicTarget::NewFont(FontChoice font) {
    fonts_.push_back(std::move(font));
    return static_cast<long>(fonts_.size());
}

std::optional<FontChoice>& GraphicTarget::FontOf(long handle) {
    if (handle < 1 || handle > static_cast<long>(fonts_.size()) || !fonts_[handle - 1])
        throw RenderError("no such font");
    return fonts_[handle - 1];
}

void GraphicTarget::SetFont(long handle) {
    font_ = *FontOf(handle);
}

void GraphicTarget::EndFont(long handle) {
    FontOf(handle).reset();
}

PointF GraphicTarget::ChrSize() {
    const CellSize cell = CharacterCell(*canvas_, faces_, font_);
    return {static_cast<float>(cell.width / scale_.xUnit),
            static_cast<float>(cell.height / scale_.yUnit)};
}

void GraphicTarget::Print(std::string_view windows1252) {
    PrintText(*canvas_, faces_, font_, ToPixel(pos_), Cp1252ToUtf8(windows1252), foreground_,
              background_);
    pos_.y =
        static_cast<float>(pos_.y + CharacterCell(*canvas_, faces_, font_).height / scale_.yUnit);
}

}  // namespace gridlet
