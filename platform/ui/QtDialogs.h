#pragma once

#include "platform/Dialogs.h"

#include <QFileDialog>
#include <QString>
#include <memory>

class QWidget;

// The dialogs as the user sees them, over Qt Widgets. Qt's own (non-native) file, colour
// and font dialogs are used so the program looks and behaves the same on every desktop.
class QtDialogs : public Dialogs {
  public:
    static const QString applicationTitle; // the title of the program's own message boxes
    static const QString errorTitle;       // the title of the standard error box

    explicit QtDialogs(QWidget* parent);
    // Dialogs open centred over this window; it is made after the dialogs it is given.
    void setParentWindow(QWidget* parent) { parent_ = parent; }

    std::optional<QString> openFile(FileDialogRequest& request) override;
    std::optional<QString> saveFile(FileDialogRequest& request) override;
    std::optional<Colour> chooseColour(Colour initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    bool printerSetup(PrinterSystem& printers) override;
    void message(const QString& text) override;
    bool question(const QString& title, const QString& text) override;
    void error(const QString& text) override;

    // A file dialog set up for a request, not yet shown.
    static std::unique_ptr<QFileDialog>
    makeFileDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode, QWidget* parent);
    // What the font dialog's font means as a choice; the colour is not the font's to give.
    static FontChoice fontChoiceOf(const QFont& font, Colour colour);

  private:
    std::optional<QString> runFileDialog(FileDialogRequest& request, QFileDialog::AcceptMode mode);

    QWidget* parent_;
};
