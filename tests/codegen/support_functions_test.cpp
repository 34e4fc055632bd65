#include "codegen/support_functions.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "codegen/local_decls.h"
#include "codegen/support_chunks.h"

namespace gridlet {
namespace {

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = text.find("\r\n"); end != std::string_view::npos;
         end = text.find("\r\n", start)) {
        lines.emplace_back(text.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, text.size()) << "text after the last line end";
    return lines;
}

std::size_t Count(const std::string& text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++count;
    return count;
}

TEST(SupportChunks, HaveTheirLinesAndBlanks) {
    struct Sample {
        std::string_view chunk;
        std::size_t lineCount;
        std::size_t index;  // 0-based line
        std::string line;
    };
    const std::vector<Sample> samples = {
        {kPolyPointType, 5, 0, "  TYPE PolyPoint "},
        {kPolyPointType, 5, 3, "  END TYPE  "},
        {kPolyArrayType, 5, 2, "     xy(1 TO 30) AS PolyPoint "},
        {kPolyArrayType, 5, 3, "  END TYPE   "},
        {kPolygonPointsFunction, 34, 1,
         "  FUNCTION fPolygonPoints ( BYVAL nLeft    AS SINGLE    , _  "},
        {kPolygonPointsFunction, 34, 15, " Xradius    = (nRight  - nLeft) \\ 2  "},
        {kPolygonPointsFunction, 34, 21, " Radgap     = (6.28318530717958648## / (Pnts-P)) "},
        {kStarFunction, 33, 12, "                          BYVAL Colour   AS LONG  ) AS STRING "},
        {kStarFunction, 33, 24, "  FOR P = 1 TO Pnts" + std::string(21, ' ')},
        {kStarFunction, 33, 31, " END FUNCTION "},
        {kDegreeToRadianFunction, 7, 0,
         "FUNCTION fDegree2Radian ALIAS \"fDegree2Radian\" ( BYVAL Degree AS EXT ) EXPORT AS EXT"},
        {kDegreeToRadianFunction, 7, 4, "   FUNCTION = (F * 3.14159265358979324##) - R "},
        {kPolygonFunction, 32, 0, " FUNCTION fPolygon ( BYVAL nLeft    AS SINGLE, _  "},
        {kPolygonFunction, 32, 20, "   Ppoints = MKL$(COUNT) & STRING$((COUNT*8),0) "},
        {kPolygonFunction, 32, 30, " END FUNCTION  "},
    };
    for (const auto& s : samples) {
        const auto lines = Lines(s.chunk);
        ASSERT_EQ(lines.size(), s.lineCount) << s.line;
        EXPECT_EQ(lines[s.index], s.line);
        EXPECT_EQ(lines.back(), "") << s.line;
    }
}

TEST(SupportFunctions, StarFirstThenPolygon) {
    SupportTexts texts = AddStarSupport({});
    EXPECT_EQ(texts.typeDecls, std::string(kPolyPointType));
    EXPECT_EQ(texts.supportFunctions, std::string(kPolygonPointsFunction) +
                                          std::string(kStarFunction) +
                                          std::string(kDegreeToRadianFunction));

    texts = AddStarSupport(texts);
    EXPECT_EQ(Count(texts.supportFunctions, "FUNCTION GRAPHIC_Star"), 1u);

    const std::string starFunctions = texts.supportFunctions;
    texts = AddPolygonSupport(texts);
    EXPECT_EQ(texts.typeDecls, std::string(kPolyPointType) + std::string(kPolyArrayType));
    EXPECT_EQ(texts.supportFunctions, starFunctions + std::string(kPolygonFunction));
    EXPECT_EQ(Count(texts.supportFunctions, "FUNCTION fDegree2Radian"), 1u);
}

TEST(SupportFunctions, PolygonFirstThenStar) {
    SupportTexts texts = AddPolygonSupport(AddPolygonSupport({}));
    EXPECT_EQ(texts.typeDecls, std::string(kPolyPointType) + std::string(kPolyArrayType));
    EXPECT_EQ(texts.supportFunctions,
              std::string(kPolygonFunction) + std::string(kDegreeToRadianFunction));

    texts = AddStarSupport(texts);
    EXPECT_EQ(texts.typeDecls, std::string(kPolyPointType) + std::string(kPolyArrayType));
    EXPECT_EQ(texts.supportFunctions,
              std::string(kPolygonFunction) + std::string(kDegreeToRadianFunction) +
                  std::string(kPolygonPointsFunction) + std::string(kStarFunction));
}

TEST(LocalDecls, StarAndPolygonLinesGoInOnce) {
    EXPECT_EQ(AddStarLocals(AddPolygonLocals(AddStarLocals(""))),
              "  LOCAL RR1, RR2 AS EXT\r\n  LOCAL sPts AS SINGLE\r\n");
    EXPECT_EQ(AddStarLocals(AddPolygonLocals("")),
              "    LOCAL RR1, RR2 AS EXT\r\n  LOCAL sPts AS SINGLE\r\n");
}

TEST(LocalDecls, ProbeIsCaseSensitive) {
    EXPECT_EQ(AddLocal("   LOCAL rr1 AS LONG\r\n", "  LOCAL RR1, RR2 AS EXT", "RR1"),
              "   LOCAL rr1 AS LONG\r\n  LOCAL RR1, RR2 AS EXT\r\n");
}

}  // namespace
}  // namespace gridlet
