#include "tilette/TiletteGeometry.h"

#include "tilette/FormatInches.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr int minimumPosition = 50;
constexpr int maximumPosition = 500;

// A thin tall picture has a huge ratio, so heights are worked out in 64 bits and then bounded:
// at least one row always fits the printable height, and a tilette is never empty. Wherever
// one row already fits, the height is the one the rule gives, odd or not.
int boundedHeight(std::int64_t height, const PrinterMetrics& metrics, int perforationMarginY) {
    const std::int64_t tallest = printableHeightUnits(metrics) - 2 * perforationMarginY;
    return static_cast<int>(std::max<std::int64_t>(2, std::min(height, tallest)));
}

bool hasResolution(const PrinterMetrics& metrics) {
    return metrics.PixelsPerInchX != 0 && metrics.PixelsPerInchY != 0;
}

// The size follows the printable width divided by the number across; the picture's shape
// applies only inside the 25-unit frame on each side.
std::optional<TiletteGeometry> automaticGeometry(const PrinterMetrics& metrics,
                                                 const GeometrySettings& settings) {
    if (settings.numberAcross <= 0)
        return std::nullopt;
    const int width =
        (printableWidthUnits(metrics) - settings.perforationMarginX - settings.perforationMarginX) /
        settings.numberAcross;
    if (width <= 0)
        return std::nullopt;
    const std::int64_t ruleHeight =
        settings.slot1Used ? std::int64_t{width - 50} * settings.slot1Ratio / 1000 + 50 : width;
    const int height = boundedHeight(ruleHeight, metrics, settings.perforationMarginY);
    TiletteGeometry geometry;
    geometry.tiletteHeight = height;
    geometry.tilettesAcross = settings.numberAcross;
    geometry.tilettesDown = printableHeightUnits(metrics) / height;
    geometry.widthPosition = clampPosition(width / 2);
    geometry.heightPosition = clampPosition(height / 2);
    return geometry;
}

std::optional<TiletteGeometry> overriddenGeometry(const PrinterMetrics& metrics,
                                                  const GeometrySettings& settings) {
    TiletteGeometry geometry;
    geometry.widthPosition = clampPosition(settings.widthPosition);
    geometry.heightPosition = clampPosition(settings.heightPosition);
    // Divided before doubling, so an overridden height is always even. The free height is the
    // user's own and stays as set.
    geometry.tiletteHeight =
        settings.keepRatio
            ? boundedHeight(std::int64_t{geometry.widthPosition} * settings.slot1Ratio / 1000 * 2,
                            metrics, settings.perforationMarginY)
            : geometry.heightPosition * 2;
    const auto counts =
        computeTiletteCounts(metrics, settings.perforationMarginX, settings.perforationMarginY,
                             geometry.widthPosition * 2, geometry.tiletteHeight);
    if (!counts)
        return std::nullopt;
    geometry.tilettesAcross = counts->tilettesAcross;
    geometry.tilettesDown = counts->tilettesDown;
    return geometry;
}
} // namespace

int clampPosition(int position) {
    return std::clamp(position, minimumPosition, maximumPosition);
}

std::optional<TiletteGeometry> computeTiletteGeometry(const PrinterMetrics& metrics,
                                                      const GeometrySettings& settings) {
    if (!hasResolution(metrics))
        return std::nullopt;
    std::optional<TiletteGeometry> geometry = settings.sizeOverride
                                                  ? overriddenGeometry(metrics, settings)
                                                  : automaticGeometry(metrics, settings);
    if (!geometry)
        return std::nullopt;
    // The width is always twice its position, so a clamped position clamps the width too.
    geometry->tiletteWidth = geometry->widthPosition * 2;
    geometry->widthText = FormatInches(geometry->widthPosition);
    geometry->heightText = FormatInches(geometry->tiletteHeight / 2);
    return geometry;
}

std::optional<TiletteCounts> computeTiletteCounts(const PrinterMetrics& metrics,
                                                  int perforationMarginX, int perforationMarginY,
                                                  int tiletteWidth, int tiletteHeight) {
    if (!hasResolution(metrics) || tiletteWidth <= 0 || tiletteHeight <= 0)
        return std::nullopt;
    TiletteCounts counts;
    counts.sizeText = QStringLiteral("Tilette Size -- Width = ") + FormatInches(tiletteWidth / 2) +
                      QStringLiteral(" Height = ") + FormatInches(tiletteHeight / 2);
    counts.tilettesDown = (printableHeightUnits(metrics) - perforationMarginY * 2) / tiletteHeight;
    counts.tilettesAcross = (printableWidthUnits(metrics) - perforationMarginX * 2) / tiletteWidth;
    counts.countText = QStringLiteral("Tilettes Down = ") + QString::number(counts.tilettesDown) +
                       QStringLiteral(" Across = ") + QString::number(counts.tilettesAcross);
    return counts;
}
