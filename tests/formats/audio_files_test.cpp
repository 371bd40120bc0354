#include "formats/audio_files.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "formats/audio_archive.h"
#include "tests/support/temp_directory.h"

namespace coilrun::testing {
namespace {

namespace fs = std::filesystem;

// Entry k holds `sizes[k]` bytes counting up from k, so that a byte out of
// place shows.
AudioEntries Entries(const std::array<std::size_t, kAudioEntryCount>& sizes) {
  AudioEntries entries;
  for (int entry = 0; entry < kAudioEntryCount; ++entry) {
    for (std::size_t i = 0; i < sizes[entry]; ++i) entries[entry].push_back(static_cast<std::uint8_t>(entry + i));
  }
  return entries;
}

std::vector<std::uint8_t> Header(const std::array<std::int32_t, kAudioEntryCount>& sizes) {
  std::vector<std::uint8_t> bytes;
  for (const std::int32_t size : sizes) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(size) >> (8 * i)));
  }
  return bytes;
}

std::string Text(const SoundUnpackResult& result) { return result.failure ? result.failure->text() : std::string(); }

int SoundFilesIn(const fs::path& directory) {
  int count = 0;
  for (int entry = 0; entry < kAudioEntryCount; ++entry) count += fs::exists(SoundFilePath(directory, entry));
  return count;
}

class SoundFilesTest : public ::testing::Test {
 protected:
  TempDirectory directory{"coilrun-sound-files"};
};

TEST_F(SoundFilesTest, HeaderSizesAreSignedLittleEndianAndNegativeOnesAreNamed) {
  const auto header = Header({1, 0x12345678, 0, -5, 90'000, 7, 2});
  const AudioEntrySizes sizes = DecodeAudioHeader(std::span(header).first<kAudioHeaderSize>());
  EXPECT_EQ(sizes, (AudioEntrySizes{1, 0x12345678, 0, -5, 90'000, 7, 2}));
  EXPECT_NE(NegativeAudioEntry(sizes).value_or("").find("\"004.wav\""), std::string::npos);
  EXPECT_FALSE(NegativeAudioEntry({0, 1, 2, 3, 4, 5, 6}));
}

// The music entry is larger than the copy buffer, so it passes in pieces.
TEST_F(SoundFilesTest, UnpacksEveryEntryWithItsBytes) {
  const AudioEntries entries = Entries({3, 0, 90'000, 90'001, 1, 44, 200'000});
  const auto archive = directory.Write("audio.dat", EncodeAudioArchive(entries));
  const SoundUnpackResult result = UnpackAudioArchive(archive, directory.path());
  ASSERT_EQ(result.outcome, SoundUnpacking::Unpacked) << Text(result);
  for (int entry = 0; entry < kAudioEntryCount; ++entry) {
    EXPECT_EQ(TempDirectory::Read(directory / kAudioEntryNames[entry]), entries[entry]) << kAudioEntryNames[entry];
  }

  RemoveSoundFiles(directory.path());
  EXPECT_EQ(SoundFilesIn(directory.path()), 0);
  EXPECT_TRUE(fs::exists(archive));
}

TEST_F(SoundFilesTest, AShortArchiveGivesShortFilesWithoutAnError) {
  const AudioEntries entries = Entries({10, 20, 30, 40, 50, 60, 70});
  std::vector<std::uint8_t> bytes = EncodeAudioArchive(entries);
  bytes.resize(kAudioHeaderSize + 10 + 20 + 5);  // ends inside "003.wav"
  const SoundUnpackResult result = UnpackAudioArchive(directory.Write("audio.dat", bytes), directory.path());
  ASSERT_EQ(result.outcome, SoundUnpacking::Unpacked);
  EXPECT_EQ(TempDirectory::Read(directory / "002.wav"), entries[1]);
  EXPECT_EQ(TempDirectory::Read(directory / "003.wav"),
            std::vector<std::uint8_t>(entries[2].begin(), entries[2].begin() + 5));
  for (const char* name : {"004.wav", "005.wav", "006.wav", "999.mid"}) {
    EXPECT_TRUE(fs::exists(directory / name)) << name;
    EXPECT_EQ(fs::file_size(directory / name), 0u) << name;
  }
}

TEST_F(SoundFilesTest, AMissingArchiveIsToldApartAndCreatesNothing) {
  EXPECT_EQ(UnpackAudioArchive(directory / "audio.dat", directory.path()).outcome, SoundUnpacking::ArchiveMissing);
  EXPECT_EQ(SoundFilesIn(directory.path()), 0);
}

TEST_F(SoundFilesTest, ADamagedArchiveIsNamedAndLeavesNoFiles) {
  for (const auto& bytes : {std::vector<std::uint8_t>(27, 0), Header({1, 2, -3, 4, 5, 6, 7})}) {
    const auto archive = directory.Write("audio.dat", bytes);
    const SoundUnpackResult result = UnpackAudioArchive(archive, directory.path());
    EXPECT_EQ(result.outcome, SoundUnpacking::Failed);
    EXPECT_NE(Text(result).find(archive), std::string::npos) << Text(result);
    EXPECT_EQ(SoundFilesIn(directory.path()), 0);
  }
}

TEST_F(SoundFilesTest, AnUnwritableTargetLeavesNothingHalfWritten) {
  const auto archive = directory.Write("audio.dat", EncodeAudioArchive(Entries({5, 5, 5, 5, 5, 5, 5})));
  SoundUnpackResult result = UnpackAudioArchive(archive, directory / "missing");
  EXPECT_EQ(result.outcome, SoundUnpacking::Failed);
  EXPECT_NE(Text(result).find("001.wav\": File not found"), std::string::npos) << Text(result);

  // Something that is not ours stands where the fourth file should go.
  fs::create_directory(directory / "004.wav");
  result = UnpackAudioArchive(archive, directory.path());
  EXPECT_EQ(result.outcome, SoundUnpacking::Failed);
  EXPECT_NE(Text(result).find("004.wav\": File access denied"), std::string::npos) << Text(result);
  EXPECT_EQ(SoundFilesIn(directory.path()), 1);
  EXPECT_TRUE(fs::is_directory(directory / "004.wav"));
}

}  // namespace
}  // namespace coilrun::testing
