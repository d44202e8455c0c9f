#pragma once

#include "batch/BatchError.h"
#include "batch/BatchOptions.h"
#include "platform/Bitmap.h"
#include "sheet/SheetSession.h"

#include <QStringList>
#include <array>

// Where each slot's picture was also looked for when the setup's name was not found: beside the
// setup file (empty when nowhere else).
using PlacesLookedIn = std::array<QString, LastUserSlot + 1>;

// Reads the setup file and applies the options' changes into the session. Numbers no control
// takes are moved into range as the window does, and notes tells which. Throws BatchError:
// exitInput for a setup that cannot be read, or names no picture at all.
PlacesLookedIn readBatchSheet(const BatchOptions& options, SheetSession& session,
                              QStringList& notes);

// A slot's picture that could not be read, as the run reports it: exitInput, the slot and the
// file, and where else the picture was looked for.
BatchError pictureFailure(const SlotPictureError& error, const PlacesLookedIn& lookedIn);

// Runs session operations that read pictures, their failure reported as above.
template <class Work> decltype(auto) readingPictures(const PlacesLookedIn& lookedIn, Work&& work) {
    try {
        return std::forward<Work>(work)();
    } catch (const SlotPictureError& error) {
        throw pictureFailure(error, lookedIn);
    }
}

// Lays the sheet out on the session's printer as opening it in the window does: slot 1's
// picture is read first for its shape, which sets the tilette height; the others are read once,
// when their tilettes are drawn. Throws BatchError: exitInput when slot 1's picture cannot be
// read, exitOutput when the printer gives no usable page.
void layOutBatchSheet(SheetSession& session, const PlacesLookedIn& lookedIn);

// One slot's tilette as the window shows and exports it. Throws BatchError with exitInput when
// the slot has no picture or it cannot be read.
Bitmap shownTilette(SheetSession& session, int slot, const PlacesLookedIn& lookedIn);

// The sheet composed from the drawn tilettes; for printing (PDF included) without the
// perforations, which the page gets at the printer's resolution. Throws BatchError with
// exitInput and the page type's message when its slots are not in use.
Bitmap composedSheet(const SheetSession& session, bool printing);
