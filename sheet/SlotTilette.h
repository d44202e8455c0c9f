#pragma once

#include "platform/Bitmap.h"
#include "sheet/PictureCache.h"
#include "sheet/SheetDefinition.h"
#include "sheet/SheetLayout.h"
#include "sheet/SlotTable.h"
#include "tilette/TiletteGeometry.h"

// The room kept around the sheet for a border that runs across the tilettes.
struct PerforationMargins {
    int x = 0;
    int y = 0;
};
PerforationMargins perforationMarginsOf(BorderType border);

// What decides the tilette size: the definition's choices, the margins in use and the shape of
// slot 1's picture.
GeometrySettings geometrySettingsOf(const SheetDefinition& definition, const SheetGrid& grid,
                                    const ImageSlot& firstSlot);

// One slot's finished tilette, and the size of the picture it was drawn from.
struct SlotTilette {
    Bitmap tilette;
    int pictureWidth = 0;
    int pictureHeight = 0;
};

// Draws the tilette of a slot at the grid's tilette size: slot 0 from the built-in sample picture,
// the others from their file, decoded no larger than the tilette needs (through the cache when
// one is given). Throws UserError when the file cannot be read.
SlotTilette renderSlotTilette(const SheetDefinition& definition, const SheetGrid& grid,
                              int slotNumber, const ImageSlot& slot,
                              PictureCache* pictures = nullptr);

// What a slot's picture is decoded at for a tilette of the grid's size.
PictureCache::Request tilettePictureRequest(const ImageSlot& slot, const SheetGrid& grid);
// What the slots in use need decoded for tilettes of the grid's size.
std::vector<PictureCache::Request> tilettePictureRequests(const SlotTable& table,
                                                          const SheetGrid& grid);

// The tilette as shown to the user: with the perforations or film holes that, on the sheet, run
// across neighbouring tilettes instead.
Bitmap withDisplayOverlay(Bitmap tilette, BorderType border, Colour borderColour);
