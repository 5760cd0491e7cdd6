// platform/FileIo.h — plain file reading for the raw bitmap reader.
#pragma once

#include "platform/Win32Types.h"

struct PlatformFile;
using HANDLE = PlatformFile*;
#define INVALID_HANDLE_VALUE (reinterpret_cast<HANDLE>(static_cast<std::intptr_t>(-1)))

constexpr DWORD GENERIC_READ = 0x80000000u;
constexpr DWORD FILE_SHARE_READ = 0x00000001;
constexpr DWORD OPEN_EXISTING = 3;
constexpr DWORD FILE_ATTRIBUTE_NORMAL = 0x00000080;

// Opens a file for reading; INVALID_HANDLE_VALUE when it cannot be opened.
HANDLE CreateFileA(const char* name, DWORD access, DWORD shareMode, void* security, DWORD creation,
                   DWORD attributes, HANDLE templateFile);
// Reads up to `count` bytes. Like the system it stands in for, it reports success at the end of
// the file too: `*bytesRead` tells how many bytes arrived.
BOOL ReadFile(HANDLE file, void* buffer, DWORD count, DWORD* bytesRead, void* overlapped);
BOOL CloseHandle(HANDLE file);
// The file's size in bytes, 0xFFFFFFFF when it cannot be told (files of 4 GiB or more included).
DWORD GetFileSize(HANDLE file, DWORD* sizeHigh);
