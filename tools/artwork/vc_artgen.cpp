// Writes the clock's pictures into a folder, normally resources/.
#include <filesystem>
#include <fstream>
#include <iostream>

#include "tools/artwork/artwork.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: vc_artgen <out-dir>\n";
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(dir, error);
    for (const auto& file : vc::artwork::AllFiles()) {
        const auto path = dir / file.name;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(file.bytes.data(), static_cast<std::streamsize>(file.bytes.size()));
        if (!out.flush()) {
            std::cerr << "vc_artgen: cannot write " << path.string() << "\n";
            return 1;
        }
        std::cout << path.string() << "\n";
    }
    return 0;
}
