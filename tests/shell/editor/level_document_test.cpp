// Drawing through the editor's tools and document, as the mouse would, and
// taking it back: each tool's cells, a gesture as one undo step, the
// parameters of special bricks, the saved state.
#include "shell/editor/level_document.h"

#include <gtest/gtest.h>

#include <QSpinBox>
#include <map>
#include <vector>

#include "shell/editor/brick_panel.h"
#include "shell/editor/field_tools.h"
#include "shell/editor/level_checks.h"
#include "tests/support/temp_directory.h"

namespace coilrun::testing {
namespace {

using Kinds = std::map<std::pair<int, int>, int>;

class EditingTest : public ::testing::Test {
 protected:
  EditingTest() {
    LevelBook levels;
    levels.Insert(0, LevelDesign{});
    document.Reset(std::move(levels), LevelFileFormat::Stream, {}, false);
  }

  // Press on the first cell, move through the others, release.
  void Drag(const std::vector<FieldCell>& path, bool erase = false) {
    tools.Press(path.front(), erase);
    for (std::size_t i = 1; i < path.size(); ++i) tools.Move(path[i]);
    tools.Release();
  }
  void Click(FieldCell cell, bool erase = false) { Drag({cell}, erase); }

  Kinds KindsOnField() const {
    Kinds kinds;
    for (int x = 0; x < kGridColumns; ++x) {
      for (int y = 0; y < kGridRows; ++y) {
        if (document.current().at(x, y).Kind != 0) kinds[{x, y}] = document.current().at(x, y).Kind;
      }
    }
    return kinds;
  }

