#include "present/information_screens.h"

namespace coilrun {

InformationScreens::InformationScreens(GameModel& model, Surfaces& surfaces, BoardPainter& board, ReportPanel& report)
    : model_(model), surfaces_(surfaces), board_(board), report_(report) {}

void InformationScreens::ShowTitle() {}            // not yet: the information screens arrive later
void InformationScreens::ShowWinner() {}           // not yet: arrives with the information screens
void InformationScreens::ShowCongratulations() {}  // not yet: arrives with the information screens
void InformationScreens::ShowDisappointment() {}   // not yet: arrives with the information screens
void InformationScreens::DrawPauseBox() {}         // not yet: arrives with the information screens
void InformationScreens::ErasePauseBox() {}        // not yet: arrives with the information screens

}  // namespace coilrun
