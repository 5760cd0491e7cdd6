// tests/test_assets_rebuild.cpp — two separate runs of the asset generator write equal bytes.
// The build makes the second run into data/vormil-check next to the game's data/vormil.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<char> Bytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(file), {});
}

}  // namespace

TEST(AssetGenerator, TwoRunsWriteIdenticalFiles) {
    const std::string game = VORMIL_DATA_DIR;
    const std::string check = game.substr(0, game.find_last_of('/')) + "/vormil-check";
    for (const char* name :
         {"title2.bmp", "menu2.bmp", "bckgnd2.bmp", "backgroundcool.bmp", "sprites2.bmp",
          "front2.bmp", "laser.wav", "button.wav", "levelcomplete.wav", "gameover.wav"}) {
        std::vector<char> a = Bytes(game + "/" + name), b = Bytes(check + "/" + name);
        EXPECT_FALSE(a.empty()) << name;
        EXPECT_TRUE(a == b) << name << " differs between the two runs";
    }
}
