#pragma once
// Runs the routines of a program statement by statement: declarations, assignments, calls of
// the program's own routines and of the support functions, and the graphic statements. A
// statement that fails is listed with its line and the run goes on with the next one.

#include <map>
#include <string>
#include <vector>

#include "render/expression.h"
#include "render/graphic_target.h"
#include "render/program.h"
#include "render/render_program.h"

namespace gridlet {

class Interpreter : public Names {
  public:
    Interpreter(const Program& program, GraphicTarget& target, std::vector<NotDrawn>& notDrawn);

    void Run();

    // Runs the routine as Run does, but leaves it open at its end, for Continue.
    void Open(const std::string& upperName);
    // Runs lines as if they followed the open routine's last line.
    void Continue(const std::vector<ProgramLine>& lines);

    Value Read(const std::string& name) override;
    void Assign(const std::string& name, const Value& value) override;
    Value Call(const std::string& name, const std::vector<Value>& arguments) override;

  private:
    struct Variable {
        BasicType type;
        Value value;
    };
    using Scope = std::map<std::string, Variable>;

    void ListUnclosedRoutines();
    void RunOutsideLines();
    void RunRoutine(const std::string& upperName);
    void RunLine(const ProgramLine& line);
    void RunStatement(TokenCursor& cursor);
    void Declare(TokenCursor& cursor, Scope& scope);
    void Dim(TokenCursor& cursor);
    void TypeSet(TokenCursor& cursor);
    void FontStatement(TokenCursor& cursor);
    void CallStatement(const std::string& name, TokenCursor& cursor);
    void Star(Device device, const std::vector<Value>& arguments);
    bool Defines(const std::string& upperName) const;
    Scope& CurrentScope();
    Variable& Found(const std::string& name);
    void List(const ProgramLine& line, const std::string& reason);

    const Program& program_;
    GraphicTarget& target_;
    std::vector<NotDrawn>& notDrawn_;
    Scope globals_;
    std::vector<Scope> locals_;  // one for each routine running
};

}  // namespace gridlet
