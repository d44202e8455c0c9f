#include "tilette/RenderTilette.h"

#include "platform/Canvas.h"
#include "tilette/Borders.h"
#include "tilette/PictureFit.h"
#include "tilette/TiletteText.h"

Bitmap renderTilette(const TiletteStyle& style, int tiletteWidth, int tiletteHeight,
                     const Bitmap& picture, int pictureWidth, int pictureHeight) {
    if (tiletteWidth <= 0 || tiletteHeight <= 0)
        return {};
    Bitmap tilette(tiletteWidth, tiletteHeight, style.backgroundColour);
    if (!style.blank && !picture.isEmpty()) {
        Canvas canvas(tilette);
        canvas.stretchDraw(fitPicture(tiletteWidth, tiletteHeight, pictureWidth, pictureHeight),
                           picture);
    }
    const Rect tiletteRect{0, 0, tiletteWidth, tiletteHeight};
    switch (static_cast<BorderType>(style.border)) {
    case BorderType::Box:
        DrawBoxBorder(tilette, tiletteRect, style.borderColour);
        break;
    case BorderType::Stamp:
        DrawStampBorder(tilette, style.borderColour);
        break;
    default: // the other borders run across tilettes and are overlaid later
        break;
    }
    AddText(tilette, tiletteRect, style);
    return tilette;
}
