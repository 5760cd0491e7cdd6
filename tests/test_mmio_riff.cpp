// tests/test_mmio_riff.cpp — the multimedia file functions on RIFF files made in code,
// including files whose chunk sizes lie.
#include <gtest/gtest.h>

#include "platform/Mmio.h"
#include "test_sound_fixtures.h"

using namespace soundtest;

namespace {

constexpr FOURCC kWave = mmioFOURCC('W', 'A', 'V', 'E');
constexpr FOURCC kFmt = mmioFOURCC('f', 'm', 't', ' ');
constexpr FOURCC kData = mmioFOURCC('d', 'a', 't', 'a');
constexpr FOURCC kList = mmioFOURCC('L', 'I', 'S', 'T');
constexpr FOURCC kRiffId = mmioFOURCC('R', 'I', 'F', 'F');

class Mmio : public ::testing::Test {
protected:
    HMMIO Open(const Bytes& bytes, DWORD flags = MMIO_ALLOCBUF | MMIO_READ) {
        const std::string path = dir_.Write("file.riff", bytes);
        return mmioOpenA(path.c_str(), nullptr, flags);
    }
    TempDir dir_;
};

MMCKINFO Wanting(FOURCC ckid, FOURCC type) {
    MMCKINFO ck{};
    ck.ckid = ckid;
    ck.fccType = type;
    return ck;
}

}  // namespace

TEST(MmioFourcc, PacksCharactersLittleEndian) {
    EXPECT_EQ(mmioFOURCC('R', 'I', 'F', 'F'), 0x46464952u);
    EXPECT_EQ(mmioFOURCC('f', 'm', 't', ' '), 0x20746D66u);
}

