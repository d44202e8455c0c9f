// The settings that change the look of a tilette: fonts, colours, texts, corner, edge, border.
#include "app/TForm1.h"

#include "app/controls/RadioGroup.h"
#include "platform/Canvas.h"

#include <QCheckBox>
#include <QLineEdit>

// The edit box shows its text in the whole chosen font, style and colour included.
void TForm1::applyFontToEdit(QLineEdit* edit, const FontChoice& choice) {
    QFont editFont(choice.face);
    editFont.setPixelSize(std::max(1, pointsToPixels(choice.points)));
    editFont.setBold(choice.bold);
    editFont.setItalic(choice.italic);
    edit->setFont(editFont);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, toQColor(choice.colour));
    edit->setPalette(palette);
}

// A text's colour lives in three places kept equal: the font that is drawn, the colour
// dialog's preset and the edit box that shows the text.
void TForm1::chooseTextFont(FontDialogPreset& fontDialog, ColorDialogPreset& colorDialog,
                            QLineEdit* edit) {
    const std::optional<FontChoice> chosen = dialogs_.chooseFont(fontDialog.Font);
    if (!chosen)
        return;
    fontDialog.Font = *chosen;
    colorDialog.Color = chosen->colour;
    applyFontToEdit(edit, *chosen);
    DrawTilette(state.CurrentSlot);
}

void TForm1::chooseTextColour(FontDialogPreset& fontDialog, ColorDialogPreset& colorDialog,
                              QLineEdit* edit) {
    const std::optional<Colour> chosen = dialogs_.chooseColour(colorDialog.Color);
    if (!chosen)
        return;
    colorDialog.Color = *chosen;
    fontDialog.Font.colour = *chosen;
    applyFontToEdit(edit, fontDialog.Font);
    DrawTilette(state.CurrentSlot);
}

void TForm1::FontButtonClick() {
    chooseTextFont(ValueFontDialog, ValueColorDialog, ValueEdit);
}

void TForm1::TextSelectButtonClick() {
    chooseTextFont(TextFontDialog, TextColorDialog, TextEdit);
}

void TForm1::SelectValueColorButtonClick() {
    chooseTextColour(ValueFontDialog, ValueColorDialog, ValueEdit);
}

void TForm1::SelectTextColorButtonClick() {
    chooseTextColour(TextFontDialog, TextColorDialog, TextEdit);
}

void TForm1::SelectBorderColorButtonClick() {
    if (const std::optional<Colour> chosen = dialogs_.chooseColour(BorderColorDialog.Color))
        BorderColorDialog.Color = *chosen;
    DrawTilette(state.CurrentSlot);
}

void TForm1::SelectBackgoundColorButtonClick() {
    if (const std::optional<Colour> chosen = dialogs_.chooseColour(BackgroundColorDialog.Color))
        BackgroundColorDialog.Color = *chosen;
    DrawTilette(state.CurrentSlot);
}

void TForm1::ValueEditChange() {
    DrawTilette(state.CurrentSlot);
}
void TForm1::TextEditChange() {
    DrawTilette(state.CurrentSlot);
}
void TForm1::ValueRadioGroupClick() {
    DrawTilette(state.CurrentSlot);
}
void TForm1::EdgeRadioGroupClick() {
    DrawTilette(state.CurrentSlot);
}
void TForm1::BlankCheckBoxClick() {
    DrawTilette(state.CurrentSlot);
}

void TForm1::BorderRadioGroupClick() {
    RefreshPrinterMetrics();
    takeDefinition();
    session_.takeBorderMargins();
    DrawTilette(state.CurrentSlot);
}
