#include "game/menu_state.h"

namespace coilrun {

namespace {

bool GameOnBoard(const GameModel& model) {
  return model.ScreenState == BoardScreen || model.ScreenState == PauseScreen;
}

}  // namespace

bool GameInPlay(const GameModel& model) { return GameOnBoard(model) || model.Settings.Paused; }

GameMenuState MenuStateFor(const GameModel& model) {
  GameMenuState state;
  const bool inPlay = GameInPlay(model);
  state.NewVisible = !inPlay;
  state.PauseVisible = inPlay;
  state.StopVisible = inPlay;
  state.PauseChecked = model.Settings.Paused && model.ScreenState != BoardScreen;
  state.HelpItemsEnabled = model.ScreenState != BoardScreen;
  return state;
}

}  // namespace coilrun
