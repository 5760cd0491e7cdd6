// platform/FileIo.cpp — file reading on the C library's streams.
#include "platform/FileIo.h"

#include <cstdio>
#include <new>

struct PlatformFile {
    std::FILE* stream;
};

HANDLE CreateFileA(const char* name, DWORD access, DWORD /*shareMode*/, void* /*security*/,
                   DWORD creation, DWORD /*attributes*/, HANDLE /*templateFile*/) {
    if (name == nullptr || access != GENERIC_READ || creation != OPEN_EXISTING) {
        return INVALID_HANDLE_VALUE;
    }
    std::FILE* stream = std::fopen(name, "rb");
    if (stream == nullptr) return INVALID_HANDLE_VALUE;
    auto* file = new (std::nothrow) PlatformFile{stream};
    if (file == nullptr) {
        std::fclose(stream);
        return INVALID_HANDLE_VALUE;
    }
    return file;
}

BOOL ReadFile(HANDLE file, void* buffer, DWORD count, DWORD* bytesRead, void* /*overlapped*/) {
    if (bytesRead != nullptr) *bytesRead = 0;
    if (file == nullptr || file == INVALID_HANDLE_VALUE || (buffer == nullptr && count > 0)) {
        return FALSE;
    }
    std::size_t got = count > 0 ? std::fread(buffer, 1, count, file->stream) : 0;
    if (got < count && std::ferror(file->stream)) return FALSE;
    if (bytesRead != nullptr) *bytesRead = static_cast<DWORD>(got);
    return TRUE;
}

BOOL CloseHandle(HANDLE file) {
    if (file == nullptr || file == INVALID_HANDLE_VALUE) return FALSE;
    std::fclose(file->stream);
    delete file;
    return TRUE;
}

DWORD GetFileSize(HANDLE file, DWORD* sizeHigh) {
    if (sizeHigh != nullptr) *sizeHigh = 0;
    if (file == nullptr || file == INVALID_HANDLE_VALUE) return 0xFFFFFFFFu;
    long here = std::ftell(file->stream);
    if (here < 0 || std::fseek(file->stream, 0, SEEK_END) != 0) return 0xFFFFFFFFu;
    long end = std::ftell(file->stream);
    std::fseek(file->stream, here, SEEK_SET);
    if (end < 0 || static_cast<unsigned long long>(end) >= 0xFFFFFFFFull) return 0xFFFFFFFFu;
    return static_cast<DWORD>(end);
}
