// The cells a level file describes: the 51 x 31 grid (one spare column and
// row beyond the 50 x 30 field) and the kinds of brick, by the codes the
// files store.
#pragma once

namespace coilrun {

constexpr int kGridColumns = 51;  // columns 0..50; column 50 lies outside the field
constexpr int kGridRows = 31;     // rows 0..30; row 30 lies outside the field
constexpr int kFieldColumns = 50;
constexpr int kFieldRows = 30;

enum BrickKind : int {
  NormalBrick = 1,
  DoorBrick = 2,
  InOutBrick = 3,
  ReboundBrick = 4,
  CharacterBrick = 5,
  ScoreBrick = 10,
  LifeBrick = 11,
};

constexpr bool InGrid(int x, int y) { return x >= 0 && x < kGridColumns && y >= 0 && y < kGridRows; }

// True for the 50 x 30 visible cells; column 50 and row 30 of the grid and
// anything beyond lie off the field.
constexpr bool OnField(int x, int y) { return x >= 0 && x < kFieldColumns && y >= 0 && y < kFieldRows; }

}  // namespace coilrun
