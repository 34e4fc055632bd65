#include "platform/bitmap_size.h"

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wconversion"
#pragma GCC diagnostic ignored "-Wsign-conversion"
#pragma GCC diagnostic ignored "-Wshadow"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wdouble-promotion"
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#include <stb_image.h>
#pragma GCC diagnostic pop

namespace gridlet {

BitmapSize ReadBitmapSize(const std::string& path) {
    int width = 0, height = 0, channels = 0;
    if (stbi_info(path.c_str(), &width, &height, &channels) == 0) return {};
    return {width, height};
}

}  // namespace gridlet
