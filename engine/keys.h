// Virtual-key codes of the keys the game listens to, and the shift state.
#pragma once

namespace coilrun {

enum VirtualKey : int {
  VkPause = 0x13,
  VkLeft = 0x25,
  VkUp = 0x26,
  VkRight = 0x27,
  VkDown = 0x28,
  VkA = 0x41,
  VkD = 0x44,
  VkI = 0x49,
  VkJ = 0x4A,
  VkK = 0x4B,
  VkL = 0x4C,
  VkP = 0x50,
  VkS = 0x53,
  VkW = 0x57,
  VkNumpad4 = 0x64,
  VkNumpad5 = 0x65,
  VkNumpad6 = 0x66,
  VkNumpad8 = 0x68,
  VkF12 = 0x7B,
};

// Bits of the shift state that comes with a key.
enum ShiftKey : unsigned {
  ShiftNone = 0,
  ShiftShift = 1,
  ShiftCtrl = 2,
  ShiftAlt = 4,
};

}  // namespace coilrun
