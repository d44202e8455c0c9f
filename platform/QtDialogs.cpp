#include "platform/QtDialogs.h"

#include "platform/QtPrinterSystem.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QFontDialog>
#include <QGroupBox>
#include <QMessageBox>
#include <QPrintDialog>
#include <cmath>

namespace {

QFont toQFont(const FontChoice& choice) {
    QFont font(choice.face);
    font.setPointSize(choice.points);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    return font;
}

// Qt's font dialog has no switch for its effects section; it is the group box that holds
// the underline and strike-out check boxes.
void hideEffects(QFontDialog& dialog) {
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>()) {
        if (group->findChild<QCheckBox*>())
            group->hide();
    }
}

} // namespace

const QString QtDialogs::applicationTitle = QStringLiteral("Ambergate Tilettes Print");
const QString QtDialogs::errorTitle = QStringLiteral("Error");

QtDialogs::QtDialogs(QWidget* parent) : parent_(parent) {}

std::unique_ptr<QFileDialog> QtDialogs::makeFileDialog(const FileDialogRequest& request,
                                                       QFileDialog::AcceptMode mode,
                                                       QWidget* parent) {
    const QString folder = request.folder.isEmpty() ? QDir::currentPath() : request.folder;
    auto dialog = std::make_unique<QFileDialog>(parent, request.title, folder);
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(mode);
    dialog->setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                        : QFileDialog::AnyFile);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog->setNameFilters(request.filters);
    if (request.selectedFilter >= 0 && request.selectedFilter < request.filters.size())
        dialog->selectNameFilter(request.filters.at(request.selectedFilter));
    dialog->setDefaultSuffix(request.defaultSuffix);
    return dialog;
}

std::optional<QString> QtDialogs::runFileDialog(const FileDialogRequest& request,
                                                QFileDialog::AcceptMode mode) {
    const auto dialog = makeFileDialog(request, mode, parent_);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    return dialog->selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::openFile(const FileDialogRequest& request) {
    return runFileDialog(request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::saveFile(const FileDialogRequest& request) {
    return runFileDialog(request, QFileDialog::AcceptSave);
}

std::optional<Colour> QtDialogs::chooseColour(Colour initial) {
    // Qt's own colour dialog always shows its custom colours, the "full open" look.
    QColorDialog dialog(toQColor(initial), parent_);
    dialog.setOption(QColorDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return fromQColor(dialog.selectedColor());
}

FontChoice QtDialogs::fontChoiceOf(const QFont& font, Colour colour) {
    FontChoice choice;
    choice.face = font.family();
    // Fonts sized in pixels only are taken at the screen's 96 pixels per inch.
    choice.points = font.pointSize() > 0
                        ? font.pointSize()
                        : static_cast<int>(std::lround(font.pixelSize() * 72.0 / 96.0));
    choice.bold = font.bold();
    choice.italic = font.italic();
    choice.colour = colour;
    return choice;
}

std::optional<FontChoice> QtDialogs::chooseFont(const FontChoice& initial) {
    QFontDialog dialog(toQFont(initial), parent_);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    hideEffects(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return fontChoiceOf(dialog.selectedFont(), initial.colour);
}

bool QtDialogs::printerSetup(PrinterSystem& printers) {
    auto* qtPrinters = dynamic_cast<QtPrinterSystem*>(&printers);
    if (!qtPrinters)
        return false;
    QPrintDialog dialog(&qtPrinters->selectedPrinter(), parent_);
    dialog.setOption(QAbstractPrintDialog::PrintShowPageSize);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    qtPrinters->adoptSetupChoice();
    return true;
}

void QtDialogs::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, applicationTitle, text, QMessageBox::Ok, parent_);
    box.exec();
}

bool QtDialogs::question(const QString& title, const QString& text) {
    return QMessageBox::question(parent_, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void QtDialogs::error(const QString& text) {
    QMessageBox::critical(parent_, errorTitle, text);
}
