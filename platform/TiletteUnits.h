#pragma once

// Tilettes and the sheet are measured in 1/200 inch, one bitmap pixel a unit, whatever the
// printer's resolution: printing stretches them to the printer.
constexpr int tiletteUnitsPerInch = 200;
