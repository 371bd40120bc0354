#!/usr/bin/env python3
"""Writes the sources of the 82 built-in levels into data/levels/.

The levels are drawn here with a few shapes (bars, rooms, rings, spirals,
mazes, words) so that they can be revised as a set; the generated text files
are committed and the build compiles them, so building the game never runs
this script. Every level is checked before it is written: the four start
cells stay free with the cell behind and twelve cells ahead of each, every free
cell can be reached from the first player's start, doors link closed walls,
in-out bricks land on free cells, and no character would encode as an end
marker.

    tools/make_levels.py [OUTPUT_DIRECTORY]
"""

import os
import random
import sys
from collections import deque

COLUMNS, ROWS = 50, 30  # the visible field; the grid's spare column and row stay empty
GRID_COLUMNS, GRID_ROWS = 51, 31
STARTS = [((9, 1), 1), ((40, 28), -1), ((40, 0), -1), ((9, 29), 1)]  # head, step along the row
# A new snake must see the level before it meets a brick: twelve cells are a
# little over a second at the default speed. The run stays on the field, so
# that it does not depend on the wrap option.
RUN_AHEAD = 12
BLOCK_CAPACITY = 54001


def protected_cells():
    cells = set()
    for (x, y), step in STARTS:
        for k in range(-1, RUN_AHEAD + 1):
            cells.add((x + k * step, y))
    return cells


PROTECTED = protected_cells()


class Level:
    def __init__(self, title):
        self.title = title
        self.cells = {}  # (x, y) -> letter
        self.chars = {}
        self.doors = {}
        self.inouts = {}

    # Shapes -----------------------------------------------------------------
    def put(self, x, y, letter="#"):
        if 0 <= x < COLUMNS and 0 <= y < ROWS:
            self.cells[(x, y)] = letter
            self.chars.pop((x, y), None)
            self.doors.pop((x, y), None)
            self.inouts.pop((x, y), None)

    def clear(self, x, y):
        self.cells.pop((x, y), None)
        self.chars.pop((x, y), None)
        self.doors.pop((x, y), None)
        self.inouts.pop((x, y), None)

    def rect(self, x0, y0, x1, y1, letter="#"):
        for x in range(min(x0, x1), max(x0, x1) + 1):
            for y in range(min(y0, y1), max(y0, y1) + 1):
                self.put(x, y, letter)

    def clear_rect(self, x0, y0, x1, y1):
        for x in range(min(x0, x1), max(x0, x1) + 1):
            for y in range(min(y0, y1), max(y0, y1) + 1):
                self.clear(x, y)

    def hline(self, y, x0, x1, letter="#"):
        self.rect(x0, y, x1, y, letter)

    def vline(self, x, y0, y1, letter="#"):
        self.rect(x, y0, x, y1, letter)

    def box(self, x0, y0, x1, y1, letter="#"):
        self.hline(y0, x0, x1, letter)
        self.hline(y1, x0, x1, letter)
        self.vline(x0, y0, y1, letter)
        self.vline(x1, y0, y1, letter)

    def mirror(self, horizontal=True, vertical=True):
        """Copies the bricks so far into the other quarters (or halves)."""
        for (x, y), letter in list(self.cells.items()):
            if letter != "#":
                continue
            if horizontal:
                self.put(COLUMNS - 1 - x, y)
            if vertical:
                self.put(x, ROWS - 1 - y)
            if horizontal and vertical:
                self.put(COLUMNS - 1 - x, ROWS - 1 - y)

    def word(self, x, y, text, down=False):
        for i, character in enumerate(text):
            if character == " ":
                continue
            cx, cy = (x, y + i) if down else (x + i, y)
            self.put(cx, cy, "C")
            self.chars[(cx, cy)] = character

    def door(self, x, y, links):
        assert len(links) == 4
        for lx, ly in links:
            self.put(lx, ly)
        self.put(x, y, "D")
        self.doors[(x, y)] = links

    def inout_pair(self, a, b):
        self.put(*a, "I")
        self.put(*b, "I")
        self.inouts[a] = b
        self.inouts[b] = a

    def protect(self):
        for cell in PROTECTED:
            self.clear(*cell)

    # Checks -----------------------------------------------------------------
    def passable(self, cell):
        letter = self.cells.get(cell)
        if letter is None or letter in "DI":
            return True
        return any(cell in links for links in self.doors.values())

    def problems(self):
        found = []
        for cell in PROTECTED:
            if cell in self.cells or not (0 <= cell[0] < COLUMNS and 0 <= cell[1] < ROWS):
                found.append("start area %s is not free" % (cell,))
        seen = {(9, 1)}
        queue = deque([(9, 1)])
        while queue:
            x, y = queue.popleft()
            for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                if 0 <= nx < COLUMNS and 0 <= ny < ROWS and (nx, ny) not in seen and self.passable((nx, ny)):
                    seen.add((nx, ny))
                    queue.append((nx, ny))
        for x in range(COLUMNS):
            for y in range(ROWS):
                if (x, y) not in self.cells and (x, y) not in seen:
                    found.append("free cell %s cannot be reached" % ((x, y),))
                    break
        for (x, y), links in self.doors.items():
            for link in links:
                if self.cells.get(link) != "#":
                    found.append("door %s links %s, which is no wall brick" % ((x, y), link))
        for cell, (tx, ty) in self.inouts.items():
            for side in ((tx + 1, ty), (tx - 1, ty), (tx, ty + 1), (tx, ty - 1)):
                if not (0 <= side[0] < COLUMNS and 0 <= side[1] < ROWS) or side in self.cells:
                    found.append("in-out %s lands on %s, which is not free" % (cell, side))
        for cell, character in self.chars.items():
            if character == "N" or not (" " < character < "\x7f"):
                found.append("character %r at %s cannot be stored" % (character, cell))
        return found

    def brick_bytes(self):
        total = 1  # end marker
        for cell, letter in self.cells.items():
            total += 3 + {"C": 1, "D": 8, "I": 2}.get(letter, 0)
        return total

    # Text -------------------------------------------------------------------
    def text(self):
        lines = ["title " + self.title]
        for y in range(GRID_ROWS):
            lines.append("".join(self.cells.get((x, y), ".") for x in range(GRID_COLUMNS)))
        for y in range(GRID_ROWS):
            for x in range(GRID_COLUMNS):
                if (x, y) in self.chars:
                    lines.append("char %d %d %s" % (x, y, self.chars[(x, y)]))
                elif (x, y) in self.doors:
                    lines.append("door %d %d %s" % (x, y, " ".join("%d %d" % link for link in self.doors[(x, y)])))
                elif (x, y) in self.inouts:
                    lines.append("inout %d %d %d %d" % (x, y, *self.inouts[(x, y)]))
        return "\n".join(lines) + "\n"


