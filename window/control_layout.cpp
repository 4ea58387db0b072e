#include "control_layout.h"

#include <array>

namespace tarnix {

namespace {

using enum ControlKind;

constexpr double kSmall = 9.75;
constexpr double kLarge = 12;
constexpr bool kBold = true;
constexpr bool kRegular = false;

// clang-format off
constexpr std::array kLayout = {
  //            name          kind      container  left   top  width height  caption        font    weight
  PlacedControl{"frmRW",      Window,   "",           0,     0, 8415, 5580, "Tarnix V2",          0, kRegular},
  PlacedControl{"Frame1",     Frame,    "frmRW",    120,   120, 8175, 4215, "",                   0, kRegular},
  PlacedControl{"Frame4",     Frame,    "frmRW",    120,  4440, 3615,  975, "",                   0, kRegular},
  PlacedControl{"Frame3",     Frame,    "frmRW",   4320,  4440, 3975,  975, "",                   0, kRegular},
  PlacedControl{"Label4",     Caption,  "Frame1",  1560,   240,  855,  255, "0~65535",       kSmall, kRegular},
  PlacedControl{"Label5",     Caption,  "Frame1",  2760,   240,  975,  255, "0~524287",      kSmall, kRegular},
  PlacedControl{"optIDWG31",  Option,   "Frame1",  4440,   240, 1095,  375, "WG31",          kLarge, kRegular},
  PlacedControl{"txtIDWG31",  Entry,    "Frame1",  5760,   240, 2055,  420, "000000001",     kLarge, kBold},
  PlacedControl{"optIDWG37",  Option,   "Frame1",   240,   480, 1095,  495, "WG37",          kLarge, kRegular},
  PlacedControl{"txtIDWG371", Entry,    "Frame1",  1560,   480,  975,  420, "00000",         kLarge, kBold},
  PlacedControl{"Label3",     Caption,  "Frame1",  2640,   480,  135,  375, ",",             kLarge, kBold},
  PlacedControl{"txtIDWG372", Entry,    "Frame1",  2760,   480, 1095,  450, "000001",        kLarge, kBold},
  PlacedControl{"optIDWG30",  Option,   "Frame1",  4440,   840, 1095,  375, "WG30",          kLarge, kRegular},
  PlacedControl{"txtIDWG30",  Entry,    "Frame1",  5760,   840, 2055,  420, "000000001",     kLarge, kBold},
  PlacedControl{"optIDWG36",  Option,   "Frame1",   240,  1080, 1095,  495, "WG36",          kLarge, kRegular},
  PlacedControl{"txtIDWG36",  Entry,    "Frame1",  1560,  1080, 2295,  420, "00000000001",   kLarge, kBold},
  PlacedControl{"optIDWG29",  Option,   "Frame1",  4440,  1440, 1095,  375, "WG29",          kLarge, kRegular},
  PlacedControl{"txtIDWG29",  Entry,    "Frame1",  5760,  1440, 2055,  420, "000000001",     kLarge, kBold},
  PlacedControl{"optIDWG35",  Option,   "Frame1",   240,  1680, 1095,  495, "WG35",          kLarge, kRegular},
  PlacedControl{"txtIDWG35",  Entry,    "Frame1",  1560,  1680, 2295,  420, "0000000001",    kLarge, kBold},
  PlacedControl{"optIDWG28",  Option,   "Frame1",  4440,  2040, 1095,  375, "WG28",          kLarge, kRegular},
  PlacedControl{"txtIDWG28",  Entry,    "Frame1",  5760,  2040, 2055,  420, "00000001",      kLarge, kBold},
  PlacedControl{"txtIDWG34",  Entry,    "Frame1",  1560,  2280, 2295,  420, "0000000001",    kLarge, kBold},
  PlacedControl{"optIDWG34",  Option,   "Frame1",   240,  2400, 1095,  375, "WG34",          kLarge, kRegular},
  PlacedControl{"optIDWG27",  Option,   "Frame1",  4440,  2640, 1095,  375, "WG27",          kLarge, kRegular},
  PlacedControl{"txtIDWG27",  Entry,    "Frame1",  5760,  2640, 2055,  420, "00000001",      kLarge, kBold},
  PlacedControl{"optIDWG33",  Option,   "Frame1",   240,  2880, 1095,  495, "WG33",          kLarge, kRegular},
  PlacedControl{"txtIDWG33",  Entry,    "Frame1",  1560,  2880, 2295,  420, "0000000001",    kLarge, kBold},
  PlacedControl{"Label1",     Caption,  "Frame1",  5760,  3240,  615,  255, "0~255",         kSmall, kRegular},
  PlacedControl{"Label2",     Caption,  "Frame1",  6720,  3240,  855,  255, "0~65535",       kSmall, kRegular},
  PlacedControl{"optIDWG32",  Option,   "Frame1",   240,  3480, 1095,  495, "WG32",          kLarge, kRegular},
  PlacedControl{"txtIDWG32",  Entry,    "Frame1",  1560,  3480, 2295,  420, "0000000001",    kLarge, kBold},
  PlacedControl{"optIDWG26",  Option,   "Frame1",  4440,  3480, 1095,  375, "WG26",          kLarge, kRegular},
  PlacedControl{"txtIDB2",    Entry,    "Frame1",  5760,  3480,  615,  420, "000",           kLarge, kBold},
  PlacedControl{"Label11",    Caption,  "Frame1",  6480,  3480,  135,  375, ",",             kLarge, kBold},
  PlacedControl{"txtIDB1B0",  Entry,    "Frame1",  6720,  3480, 1095,  420, "00001",         kLarge, kBold},
  PlacedControl{"chkIDADD1",  CheckBox, "Frame4",   360,   360, 1215,  375, "ADD 1",         kLarge, kRegular},
  PlacedControl{"chkIDLOCK",  CheckBox, "Frame4",  2160,   360, 1215,  375, "LOCK",          kLarge, kRegular},
  PlacedControl{"cmdIDRead",  Button,   "Frame3",   240,   240, 1455,  495, "Read",          kLarge, kRegular},
  PlacedControl{"cmdIDWrite", Button,   "Frame3",  2040,   240, 1695,  495, "Write",         kLarge, kRegular},
};
// clang-format on

}  // namespace

std::span<const PlacedControl> ControlLayout() { return kLayout; }

}  // namespace tarnix
