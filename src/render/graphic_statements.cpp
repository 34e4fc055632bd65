#include "render/graphic_statements.h"

#include <array>
#include <optional>
#include <string_view>

#include "render/render_error.h"

namespace gridlet {
namespace {

// The statement's tokens and what its arguments name and act on.
struct Arguments {
    Value Expression() { return ReadExpression(cursor, names); }
    long Long() { return LongOf(Expression()); }
    float Single() { return SingleOf(Expression()); }
    void Comma() { cursor.ExpectSymbol(','); }

    PointF Point() {
        cursor.ExpectSymbol('(');
        const float x = Single();
        Comma();
        const float y = Single();
        cursor.ExpectSymbol(')');
        return {x, y};
    }

    std::pair<PointF, PointF> Corners() {
        const PointF first = Point();
        cursor.ExpectSymbol('-');
        return {first, Point()};
    }

    // The start and end angles after the corners.
    std::pair<float, float> Angles() {
        Comma();
        const float start = Single();
        Comma();
        return {start, Single()};
    }

    // Up to `count` more arguments after commas; any of them may be left out.
    std::vector<std::optional<long>> OptionalLongs(std::size_t count) {
        std::vector<std::optional<long>> values(count);
        for (std::size_t i = 0; i < count && cursor.AcceptSymbol(','); ++i) {
            if (!cursor.AtEnd() && !cursor.PeekSymbol(',')) values[i] = Long();
        }
        cursor.ExpectEnd();
        return values;
    }

    void AssignTo(const Value& value) { names.Assign(cursor.ExpectName(), value); }

