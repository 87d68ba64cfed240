#include "platform/drawtarget.h"

namespace platform {

const std::array<Rgb, 16>& Palette() {
  static const std::array<Rgb, 16> colours = {{
      {0, 0, 0},       {0, 0, 128},     {0, 128, 0},     {0, 128, 128},
      {128, 0, 0},     {128, 0, 128},   {128, 128, 0},   {192, 192, 192},
      {128, 128, 128}, {0, 0, 255},     {0, 255, 0},     {0, 255, 255},
      {255, 0, 0},     {255, 0, 255},   {255, 255, 0},   {255, 255, 255},
  }};
  return colours;
}

Rgb PaletteColour(int index) {
  if (index < 0 || index > 15) return Palette()[0];
  return Palette()[static_cast<std::size_t>(index)];
}

}  // namespace platform
