#include "sheet/SlotPicture.h"

#include "platform/Canvas.h"
#include "platform/PictureFile.h"
#include "tilette/PictureFit.h"

Rect slotSquareRect(int width, int height) {
    return fitInside(slotSquareSize, slotSquareSize, width, height);
}

SlotPicture loadSlotPicture(const QString& path, PictureCache* pictures) {
    // The square is all that is kept of the picture, so a large JPEG is decoded reduced, and the
    // cache lets go of that decode: nothing else is drawn at its size.
    const DecodedPicture decoded = pictures
                                       ? pictures->take(path, slotSquareSize, slotSquareSize)
                                       : readPictureReduced(path, slotSquareSize, slotSquareSize);
    SlotPicture loaded;
    loaded.width = decoded.fullWidth;
    loaded.height = decoded.fullHeight;
    loaded.ratio = loaded.height * 1000 / loaded.width;
    loaded.square = Bitmap(slotSquareSize, slotSquareSize, colours::white);
    {
        Canvas canvas(loaded.square);
        canvas.stretchDraw(slotSquareRect(loaded.width, loaded.height), decoded.bitmap);
    }
    return loaded;
}
