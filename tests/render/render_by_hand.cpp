// Renders a program file by hand: render_by_hand PROGRAM.bas OUT.png
#include <iostream>

#include "render/render_file.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: render_by_hand PROGRAM.bas OUT.png\n";
        return 2;
    }
    return gridlet::RenderCommand(argv[1], argv[2], std::cout, std::cerr);
}