    Device device;
    TokenCursor& cursor;
    Names& names;
    GraphicTarget& target;
};

void Window(Arguments& a) {
    TextOf(a.Expression());  // the caption
    a.Comma();
    a.Long();  // the position on the desktop
    a.Comma();
    a.Long();
    a.Comma();
    const long width = a.Long();
    a.Comma();
    const long height = a.Long();
    a.cursor.ExpectWord("TO");
    const std::string handleName = a.cursor.ExpectName();
    a.cursor.ExpectEnd();
    a.names.Assign(handleName, static_cast<long double>(a.target.OpenWindow(width, height)));
}

// A statement without arguments that ends the window, the page or the printer.
template <void (GraphicTarget::*act)()>
void Bare(Arguments& a) {
    a.cursor.ExpectEnd();
    (a.target.*act)();
}

// A statement whose one argument sets how the attached picture is drawn on.
template <void (GraphicTarget::*set)(long)>
void Setting(Arguments& a) {
    const long value = a.Long();
    a.cursor.ExpectEnd();
    a.target.Require(a.device);
    (a.target.*set)(value);
}

void AttachWindow(Arguments& a) {
    const long handle = a.Long();
    a.Comma();
    a.Long();  // the control id: 0 for a window
    if (a.cursor.AcceptSymbol(',')) a.cursor.ExpectWord("REDRAW");
    a.cursor.ExpectEnd();
    a.target.Attach(handle);
}

void AttachPrinter(Arguments& a) {
    if (!a.cursor.AcceptWord("CHOOSE") && !a.cursor.AcceptWord("DEFAULT")) TextOf(a.Expression());
    if (a.cursor.AcceptSymbol(',')) TextOf(a.Expression());  // the job name
    a.cursor.ExpectEnd();
    a.target.AttachPrinter();
}

void Scale(Arguments& a) {
    const auto [first, second] = a.Corners();
    a.cursor.ExpectEnd();
    a.target.SetScale(first, second);
}

void Color(Arguments& a) {
    const long foreground = a.Long();
    const std::optional<long> background = a.OptionalLongs(1)[0];
    a.target.Require(a.device);
    a.target.SetColours(foreground, background);
}

void Clear(Arguments& a) {
    a.cursor.ExpectEnd();
    a.target.Require(a.device);
    a.target.Clear();
}

void Box(Arguments& a) {
    const auto [first, second] = a.Corners();
    const auto more = a.OptionalLongs(4);
    a.target.Require(a.device);
    a.target.Box(first, second, more[0], more[1], more[2], more[3]);
}

void Ellipse(Arguments& a) {
    const auto [first, second] = a.Corners();
    const auto more = a.OptionalLongs(3);
    a.target.Require(a.device);
    a.target.Ellipse(first, second, more[0], more[1], more[2]);
}

void Arc(Arguments& a) {
    const auto [first, second] = a.Corners();
    const auto [start, end] = a.Angles();
    const auto more = a.OptionalLongs(1);
    a.target.Require(a.device);
    a.target.Arc(first, second, start, end, more[0]);
}

void Pie(Arguments& a) {
    const auto [first, second] = a.Corners();
    const auto [start, end] = a.Angles();
    const auto more = a.OptionalLongs(3);
    a.target.Require(a.device);
    a.target.Pie(first, second, start, end, more[0], more[1], more[2]);
}

void Polygon(Arguments& a) {
    const Value points = a.Expression();
    const auto* polygon = std::get_if<PolyPoints>(&points);
    if (!polygon) throw RenderError("POLYGON needs a PolyArray");
    const auto more = a.OptionalLongs(4);
    a.target.Require(a.device);
    a.target.Polygon(*polygon, more[0], more[1], more[2], more[3]);
}

// LINE [STEP] [(x1, y1)] - [STEP] (x2, y2): a missing or stepped first point starts from the
// last point referenced; a stepped second point is an offset from the first.
void Line(Arguments& a) {
    const bool firstStep = a.cursor.AcceptWord("STEP");
    const std::optional<PointF> given =
        a.cursor.PeekSymbol('(') ? std::optional<PointF>(a.Point()) : std::nullopt;
    a.cursor.ExpectSymbol('-');
    const bool secondStep = a.cursor.AcceptWord("STEP");
    PointF to = a.Point();
    const auto more = a.OptionalLongs(1);
    a.target.Require(a.device);
    const PointF pos = a.target.Pos();
    PointF from = given.value_or(PointF{});
    if (!given || firstStep) from = {pos.x + from.x, pos.y + from.y};
    if (secondStep) to = {from.x + to.x, from.y + to.y};
    a.target.Line(from, to, more[0]);
}

void SetPos(Arguments& a) {
    const bool step = a.cursor.AcceptWord("STEP");
    const PointF p = a.Point();
    a.cursor.ExpectEnd();
    a.target.Require(a.device);
    const PointF pos = a.target.Pos();
    a.target.SetPos(step ? PointF{pos.x + p.x, pos.y + p.y} : p);
}

void Paint(Arguments& a) {
    a.cursor.AcceptWord("BORDER");
    const PointF seed = a.Point();
    a.Comma();
    const long fill = a.Long();
    const auto more = a.OptionalLongs(2);
    a.target.Require(a.device);
    a.target.Paint(seed, fill, more[0], more[1]);
}

void PaintReplace(Arguments& a) {
    const PointF seed = a.Point();
    a.Comma();
    const long fill = a.Long();
    a.Comma();
    const long replaced = a.Long();
    const auto more = a.OptionalLongs(1);
    a.target.Require(a.device);
    a.target.PaintReplace(seed, fill, replaced, more[0]);
}

void GetPixel(Arguments& a) {
    const PointF at = a.Point();
    a.cursor.ExpectWord("TO");
    const std::string name = a.cursor.ExpectName();
    a.cursor.ExpectEnd();
    a.target.Require(a.device);
    a.names.Assign(name, static_cast<long double>(a.target.PixelColour(at)));
}

void Render(Arguments& a) {
    a.cursor.AcceptWord("BITMAP");
    const std::string path = TextOf(a.Expression());
    a.Comma();
    const auto [first, second] = a.Corners();
    a.cursor.ExpectEnd();
    a.target.Require(a.device);
    a.target.Render(path, first, second);
}

void Print(Arguments& a) {
    const std::string text = a.cursor.AtEnd() ? std::string() : TextOf(a.Expression());
    a.cursor.ExpectEnd();
    a.target.Require(a.device);
    a.target.Print(text);
}

void ChrSize(Arguments& a) {
    a.cursor.ExpectWord("TO");
    const std::string widthName = a.cursor.ExpectName();
    a.Comma();
    const std::string heightName = a.cursor.ExpectName();
    a.cursor.ExpectEnd();
    a.target.Require(a.device);
    const PointF cell = a.target.ChrSize();
    a.names.Assign(widthName, static_cast<long double>(cell.x));
    a.names.Assign(heightName, static_cast<long double>(cell.y));
}

// The preview has no keyboard of its own: the wait is over at once.
void WaitKey(Arguments& a) {
    if (a.cursor.AcceptWord("TO")) a.AssignTo(std::string());
    a.cursor.ExpectEnd();
}

struct Form {
    std::array<std::string_view, 2> words;  // the second empty for a one-word form
    bool window;
    bool printer;
    void (*run)(Arguments&);
};

// Longer forms before the shorter ones they begin with.
constexpr Form kForms[] = {
    {{"WINDOW", "END"}, true, false, Bare<&GraphicTarget::EndWindow>},
    {{"WINDOW", ""}, true, false, Window},
    {{"ATTACH", ""}, true, false, AttachWindow},
    {{"ATTACH", ""}, false, true, AttachPrinter},
    {{"SCALE", ""}, false, true, Scale},
    {{"FORMFEED", ""}, false, true, Bare<&GraphicTarget::FormFeed>},
    {{"CLOSE", ""}, false, true, Bare<&GraphicTarget::ClosePrinter>},
    {{"COLOR", ""}, true, true, Color},
    {{"CLEAR", ""}, true, false, Clear},
    {{"WIDTH", ""}, true, true, Setting<&GraphicTarget::SetWidth>},
    {{"STYLE", ""}, true, true, Setting<&GraphicTarget::SetStyle>},
    {{"BOX", ""}, true, true, Box},
    {{"ELLIPSE", ""}, true, true, Ellipse},
    {{"ARC", ""}, true, true, Arc},
    {{"PIE", ""}, true, true, Pie},
    {{"POLYGON", ""}, true, true, Polygon},
    {{"LINE", ""}, true, true, Line},
    {{"SET", "POS"}, true, true, SetPos},
    {{"SET", "FONT"}, true, true, Setting<&GraphicTarget::SetFont>},
    {{"PAINT", "REPLACE"}, true, false, PaintReplace},
    {{"PAINT", ""}, true, false, Paint},
    {{"GET", "PIXEL"}, true, false, GetPixel},
    {{"RENDER", ""}, true, true, Render},
    {{"PRINT", ""}, true, false, Print},
    {{"CHR", "SIZE"}, true, true, ChrSize},
    {{"WAITKEY$", ""}, true, false, WaitKey},
};

// XPRINT followed by anything but a statement word prints it.
void PrinterText(Arguments& a) {
    if (a.cursor.PeekWord("PRINT"))
        throw RenderError("XPRINT takes the text itself: XPRINT PRINT is no statement");
    for (const Form& form : kForms) {
        if (a.cursor.PeekWord(form.words[0])) throw RenderError("statement not understood");
    }
    Print(a);
}

bool Matches(const Form& form, Device device, const TokenCursor& cursor) {
    if (!(device == Device::Window ? form.window : form.printer)) return false;
    return cursor.PeekWord(form.words[0]) &&
           (form.words[1].empty() || cursor.PeekWord(form.words[1], 1));
}

}  // namespace

void RunGraphicStatement(Device device, TokenCursor& cursor, Names& names, GraphicTarget& target) {
    Arguments arguments{device, cursor, names, target};
    for (const Form& form : kForms) {
        if (!Matches(form, device, cursor)) continue;
        cursor.Next();
        if (!form.words[1].empty()) cursor.Next();
        form.run(arguments);
        return;
    }
    if (device == Device::Printer) {
        PrinterText(arguments);
        return;
    }
    throw RenderError("statement not understood");
}

void DrawStarOutline(Device device, GraphicTarget& target, const std::vector<PointF>& outer,
                     const std::vector<PointF>& inner, long colour) {
    target.Require(device);
    target.SetForeground(colour);
    target.SetPos(outer[0]);
    for (std::size_t p = 1; p < outer.size(); ++p) {
        target.Line(target.Pos(), inner[p], std::nullopt);
        target.Line(target.Pos(), outer[p], std::nullopt);
    }
}

}  // namespace gridlet
