#include "shell/sound_setup.h"

#include <gtest/gtest.h>

#include "tests/shell/test_sounds.h"
#include "tests/support/temp_directory.h"

namespace coilrun::testing {
namespace {

namespace fs = std::filesystem;

class SoundSetupTest : public ::testing::Test {
 protected:
  SoundSetupTest() { fs::create_directories(data); }

  fs::path WriteArchive(const std::vector<std::uint8_t>& bytes) { return directory.Write("audio.dat", bytes); }

  int SoundFilesInData() const {
    int count = 0;
    for (int entry = 0; entry < kAudioEntryCount; ++entry) count += fs::exists(SoundFilePath(data, entry));
    return count;
  }

  TempDirectory directory{"coilrun-sound-setup"};
  fs::path data = directory / "data";
  MediaPlayers players;
};

TEST_F(SoundSetupTest, UnpacksAndOpensThePlayersAndRemovesTheFilesAtExit) {
  const auto archive = WriteArchive(EncodeAudioArchive(TestSounds(0.2)));
  const SoundSetup setup = OpenSounds(false, players, UnpackSoundsAhead(archive, data).get(), data);
  EXPECT_EQ(setup.files, SoundFiles::Ready);
  EXPECT_FALSE(setup.failure);
  EXPECT_TRUE(players.deviceOpen());
  EXPECT_EQ(SoundFilesInData(), kAudioEntryCount);

  DeleteSoundFiles(false, players, data);
  EXPECT_FALSE(players.deviceOpen());
  EXPECT_EQ(SoundFilesInData(), 0);
  EXPECT_TRUE(fs::exists(archive));
}

TEST_F(SoundSetupTest, AMissingArchiveIsSaidOnceAndLeavesOtherFilesAlone) {
  std::ofstream(data / "001.wav") << "not ours to delete";
  const SoundSetup setup = OpenSounds(false, players, UnpackSoundsAhead(directory / "audio.dat", data).get(), data);
  EXPECT_EQ(setup.files, SoundFiles::ArchiveMissing);
  ASSERT_TRUE(setup.failure);
  EXPECT_EQ(setup.failure->text(), "Unable to open the file \"AUDIO.DAT\".");
  EXPECT_FALSE(players.deviceOpen());

  DeleteSoundFiles(true, players, data);
  EXPECT_TRUE(fs::exists(data / "001.wav"));
}

// A damaged archive, a directory that cannot be written or a missing sound
// device: one message, a silent run, and no sound files left behind.
TEST_F(SoundSetupTest, OtherFailuresGiveOneMessageAndASilentRunButKeepTheOptions) {
  const auto good = WriteArchive(EncodeAudioArchive(TestSounds(0.2)));
  const auto damaged = directory.Write("short.dat", std::vector<std::uint8_t>(20, 0));
  struct Case {
    fs::path archive;
    fs::path target;
    const char* driver;
    const char* expected;
  };
  for (const Case& run : {Case{damaged, data, "dummy", "short.dat\" is damaged"},
                          Case{good, data / "missing", "dummy", "001.wav\": File not found"},
                          Case{good, data, "no-such-driver", "Unable to open the sound device"}}) {
    SCOPED_TRACE(run.expected);
    AudioDriver driver(run.driver);
    const SoundSetup setup = OpenSounds(false, players, UnpackSoundsAhead(run.archive, run.target).get(), run.target);
    EXPECT_EQ(setup.files, SoundFiles::Unavailable);
    ASSERT_TRUE(setup.failure);
    const std::string& message = setup.failure->text();
    EXPECT_NE(message.find(run.expected), std::string::npos) << message;
    EXPECT_NE(message.find("The game runs without sound."), std::string::npos);
    EXPECT_FALSE(players.deviceOpen());
    EXPECT_EQ(SoundFilesInData(), 0);
  }
}

TEST_F(SoundSetupTest, FindsTheArchiveBesideTheProgramOrWhereItIsInstalled) {
  const fs::path bin = directory / "bin";
  fs::create_directories(bin);
  EXPECT_EQ(FindAudioArchive(bin), bin / "audio.dat");
  fs::create_directories(directory / "share/coilrun");
  std::ofstream(directory / "share/coilrun/audio.dat") << "x";
  EXPECT_EQ(fs::weakly_canonical(FindAudioArchive(bin)), fs::weakly_canonical(directory / "share/coilrun/audio.dat"));
  std::ofstream(bin / "audio.dat") << "x";
  EXPECT_EQ(FindAudioArchive(bin), bin / "audio.dat");
}

}  // namespace
}  // namespace coilrun::testing
