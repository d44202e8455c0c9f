#pragma once

// Tilettes and the sheet are measured in 1/200 inch, one bitmap pixel a unit, whatever the
// printer's resolution: printing stretches them to the printer.
constexpr int tiletteUnitsPerInch = 200;

// Picture files record their resolution per metre (bitmap and PNG files); 7874 for 200 an inch.
constexpr int pixelsPerMetre(int pixelsPerInch) {
    return (pixelsPerInch * 10000 + 127) / 254;
}
