#include "platform/ui/QtDialogs.h"

#include "platform/ui/PrinterSetupDialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSpacerItem>
#include <algorithm>
#include <cmath>

namespace {

QFont toQFont(const FontChoice& choice) {
    QFont font(choice.face);
    font.setPointSize(choice.points);
    font.setBold(choice.bold);
    font.setItalic(choice.italic);
    return font;
}

// fontconfig serves faces such as "Times New Roman" through a metric twin under the twin's own
// name. Qt's font dialog lists only the names it has, and would open on the window's font.
QFont fontInUse(const FontChoice& choice) {
    QFont font = toQFont(choice);
    font.setFamily(QFontInfo(font).family());
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

// Qt sizes a message box to its text, allowing for the title only in the box's own font. The
// window manager draws the title in its own, larger font beside its buttons, so a short message
// had its title cut to "E… nt". A spacer across the box's grid keeps the box wide enough.
constexpr int windowButtonsWidth = 120;
constexpr int narrowestMessageBox = 320;

void makeRoomForTitle(QMessageBox& box) {
    QFont titleFont = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    titleFont.setBold(true);
    const int width =
        std::max(narrowestMessageBox,
                 QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + windowButtonsWidth);
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (grid)
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
}

// "PNG Image File (*.png)" gives "png": the extension a name typed bare gets under that filter.
QString suffixOfFilter(const QString& filter) {
    static const QRegularExpression firstPattern(QStringLiteral("\\*\\.(\\w+)"));
    return firstPattern.match(filter).captured(1);
}

QMessageBox::StandardButton showMessageBox(QMessageBox::Icon icon, const QString& title,
                                           const QString& text,
                                           QMessageBox::StandardButtons buttons, QWidget* parent) {
    QMessageBox box(icon, title, text, buttons, parent);
    makeRoomForTitle(box);
    return static_cast<QMessageBox::StandardButton>(box.exec());
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
    // A name typed without an extension is written in the format of the filter the user chose.
    if (mode == QFileDialog::AcceptSave)
        QObject::connect(dialog.get(), &QFileDialog::filterSelected, dialog.get(),
                         [saving = dialog.get()](const QString& filter) {
                             if (const QString suffix = suffixOfFilter(filter); !suffix.isEmpty())
                                 saving->setDefaultSuffix(suffix);
                         });
    if (!request.fileName.isEmpty())
        dialog->selectFile(request.fileName);
    return dialog;
}

std::optional<QString> QtDialogs::runFileDialog(FileDialogRequest& request,
                                                QFileDialog::AcceptMode mode) {
    const auto dialog = makeFileDialog(request, mode, parent_);
    if (dialog->exec() != QDialog::Accepted || dialog->selectedFiles().isEmpty())
        return std::nullopt;
    const qsizetype filter = request.filters.indexOf(dialog->selectedNameFilter());
    if (filter >= 0)
        request.selectedFilter = static_cast<int>(filter);
    return dialog->selectedFiles().constFirst();
}

std::optional<QString> QtDialogs::openFile(FileDialogRequest& request) {
    return runFileDialog(request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtDialogs::saveFile(FileDialogRequest& request) {
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
    const QFont start = fontInUse(initial);
    QFontDialog dialog(start, parent_);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    hideEffects(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    FontChoice chosen = fontChoiceOf(dialog.selectedFont(), initial.colour);
    // While the user keeps the family, the face keeps the name the setup stored.
    if (chosen.face == start.family())
        chosen.face = initial.face;
    return chosen;
}

bool QtDialogs::printerSetup(PrinterSystem& printers) {
    PrinterSetupDialog dialog(printers, parent_);
    return dialog.exec() == QDialog::Accepted;
}

void QtDialogs::message(const QString& text) {
    showMessageBox(QMessageBox::NoIcon, applicationTitle, text, QMessageBox::Ok, parent_);
}

bool QtDialogs::question(const QString& title, const QString& text) {
    return showMessageBox(QMessageBox::Question, title, text, QMessageBox::Yes | QMessageBox::No,
                          parent_) == QMessageBox::Yes;
}

void QtDialogs::error(const QString& text) {
    showMessageBox(QMessageBox::Critical, errorTitle, text, QMessageBox::Ok, parent_);
}
