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

}  // namespace
}  // namespace gridlet
