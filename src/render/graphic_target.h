#pragma once
// What the graphic statements act on: the one picture (a graphic window or a printed page) and
// its state: colours, pen, last point referenced, fonts, and the printer's scale. Colour
// arguments are the program's numbers (red in the low byte; -1 the foreground, -2 none).

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "render/brush.h"
#include "render/canvas.h"
#include "render/pen.h"
#include "render/rgb_image.h"
#include "render/text.h"
#include "render/values.h"

namespace gridlet {

enum class Device { Window, Printer };

class GraphicTarget {
  public:
    GraphicTarget();
    ~GraphicTarget();

    // The picture, and which device made it; none before a window or a printer.
    std::optional<Device> Made() const;
    RgbImage Picture() const;

    // Throws RenderError unless the device has a picture attached that takes drawing.
    void Require(Device device) const;

    long OpenWindow(long width, long height);  // returns the window's handle
    void Attach(long handle);
    void EndWindow();
    void AttachPrinter();
    void SetScale(PointF first, PointF second);
    void FormFeed();
    void ClosePrinter();

    void SetColours(std::optional<long> foreground, std::optional<long> background);
    void SetForeground(long colour);
    void Clear();
    void SetWidth(long width);
    void SetStyle(long style);
    PointF Pos() const { return pos_; }
    void SetPos(PointF pos) { pos_ = pos; }

    void Box(PointF first, PointF second, std::optional<long> corner, std::optional<long> edge,
             std::optional<long> fill, std::optional<long> fillStyle);
    void Ellipse(PointF first, PointF second, std::optional<long> edge, std::optional<long> fill,
                 std::optional<long> fillStyle);
    void Arc(PointF first, PointF second, double start, double end, std::optional<long> edge);
    void Pie(PointF first, PointF second, double start, double end, std::optional<long> edge,
             std::optional<long> fill, std::optional<long> fillStyle);
    void Polygon(const PolyPoints& polygon, std::optional<long> edge, std::optional<long> fill,
                 std::optional<long> fillStyle, std::optional<long> fillMode);
    void Line(PointF from, PointF to, std::optional<long> edge);  // moves the last point to `to`
    void Paint(PointF seed, std::optional<long> fill, std::optional<long> border,
               std::optional<long> fillStyle);
    void PaintReplace(PointF seed, std::optional<long> fill, long replaced,
                      std::optional<long> fillStyle);
    long PixelColour(PointF at) const;  // -1 outside the picture
    // Draws the stand-in and throws RenderError when the file cannot be read or is refused.
    void Render(const std::string& path, PointF first, PointF second);

    long NewFont(FontChoice font);  // returns the font's handle
    void SetFont(long handle);
    void EndFont(long handle);
    PointF ChrSize();
    void Print(std::string_view windows1252);  // at the last point, which moves a line down

  private:
    struct Scale {
        double x0 = 0;
        double y0 = 0;
        double xUnit = 1;
        double yUnit = 1;
    };

    void Create(Device device, int width, int height);
    IntPoint ToPixel(PointF p) const;
    IntRect ToRect(PointF first, PointF second) const;
    Rgb Edge(std::optional<long> edge) const;
    Pen PenOf(std::optional<long> edge) const;
    std::optional<Brush> BrushOf(std::optional<long> fill, std::optional<long> fillStyle,
                                 Rgb edge) const;
    std::optional<FontChoice>& FontOf(long handle);  // throws RenderError unless made, not ended

    std::unique_ptr<Canvas> canvas_;
    Device device_ = Device::Window;
    bool attached_ = false;
    bool pageEnded_ = false;
    Scale scale_;
    Rgb foreground_{0, 0, 0};
    std::optional<Rgb> background_ = Rgb{255, 255, 255};
    long width_ = 1;
    long style_ = 0;
    PointF pos_;
    FontChoice font_;
    FontFaces faces_;
    std::vector<std::optional<FontChoice>> fonts_;  // by handle - 1; none once ended
};

}  // namespace gridlet
