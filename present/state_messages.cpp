#include "present/state_messages.h"

namespace coilrun {

namespace {

// Used as written, slips of spelling included: players know them so.
struct PairText {
  const char* first;
  const char* second;
};

constexpr PairText kKeys[] = {
    {"Hidden keys..", "P, Pause - pause,  Crtl+F12 - skip for \"built in\" levels"},
    {"Can I define my own keys?", "No you can't. Maybe in next version.."},
    {"Stupid keys?", "Please rotate your keyboard for 180 degrees.."},
};
constexpr PairText kHighScore[] = {
    {"I want to reset high score table..", "Delete \"hscores.dat\" or go to Options -> Report -> .."},
    {"You want to be on the top?", "It is easy.. ( string[15] + LongInt : down )"},
    {"Best scores", "My record is 100000, what about yours?"},
};
constexpr PairText kAbout[] = {
    {"About the lamest game", "Don't mail me, if you think the same :)"},
    {"Personal HP of Brindlemoss..", "The Coilrun home page: see the README"},
    {"Any good sugestion for these messages?", "Send them on coilrun email, just good!"},
};
constexpr PairText kTitle[] = {
    {"Too much time?", "Don't you have anything better to do?"},
    {"Warning", "Playing Coilrun more than 1 hour isn't healthy for your eyes"},
    {"Does anyone have Coilrun ver 1.0?", "Please send it to me.. I realy need it.."},
};
constexpr PairText kBrickTypes[] = {
    {"Bricks Types", "You musn't bump in normal and character bricks!"},
    {"Where are life bricks?", "Yes.. :) I think they are just in one level"},
    {"Character bricks..?", "Well.. I have to made more levels with this type"},
};
constexpr PairText kCongratulations[] = {
    {"You must be proud..", "Now you can take a rest (not in peace :)"},
    {"Good player(s) or ..", "I hope you didn't hack last level value.."},
    {"Extra levels?", "Probably that was enough, I hope so.."},
};
constexpr PairText kWinner[] = {
    {"Hmmmmm..", "Are you so good, or are other so bad?"},
    {"Bigger and the best..", "Do you like Claw Fingers?"},
    {"When you were young", "Your father: I want that you are the best.."},
};
constexpr PairText kDisappointment[] = {
    {"Who is lamer?", "Lamer is a person who uses skip.."},
    // Counts up to the last built-in level.
    {"Skip*?!#?", "1, 2, 3, 4, 5, 6, 7, 82 - You are from the Mars? Aren't you?"},
    {"S.K.I.P - Something Kewl In this Program", "I don't think so. I made this for you not for me.."},
};

static_assert(kBuiltInLevelCount == 82, "the skip message counts to the last built-in level");

}  // namespace

StateMessageTable StateMessageTexts() {
  const PairText* screens[kInformationScreenCount] = {kKeys,       kHighScore,       kAbout,  kTitle,
                                                      kBrickTypes, kCongratulations, kWinner, kDisappointment};
  StateMessageTable table;
  for (int screen = 0; screen < kInformationScreenCount; ++screen) {
    for (int pair = 0; pair < kMessagePairsPerScreen; ++pair) {
      const PairText& text = screens[screen][pair];
      table[screen][pair] = {QString::fromLatin1(text.first), QString::fromLatin1(text.second)};
    }
  }
  return table;
}

}  // namespace coilrun
