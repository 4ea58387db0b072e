#pragma once

#include <span>
#include <string_view>

namespace tarnix {

enum class ControlKind { Window, Frame, Caption, Option, Entry, CheckBox, Button };

// One control of the window as designed: position and size in twips inside
// its container, the caption or initial text, and the font. A font size of 0
// means the control has no font of its own (the window and the frames).
struct PlacedControl {
  std::string_view name;
  ControlKind kind;
  std::string_view container;  // empty for the window itself
  int left;
  int top;
  int width;
  int height;
  std::string_view caption;
  double fontPoints;
  bool bold;
};

// The design unit: 15 twips make one pixel at 96 pixels per inch.
inline constexpr int kTwipsPerPixel = 15;

// Every control, the window first and each container before what it holds.
std::span<const PlacedControl> ControlLayout();

}  // namespace tarnix
