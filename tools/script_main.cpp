// tools/script_main.cpp — the headless runner of a game build: reads a script on standard input.
#include <unistd.h>

#include <climits>
#include <iostream>
#include <string>

#include "tools/ScriptRunner.h"

int main() {
    ScriptRunner runner;
    std::string error;
    if (!runner.parse(std::cin, error)) {
        std::cerr << "script: " << error << "\n";
        return 2;
    }
    // Screenshots land where the runner was started; the game reads its files from its own
    // data folder.
    char here[PATH_MAX];
    if (getcwd(here, sizeof(here)) != nullptr) runner.setShotFolder(here);
    if (chdir(VORMIL_DATA_DIR) != 0) {
        std::cerr << "script: cannot enter " << VORMIL_DATA_DIR << "\n";
        return 2;
    }
    return runner.run(std::cout);
}