# Shapes used by several levels ------------------------------------------------


def pillars(level, x0, y0, x1, y1, step_x, step_y, size=2):
    for x in range(x0, x1 + 1, step_x):
        for y in range(y0, y1 + 1, step_y):
            level.rect(x, y, x + size - 1, y + size - 1)


def rings(level, inset, count, gap, spacing=3):
    """Concentric rectangles, each opened at the middle of alternate sides."""
    for i in range(count):
        x0, y0 = inset + i * spacing, inset + i * spacing
        x1, y1 = COLUMNS - 1 - x0, ROWS - 1 - y0
        if x1 - x0 < 4 or y1 - y0 < 4:
            break
        level.box(x0, y0, x1, y1)
        mid_x, mid_y = (x0 + x1) // 2, (y0 + y1) // 2
        if i % 2 == 0:
            level.clear_rect(mid_x - gap // 2, y0, mid_x + (gap - 1) // 2 + 1, y0)
            level.clear_rect(mid_x - gap // 2, y1, mid_x + (gap - 1) // 2 + 1, y1)
        else:
            level.clear_rect(x0, mid_y - gap // 2, x0, mid_y + (gap - 1) // 2 + 1)
            level.clear_rect(x1, mid_y - gap // 2, x1, mid_y + (gap - 1) // 2 + 1)


def spiral(level, x0, y0, x1, y1, width):
    """A square spiral wall winding inwards, its corridor `width` cells wide."""
    pitch = width + 1
    left, top, right, bottom = x0, y0, x1, y1
    level.hline(top, left + pitch, right)
    while True:
        level.vline(right, top, bottom)
        if right - left < 2 * pitch:
            break
        level.hline(bottom, left, right)
        if bottom - top < 2 * pitch:
            break
        level.vline(left, top + pitch, bottom)
        top += pitch
        if right - left < 3 * pitch:
            break
        level.hline(top, left, right - pitch)
        right -= pitch
        bottom -= pitch
        left += pitch
        if bottom - top < pitch:
            break


def maze(level, x0, y0, columns, rows, pitch, seed, loops):
    """A maze of rooms pitch - 1 cells wide; `loops` extra openings break
    dead ends so that a long snake can turn round."""
    rng = random.Random(seed)
    walls_v = {(i, j) for i in range(columns - 1) for j in range(rows)}  # wall right of (i, j)
    walls_h = {(i, j) for i in range(columns) for j in range(rows - 1)}  # wall below (i, j)
    seen = {(0, 0)}
    stack = [(0, 0)]
    while stack:
        i, j = stack[-1]
        options = [(i + di, j + dj) for di, dj in ((1, 0), (-1, 0), (0, 1), (0, -1))
                   if 0 <= i + di < columns and 0 <= j + dj < rows and (i + di, j + dj) not in seen]
        if not options:
            stack.pop()
            continue
        ni, nj = rng.choice(options)
        if ni != i:
            walls_v.discard((min(i, ni), j))
        else:
            walls_h.discard((i, min(j, nj)))
        seen.add((ni, nj))
        stack.append((ni, nj))
    for _ in range(loops):
        if rng.random() < 0.5 and walls_v:
            walls_v.discard(rng.choice(sorted(walls_v)))
        elif walls_h:
            walls_h.discard(rng.choice(sorted(walls_h)))
    for i, j in walls_v:
        x = x0 + (i + 1) * pitch - 1
        level.vline(x, y0 + j * pitch - 1, y0 + (j + 1) * pitch - 1)
    for i, j in walls_h:
        y = y0 + (j + 1) * pitch - 1
        level.hline(y, x0 + i * pitch - 1, x0 + (i + 1) * pitch - 1)


def diamond(level, cx, cy, radius, gaps=True):
    for k in range(radius + 1):
        for x, y in ((cx - radius + k, cy - k), (cx + radius - k, cy - k),
                     (cx - radius + k, cy + k), (cx + radius - k, cy + k)):
            level.put(x, y)
    if gaps:
        for x, y in ((cx, cy - radius), (cx, cy + radius), (cx - radius, cy), (cx + radius, cy)):
            level.clear(x, y)


# The levels --------------------------------------------------------------------


def l_open_field():
    return Level("Open field")


def l_four_stones():
    level = Level("Four stones")
    for x, y in ((12, 8), (36, 8), (12, 20), (36, 20)):
        level.rect(x, y, x + 1, y + 1)
    return level


def l_middle_bar():
    level = Level("The bar")
    level.hline(14, 10, 39)
    level.hline(15, 10, 39)
    return level


def l_twin_posts():
    level = Level("Twin posts")
    level.vline(16, 6, 23)
    level.vline(33, 6, 23)
    return level


def l_plus():
    level = Level("Plus")
    level.hline(14, 15, 34)
    level.vline(24, 6, 23)
    level.vline(25, 6, 23)
    return level


def l_go():
    level = Level("Go!")
    level.word(23, 14, "GO!")
    level.hline(11, 18, 31)
    level.hline(17, 18, 31)
    return level


def l_corner_brackets():
    level = Level("Brackets")
    for x0, x1 in ((6, 12), (43, 37)):
        for y0, y1 in ((5, 10), (24, 19)):
            level.hline(y0, x0, x1)
            level.vline(x0, y0, y1)
    return level


def l_frame():
    level = Level("Picture frame")
    level.box(5, 5, 44, 24)
    level.clear_rect(22, 5, 27, 5)
    level.clear_rect(22, 24, 27, 24)
    level.clear_rect(5, 13, 5, 16)
    level.clear_rect(44, 13, 44, 16)
    return level


def l_pillar_hall():
    level = Level("Pillar hall")
    pillars(level, 6, 5, 42, 23, 9, 6)
    return level


def l_stairs():
    level = Level("Stairs")
    for i in range(8):
        level.hline(4 + i * 3, 4 + i * 5, 8 + i * 5)
    return level


def l_diamond():
    level = Level("Diamond")
    diamond(level, 24, 14, 10)
    return level


def l_h_shape():
    level = Level("Letter H")
    level.vline(14, 5, 24)
    level.vline(35, 5, 24)
    level.hline(14, 14, 35)
    level.clear_rect(23, 14, 26, 14)
    return level


def l_two_rooms():
    level = Level("Two rooms")
    level.box(5, 6, 20, 23)
    level.box(29, 6, 44, 23)
    level.clear_rect(20, 13, 20, 16)
    level.clear_rect(29, 13, 29, 16)
    level.clear_rect(11, 6, 14, 6)
    level.clear_rect(35, 23, 38, 23)
    return level


def l_zigzag():
    level = Level("Zigzag")
    for i, x in enumerate(range(6, 44, 2)):
        y = 8 + (i % 6 if (i // 6) % 2 == 0 else 5 - i % 6)
        level.put(x, y)
        level.put(x + 1, y)
        level.put(x, y + 12)
        level.put(x + 1, y + 12)
    return level


def l_treasure_corners():
    level = Level("Treasure corners")
    for x0, y0, dx, dy in ((3, 4, 1, 1), (46, 4, -1, 1), (3, 25, 1, -1), (46, 25, -1, -1)):
        level.hline(y0, x0, x0 + 5 * dx)
        level.vline(x0, y0, y0 + 4 * dy)
        level.put(x0 + dx, y0 + dy, "S")
    level.rect(23, 13, 26, 16)
    return level


def l_rings():
    level = Level("Rings")
    rings(level, 4, 3, 4, spacing=4)
    return level


def l_comb():
    level = Level("Comb")
    for x in range(6, 45, 6):
        level.vline(x, 3, 17)
    level.hline(3, 6, 42)
    level.clear_rect(23, 3, 25, 3)
    for x in range(9, 42, 6):
        level.vline(x, 22, 26)
    return level


def l_coil():
    level = Level("Coil")
    level.word(22, 14, "COIL")
    spiral(level, 30, 4, 45, 24, 3)
    level.box(4, 8, 16, 20)
    level.clear_rect(4, 13, 4, 15)
    level.clear_rect(16, 13, 16, 15)
    return level


def l_spiral():
    level = Level("Spiral")
    spiral(level, 4, 3, 45, 26, 3)
    return level


def l_checkers():
    level = Level("Checkers")
    for i, x in enumerate(range(4, 46, 5)):
        for j, y in enumerate(range(4, 26, 5)):
            if (i + j) % 2 == 0:
                level.rect(x, y, x + 2, y + 2)
    return level


def l_first_door():
    level = Level("The first door")
    level.vline(24, 3, 26)
    level.door(24, 8, [(24, 18), (24, 19), (24, 20), (24, 21)])
    level.word(27, 14, "DOOR")
    return level


def l_door_rooms():
    level = Level("Locked rooms")
    level.box(6, 6, 18, 23)
    level.box(31, 6, 43, 23)
    level.door(18, 10, [(18, 17), (18, 18), (18, 19), (18, 20)])
    level.door(31, 19, [(31, 9), (31, 10), (31, 11), (31, 12)])
    level.clear_rect(11, 6, 13, 6)
    level.clear_rect(36, 23, 38, 23)
    level.put(12, 14, "S")
    level.put(37, 15, "S")
    return level


def l_push():
    level = Level("Push")
    for x in range(10, 40, 4):
        level.put(x, 10, "R")
        level.put(x + 2, 19, "R")
    level.hline(14, 18, 31)
    level.word(22, 15, "PUSH")
    return level


def l_crossing():
    level = Level("Crossing")
    level.vline(24, 0, 29)
    level.vline(25, 0, 29)
    level.inout_pair((12, 14), (37, 15))
    level.clear_rect(24, 5, 25, 6)
    level.clear_rect(24, 23, 25, 24)
    return level


def l_four_gates():
    level = Level("Four gates")
    level.box(8, 4, 41, 25)
    level.door(24, 4, [(8, 13), (8, 14), (8, 15), (8, 16)])
    level.door(25, 25, [(41, 13), (41, 14), (41, 15), (41, 16)])
    level.door(8, 10, [(23, 25), (24, 25), (26, 25), (27, 25)])
    level.door(41, 19, [(22, 4), (23, 4), (26, 4), (27, 4)])
    level.clear_rect(8, 21, 8, 23)
    level.clear_rect(41, 6, 41, 8)
    pillars(level, 16, 10, 32, 18, 8, 8)
    return level


def l_bumpers():
    level = Level("Bumpers")
    for x, y in ((10, 7), (20, 7), (30, 7), (40, 7), (15, 14), (25, 14), (35, 14), (10, 21), (20, 21), (30, 21), (40, 21)):
        level.put(x, y, "R")
        level.put(x - 1, y - 1)
        level.put(x + 1, y + 1)
    return level


def l_teleport_corners():
    level = Level("Wormholes")
    rings(level, 6, 2, 4, spacing=4)
    level.inout_pair((3, 14), (46, 15))
    level.inout_pair((24, 3), (25, 26))
    return level


def l_loop():
    level = Level("Loop the loop")
    level.word(23, 14, "LOOP")
    level.box(12, 8, 37, 21)
    level.box(18, 11, 31, 18)
    for x0, x1 in ((12, 12), (37, 37)):
        level.clear_rect(x0, 13, x1, 16)
    level.clear_rect(23, 11, 26, 11)
    level.clear_rect(23, 18, 26, 18)
    return level


def l_cells():
    level = Level("Prison cells")
    for x in range(4, 46, 7):
        level.box(x, 5, x + 5, 11)
        level.clear_rect(x + 2, 11, x + 3, 11)
        level.box(x, 18, x + 5, 24)
        level.clear_rect(x + 2, 18, x + 3, 18)
    for x in range(6, 46, 14):
        level.put(x + 1, 8, "S")
    return level


def l_arrows():
    level = Level("Arrows")
    for cx in (12, 37):
        for k in range(6):
            level.put(cx - k, 8 + k)
            level.put(cx + k, 8 + k)
            level.put(cx - k, 21 - k)
            level.put(cx + k, 21 - k)
    level.hline(14, 20, 29)
    level.hline(15, 20, 29)
    return level


def l_bricks_wall():
    level = Level("Brick wall")
    for row, y in enumerate(range(4, 27, 3)):
        offset = 0 if row % 2 == 0 else 4
        for x in range(2 + offset, 48, 8):
            level.hline(y, x, x + 4)
    return level


def l_hourglass():
    level = Level("Hourglass")
    for k in range(10):
        level.put(6 + 2 * k, 3 + k)
        level.put(43 - 2 * k, 3 + k)
        level.put(6 + 2 * k, 26 - k)
        level.put(43 - 2 * k, 26 - k)
    level.clear_rect(22, 11, 27, 18)
    return level


def l_yes():
    level = Level("Yes")
    level.word(22, 14, "YES")
    level.word(22, 16, "YES")
    diamond(level, 24, 15, 8)
    diamond(level, 24, 15, 12)
    for x, y in ((8, 15), (41, 15)):
        level.put(x, y, "S")
    return level


def l_ladders():
    level = Level("Ladders")
    for x in (10, 20, 29, 39):
        level.vline(x, 3, 26)
        level.vline(x + 1, 3, 26)
        for y in range(6, 26, 6):
            level.clear_rect(x, y, x + 1, y + 1)
    return level


def l_portals():
    level = Level("Portals")
    level.box(4, 4, 20, 25)
    level.box(29, 4, 45, 25)
    level.clear_rect(20, 18, 20, 21)
    level.clear_rect(29, 8, 29, 11)
    level.clear_rect(10, 4, 13, 4)
    level.clear_rect(36, 25, 39, 25)
    level.inout_pair((12, 14), (37, 14))
    level.inout_pair((24, 5), (24, 24))
    return level


def l_rebound_rows():
    level = Level("Rolling stones")
    for x in range(8, 42, 3):
        level.put(x, 8, "R")
        level.put(x + 1, 21, "R")
    level.box(16, 12, 33, 17)
    level.clear_rect(16, 14, 16, 15)
    level.clear_rect(33, 14, 33, 15)
    level.put(24, 14, "S")
    return level


def l_double_spiral():
    level = Level("Double spiral")
    spiral(level, 3, 3, 23, 26, 2)
    spiral(level, 26, 3, 46, 26, 2)
    return level


def l_city_blocks():
    level = Level("City blocks")
    for x in range(3, 46, 8):
        for y in (4, 10, 16, 22):
            level.rect(x, y, x + 4, y + 3)
    level.clear_rect(19, 10, 23, 13)
    level.put(21, 11, "S")
    return level


def l_life():
    level = Level("A spare life")
    rings(level, 3, 4, 4, spacing=3)
    level.put(24, 14, "L")
    level.put(25, 15, "L")
    level.put(6, 15, "S")
    level.put(43, 14, "S")
    return level


def l_hi():
    level = Level("Hi there")
    level.word(22, 14, "HI")
    level.word(25, 14, "THERE")
    level.box(18, 11, 33, 17)
    level.clear_rect(18, 13, 18, 15)
    level.clear_rect(33, 13, 33, 15)
    pillars(level, 5, 5, 44, 24, 13, 19)
    return level


def l_split_field():
    level = Level("Split field")
    level.hline(14, 0, 49)
    level.hline(15, 0, 49)
    level.door(6, 14, [(40, 14), (41, 14), (40, 15), (41, 15)])
    level.door(43, 15, [(6, 15), (7, 15), (7, 14), (8, 14)])
    level.clear_rect(24, 14, 25, 15)
    pillars(level, 10, 6, 40, 22, 10, 16)
    return level


def l_windmill():
    level = Level("Windmill")
    level.hline(14, 10, 24)
    level.vline(25, 3, 14)
    level.hline(15, 25, 39)
    level.vline(24, 15, 26)
    level.hline(3, 26, 32)
    level.hline(26, 17, 23)
    level.vline(10, 15, 20)
    level.vline(39, 9, 14)
    return level


def l_moats():
    level = Level("Moats")
    level.box(14, 8, 35, 21)
    level.box(18, 11, 31, 18)
    level.door(14, 14, [(18, 13), (18, 14), (18, 15), (18, 16)])
    level.door(35, 15, [(31, 13), (31, 14), (31, 15), (31, 16)])
    level.clear_rect(24, 8, 25, 8)
    level.put(24, 14, "S")
    level.put(25, 15, "S")
    return level


def l_exit():
    level = Level("Exit")
    level.word(23, 2, "EXIT")
    spiral(level, 6, 4, 43, 26, 3)
    return level


def l_bounce_house():
    level = Level("Bounce house")
    level.box(8, 5, 41, 24)
    level.clear_rect(23, 5, 26, 5)
    level.clear_rect(23, 24, 26, 24)
    for x in range(12, 40, 5):
        for y in (9, 14, 19):
            level.put(x + (y % 2), y, "R")
    return level


def l_crosses():
    level = Level("Crosses")
    for cx in range(7, 46, 9):
        for cy in (7, 15, 23):
            level.hline(cy, cx - 2, cx + 2)
            level.vline(cx, cy - 2, cy + 2)
    return level


def l_mirror_walls():
    level = Level("Mirror walls")
    level.hline(5, 4, 16)
    level.vline(4, 5, 12)
    level.hline(9, 10, 20)
    level.vline(20, 9, 13)
    level.mirror()
    return level


def l_tunnels():
    level = Level("Tunnels")
    for y in (5, 10, 19, 24):
        level.hline(y, 3, 46)
    for y, gap in ((5, 40), (10, 8), (19, 40), (24, 8)):
        level.clear_rect(gap, y, gap + 2, y)
    level.inout_pair((6, 7), (43, 22))
    level.rect(22, 13, 27, 16)
    return level


def l_jump():
    level = Level("Jump")
    level.word(23, 14, "JUMP")
    for x in (8, 16, 33, 41):
        level.vline(x, 3, 26)
        level.clear_rect(x, 14, x, 15)
    level.inout_pair((4, 14), (45, 15))
    level.inout_pair((12, 26), (37, 3))
    return level


def l_bow_ties():
    level = Level("Bow ties")
    for cx in (12, 37):
        for k in range(5):
            level.vline(cx - 6 + k, 12 - k, 17 + k)
            level.vline(cx + 6 - k, 12 - k, 17 + k)
    level.hline(3, 18, 31)
    level.hline(26, 18, 31)
    return level


def l_courtyard():
    level = Level("Courtyard")
    level.box(3, 3, 46, 26)
    level.box(12, 8, 37, 21)
    level.door(3, 14, [(46, 13), (46, 14), (46, 15), (46, 16)])
    level.door(24, 8, [(12, 14), (12, 15), (37, 14), (37, 15)])
    level.clear_rect(3, 7, 3, 8)
    level.clear_rect(46, 21, 46, 22)
    level.clear_rect(24, 21, 25, 21)
    level.put(24, 14, "S")
    level.put(4, 25, "S")
    return level


def l_snake_pit():
    level = Level("Snake pit")
    for x in range(4, 46, 4):
        top = 3 if (x // 4) % 2 == 0 else 8
        level.vline(x, top, top + 18)
    return level


def l_star():
    level = Level("Star")
    level.word(23, 14, "STAR")
    for k in range(1, 10):
        for dx, dy in ((1, 1), (-1, 1), (1, -1), (-1, -1)):
            level.put(24 + dx * k * 2 + (1 if dx > 0 else 0), 14 + dy * k)
    level.hline(14, 5, 16)
    level.hline(14, 33, 44)
    return level


def l_stepping_stones():
    level = Level("Stepping stones")
    for i in range(12):
        x = 4 + i * 4
        y = 5 + (i * 7) % 20
        level.rect(x, y, x + 1, y + 1)
        level.put(x, y + 3, "R")
    level.put(2, 14, "S")
    level.put(47, 15, "S")
    return level


def l_rooms_row():
    level = Level("Row of rooms")
    for x in range(2, 46, 11):
        level.box(x, 7, x + 9, 22)
        level.clear_rect(x + 4, 7, x + 5, 7)
        level.clear_rect(x + 4, 22, x + 5, 22)
        level.put(x + 5, 14, "R")
    level.clear_rect(2, 13, 2, 16)
    return level


def l_fishbone():
    level = Level("Fishbone")
    level.hline(14, 4, 45)
    level.hline(15, 4, 45)
    for x in range(7, 44, 4):
        level.vline(x, 6, 12)
        level.vline(x + 2, 17, 23)
    level.clear_rect(24, 14, 25, 15)
    return level


def l_lanes():
    level = Level("Lanes")
    for y in (4, 8, 12, 17, 21, 25):
        level.hline(y, 5, 44)
        level.clear_rect(5 + (y * 7) % 36, y, 8 + (y * 7) % 36, y)
    level.inout_pair((2, 14), (47, 15))
    return level


def l_keyhole():
    level = Level("Keyhole")
    level.box(10, 4, 39, 25)
    diamond(level, 24, 14, 6, gaps=False)
    level.clear(24, 20)
    level.clear(24, 8)
    level.door(10, 14, [(39, 13), (39, 14), (39, 15), (39, 16)])
    level.clear_rect(22, 4, 27, 4)
    level.clear_rect(22, 25, 27, 25)
    level.put(24, 14, "S")
    return level


def l_maze_rooms():
    level = Level("Maze of rooms")
    maze(level, 1, 1, 8, 5, 6, 101, 12)
    return level


def l_wow():
    level = Level("Wow")
    level.word(23, 14, "WOW")
    rings(level, 2, 5, 3, spacing=3)
    return level


def l_corridors():
    level = Level("Corridors")
    for y in range(3, 27, 4):
        level.hline(y, 0, 49)
        hole = 4 + (y * 11) % 40
        level.clear_rect(hole, y, hole + 2, y)
        level.clear_rect(49 - hole - 2, y, 49 - hole, y)
    return level


def l_gates_and_holes():
    level = Level("Gates and holes")
    # The walls bend towards the middle at both ends, clear of the start runs;
    # holes there would let a snake past the gates into the right-hand third.
    for x, inner in ((16, 22), (33, 27)):
        level.vline(x, 3, 26)
        for y, end in ((2, 0), (27, 29)):
            level.hline(y, x, inner)
            level.vline(inner, y, end)
    level.door(16, 8, [(33, 19), (33, 20), (33, 21), (33, 22)])
    level.door(33, 8, [(16, 19), (16, 20), (16, 21), (16, 22)])
    level.inout_pair((8, 22), (41, 7))
    level.clear_rect(16, 13, 16, 14)
    level.put(24, 4, "R")
    level.put(24, 25, "R")
    level.put(24, 14, "S")
    return level


def l_twist():
    level = Level("Twist")
    level.word(22, 14, "TWIST")
    spiral(level, 3, 3, 22, 26, 2)
    spiral(level, 27, 3, 46, 26, 2)
    return level


def l_grid_lock():
    level = Level("Grid lock")
    for x in range(5, 46, 5):
        level.vline(x, 3, 26)
    for y in range(5, 26, 5):
        level.hline(y, 3, 46)
    for x in range(5, 46, 5):
        for y in range(7, 26, 5):
            level.clear_rect(x, y, x, y + 1)
    for y in range(5, 26, 5):
        for x in range(7, 46, 10):
            level.clear_rect(x + (y % 10) // 5 * 5, y, x + (y % 10) // 5 * 5 + 1, y)
    return level


def l_push_maze():
    level = Level("Push through")
    maze(level, 1, 1, 10, 6, 5, 202, 10)
    for x, y in ((12, 14), (27, 9), (37, 19), (22, 24), (7, 4)):
        level.clear(x, y)
        level.put(x, y, "R")
    return level


def l_labyrinth_doors():
    level = Level("Labyrinth of doors")
    maze(level, 1, 1, 8, 5, 6, 303, 6)
    level.vline(24, 0, 29)
    level.clear_rect(24, 3, 24, 4)
    level.door(24, 14, [(24, 20), (24, 21), (24, 22), (24, 23)])
    level.put(20, 2, "S")
    return level


def l_teleport_maze():
    level = Level("Lost in space")
    maze(level, 1, 1, 10, 6, 5, 404, 14)
    for a, b in (((2, 26), (47, 2)), ((12, 7), (37, 22))):
        level.clear(*a)
        level.clear(*b)
        for cell in (a, b):
            for side in ((cell[0] + 1, cell[1]), (cell[0] - 1, cell[1]), (cell[0], cell[1] + 1), (cell[0], cell[1] - 1)):
                level.clear(*side)
        level.inout_pair(a, b)
    return level


def l_hello():
    level = Level("Hello")
    level.word(22, 14, "HELLO")
    maze(level, 1, 1, 10, 6, 5, 505, 20)
    level.clear_rect(20, 12, 28, 16)
    level.word(22, 14, "HELLO")
    return level


def l_fortress():
    level = Level("Fortress")
    level.box(10, 5, 39, 24)
    level.box(15, 9, 34, 20)
    level.box(20, 12, 29, 17)
    level.door(10, 14, [(15, 14), (15, 15), (20, 14), (20, 15)])
    level.door(39, 15, [(34, 14), (34, 15), (29, 14), (29, 15)])
    level.clear_rect(24, 5, 25, 5)
    level.clear_rect(24, 24, 25, 24)
    level.clear_rect(24, 9, 25, 9)
    level.clear_rect(24, 20, 25, 20)
    level.put(24, 14, "S")
    level.put(25, 15, "S")
    for x in range(3, 47, 4):
        level.put(x, 3)
        level.put(x + 1, 26)
    return level


def l_dense_pillars():
    level = Level("Forest")
    for x in range(2, 48, 3):
        for y in range(3, 28, 3):
            # Single trees and pairs alternate.
            level.put(x, y)
            if (x + y) % 2:
                level.put(x + 1, y)
    return level


def l_comb_maze():
    level = Level("Combs")
    for x in range(3, 47, 3):
        if (x // 3) % 2:
            level.vline(x, 3, 23)
        else:
            level.vline(x, 6, 26)
    level.hline(2, 3, 46)
    level.clear_rect(22, 2, 27, 2)
    return level


def l_maze(title, pitch, seed, loops):
    return l_maze_with_specials(title, pitch, seed, loops, lambda level: None)


def l_maze_with_specials(title, pitch, seed, loops, extras):
    def build():
        level = Level(title)
        maze(level, 1, 1, (COLUMNS + 1) // pitch, (ROWS + 1) // pitch, pitch, seed, loops)
        extras(level)
        return level
    return build


def score_traps(level):
    for x, y in ((3, 3), (46, 3), (3, 26), (46, 26), (24, 14)):
        level.clear(x, y)
        level.put(x, y, "S")


def rebound_traps(level):
    for x, y in ((6, 6), (21, 11), (31, 16), (41, 21), (16, 21)):
        level.clear(x, y)
        level.put(x, y, "R")


def door_shortcut(level):
    for y in range(12, 18):
        level.clear_rect(22, y, 27, y)
    level.box(22, 12, 27, 17)
    level.door(22, 14, [(27, 13), (27, 14), (27, 15), (27, 16)])
    level.clear(22, 15)
    level.put(24, 15, "S")


def riches_with_open_top(level):
    score_traps(level)
    # A hole where the third start's run crosses the wall at column 30 would
    # join two rooms that lie far apart in this maze; the tip of the wall
    # bends away from the run instead, so the ways stay as long as they were.
    level.clear(30, 0)
    level.hline(1, 27, 29)
    level.put(27, 0)


def secret_door_with_open_top(level):
    door_shortcut(level)
    # The same for the wall at column 28: one column over, it leaves the run
    # free and the maze's ways as they were.
    level.clear_rect(28, 0, 28, 3)
    level.vline(27, 0, 4)


def l_last():
    level = Level("Last stand")
    maze(level, 1, 1, 16, 10, 3, 8282, 40)
    level.clear_rect(19, 12, 30, 17)
    level.box(19, 12, 30, 17)
    level.clear_rect(19, 14, 19, 15)
    level.clear_rect(30, 14, 30, 15)
    level.word(22, 14, "BRAVO")
    level.word(20, 16, "YOU DID IT")
    return level


LEVELS = [
    l_open_field, l_four_stones, l_middle_bar, l_twin_posts, l_plus,
    l_go, l_corner_brackets, l_frame, l_pillar_hall, l_stairs,
    l_diamond, l_h_shape, l_two_rooms, l_zigzag, l_treasure_corners,
    l_rings, l_comb, l_coil, l_spiral, l_checkers,
    l_first_door, l_door_rooms, l_push, l_crossing, l_four_gates,
    l_bumpers, l_teleport_corners, l_loop, l_cells, l_arrows,
    l_bricks_wall, l_hourglass, l_yes, l_ladders, l_portals,
    l_rebound_rows, l_double_spiral, l_city_blocks, l_life, l_hi,
    l_split_field, l_windmill, l_moats, l_exit, l_bounce_house,
    l_crosses, l_mirror_walls, l_tunnels, l_jump, l_bow_ties,
    l_courtyard, l_snake_pit, l_star, l_stepping_stones, l_rooms_row,
    l_fishbone, l_lanes, l_keyhole, l_maze_rooms, l_wow,
    l_corridors, l_gates_and_holes, l_twist, l_grid_lock, l_push_maze,
    l_labyrinth_doors, l_teleport_maze, l_hello, l_fortress, l_dense_pillars,
    l_comb_maze,
    l_maze("Maze", 5, 7272, 10),
    l_maze_with_specials("Maze of riches", 5, 7373, 8, riches_with_open_top),
    l_maze("Winding ways", 4, 7474, 14),
    l_maze_with_specials("Maze of stones", 4, 7575, 12, rebound_traps),
    l_maze("Deep maze", 4, 7676, 8),
    l_maze_with_specials("Secret door", 4, 7777, 10, secret_door_with_open_top),
    l_maze("Narrow ways", 3, 7878, 40),
    l_maze_with_specials("Narrow riches", 3, 7979, 36, score_traps),
    l_maze("Tight maze", 3, 8080, 28),
    l_maze("Tightest maze", 3, 8181, 20),
    l_last,
]


def slug(title):
    return "".join(c if c.isalnum() else "-" for c in title.lower()).strip("-").replace("--", "-")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "data", "levels")
    assert len(LEVELS) == 82, len(LEVELS)
    failed = False
    total = 1
    levels = []
    for number, build in enumerate(LEVELS, start=1):
        level = build()
        level.protect()
        problems = level.problems()
        for problem in problems:
            print("level %d %s: %s" % (number, level.title, problem))
        failed |= bool(problems)
        total += level.brick_bytes()
        print("%2d %-20s %4d bricks" % (number, level.title, len(level.cells)))
        levels.append(level)
    print("block: %d bytes of %d" % (total, BLOCK_CAPACITY))
    if failed or total > BLOCK_CAPACITY:
        return 1
    os.makedirs(out, exist_ok=True)
    for name in os.listdir(out):
        if name.endswith(".txt"):
            os.remove(os.path.join(out, name))
    for number, level in enumerate(levels, start=1):
        with open(os.path.join(out, "%02d-%s.txt" % (number, slug(level.title))), "w") as file:
            file.write(level.text())
    return 0


if __name__ == "__main__":
    sys.exit(main())
