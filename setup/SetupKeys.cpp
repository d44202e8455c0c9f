#include "setup/SetupKeys.h"

#include <array>

namespace {
constexpr int firstPictureLine = 18;
constexpr int lastPictureLine = 26;
constexpr int firstSaveNameLine = 35;
constexpr int firstColorSchemeLine = 44;

constexpr std::array<const char*, 17> settingsBeforePictures{
    "NumberWide",    "BorderType",    "BorderColor",   "BackgroundColor", "SheetType",
    "ValueText",     "ValueFontName", "ValueFontSize", "ValueFontColor",  "ValueFontStyle",
    "ValuePlace",    "TextText",      "TextFontName",  "TextFontSize",    "TextFontColor",
    "TextFontStyle", "TextPlace"};
constexpr std::array<const char*, 8> settingsAfterPictures{
    "Copies",         "Printer",       "PrinterOrientation", "BlankSheet", "AdvancedSizeTilettes",
    "AdvancedHeight", "AdvancedWidth", "AdvancedRatio"};

QString slotKey(int slot, const char* suffix) {
    return QStringLiteral("Tilette%1%2").arg(slot).arg(QLatin1String(suffix));
}
} // namespace

QString setupKey(int line) {
    if (line < 1 || line > setupLineCount)
        return {};
    if (line < firstPictureLine)
        return QLatin1String(settingsBeforePictures[static_cast<size_t>(line - 1)]);
    if (line <= lastPictureLine)
        return slotKey(line - firstPictureLine + 1, "");
    if (line < firstSaveNameLine)
        return QLatin1String(
            settingsAfterPictures[static_cast<size_t>(line - lastPictureLine - 1)]);
    if (line < firstColorSchemeLine)
        return slotKey(line - firstSaveNameLine + 1, "Save");
    return slotKey(line - firstColorSchemeLine + 1, "Color");
}
