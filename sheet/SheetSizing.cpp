#include "sheet/SheetSizing.h"

#include "sheet/SlotTilette.h"

std::optional<TiletteGeometry> sheetTiletteGeometry(const PrinterMetrics& metrics,
                                                    const SheetDefinition& definition,
                                                    const ImageSlot& firstSlot) {
    const PerforationMargins margins = perforationMarginsOf(definition.border);
    SheetGrid marginsOnly;
    marginsOnly.perforationMarginX = margins.x;
    marginsOnly.perforationMarginY = margins.y;
    return computeTiletteGeometry(metrics, geometrySettingsOf(definition, marginsOnly, firstSlot));
}

SheetGrid gridOf(const TiletteGeometry& geometry, BorderType border) {
    const PerforationMargins margins = perforationMarginsOf(border);
    SheetGrid grid;
    grid.tiletteWidth = geometry.tiletteWidth;
    grid.tiletteHeight = geometry.tiletteHeight;
    grid.tilettesAcross = geometry.tilettesAcross;
    grid.tilettesDown = geometry.tilettesDown;
    grid.perforationMarginX = margins.x;
    grid.perforationMarginY = margins.y;
    return grid;
}

std::optional<TiletteCounts> countFittingTilettes(const PrinterMetrics& metrics, SheetGrid& grid) {
    std::optional<TiletteCounts> counts =
        computeTiletteCounts(metrics, grid.perforationMarginX, grid.perforationMarginY,
                             grid.tiletteWidth, grid.tiletteHeight);
    if (counts) {
        grid.tilettesAcross = counts->tilettesAcross;
        grid.tilettesDown = counts->tilettesDown;
    }
    return counts;
}

std::optional<SheetGrid> sheetGridFor(const PrinterMetrics& metrics,
                                      const SheetDefinition& definition,
                                      const ImageSlot& firstSlot) {
    const std::optional<TiletteGeometry> geometry =
        sheetTiletteGeometry(metrics, definition, firstSlot);
    if (!geometry)
        return std::nullopt;
    SheetGrid grid = gridOf(*geometry, definition.border);
    if (!countFittingTilettes(metrics, grid))
        return std::nullopt;
    return grid;
}

SheetLayout layoutOf(const SheetGrid& grid, PageType pageType) {
    SheetLayout layout;
    static_cast<SheetGrid&>(layout) = grid;
    layout.pageType = pageType;
    return layout;
}
