// assets/AssetSet.h — every picture and sound the game reads from its working directory.
#pragma once

#include <string>

class AssetSet {
public:
    // Text is rendered with the DejaVu fonts in `fontDir`.
    explicit AssetSet(const std::string& fontDir) : m_fontDir(fontDir) {}

    // Paints and synthesises all files into `dir`, creating it if needed; false on the first
    // failure, described by error().
    bool write(const std::string& dir);
    const std::string& error() const { return m_error; }

private:
    std::string m_fontDir;
    std::string m_error;
};
