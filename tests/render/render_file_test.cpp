#include "render/render_file.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "render_fixture.h"
#include "support/temp_folder.h"

namespace gridlet {
namespace {

class RenderFileTest : public testing::Test {
  protected:
    std::string Path(const std::string& name) const { return folder_ / name; }

    TempFolder folder_;
};

TEST_F(RenderFileTest, WritesThePngAndReportsWhatIsNotDrawn) {
    std::string program = WindowProgram(
        "   GRAPHIC BOX (10, 10) - (20, 20)\r\n"
        "   GRAPHIC FOO \"\xC4\"\r\n");
    // LF line ends and Windows-1252 text are read alike.
    for (std::size_t at; (at = program.find("\r\n")) != std::string::npos;) program.erase(at, 1);
    folder_.Write("Testgui.bas", program);
    std::ostringstream report, errors;
    EXPECT_EQ(RenderCommand(Path("Testgui.bas"), Path("Testgui.png"), report, errors), 0);
    EXPECT_EQ(errors.str(), "");
    EXPECT_EQ(report.str(),
              "not drawn, line 8: GRAPHIC FOO \"\xC3\x84\" (statement not understood)\n");

    cairo_surface_t* png = cairo_image_surface_create_from_png(Path("Testgui.png").c_str());
    ASSERT_EQ(cairo_surface_status(png), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(png), 100);
    EXPECT_EQ(cairo_image_surface_get_height(png), 100);
    const auto* pixels = reinterpret_cast<const std::uint32_t*>(cairo_image_surface_get_data(png));
    const int stride = cairo_image_surface_get_stride(png) / 4;
    EXPECT_EQ(pixels[10 * stride + 10] & 0xFFFFFF, 0u);
    EXPECT_EQ(pixels[20 * stride + 20] & 0xFFFFFF, 0xFFFFFFu);
    cairo_surface_destroy(png);
}

TEST_F(RenderFileTest, AMissingProgramIsAClearError) {
    std::ostringstream report, errors;
    EXPECT_EQ(RenderCommand(Path("missing.bas"), Path("out.png"), report, errors), 1);
    EXPECT_EQ(errors.str(),
              "gridlet: cannot read " + Path("missing.bas") + ": No such file or directory\n");
    EXPECT_FALSE(std::filesystem::exists(Path("out.png")));
}

TEST_F(RenderFileTest, AFolderIsNotAProgram) {
    std::ostringstream report, errors;
    EXPECT_EQ(RenderCommand(folder_.path.string(), Path("out.png"), report, errors), 1);
    EXPECT_NE(errors.str().find("cannot read"), std::string::npos) << errors.str();
}

TEST_F(RenderFileTest, APngThatCannotBeWrittenIsAClearError) {
    folder_.Write("Testgui.bas", WindowProgram(""));
    std::ostringstream report, errors;
    EXPECT_EQ(RenderCommand(Path("Testgui.bas"), Path("no/such/folder/out.png"), report, errors),
              1);
    EXPECT_NE(errors.str().find("cannot write"), std::string::npos) << errors.str();
}

TEST_F(RenderFileTest, AProgramWithoutAPictureIsAClearError) {
    folder_.Write("empty.bas", "");
    std::ostringstream report, errors;
    EXPECT_EQ(RenderCommand(Path("empty.bas"), Path("out.png"), report, errors), 1);
    EXPECT_NE(errors.str().find("no picture"), std::string::npos) << errors.str();
}

// Why there is no picture: the window statement that failed, or what the program lacks.
TEST_F(RenderFileTest, NoPictureSaysWhy) {
    const struct {
        std::string program;
        std::string why;
    } cases[] = {
        {"", "no FUNCTION PBMAIN and no SUB GraficWin to run"},
        {" SUB GraficWin ()\r\n   LOCAL a AS LONG\r\n END SUB\r\n",
         "the program opens no graphic window and attaches no printer"},
        {WindowProgram("", 0, 0),
         "line 3, GRAPHIC WINDOW \" Example \", 0, 0, 0, 0 TO hWin (window size out of range)"},
    };
    for (const auto& c : cases) {
        folder_.Write("Testgui.bas", c.program);
        std::ostringstream report, errors;
        EXPECT_EQ(RenderCommand(Path("Testgui.bas"), Path("out.png"), report, errors), 1);
        EXPECT_EQ(errors.str(), "gridlet: there is no picture to write: " + c.why + "\n");
        EXPECT_FALSE(std::filesystem::exists(Path("out.png")));
    }
}

// A file that never ends is read no further than any program can be long.
TEST_F(RenderFileTest, AProgramIsAtMost64MiB) {
    std::ostringstream report, errors;
    EXPECT_EQ(RenderCommand("/dev/zero", Path("out.png"), report, errors), 1);
    EXPECT_EQ(errors.str(), "gridlet: cannot read /dev/zero: a program is at most 64 MiB\n");
}

// Text a terminal's clipboard held is UTF-8; the generated code's own is Windows-1252.
TEST_F(RenderFileTest, ValidUtf8IsReadAsUtf8) {
    const std::string caf = "   GRAPHIC FOO \"caf";
    const struct {
        std::string statement;
        std::string reported;
    } cases[] = {
        {caf + "\xC3\xA9\"", caf + "\xC3\xA9\""},
        {"\xEF\xBB\xBF" + caf + "\xC3\xA9\"", caf + "\xC3\xA9\""},
        {caf + "\xE9\"", caf + "\xC3\xA9\""},
    };
    for (const auto& c : cases) {
        folder_.Write("Testgui.bas", c.statement + "\r\n" + WindowProgram(""));
        std::ostringstream report, errors;
        EXPECT_EQ(RenderCommand(Path("Testgui.bas"), Path("out.png"), report, errors), 0);
        EXPECT_EQ(report.str(), "not drawn, line 1: " + c.reported.substr(3) +
                                    " (statement outside any routine)\n");
    }
}

}  // namespace
}  // namespace gridlet