TEST_F(Mmio, OpenFailsOnMissingFileDirectoryOrUnsupportedFlags) {
    EXPECT_EQ(mmioOpenA((dir_.path() / "missing.wav").c_str(), nullptr, MMIO_ALLOCBUF), nullptr);
    EXPECT_EQ(mmioOpenA(dir_.path().c_str(), nullptr, MMIO_ALLOCBUF), nullptr);
    EXPECT_EQ(mmioOpenA(nullptr, nullptr, MMIO_ALLOCBUF), nullptr);
    const std::string path = dir_.Write("a.wav", Wav({1, 2, 3}));
    EXPECT_EQ(mmioOpenA(path.c_str(), nullptr, 0x1 /* MMIO_WRITE */), nullptr);
    HMMIO unbuffered = mmioOpenA(path.c_str(), nullptr, MMIO_READ);
    ASSERT_NE(unbuffered, nullptr);
    EXPECT_EQ(mmioClose(unbuffered, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(mmioClose(nullptr, 0), MMSYSERR_INVALPARAM);
}

TEST_F(Mmio, WalksAStandardWaveFile) {
    const Bytes file = Wav({100, -200, 300});  // 44 + 6 bytes
    HMMIO h = Open(file);
    ASSERT_NE(h, nullptr);

    MMCKINFO riff = Wanting(0, kWave);
    ASSERT_EQ(mmioDescend(h, &riff, nullptr, MMIO_FINDRIFF), MMSYSERR_NOERROR);
    EXPECT_EQ(riff.ckid, kRiffId);
    EXPECT_EQ(riff.fccType, kWave);
    EXPECT_EQ(riff.cksize, file.size() - 8);
    EXPECT_EQ(riff.dwDataOffset, 8u);  // the form type's offset

    MMCKINFO fmt{};
    ASSERT_EQ(mmioDescend(h, &fmt, &riff, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(fmt.ckid, kFmt);
    EXPECT_EQ(fmt.cksize, 16u);
    EXPECT_EQ(fmt.fccType, 0u);
    EXPECT_EQ(fmt.dwDataOffset, 20u);
    char record[18];
    ASSERT_EQ(mmioRead(h, record, 18), 18);  // the last two bytes are the next chunk's "da"
    EXPECT_EQ(record[0], 1);
    EXPECT_EQ(record[16], 'd');
    EXPECT_EQ(record[17], 'a');
    ASSERT_EQ(mmioAscend(h, &fmt, 0), MMSYSERR_NOERROR);

    MMCKINFO data = Wanting(kData, 0);
    ASSERT_EQ(mmioDescend(h, &data, &riff, MMIO_FINDCHUNK), MMSYSERR_NOERROR);
    EXPECT_EQ(data.ckid, kData);
    EXPECT_EQ(data.cksize, 6u);
    EXPECT_EQ(data.dwDataOffset, 44u);
    unsigned char samples[6];
    ASSERT_EQ(mmioRead(h, reinterpret_cast<char*>(samples), 6), 6);
    EXPECT_EQ(samples[0], 100);
    EXPECT_EQ(samples[2], static_cast<unsigned char>(-200 & 0xFF));
    EXPECT_EQ(mmioRead(h, reinterpret_cast<char*>(samples), 6), 0);  // end of file
    EXPECT_EQ(mmioClose(h, 0), MMSYSERR_NOERROR);
}

TEST_F(Mmio, FindChunkSkipsOtherChunksAndTheirPadBytes) {
    Bytes odd = {1, 2, 3};  // a 3-byte chunk, padded to 4
    Bytes listData;
    PutId(listData, "INFO");
    PutId(listData, "ICMT");
    Put32(listData, 1);
    listData.push_back('x');
    listData.push_back(0);
    const Bytes file = Riff({{"fmt ", FormatData(1, 1, 22050, 16)},
                             {"odd ", odd},
                             {"LIST", listData},
                             {"data", SampleBytes({7, 8})}});
    HMMIO h = Open(file);
    ASSERT_NE(h, nullptr);
    MMCKINFO riff = Wanting(0, kWave);
    ASSERT_EQ(mmioDescend(h, &riff, nullptr, MMIO_FINDRIFF), MMSYSERR_NOERROR);
    MMCKINFO data = Wanting(kData, 0);
    ASSERT_EQ(mmioDescend(h, &data, &riff, MMIO_FINDCHUNK), MMSYSERR_NOERROR);
    EXPECT_EQ(data.cksize, 4u);
    EXPECT_EQ(data.dwDataOffset, file.size() - 4);
    mmioClose(h, 0);

    // Descending without a flag into a LIST chunk reads its list type too.
    h = Open(file);
    ASSERT_EQ(mmioDescend(h, &riff, nullptr, MMIO_FINDRIFF), MMSYSERR_NOERROR);
    MMCKINFO list = Wanting(kList, 0);
    ASSERT_EQ(mmioDescend(h, &list, &riff, MMIO_FINDCHUNK), MMSYSERR_NOERROR);
    EXPECT_EQ(list.fccType, mmioFOURCC('I', 'N', 'F', 'O'));
    MMCKINFO comment{};
    ASSERT_EQ(mmioDescend(h, &comment, &list, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(comment.ckid, mmioFOURCC('I', 'C', 'M', 'T'));
    EXPECT_EQ(comment.cksize, 1u);
    mmioClose(h, 0);
}

TEST_F(Mmio, FindRiffWantsTheFormType) {
    HMMIO h = Open(Riff({{"fmt ", FormatData(1, 1, 22050, 16)}}, "AVI "));
    ASSERT_NE(h, nullptr);
    MMCKINFO riff = Wanting(0, kWave);
    EXPECT_EQ(mmioDescend(h, &riff, nullptr, MMIO_FINDRIFF), MMIOERR_CHUNKNOTFOUND);
    mmioClose(h, 0);
}

TEST_F(Mmio, SearchStopsAtTheEndOfTheParent) {
    // The data chunk lies after the RIFF chunk's stated end: it is not found inside it.
    Bytes file = Riff({{"fmt ", FormatData(1, 1, 22050, 16)}}, "WAVE");
    PutId(file, "data");
    Put32(file, 2);
    Put16(file, 5);
    HMMIO h = Open(file);
    MMCKINFO riff = Wanting(0, kWave);
    ASSERT_EQ(mmioDescend(h, &riff, nullptr, MMIO_FINDRIFF), MMSYSERR_NOERROR);
    MMCKINFO data = Wanting(kData, 0);
    EXPECT_EQ(mmioDescend(h, &data, &riff, MMIO_FINDCHUNK), MMIOERR_CHUNKNOTFOUND);
    mmioClose(h, 0);
}

TEST_F(Mmio, ChunkRunningPastItsParentIsRefused) {
    // fmt claims 400 bytes inside a RIFF chunk of 40; the file itself is long enough.
    Bytes file = Riff({{"fmt ", FormatData(1, 1, 22050, 16), 400}, {"data", SampleBytes({1})}});
    file.resize(file.size() + 500, 0);
    HMMIO h = Open(file);
    MMCKINFO riff = Wanting(0, kWave);
    ASSERT_EQ(mmioDescend(h, &riff, nullptr, MMIO_FINDRIFF), MMSYSERR_NOERROR);
    MMCKINFO fmt{};
    EXPECT_EQ(mmioDescend(h, &fmt, &riff, 0), MMIOERR_CHUNKNOTFOUND);
    mmioClose(h, 0);
}

TEST_F(Mmio, ChunkRunningPastTheFileIsRefusedEvenWithoutParent) {
    const Bytes file = Riff({{"data", SampleBytes({1, 2}), 0x7FFFFFF0}}, "WAVE", 0x7FFFFFFF);
    HMMIO h = Open(file);
    MMCKINFO riff = Wanting(0, kWave);
    EXPECT_EQ(mmioDescend(h, &riff, nullptr, MMIO_FINDRIFF), MMIOERR_CHUNKNOTFOUND);
    mmioClose(h, 0);

    // Inside a truthful RIFF chunk, a descend into the lying data chunk is refused as well,
    // and skipping over it is impossible.
    Bytes inner = Riff({{"data", SampleBytes({1, 2}), 0xFFFFFFF0u}});
    h = Open(inner);
    ASSERT_EQ(mmioDescend(h, &riff, nullptr, MMIO_FINDRIFF), MMSYSERR_NOERROR);
    MMCKINFO any{};
    EXPECT_EQ(mmioDescend(h, &any, nullptr, 0), MMIOERR_CHUNKNOTFOUND);
    mmioClose(h, 0);
}

TEST_F(Mmio, TruncatedHeadersAndEmptyFiles) {
    HMMIO h = Open(Bytes{});
    ASSERT_NE(h, nullptr);
    MMCKINFO riff = Wanting(0, kWave);
    EXPECT_EQ(mmioDescend(h, &riff, nullptr, MMIO_FINDRIFF), MMIOERR_CHUNKNOTFOUND);
    char c;
    EXPECT_EQ(mmioRead(h, &c, 1), 0);
    mmioClose(h, 0);

    h = Open(Bytes{'R', 'I', 'F', 'F', 4, 0});
    EXPECT_EQ(mmioDescend(h, &riff, nullptr, MMIO_FINDRIFF), MMIOERR_CHUNKNOTFOUND);
    mmioClose(h, 0);

    // A RIFF chunk too small to hold its form type.
    h = Open(Bytes{'R', 'I', 'F', 'F', 2, 0, 0, 0, 'W', 'A'});
    EXPECT_EQ(mmioDescend(h, &riff, nullptr, MMIO_FINDRIFF), MMIOERR_CHUNKNOTFOUND);
    mmioClose(h, 0);
}

TEST_F(Mmio, ReadAnswersWhatIsThere) {
    HMMIO h = Open(Bytes{1, 2, 3, 4, 5});
    char buf[16] = {};
    EXPECT_EQ(mmioRead(h, buf, 3), 3);
    EXPECT_EQ(mmioRead(h, buf, 16), 2);
    EXPECT_EQ(buf[0], 4);
    EXPECT_EQ(buf[1], 5);
    EXPECT_EQ(mmioRead(h, buf, 16), 0);
    EXPECT_EQ(mmioRead(h, buf, -1), -1);
    EXPECT_EQ(mmioRead(h, nullptr, 4), -1);
    EXPECT_EQ(mmioRead(nullptr, buf, 4), -1);
    mmioClose(h, 0);
}

TEST_F(Mmio, AscendMovesPastTheChunkAndItsPadByte) {
    const Bytes file = Riff({{"one ", Bytes{9, 9, 9}}, {"two ", Bytes{42, 43}}});
    HMMIO h = Open(file);
    MMCKINFO riff = Wanting(0, kWave);
    ASSERT_EQ(mmioDescend(h, &riff, nullptr, MMIO_FINDRIFF), MMSYSERR_NOERROR);
    MMCKINFO one{};
    ASSERT_EQ(mmioDescend(h, &one, &riff, 0), MMSYSERR_NOERROR);
    char c;
    ASSERT_EQ(mmioRead(h, &c, 1), 1);  // part-way through the chunk
    ASSERT_EQ(mmioAscend(h, &one, 0), MMSYSERR_NOERROR);
    MMCKINFO two{};
    ASSERT_EQ(mmioDescend(h, &two, &riff, 0), MMSYSERR_NOERROR);
    EXPECT_EQ(two.ckid, mmioFOURCC('t', 'w', 'o', ' '));
    ASSERT_EQ(mmioRead(h, &c, 1), 1);
    EXPECT_EQ(c, 42);
    // Nothing after the last chunk of the parent.
    ASSERT_EQ(mmioAscend(h, &two, 0), MMSYSERR_NOERROR);
    MMCKINFO none{};
    EXPECT_EQ(mmioDescend(h, &none, &riff, 0), MMIOERR_CHUNKNOTFOUND);
    EXPECT_EQ(mmioAscend(nullptr, &two, 0), MMSYSERR_INVALPARAM);
    mmioClose(h, 0);
}
