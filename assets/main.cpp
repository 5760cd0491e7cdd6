// assets/main.cpp — the asset generator: vormil_assetgen OUTPUT_DIR [FONT_DIR].
#include <cstdio>

#include "assets/AssetSet.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIR [FONT_DIR]\n", argv[0]);
        return 2;
    }
    AssetSet assets(argc > 2 ? argv[2] : VORMIL_FONT_DIR);
    if (!assets.write(argv[1])) {
        std::fprintf(stderr, "vormil_assetgen: %s\n", assets.error().c_str());
        return 1;
    }
    return 0;
}
