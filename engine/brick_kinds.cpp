#include "engine/brick_kinds.h"

#include "engine/model.h"

namespace coilrun {

void DrawCellByKind(BoardView& view, int x, int y, std::int32_t content) {
  if (IsNormalContent(content)) {
    view.Draw_Brick_1(x, y);
    return;
  }
  switch (-content) {
    case DoorBrick: view.Draw_Brick_2(x, y); break;
    case InOutBrick: view.Draw_Brick_3(x, y); break;
    case ReboundBrick: view.Draw_Brick_4(x, y); break;
    case CharacterBrick: view.Draw_Brick_5(x, y); break;
    case ScoreBrick: view.Draw_Brick_10(x, y); break;
    case LifeBrick: view.Draw_Brick_11(x, y); break;
    default: break;
  }
}

}  // namespace coilrun