  LevelDocument document;
  FieldTools tools{document};
};

Kinds Row(int y, int fromX, int toX, int kind) {
  Kinds kinds;
  for (int x = fromX; x <= toX; ++x) kinds[{x, y}] = kind;
  return kinds;
}

Kinds Joined(std::initializer_list<Kinds> parts) {
  Kinds all;
  for (const Kinds& part : parts) all.insert(part.begin(), part.end());
  return all;
}

TEST_F(EditingTest, EachToolDrawsItsCellsAsOneUndoStepThatTakesThemAllBack) {
  // Every case starts from a row of normal bricks at y = 20, x = 10..14.
  const Kinds start = Row(20, 10, 14, NormalBrick);
  struct Case {
    const char* what;
    EditTool tool;
    int kind;
    bool erase;
    std::vector<FieldCell> path;
    Kinds expected;
  };
  const Case cases[] = {
      // A fast stroke jumps from (2, 2) to (6, 2): the cells between are drawn.
      {"pencil", EditTool::Pencil, ReboundBrick, false, {{2, 2}, {6, 2}}, Joined({start, Row(2, 2, 6, ReboundBrick)})},
      // The shape follows the mouse: where it went first leaves nothing.
      {"line",
       EditTool::Line,
       NormalBrick,
       false,
       {{1, 1}, {9, 1}, {3, 3}},
       Joined({start, {{{1, 1}, 1}, {{2, 2}, 1}, {{3, 3}, 1}}})},
      {"rectangle",
       EditTool::Rectangle,
       ScoreBrick,
       false,
       {{2, 2}, {8, 8}, {4, 4}},
       Joined(
           {start, Row(2, 2, 4, ScoreBrick), Row(4, 2, 4, ScoreBrick), {{{2, 3}, ScoreBrick}, {{4, 3}, ScoreBrick}}})},
      {"filled rectangle",
       EditTool::FilledRectangle,
       LifeBrick,
       false,
       {{3, 5}, {4, 6}},
       Joined({start, Row(5, 3, 4, LifeBrick), Row(6, 3, 4, LifeBrick)})},
      {"flood fill over the row", EditTool::FloodFill, ScoreBrick, false, {{12, 20}}, Row(20, 10, 14, ScoreBrick)},
      {"eraser",
       EditTool::Eraser,
       NormalBrick,
       false,
       {{11, 20}, {13, 20}},
       Joined({Row(20, 10, 10, 1), Row(20, 14, 14, 1)})},
      {"right button with the line", EditTool::Line, NormalBrick, true, {{12, 20}, {14, 20}}, Row(20, 10, 11, 1)},
      {"right button with the fill", EditTool::FloodFill, NormalBrick, true, {{10, 20}}, {}},
      {"the empty cell of the palette", EditTool::Pencil, 0, false, {{10, 20}}, Row(20, 11, 14, 1)},
  };
  for (const Case& c : cases) {
    LevelBook levels;
    LevelDesign level;
    for (const auto& [cell, kind] : start) level.at(cell.first, cell.second).Kind = kind;
    levels.Insert(0, level);
    document.Reset(std::move(levels), LevelFileFormat::Stream, {}, false);
    tools.SetTool(c.tool);
    tools.SetPaletteKind(c.kind);
    Drag(c.path, c.erase);
    EXPECT_EQ(KindsOnField(), c.expected) << c.what;
    EXPECT_EQ(document.undoStack().count(), 1) << c.what;
    document.undoStack().undo();
    EXPECT_EQ(KindsOnField(), start) << c.what << ", undone";
    document.undoStack().redo();
    EXPECT_EQ(KindsOnField(), c.expected) << c.what << ", redone";
  }
}

TEST_F(EditingTest, EscapeTakesBackAGestureInProgressAndNothingIsRecorded) {
  tools.SetTool(EditTool::FilledRectangle);
  tools.Press({1, 1}, false);
  tools.Move({5, 5});
  EXPECT_EQ(KindsOnField().size(), 25u) << "the shape shows while it is drawn";
  tools.Cancel();
  tools.Release();
  EXPECT_TRUE(KindsOnField().empty());
  EXPECT_EQ(document.undoStack().count(), 0);
  EXPECT_FALSE(document.modified());
}

TEST_F(EditingTest, AClickedDoorPicksItsFourCellsEachOneStepAndTheRightButtonStops) {
  tools.SetTool(EditTool::Pencil);
  tools.SetPaletteKind(DoorBrick);
  Click({20, 10});
  ASSERT_EQ(tools.selected(), (FieldCell{20, 10}));
  EXPECT_EQ(tools.pickSlot(), 0);
  for (int slot = 0; slot < 4; ++slot) Click({slot + 1, 2 * slot});
  EXPECT_FALSE(tools.pickSlot());
  EXPECT_EQ(document.current().at(20, 10).Extra, (std::array<std::uint8_t, 8>{1, 0, 2, 2, 3, 4, 4, 6}));
  EXPECT_EQ(KindsOnField().size(), 1u) << "picking draws nothing";
  EXPECT_EQ(document.undoStack().count(), 5);
  document.undoStack().undo();
  EXPECT_EQ(document.current().at(20, 10).Extra, (std::array<std::uint8_t, 8>{1, 0, 2, 2, 3, 4, 20, 10}));

  // An in-out brick asks for its destination; the right button stops the pick.
  tools.SetPaletteKind(InOutBrick);
  Click({30, 15});
  EXPECT_EQ(tools.pickSlot(), kDestinationSlot);
  Click({31, 15}, true);
  EXPECT_FALSE(tools.pickSlot());
  EXPECT_EQ(document.current().at(31, 15).Kind, 0) << "the right button stopped the pick and erased nothing";
  tools.StartPick(kDestinationSlot);
  Click({40, 3});
  EXPECT_EQ(document.current().at(30, 15).Extra[0], 40);
  EXPECT_EQ(document.current().at(30, 15).Extra[1], 3);

  // Drawing a door over a door keeps its cells.
  tools.SetPaletteKind(DoorBrick);
  tools.SetTool(EditTool::Line);
  Drag({{19, 10}, {21, 10}});
  EXPECT_EQ(document.current().at(20, 10).Extra, (std::array<std::uint8_t, 8>{1, 0, 2, 2, 3, 4, 20, 10}));
}

TEST_F(EditingTest, ParametersTypedIntoThePanelAreOneStepForEachParameter) {
  BrickPanel panel(document, tools);
  tools.SetPaletteKind(CharacterBrick);
  tools.SetNewCharacter('Q');
  Click({5, 5});
  EXPECT_EQ(document.current().at(5, 5).Extra[0], StoredCharacter('Q'));
  auto* code = panel.findChild<QSpinBox*>(QStringLiteral("CharacterCode"));
  ASSERT_NE(code, nullptr);
  ASSERT_EQ(code->value(), 'Q');
  // Typing 6, then 65: one step for the character.
  code->setValue(6);
  code->setValue(65);
  EXPECT_EQ(document.current().at(5, 5).Extra[0], StoredCharacter('A'));
  EXPECT_EQ(document.undoStack().count(), 2);
  document.undoStack().undo();
  EXPECT_EQ(document.current().at(5, 5).Extra[0], StoredCharacter('Q'));
  EXPECT_EQ(code->value(), 'Q') << "the panel follows the undo";
  document.undoStack().redo();

  tools.SetPaletteKind(DoorBrick);
  Click({8, 8});
  tools.StopPick();
  auto* cell1X = panel.findChild<QSpinBox*>(QStringLiteral("DoorCell1X"));
  auto* cell2Y = panel.findChild<QSpinBox*>(QStringLiteral("DoorCell2Y"));
  cell1X->setValue(3);
  cell1X->setValue(33);
  cell2Y->setValue(4);
  EXPECT_EQ(document.undoStack().count(), 5) << "character, its code, the door, cell 1, cell 2";
  document.undoStack().undo();
  document.undoStack().undo();
  EXPECT_EQ(document.current().at(8, 8).Extra, (std::array<std::uint8_t, 8>{8, 8, 8, 8, 8, 8, 8, 8}));
}

TEST_F(EditingTest, TheSavedStateFollowsUndoAndANewChangeDropsTheRedo) {
  TempDirectory directory("coilrun-editor");
  tools.SetPaletteKind(NormalBrick);
  Click({1, 1});
  Click({2, 2});
  EXPECT_TRUE(document.modified());
  ASSERT_FALSE(document.Save(directory / "saved.lvl", LevelFileFormat::Stream));
  EXPECT_FALSE(document.modified());
  document.undoStack().undo();
  EXPECT_TRUE(document.modified()) << "undone after the save";
  document.undoStack().redo();
  EXPECT_FALSE(document.modified());
  document.undoStack().undo();
  Click({3, 3});
  EXPECT_FALSE(document.undoStack().canRedo());
  EXPECT_EQ(KindsOnField(), (Kinds{{{1, 1}, 1}, {{3, 3}, 1}}));
}

TEST_F(EditingTest, LevelsAreAddedMovedAndDeletedAsStepsThatShowTheLevelTheyTouch) {
  tools.SetPaletteKind(NormalBrick);
  Click({1, 1});
  document.InsertLevel(1, LevelDesign{}, QStringLiteral("Add level"));
  Click({2, 2});
  document.InsertLevel(2, document.current(), QStringLiteral("Duplicate level"));
  ASSERT_EQ(document.levelCount(), 3);
  document.MoveLevel(2, 0);
  EXPECT_EQ(document.currentIndex(), 0);
  document.RemoveLevel(1);
  ASSERT_EQ(document.levelCount(), 2);
  EXPECT_EQ(document.levels().Level(0).at(2, 2).Kind, NormalBrick);
  EXPECT_EQ(document.levels().Level(1).at(2, 2).Kind, NormalBrick);
  while (document.undoStack().canUndo()) document.undoStack().undo();
  EXPECT_EQ(document.levelCount(), 1);
  EXPECT_EQ(document.currentIndex(), 0);
  EXPECT_TRUE(KindsOnField().empty());
  // An undo that reaches into another level shows that level.
  document.undoStack().redo();
  document.undoStack().redo();
  document.undoStack().redo();
  document.SetCurrentIndex(0);
  document.undoStack().undo();
  EXPECT_EQ(document.currentIndex(), 1);
  EXPECT_TRUE(KindsOnField().empty());
}

}  // namespace
}  // namespace coilrun::testing
