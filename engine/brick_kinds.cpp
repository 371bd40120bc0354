#include "engine/brick_kinds.h"

#include "engine/model.h"

namespace coilrun {

void DrawCellByKind(BoardView& view, int x, int y, std::int32_t content) {
  if (IsNormalContent(content)) {
    view.DrawNormalBrick(x, y);
    return;
  }
  switch (-content) {
    case DoorBrick: view.DrawDoorBrick(x, y); break;
    case InOutBrick: view.DrawInOutBrick(x, y); break;
    case ReboundBrick: view.DrawReboundBrick(x, y); break;
    case CharacterBrick: view.DrawCharacterBrick(x, y); break;
    case ScoreBrick: view.DrawScoreBrick(x, y); break;
    case LifeBrick: view.DrawLifeBrick(x, y); break;
    default: break;
  }
}

}  // namespace coilrun
