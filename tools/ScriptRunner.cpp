// tools/ScriptRunner.cpp — the script runner: parsing, scheduling on the virtual clock, and running
// WinMain.
#include "tools/ScriptRunner.h"

#include <cctype>
#include <climits>
#include <iostream>
#include <sstream>

#include "app/Globals.h"
#include "app/WinMain.h"
#include "level/Level.h"
#include "platform/Harness.h"
#include "platform/Window.h"

namespace {

// The virtual-key code of a key name; 0 when the name is not one the script knows.
unsigned KeyCode(const std::string& name) {
    struct Named {
        const char* name;
        unsigned code;
    };
    static const Named kNames[] = {{"Left", VK_LEFT}, {"Right", VK_RIGHT}, {"Up", VK_UP},
                                   {"Down", VK_DOWN}, {"Space", VK_SPACE}, {"Escape", VK_ESCAPE}};
    for (const Named& n : kNames) {
        if (name == n.name) return n.code;
    }
    if (name.size() == 1 && std::isalpha(static_cast<unsigned char>(name[0]))) {
        return static_cast<unsigned>(std::toupper(static_cast<unsigned char>(name[0])));
    }
    return 0;
}

}  // namespace

std::string ScriptRunner::stateLine() {
    std::ostringstream line;
    line << "phase=" << static_cast<int>(GamePhase) << " level=" << LevelClass.m_nLevel
         << " set=" << LevelClass.m_nLevelSet << " xpos=" << xpos << " ypos=" << ypos
         << " done=" << (g_bDone ? 1 : 0) << " input=" << (g_bInput ? 1 : 0);
    return line.str();
}

bool ScriptRunner::parse(std::istream& script, std::string& error) {
    std::string line;
    int number = 0;
    while (std::getline(script, line)) {
        ++number;
        std::istringstream words(line);
        std::string command;
        if (!(words >> command) || command[0] == '#') continue;
        std::string argument;
        std::string extra;
        bool trailing = false;
        // A '#' ends the line's words wherever it stands: a comment may follow any command.
        if (words >> argument && argument[0] == '#') {
            argument.clear();
        } else {
            trailing = static_cast<bool>(words >> extra) && extra[0] != '#';
        }
        auto fail = [&](const std::string& why) {
            error = "line " + std::to_string(number) + ": " + why;
            return false;
        };
        if (trailing) return fail("unexpected '" + extra + "'");
        if (command == "wait") {
            char* end = nullptr;
            unsigned long ms = std::strtoul(argument.c_str(), &end, 10);
            if (argument.empty() || *end != '\0' || argument[0] == '-' ||
                ms > Harness::kLongestRunMs) {
                return fail("wait needs a number of milliseconds");
            }
            time_ += static_cast<std::uint32_t>(ms);
        } else if (command == "key") {
            unsigned code = KeyCode(argument);
            if (code == 0) return fail("unknown key '" + argument + "'");
            steps_.push_back({time_, [code](std::ostream&) { Harness::PressKey(code); }});
        } else if (command == "shot") {
            if (argument.empty()) return fail("shot needs a file name");
            std::string path = argument;
            steps_.push_back({time_, [this, path](std::ostream& out) {
                                  std::string where = path;
                                  if (!shotFolder_.empty() && path[0] != '/') {
                                      where = shotFolder_ + "/" + path;
                                  }
                                  if (!Harness::SaveScreenBmp(where)) {
                                      out << "shot " << path << " failed\n";
                                  }
                              }});
        } else if (command == "state") {
            if (!argument.empty()) return fail("state takes no argument");
            steps_.push_back({time_, [](std::ostream& out) { out << stateLine() << "\n"; }});
        } else {
            return fail("unknown command '" + command + "'");
        }
    }
    return true;
}

void ScriptRunner::addAction(std::function<void()> action) {
    steps_.push_back({time_, [action](std::ostream&) { action(); }});
}

int ScriptRunner::run(std::ostream& out) {
    Harness::Enable();
    ResetGlobalState();
    for (const Step& step : steps_) {
        auto action = step.action;
        Harness::Schedule(step.at, [action, &out] { action(out); });
    }
    Harness::Schedule(time_, [] { Harness::RequestClose(); });
    char noCommandLine[] = "";
    int code = WinMain(GetModuleHandleA(nullptr), nullptr, noCommandLine, SW_SHOW);
    out.flush();
    Harness::Finish();
    return code;
}
