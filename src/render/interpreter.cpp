#include "render/interpreter.h"

#include <algorithm>

#include "platform/cp1252.h"
#include "render/graphic_statements.h"
#include "render/render_error.h"
#include "render/support_routines.h"

namespace gridlet {
namespace {

constexpr std::size_t kDeepestCalls = 32;
constexpr std::size_t kPolyArrayPoints = 30;  // xy(1 TO 30)
constexpr long double kLargestPoints = 1000;

std::vector<Value> ReadCallArguments(TokenCursor& cursor, Names& names) {
    std::vector<Value> arguments;
    const bool parenthesised = cursor.AcceptSymbol('(');
    if (parenthesised && cursor.AcceptSymbol(')')) return arguments;
    if (!parenthesised && cursor.AtEnd()) return arguments;
    do {
        arguments.push_back(ReadExpression(cursor, names));
    } while (cursor.AcceptSymbol(','));
    if (parenthesised) cursor.ExpectSymbol(')');
    return arguments;
}

void ExpectCount(const std::vector<Value>& arguments, std::size_t count, const std::string& name) {
    if (arguments.size() != count)
        throw RenderError(name + " takes " + std::to_string(count) + " arguments");
}

}  // namespace

Interpreter::Interpreter(const Program& program, GraphicTarget& target,
                         std::vector<NotDrawn>& notDrawn)
    : program_(program), target_(target), notDrawn_(notDrawn) {}

void Interpreter::Run() {
    ListUnclosedRoutines();
    RunOutsideLines();
    if (Defines("PBMAIN")) {
        RunRoutine("PBMAIN");
    } else if (Defines("GRAFICWIN")) {
        RunRoutine("GRAFICWIN");
    } else {
        notDrawn_.push_back({0, "", "no FUNCTION PBMAIN and no SUB GraficWin to run"});
    }
}

void Interpreter::Open(const std::string& upperName) {
    ListUnclosedRoutines();
    RunOutsideLines();
    if (!Defines(upperName)) {
        notDrawn_.push_back({0, "", "no " + upperName + " to run"});
        return;
    }
    locals_.emplace_back();
    for (const ProgramLine& line : program_.routines.at(upperName).body) RunLine(line);
}

void Interpreter::Continue(const std::vector<ProgramLine>& lines) {
    for (const ProgramLine& line : lines) RunLine(line);
}

void Interpreter::ListUnclosedRoutines() {
    for (const auto& [name, routine] : program_.routines) {
        if (!routine.closed) List(routine.header, "routine without its END line");
    }
}

// Outside the routines only declarations and compiler directives are at home.
void Interpreter::RunOutsideLines() {
    for (const ProgramLine& line : program_.outside) {
        if (line.text.starts_with("#")) continue;
        try {
            const std::vector<Token> tokens = Tokenize(line.text);
            TokenCursor cursor(tokens);
            if (cursor.AtEnd() || cursor.AcceptWord("DECLARE")) continue;
            if (!cursor.AcceptWord("GLOBAL")) throw RenderError("statement outside any routine");
            Declare(cursor, globals_);
        } catch (const std::exception& error) {
            List(line, error.what());
        }
    }
}

bool Interpreter::Defines(const std::string& upperName) const {
    return program_.routines.contains(upperName);
}

void Interpreter::RunRoutine(const std::string& upperName) {
    if (locals_.size() >= kDeepestCalls) throw RenderError("routines call each other too deeply");
    locals_.emplace_back();
    for (const ProgramLine& line : program_.routines.at(upperName).body) RunLine(line);
    locals_.pop_back();
}

void Interpreter::RunLine(const ProgramLine& line) {
    std::vector<Token> tokens;
    try {
        tokens = Tokenize(line.text);
    } catch (const std::exception& error) {
        List(line, error.what());
        return;
    }
    auto start = tokens.begin();
    for (;;) {
        const auto end = std::find_if(start, tokens.end(), [](const Token& token) {
            return token.kind == TokenKind::Symbol && token.text == ":";
        });
        try {
            TokenCursor cursor(std::span<const Token>(start, end));
            RunStatement(cursor);
        } catch (const std::exception& error) {
            List(line, error.what());
        }
        if (end == tokens.end()) break;
        start = end + 1;
    }
}

void Interpreter::RunStatement(TokenCursor& cursor) {
    if (cursor.AtEnd()) return;
    if (cursor.AcceptWord("GRAPHIC"))
        return RunGraphicStatement(Device::Window, cursor, *this, target_);
    if (cursor.AcceptWord("XPRINT"))
        return RunGraphicStatement(Device::Printer, cursor, *this, target_);
    if (cursor.AcceptWord("FONT")) return FontStatement(cursor);
    if (cursor.AcceptWord("LOCAL")) return Declare(cursor, CurrentScope());
    if (cursor.AcceptWord("GLOBAL")) return Declare(cursor, globals_);
    if (cursor.AcceptWord("DIM")) return Dim(cursor);
    if (cursor.AcceptWord("TYPE")) return TypeSet(cursor);
    if (cursor.AcceptWord("CALL")) return CallStatement(cursor.ExpectName(), cursor);
    cursor.AcceptWord("LET");
    const std::string name = cursor.ExpectName();
    if (!cursor.AcceptSymbol('=')) return CallStatement(name, cursor);
    const Value value = ReadExpression(cursor, *this);
    cursor.ExpectEnd();
    Assign(name, value);
}

// LOCAL a, b AS LONG: every name of the list gets the type.
void Interpreter::Declare(TokenCursor& cursor, Scope& scope) {
    std::vector<std::string> names;
    do {
        names.push_back(Upper(cursor.ExpectName()));
    } while (cursor.AcceptSymbol(','));
    cursor.ExpectWord("AS");
    const BasicType type = TypeNamed(Upper(cursor.ExpectName()));
    cursor.ExpectEnd();
    for (const std::string& name : names) scope[name] = {type, InitialValue(type)};
}

// DIM name AS [LOCAL | GLOBAL] type
void Interpreter::Dim(TokenCursor& cursor) {
    const std::string name = Upper(cursor.ExpectName());
    cursor.ExpectWord("AS");
    Scope& scope = cursor.AcceptWord("GLOBAL") ? globals_ : CurrentScope();
    cursor.AcceptWord("LOCAL");
    const BasicType type = TypeNamed(Upper(cursor.ExpectName()));
    cursor.ExpectEnd();
    scope[name] = {type, InitialValue(type)};
}

// TYPE SET copies the bytes of a string into the variable; a PolyArray keeps as many points as
// it has room for.
void Interpreter::TypeSet(TokenCursor& cursor) {
    cursor.ExpectWord("SET");
    Variable& variable = Found(cursor.ExpectName());
    cursor.ExpectSymbol('=');
    const Value value = ReadExpression(cursor, *this);
    cursor.ExpectEnd();
    const auto* polygon = std::get_if<PolyPoints>(&value);
    if (variable.type != BasicType::PolyArray || !polygon)
        throw RenderError("TYPE SET of anything but a PolyArray");
    PolyPoints stored = *polygon;
    if (stored.points.size() > kPolyArrayPoints) stored.points.resize(kPolyArrayPoints);
    variable.value = std::move(stored);
}

// FONT NEW face [, points, style, charset, pitch, escapement] TO handle; FONT END handle.
// Zero points takes the default size; the character set and pitch are fontconfig's to choose.
void Interpreter::FontStatement(TokenCursor& cursor) {
    if (cursor.AcceptWord("END")) {
        const long handle = LongOf(ReadExpression(cursor, *this));
        cursor.ExpectEnd();
        target_.EndFont(handle);
        return;
    }
    cursor.ExpectWord("NEW");
    FontChoice font;
    font.face = Cp1252ToUtf8(TextOf(ReadExpression(cursor, *this)));
    std::vector<long double> numbers;
    while (cursor.AcceptSymbol(',')) numbers.push_back(NumberOf(ReadExpression(cursor, *this)));
    if (numbers.size() > 5) throw RenderError("FONT NEW takes at most 6 arguments");
    numbers.resize(5, 0);
    if (numbers[0] > kLargestPoints) throw RenderError("font size out of range");
    if (numbers[0] > 0) font.points = static_cast<float>(numbers[0]);
    font.style = static_cast<int>(LongOf(numbers[1]));
    font.escapement = static_cast<double>(LongOf(numbers[4]));
    cursor.ExpectWord("TO");
    const std::string handleName = cursor.ExpectName();
    cursor.ExpectEnd();
    Assign(handleName, static_cast<long double>(target_.NewFont(font)));
}

void Interpreter::CallStatement(const std::string& name, TokenCursor& cursor) {
    const std::vector<Value> arguments = ReadCallArguments(cursor, *this);
    cursor.ExpectEnd();
    const std::string upper = Upper(name);
    if ((upper == "GRAPHIC_STAR" || upper == "XPRINT_STAR") && Defines(upper))
        return Star(upper == "GRAPHIC_STAR" ? Device::Window : Device::Printer, arguments);
    if (upper == "FDEGREE2RADIAN" || upper == "FPOLYGON") {
        Call(name, arguments);
        return;
    }
    if (!Defines(upper)) throw RenderError("statement not understood");
    if (!arguments.empty()) throw RenderError("a routine with arguments is not run by the preview");
    RunRoutine(upper);
}

// GRAPHIC_Star X1, Y1, XX1, YY1, SRad1, X2, Y2, XX2, YY2, SRad2, Pnts, Colour
void Interpreter::Star(Device device, const std::vector<Value>& a) {
    ExpectCount(a, 12, "the star routine");
    const long points = LongOf(a[10]);
    const std::vector<PointF> outer = RingPoints(SingleOf(a[0]), SingleOf(a[1]), SingleOf(a[2]),
                                                 SingleOf(a[3]), NumberOf(a[4]), points);
    const std::vector<PointF> inner = RingPoints(SingleOf(a[5]), SingleOf(a[6]), SingleOf(a[7]),
                                                 SingleOf(a[8]), NumberOf(a[9]), points);
    DrawStarOutline(device, target_, outer, inner, LongOf(a[11]));
}

Value Interpreter::Call(const std::string& name, const std::vector<Value>& a) {
    const std::string upper = Upper(name);
    if (upper == "FDEGREE2RADIAN" && Defines(upper)) {
        ExpectCount(a, 1, name);
        return Degree2Radian(NumberOf(a[0]));
    }
    if (upper == "FPOLYGON" && Defines(upper)) {
        ExpectCount(a, 6, name);
        return PolygonPoints(SingleOf(a[0]), SingleOf(a[1]), SingleOf(a[2]), SingleOf(a[3]),
                             NumberOf(a[4]), LongOf(a[5]));
    }
    throw RenderError("unknown function " + name);
}

Interpreter::Scope& Interpreter::CurrentScope() {
    return locals_.empty() ? globals_ : locals_.back();
}

// A name used without a declaration is a new variable of the type its suffix gives.
Interpreter::Variable& Interpreter::Found(const std::string& name) {
    const std::string upper = Upper(name);
    if (!locals_.empty()) {
        if (auto local = locals_.back().find(upper); local != locals_.back().end())
            return local->second;
    }
    if (auto global = globals_.find(upper); global != globals_.end()) return global->second;
    const BasicType type = TypeOfSuffix(upper);
    return CurrentScope()[upper] = {type, InitialValue(type)};
}

Value Interpreter::Read(const std::string& name) {
    return Found(name).value;
}

void Interpreter::Assign(const std::string& name, const Value& value) {
    Variable& variable = Found(name);
    variable.value = Stored(variable.type, value);
}

// One entry for each line, however many of its statements failed.
void Interpreter::List(const ProgramLine& line, const std::string& reason) {
    if (!notDrawn_.empty() && notDrawn_.back().line == line.number && line.number != 0) return;
    notDrawn_.push_back({line.number, line.text, reason});
}

}  // namespace gridlet
