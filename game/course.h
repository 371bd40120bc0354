// The course of a game over the rules: level starts, finished levels, the
// level message, crashes and what they cost, replays after a death, the
// decision of a competition after every play of a level, the next level of
// the game's source, and the end of a normal game.
#pragma once

#include "engine/competition_count.h"
#include "engine/game_view.h"
#include "engine/model.h"
#include "engine/rule_events.h"
#include "engine/rules.h"
#include "game/game_timers.h"
#include "game/high_score_offers.h"
#include "game/level_sources.h"
#include "game/prompts.h"
#include "game/screens.h"

namespace coilrun {

class Course : public RuleEvents {
 public:
  Course(GameModel& model, GameView view, Rules& rules, LevelSources& sources, Screens& screens,
         HighScoreOffers& highScores, GameTimers& timers, Prompts& prompts)
      : model_(model),
        view_(view),
        rules_(rules),
        sources_(sources),
        screens_(screens),
        highScores_(highScores),
        timers_(timers),
        prompts_(prompts),
        competition_(model) {}

  // All four snakes on their start cells, whatever PlayerCount is.
  void PlaceSnakes();
  // Play starts on the level in LevelGrid: its copy is kept for replays, the
  // board drawn, the snakes placed, the first target put down, the timer on.
  void StartLevel();
  void LevelFinished() override;
  void On_Bump(int crashCode) override;
  void Level_Done_Message();

  // The next level of the game's source, started; a source with no level
  // left ends the game (a competition replays its last level). A file that
  // fails shows its failure and the action is abandoned: false.
  void NextBuiltInLevel();
  bool NextFileLevel();
  // False when the file could not be opened; the failure has been shown.
  bool OpenLevelFile(const std::string& name);
  void CloseLevelFile();

  // Every player in play, in player order, offers the score to the table.
  void OfferScoresInPlay();

 private:
  void On_Normal_Bump(int crashCode);
  void On_Competition_Bump(int crashCode);
  void RestartAfterDeath();
  // The competition steps after a play of a level; true when it has ended.
  bool CompetitionEnded();
  void ExtendCompetition();
  void Comp_End();
  void Comp_ShowExtendedMessage();
  // Replays the last level, or ends the game, once the level list is exhausted.
  void OnLevelsExhausted();
  void OnEnd();

  GameModel& model_;
  GameView view_;
  Rules& rules_;
  LevelSources& sources_;
  Screens& screens_;
  HighScoreOffers& highScores_;
  GameTimers& timers_;
  Prompts& prompts_;
  CompetitionCount competition_;
};

}  // namespace coilrun
