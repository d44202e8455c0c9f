#include "sheet/SlotTilette.h"

#include "platform/PictureFile.h"
#include "tilette/DisplayOverlays.h"
#include "tilette/RenderTilette.h"
#include "tilette/SamplePicture.h"

PerforationMargins perforationMarginsOf(BorderType border) {
    if (border == BorderType::Perforations)
        return {9, 11};
    return {};
}

GeometrySettings geometrySettingsOf(const SheetDefinition& definition, const SheetGrid& grid,
                                    const ImageSlot& firstSlot) {
    GeometrySettings settings;
    settings.numberAcross = definition.numberAcross();
    settings.perforationMarginX = grid.perforationMarginX;
    settings.perforationMarginY = grid.perforationMarginY;
    settings.slot1Used = !firstSlot.FileName.isEmpty();
    settings.slot1Ratio = firstSlot.Ratio;
    settings.sizeOverride = definition.sizeOverride;
    settings.keepRatio = definition.keepRatio;
    settings.widthPosition = definition.widthPosition;
    settings.heightPosition = definition.heightPosition;
    return settings;
}

SlotTilette renderSlotTilette(const SheetDefinition& definition, const SheetGrid& grid,
                              int slotNumber, const ImageSlot& slot, PictureCache* pictures) {
    const int width = grid.tiletteWidth;
    const int height = grid.tiletteHeight;
    const DecodedPicture picture =
        slotNumber == 0
            ? DecodedPicture{SamplePicture(), SamplePicture().width(), SamplePicture().height()}
        : pictures ? pictures->picture(slot.FileName, width, height)
                   : readPictureReduced(slot.FileName, width, height);
    SlotTilette result;
    result.tilette = renderTilette(styleOf(definition), width, height, picture.bitmap,
                                   picture.fullWidth, picture.fullHeight);
    result.pictureWidth = picture.fullWidth;
    result.pictureHeight = picture.fullHeight;
    return result;
}

PictureCache::Request tilettePictureRequest(const ImageSlot& slot, const SheetGrid& grid) {
    return {slot.FileName, grid.tiletteWidth, grid.tiletteHeight};
}

std::vector<PictureCache::Request> tilettePictureRequests(const SlotTable& table,
                                                          const SheetGrid& grid) {
    std::vector<PictureCache::Request> requests;
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot)
        if (!table[static_cast<size_t>(slot)].FileName.isEmpty())
            requests.push_back(tilettePictureRequest(table[static_cast<size_t>(slot)], grid));
    return requests;
}

Bitmap withDisplayOverlay(Bitmap tilette, BorderType border, Colour borderColour) {
    switch (border) {
    case BorderType::Perforations:
        OverlayPerforations(tilette, borderColour);
        break;
    case BorderType::FilmVertical:
        OverlayFilmVertical(tilette, borderColour);
        break;
    case BorderType::FilmHorizontal:
        OverlayFilmHorizontal(tilette, borderColour);
        break;
    default:
        break;
    }
    return tilette;
}
