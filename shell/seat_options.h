// The seats of the new game dialog, kept in coilrun.ini between runs:
// "Seats/Player1".."Seats/Player4" say Human or Computer, "Seats/Skill1"..
// "Seats/Skill4" the computer's skill from 1 (Beginner) to 5 (Master).
#pragma once

#include "game/seats.h"
#include "shell/coilrun_ini.h"

namespace coilrun {

class SeatOptions {
 public:
  explicit SeatOptions(CoilrunIni& ini) : ini_(ini) {}

  // A seat that is neither Human nor Computer is a person's; a skill out of
  // range is the nearest one there is.
  Seats Read() const;
  // Adds nothing to the file for seats at their defaults.
  void Write(const Seats& seats);

 private:
  CoilrunIni& ini_;
};

}  // namespace coilrun
