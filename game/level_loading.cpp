// The game's side of its level sources: opening and closing the level file,
// and loading the next level of the game's source and starting it.
#include "engine/game.h"
#include "game/io_error.h"

namespace coilrun {

namespace {

constexpr int kLevelsExhausted = kBuiltInLevelCount + 1;

}  // namespace

void Game::CopyBuiltInLevels() { sources_.CopyBuiltInLevels(); }

bool Game::OpenLevelFile(const std::string& name) {
  try {
    sources_.OpenLevelFile(name);
  } catch (const InOutError& error) {
    host_.ShowMessage(error.what());
    return false;
  }
  // The game's levels come from this file from now on, also when it holds
  // none: the end of the game and the next level read this flag.
  model_.Settings.BuiltInLevels = false;
  return true;
}

void Game::CloseLevelFile() {
  try {
    sources_.CloseLevelFile();
  } catch (const InOutError& error) {
    host_.ShowMessage(error.what());
  }
}

void Game::OnLevelsExhausted() {
  if (model_.Settings.Competition) {
    model_.LevelGrid = model_.LevelBackup;
    StartLevel();
  } else {
    OnEnd();
  }
}

void Game::NextBuiltInLevel() {
  if (model_.LevelNumber >= kLevelsExhausted) {
    OnLevelsExhausted();
    return;
  }
  sources_.ClearGrid();
  sources_.DecodeBuiltInLevel();
  model_.Settings.BuiltInLevels = true;
  StartLevel();
}

bool Game::NextFileLevel(bool (LevelSources::*loadLevel)()) {
  bool loaded = false;
  try {
    loaded = (sources_.*loadLevel)();
  } catch (const InOutError& error) {
    host_.ShowMessage(error.what());
    return false;
  }
  if (!loaded) {
    OnLevelsExhausted();
    return true;
  }
  PlaceSnakes();
  model_.Settings.BuiltInLevels = false;
  StartLevel();
  return true;
}

bool Game::NextStreamLevel() { return NextFileLevel(&LevelSources::LoadStreamLevel); }

bool Game::NextGridLevel() { return NextFileLevel(&LevelSources::LoadGridLevel); }

}  // namespace coilrun
