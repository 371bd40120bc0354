#include <algorithm>
#include <string>
#include <vector>

#include "engine/keys.h"
#include "tests/support/game_fixture.h"
#include "tests/support/offers.h"
#include "tests/support/temp_directory.h"

namespace coilrun::testing {
namespace {

class ComputerPlayersTest : public GameFixture {
 protected:
  ComputerPlayersTest() {
    model.ScreenState = TitleScreen;
    game.CopyBuiltInLevels();
    for (int player = 1; player <= kMaxPlayers; ++player) model.Players[player].Name = "Name" + std::to_string(player);
  }

  // A normal game on built-in level 1: player 1 starts at (9, 1) heading
  // right, player 2 at (40, 28) heading left.
  void Start(int playerCount, std::initializer_list<int> computers, Skill skill = Skill::Master) {
    NewGameChoice choice{.PlayerCount = playerCount};
    for (const int player : computers) choice.Seats.seat[player] = {SeatKind::Computer, skill};
    ASSERT_TRUE(game.StartButtonClick(choice));
  }
};

TEST_F(ComputerPlayersTest, APersonsSteeringKeyForAComputersSeatDoesNothing) {
  const struct {
    int key;
    unsigned shift;
    int turnedPlayer;  // 0: nobody
    Direction heading;
  } cases[] = {
      {VkDown, ShiftNone, 0, Direction::Right},               // player 1's key, from the keyboard
      {VkDown, ShiftShift | ShiftCtrl, 0, Direction::Right},  // with any shift state
      {VkDown, ShiftComputer, 1, Direction::Down},            // as the computer presses it
      {VkS, ShiftNone, 2, Direction::Down},                   // the person's own seat
  };
  for (const auto& each : cases) {
    Start(2, {1});
    game.FormKeyDown(each.key, each.shift);
    EXPECT_EQ(model.Players[1].Direction, each.turnedPlayer == 1 ? each.heading : Direction::Right)
        << "key " << each.key << ", shift " << each.shift;
    EXPECT_EQ(model.Players[2].Direction, each.turnedPlayer == 2 ? each.heading : Direction::Left)
        << "key " << each.key << ", shift " << each.shift;
    game.Stop1Click();
  }
  // P pauses whoever plays.
  Start(2, {1, 2});
  game.FormKeyDown(VkP, ShiftNone);
  EXPECT_TRUE(model.Settings.Paused);
}

// Its score shows and counts like anyone's, but the table is the people's:
// asked for a name or not, a computer never enters it.
TEST_F(ComputerPlayersTest, AComputerIsNeverAskedForANameNorEntersTheHighScoreTable) {
  for (const bool reEnterName : {true, false}) {
    model.Settings.ReEnterName = reEnterName;
    LetEveryScoreRank(host.highScores);
    host.inputPrompts.clear();
    host.inputAnswers = {"Ann"};
    Start(3, {2});
    model.Players[1].Score = 500;
    model.Players[2].Score = 900;
    model.Players[3].Score = 700;
    host.inputAnswers.push_back("Cy");
    game.Stop1Click();
    const HighScoreTable& table = host.highScores.table;
    EXPECT_EQ(std::count_if(table.begin(), table.end(), [](const HighScoreEntry& row) { return row.Score == 900; }), 0);
    EXPECT_EQ(table[0].Score, 700);
    EXPECT_EQ(table[1].Score, 500);
    const std::vector<int> asked = reEnterName ? std::vector<int>{1, 3} : std::vector<int>();
    EXPECT_EQ(OfferedPlayers(host, model), asked);
  }
}

// A computer at the right edge of an empty field must turn unless the field wraps.
TEST_F(ComputerPlayersTest, ComputersActOnlyOnAGameInPlayAndByTheOptionsOfTheMoment) {
  const struct {
    const char* what;
    bool wrap;
    bool paused;
    bool stopped;
    bool turns;
  } cases[] = {
      {"in play", false, false, false, true},
      {"in play, Wrap turned on", true, false, false, false},
      {"paused", false, true, false, false},
      {"stopped", false, false, true, false},
  };
  for (const auto& each : cases) {
    model.Settings.Wrap = false;
    Start(1, {1});
    model.LevelGrid = BoardGrid{};
    PlaceSnake(1, 49, 15, Direction::Right);
    model.TargetX = 2;
    model.TargetY = 15;
    game.options().SetWrap(each.wrap);
    if (each.paused) game.Pause1Click();
    if (each.stopped) game.Stop1Click();
    parts.computers.Steer(game);
    EXPECT_EQ(model.Players[1].Direction != Direction::Right, each.turns) << each.what;
    EXPECT_EQ(model.Settings.Paused, each.paused) << each.what;
    game.Stop1Click();
  }
}

// A file of one empty level: a normal game ends when the computer has
// finished it, a competition replays it until it is decided; nobody is asked
// for a name, though every score would rank.
TEST_F(ComputerPlayersTest, ComputersPlayALevelFileOfOneLevelToTheEnd) {
  TempDirectory directory{"coilrun-computers"};
  const std::string file = directory.Write("one.lvl", std::vector<std::uint8_t>(1581, 0));
  const struct {
    bool competition;
    std::uint8_t endScreen;
    const char* lastMessage;
  } cases[] = {{false, TitleScreen, "You have finished all levels."}, {true, WinnerScreen, nullptr}};
  for (const auto& each : cases) {
    LetEveryScoreRank(host.highScores);
    host.messages.clear();
    NewGameChoice choice{.PlayerCount = each.competition ? 2 : 1,
                         .Competition = each.competition,
                         .WinsTarget = 2,
                         .BuiltIn = false,
                         .LevelFile = file};
    choice.Seats.seat[1] = choice.Seats.seat[2] = {SeatKind::Computer, Skill::Master};
    ASSERT_TRUE(game.StartButtonClick(choice));
    for (int beat = 0; beat < 20000 && host.gameTimerOn; ++beat) game.TimerTimer();
    EXPECT_EQ(model.ScreenState, each.endScreen) << "competition " << each.competition;
    if (each.lastMessage != nullptr) {
      ASSERT_FALSE(host.messages.empty());
      EXPECT_EQ(host.messages.back(), each.lastMessage);
    }
    EXPECT_GT(model.Players[1].Score, 0);
    EXPECT_TRUE(host.inputPrompts.empty());
  }
}

TEST(ComputerGamesTest, ComputersPlayTheSameGameForTheSameSeed) {
  const auto play = [](std::uint32_t seed) {
    GameModel model;
    FakeHost host;
    host.seed = seed;
    RecordingView view(model);
    GameParts parts(model, view.views(), host.ports());
    Game game(parts);
    game.CopyBuiltInLevels();
    NewGameChoice choice{.PlayerCount = 4, .Competition = true, .WinsTarget = 50};
    for (int player = 1; player <= kMaxPlayers; ++player) {
      choice.Seats.seat[player] = {SeatKind::Computer, kSkills[player]};
    }
    game.StartButtonClick(choice);
    for (int beat = 0; beat < 1500 && host.gameTimerOn; ++beat) game.TimerTimer();
    Texts outcome = host.messages;
    for (const PlayerState& snake : model.Players) {
      outcome.push_back(std::to_string(snake.BodyX[1]) + "," + std::to_string(snake.BodyY[1]) + " " +
                        std::to_string(snake.Score) + " " + std::to_string(snake.Wins));
    }
    return outcome;
  };
  const Texts first = play(1);
  EXPECT_GT(first.size(), 5u + 3u);  // some plays of the level were decided
  EXPECT_EQ(play(1), first);
  EXPECT_NE(play(2), first);
}

}  // namespace
}  // namespace coilrun::testing
