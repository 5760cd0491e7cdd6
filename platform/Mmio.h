// platform/Mmio.h — our stand-in for the multimedia file functions the game uses to read RIFF
// (WAV) files: open for reading, descend into and ascend out of chunks, read, close.
//
// Unlike Windows, a descend never accepts a chunk whose data runs past the end of its parent or
// of the file: it fails, so a lying size can never make a caller read or allocate beyond what
// the file holds. mmioRead answers what is actually there.
#pragma once

#include "platform/Win32Types.h"

struct MmioFile;
using HMMIO = MmioFile*;
using FOURCC = DWORD;
using MMRESULT = UINT;
struct MMIOINFO;  // never defined: callers pass null

constexpr FOURCC mmioFOURCC(char c0, char c1, char c2, char c3) {
    return static_cast<FOURCC>(static_cast<BYTE>(c0)) |
           (static_cast<FOURCC>(static_cast<BYTE>(c1)) << 8) |
           (static_cast<FOURCC>(static_cast<BYTE>(c2)) << 16) |
           (static_cast<FOURCC>(static_cast<BYTE>(c3)) << 24);
}

// Open flags: read access (the only access there is) and an I/O buffer of the default size.
constexpr DWORD MMIO_READ = 0x0;
constexpr DWORD MMIO_ALLOCBUF = 0x10000;
// Descend flags: search for a chunk by identifier, or for a RIFF chunk by form type.
constexpr UINT MMIO_FINDCHUNK = 0x10;
constexpr UINT MMIO_FINDRIFF = 0x20;

// Results.
constexpr MMRESULT MMSYSERR_NOERROR = 0;
constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
constexpr MMRESULT MMIOERR_CANNOTSEEK = 259;
constexpr MMRESULT MMIOERR_CHUNKNOTFOUND = 265;

// One chunk, as a descend finds it.
struct MMCKINFO {
    FOURCC ckid;         // chunk identifier
    DWORD cksize;        // size of the chunk's data (for RIFF and LIST, with the form type)
    FOURCC fccType;      // form or list type of a RIFF or LIST chunk, else 0
    DWORD dwDataOffset;  // file offset of the data (for RIFF and LIST, of the form type)
    DWORD dwFlags;       // 0
};

// Opens the file for reading: dwOpenFlags is MMIO_READ, optionally with MMIO_ALLOCBUF for
// buffered reading; lpmmioinfo must be null. Null when the file cannot be opened.
HMMIO mmioOpenA(const char* pszFileName, MMIOINFO* lpmmioinfo, DWORD dwOpenFlags);

// Descends into the chunk at the current position, or with MMIO_FINDCHUNK the first chunk from
// here whose identifier is lpck->ckid, or with MMIO_FINDRIFF the first RIFF chunk whose form
// type is lpck->fccType; chunks on the way are skipped (with their pad byte). The search ends at
// the end of lpckParent's data (when given) or of the file. Fills lpck and leaves the position at
// the chunk's data (after the form type of a RIFF or LIST chunk). MMIOERR_CHUNKNOTFOUND when no
// whole chunk header is there, nothing matches, or a chunk met runs past its parent or the file.
MMRESULT mmioDescend(HMMIO hmmio, MMCKINFO* lpck, const MMCKINFO* lpckParent, UINT wFlags);

// Reads up to cch bytes at the current position: answers the bytes read (0 at the end of the
// file), or -1 on a bad argument or a read error.
LONG mmioRead(HMMIO hmmio, char* pch, LONG cch);

// Moves to the end of the chunk that lpck describes (after its pad byte, if its size is odd).
MMRESULT mmioAscend(HMMIO hmmio, MMCKINFO* lpck, UINT wFlags);

// Closes the file (wFlags 0).
MMRESULT mmioClose(HMMIO hmmio, UINT wFlags);
