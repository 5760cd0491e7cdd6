// app/main.cpp — the program: hands over to the game's entry point.
#include "app/WinMain.h"

int main() {
    char noCommandLine[] = "";
    return WinMain(GetModuleHandleA(nullptr), nullptr, noCommandLine, SW_SHOW);
}
