// tools/ScriptRunner.h — plays the real game headless from a script of waits, keys, screenshots and
// state lines.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// A script, one command a line:
//   wait MS       let the game run MS virtual milliseconds
//   key NAME      one key-down: Left, Right, Up, Down, Space, Escape, or a letter
//   shot FILE     write the screen as it is now, 640 x 480, as a BMP file
//   state         print "phase=P level=L set=S xpos=X ypos=Y done=D input=I"
//   # ...         a comment
// The game is ended with the close command after the last line if it is still running.
class ScriptRunner {
public:
    // Reads a script; false with a message naming the line when a line cannot be understood.
    bool parse(std::istream& script, std::string& error);
    // Shot files with a relative name are written under this folder.
    void setShotFolder(const std::string& folder) { shotFolder_ = folder; }
    // Runs the game in this process on the virtual clock, from the current working directory,
    // printing state lines to `out`; answers the game's exit code.
    int run(std::ostream& out);
    // Adds an action of the caller's own at the script's current time (for tests).
    void addAction(std::function<void()> action);
    // The virtual time the script has reached so far.
    std::uint32_t time() const { return time_; }

    // The state line of the game as it is now.
    static std::string stateLine();

private:
    struct Step {
        std::uint32_t at;
        std::function<void(std::ostream&)> action;
    };
    std::vector<Step> steps_;
    std::uint32_t time_ = 0;
    std::string shotFolder_;
};
