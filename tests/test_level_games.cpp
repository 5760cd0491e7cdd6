// tests/test_level_games.cpp — whole games played from the key scripts in tests/scripts/: each
// must print the state lines of its .expected file, and every picture it takes must match the
// picture of the same name in tests/reference/.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/ScriptRunner.h"

namespace {

namespace fs = std::filesystem;

struct Game {
    const char* name;  // tests/scripts/NAME.txt, and NAME.expected beside it
    const char* what;
};

const Game kGames[] = {
    {"main_set", "the four main levels from the menu, back to the menu at level 1"},
    {"second_set", "the three second-set levels from the menu, back to the menu at level 1"},
    {"fall_out", "main level 1 lost through the bottom row, then continued"},
    {"enemy_hit", "second level 2 lost to an enemy shot, continued, and left with Escape"},
    {"escape", "Escape in main level 1, then continued"},
    {"timed_wall", "main level 2's wall closing 500 ms after the block left its cell"},
    {"flights", "free movement: the four flights, no gravity, the bottom row"},
};

// Names the game in test listings.
void PrintTo(const Game& game, std::ostream* out) {
    *out << game.name;
}

std::string Source(const std::string& relative) {
    return std::string(VORMIL_SOURCE_DIR) + "/tests/" + relative;
}

std::string Bytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// The lines of `text`, without blank lines and, if asked, without '#' comment lines.
std::vector<std::string> Lines(const std::string& text, bool dropComments) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || (dropComments && line[0] == '#')) continue;
        lines.push_back(line);
    }
    return lines;
}

// The pictures a script takes: the names of its "shot" lines.
std::vector<std::string> Shots(const std::string& script) {
    std::vector<std::string> names;
    for (const std::string& line : Lines(script, true)) {
        std::istringstream words(line);
        std::string command, name;
        if (words >> command >> name && command == "shot") names.push_back(name);
    }
    return names;
}

// Works in `folder` until destroyed, as the game reads its files from where it runs.
class WorkingIn {
public:
    explicit WorkingIn(const std::string& folder) : previous_(fs::current_path()) {
        fs::current_path(folder);
    }
    ~WorkingIn() { fs::current_path(previous_); }
    WorkingIn(const WorkingIn&) = delete;
    WorkingIn& operator=(const WorkingIn&) = delete;

private:
    fs::path previous_;
};

class LevelGames : public ::testing::TestWithParam<Game> {};

// Set VORMIL_UPDATE_REFERENCES=1 to store the pictures of this run as the references after a
// deliberate change of what the game shows.
TEST_P(LevelGames, PrintsItsStateLinesAndShowsItsPictures) {
    const Game& game = GetParam();
    SCOPED_TRACE(game.what);
    const std::string script = Bytes(Source("scripts/" + std::string(game.name) + ".txt"));
    const std::string expected = Bytes(Source("scripts/" + std::string(game.name) + ".expected"));
    ASSERT_FALSE(script.empty()) << "no script " << game.name;
    ASSERT_FALSE(expected.empty()) << "no expected lines for " << game.name;

    const fs::path shots = fs::temp_directory_path() / ("vormil-" + std::string(game.name));
    fs::create_directories(shots);
    ScriptRunner runner;
    std::istringstream in(script);
    std::string error;
    ASSERT_TRUE(runner.parse(in, error)) << error;
    runner.setShotFolder(shots.string());
    std::ostringstream out;
    {
        WorkingIn data(VORMIL_DATA_DIR);
        ASSERT_EQ(runner.run(out), 0);
    }
    EXPECT_EQ(Lines(out.str(), false), Lines(expected, true));

    const char* update = std::getenv("VORMIL_UPDATE_REFERENCES");
    for (const std::string& name : Shots(script)) {
        const std::string taken = (shots / name).string();
        const std::string reference = Source("reference/" + name);
        if (update != nullptr && std::string(update) == "1") {
            fs::copy_file(taken, reference, fs::copy_options::overwrite_existing);
        }
        const std::string picture = Bytes(taken);
        ASSERT_FALSE(picture.empty()) << "no picture " << taken;
        EXPECT_TRUE(picture == Bytes(reference))
            << "the screen differs from " << reference << "; see " << taken;
    }
}

INSTANTIATE_TEST_SUITE_P(Scripts, LevelGames, ::testing::ValuesIn(kGames),
                         [](const ::testing::TestParamInfo<Game>& info) {
                             return std::string(info.param.name);
                         });

}  // namespace
