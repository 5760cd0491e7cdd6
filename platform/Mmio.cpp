// platform/Mmio.cpp — RIFF file reading on stdio: a file, its size, and our own idea of the
// position, so that every chunk is checked against what the file really holds.
#include "platform/Mmio.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <new>

struct MmioFile {
    std::FILE* file = nullptr;
    std::uint64_t size = 0;      // bytes in the file when it was opened
    std::uint64_t position = 0;  // current position (may lie past the end after an ascend)
    char buffer[8192];           // the I/O buffer of MMIO_ALLOCBUF (Windows' default size)
};

namespace {

constexpr FOURCC kRiff = mmioFOURCC('R', 'I', 'F', 'F');
constexpr FOURCC kList = mmioFOURCC('L', 'I', 'S', 'T');

DWORD LittleEndian32(const unsigned char* p) {
    return static_cast<DWORD>(p[0]) | (static_cast<DWORD>(p[1]) << 8) |
           (static_cast<DWORD>(p[2]) << 16) | (static_cast<DWORD>(p[3]) << 24);
}

bool Seek(MmioFile* h, std::uint64_t position) {
    if (position > static_cast<std::uint64_t>(INT64_MAX)) return false;
    if (fseeko(h->file, static_cast<off_t>(position), SEEK_SET) != 0) return false;
    h->position = position;
    return true;
}

// Reads exactly n bytes at the current position.
bool ReadExact(MmioFile* h, unsigned char* out, size_t n) {
    const size_t got = std::fread(out, 1, n, h->file);
    h->position += got;
    return got == n;
}

}  // namespace

HMMIO mmioOpenA(const char* pszFileName, MMIOINFO* lpmmioinfo, DWORD dwOpenFlags) {
    if (pszFileName == nullptr || lpmmioinfo != nullptr) return nullptr;
    if ((dwOpenFlags & ~(MMIO_READ | MMIO_ALLOCBUF)) != 0) return nullptr;  // reading only
    auto* h = new (std::nothrow) MmioFile;
    if (h == nullptr) return nullptr;
    h->file = std::fopen(pszFileName, "rb");
    struct stat info;
    if (h->file == nullptr || fstat(fileno(h->file), &info) != 0 || !S_ISREG(info.st_mode)) {
        if (h->file != nullptr) std::fclose(h->file);
        delete h;
        return nullptr;
    }
    h->size = static_cast<std::uint64_t>(info.st_size);
    if ((dwOpenFlags & MMIO_ALLOCBUF) != 0) {
        std::setvbuf(h->file, h->buffer, _IOFBF, sizeof h->buffer);
    } else {
        std::setvbuf(h->file, nullptr, _IONBF, 0);
    }
    return h;
}

MMRESULT mmioDescend(HMMIO hmmio, MMCKINFO* lpck, const MMCKINFO* lpckParent, UINT wFlags) {
    if (hmmio == nullptr || lpck == nullptr) return MMSYSERR_INVALPARAM;
    if (wFlags != 0 && wFlags != MMIO_FINDCHUNK && wFlags != MMIO_FINDRIFF) {
        return MMSYSERR_INVALPARAM;
    }
    std::uint64_t end = hmmio->size;
    if (lpckParent != nullptr) {
        end = std::min<std::uint64_t>(
            end, static_cast<std::uint64_t>(lpckParent->dwDataOffset) + lpckParent->cksize);
    }
    const FOURCC wantedId = lpck->ckid;
    const FOURCC wantedType = lpck->fccType;
    for (;;) {
        const std::uint64_t start = hmmio->position;
        unsigned char header[8];
        if (start + 8 > end || !ReadExact(hmmio, header, 8)) return MMIOERR_CHUNKNOTFOUND;
        const FOURCC id = LittleEndian32(header);
        const DWORD size = LittleEndian32(header + 4);
        const std::uint64_t data = start + 8;
        // A chunk whose data runs past its parent or the file is never entered nor skipped.
        if (data + size > end || data > 0xFFFFFFFFu) return MMIOERR_CHUNKNOTFOUND;
        FOURCC type = 0;
        if (id == kRiff || id == kList) {
            unsigned char form[4];
            if (size < 4 || !ReadExact(hmmio, form, 4)) return MMIOERR_CHUNKNOTFOUND;
            type = LittleEndian32(form);
        }
        const bool found = wFlags == 0 || (wFlags == MMIO_FINDCHUNK && id == wantedId) ||
                           (wFlags == MMIO_FINDRIFF && id == kRiff && type == wantedType);
        if (found) {
            lpck->ckid = id;
            lpck->cksize = size;
            lpck->fccType = type;
            lpck->dwDataOffset = static_cast<DWORD>(data);
            lpck->dwFlags = 0;
            return MMSYSERR_NOERROR;
        }
        if (!Seek(hmmio, data + size + (size & 1))) return MMIOERR_CHUNKNOTFOUND;
    }
}

LONG mmioRead(HMMIO hmmio, char* pch, LONG cch) {
    if (hmmio == nullptr || cch < 0 || (pch == nullptr && cch > 0)) return -1;
    if (cch == 0) return 0;
    const size_t got = std::fread(pch, 1, static_cast<size_t>(cch), hmmio->file);
    hmmio->position += got;
    if (got < static_cast<size_t>(cch) && std::ferror(hmmio->file)) {
        std::clearerr(hmmio->file);
        return -1;
    }
    return static_cast<LONG>(got);
}

MMRESULT mmioAscend(HMMIO hmmio, MMCKINFO* lpck, UINT wFlags) {
    if (hmmio == nullptr || lpck == nullptr || wFlags != 0) return MMSYSERR_INVALPARAM;
    const std::uint64_t end =
        static_cast<std::uint64_t>(lpck->dwDataOffset) + lpck->cksize + (lpck->cksize & 1);
    return Seek(hmmio, end) ? MMSYSERR_NOERROR : MMIOERR_CANNOTSEEK;
}

MMRESULT mmioClose(HMMIO hmmio, UINT wFlags) {
    if (hmmio == nullptr || wFlags != 0) return MMSYSERR_INVALPARAM;
    std::fclose(hmmio->file);
    delete hmmio;
    return MMSYSERR_NOERROR;
}
