// The one place where the settings controls are read into a sheet definition.
#include "app/TForm1.h"

#include "app/controls/RadioGroup.h"
#include "app/controls/UpDown.h"

#include <QCheckBox>
#include <QLineEdit>

SheetDefinition TForm1::sheetDefinition() const {
    SheetDefinition definition;
    definition.numberAcrossIndex = NumberOfImagesWideRadioGroup->itemIndex();
    definition.border = static_cast<BorderType>(BorderRadioGroup->itemIndex());
    definition.borderColour = BorderColorDialog.Color;
    definition.backgroundColour = BackgroundColorDialog.Color;
    definition.pageType = static_cast<PageType>(TypeOfPageRadioGroup->itemIndex());
    definition.valueText = ValueEdit->text();
    definition.valueFont = ValueFontDialog.Font;
    definition.valueCorner = static_cast<ValueCorner>(ValueRadioGroup->itemIndex());
    definition.captionText = TextEdit->text();
    definition.captionFont = TextFontDialog.Font;
    definition.captionEdge = static_cast<CaptionEdge>(EdgeRadioGroup->itemIndex());
    definition.blank = BlankCheckBox->isChecked();
    definition.copies = CopiesUpDown->position();
    definition.sizeOverride = SizeTilettesCheckBox->isChecked();
    definition.widthPosition = WidthUpDown->position();
    definition.heightPosition = HeightUpDown->position();
    definition.keepRatio = RatioCheckBox->isChecked();
    return definition;
}

const SheetDefinition& TForm1::takeDefinition() {
    session_.setDefinition(sheetDefinition());
    return session_.definition();
}
