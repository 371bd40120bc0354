#include "present/report_panel.h"

namespace coilrun {

ReportPanel::ReportPanel(const GameModel& model, Surfaces& surfaces, Host& host)
    : model_(model), surfaces_(surfaces), host_(host) {}

void ReportPanel::ShowScore(int /*player*/) {}  // not yet: the report panel's texts arrive with the report panel
void ReportPanel::ShowLives(int /*player*/) {}  // not yet: arrives with the report panel
void ReportPanel::ShowNumber() {}               // not yet: arrives with the report panel
void ReportPanel::ShowWrap() {}                 // not yet: arrives with the report panel
void ReportPanel::ShowSpeed() {}                // not yet: arrives with the report panel
void ReportPanel::ClearReport() {}              // not yet: arrives with the report panel
void ReportPanel::RepaintReport() {}            // not yet: arrives with the report panel
void ReportPanel::ReportTimerTimer() {}         // not yet: arrives with the report panel

}  // namespace coilrun
