#include "render/expression.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "render/render_error.h"

namespace gridlet {
namespace {

class FakeNames : public Names {
  public:
    Value Read(const std::string& name) override { return variables.at(name); }
    void Assign(const std::string& name, const Value& value) override { variables[name] = value; }
    Value Call(const std::string& name, const std::vector<Value>& arguments) override {
        if (name != "Twice" || arguments.size() != 1) throw RenderError("unknown function");
        return 2 * NumberOf(arguments[0]);
    }

    std::map<std::string, Value> variables{{"sPts", 5.0L}, {"Name1", std::string("100")}};
};

Value Evaluated(const std::string& text) {
    const std::vector<Token> tokens = Tokenize(text);
    TokenCursor cursor(tokens);
    FakeNames names;
    Value value = ReadExpression(cursor, names);
    cursor.ExpectEnd();
    return value;
}

struct NumberCase {
    const char* text;
    long double value;
};

TEST(ExpressionTest, Numbers) {
    const NumberCase cases[] = {
        {"1 + 2 * 3", 7},
        {"(1 + 2) * 3", 9},
        {"180/sPts", 36},
        {"-3 + 1", -2},
        {"10 - 4 - 3", 3},
        {"2.355", static_cast<float>(2.355)},  // single precision as written
        {"0.0174532925199433##", 0.0174532925199433L},
        {"0.0174532925199433", static_cast<double>(0.0174532925199433L)},
        {"%WHITE", 16777215},
        {"Twice(4) + 1", 9},
        {"1E3", 1000},
    };
    for (const NumberCase& c : cases) EXPECT_EQ(NumberOf(Evaluated(c.text)), c.value) << c.text;
}

TEST(ExpressionTest, Strings) {
    const std::pair<const char*, const char*> cases[] = {
        {"\"plain\"", "plain"},
        {"\"a \"\"b\"\"\"", "a \"b\""},
        {"\"x\" + $DQ & \"y\"", "x\"y"},
        {"Name1 & \"!\"", "100!"},
        {"\"\"", ""},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(TextOf(Evaluated(text)), value) << text;
}

TEST(ExpressionTest, MistakesAreErrors) {
    for (const char* text :
         {"\"a\" + 1", "1 & 2", "1 / 0", "(1 + 2", "%NOCOLOUR", "Nope(1)", "1 +"})
        EXPECT_THROW(Evaluated(text), RenderError) << text;
}

TEST(ExpressionTest, NestingTooDeepIsAnErrorNotACrash) {
    EXPECT_EQ(NumberOf(Evaluated(std::string(150, '(') + "1" + std::string(150, ')'))), 1);
    EXPECT_THROW(Evaluated(std::string(100000, '(') + "1" + std::string(100000, ')')), RenderError);
    EXPECT_THROW(Evaluated(std::string(100000, '-') + "1"), RenderError);
}

TEST(StoredValueTest, LongRoundsToTheNearestTiesToEven) {
    const std::pair<long double, long double> cases[] = {{2.5L, 2}, {3.5L, 4},  {-0.6L, -1},
                                                         {0.5L, 0}, {1.49L, 1}, {-2.5L, -2}};
    for (const auto& [given, stored] : cases)
        EXPECT_EQ(NumberOf(Stored(BasicType::Long, given)), stored) << static_cast<double>(given);
    EXPECT_THROW(Stored(BasicType::Long, 3e9L), RenderError);
    EXPECT_THROW(Stored(BasicType::Long, std::string("1")), RenderError);
    EXPECT_EQ(NumberOf(Stored(BasicType::Single, 0.1L)), static_cast<float>(0.1));
}

}  // namespace
}  // namespace gridlet
