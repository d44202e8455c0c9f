#pragma once

#include "platform/Colour.h"

#include <QString>
#include <QStringList>
#include <optional>

class PrinterSystem;

struct FileDialogRequest {
    QString title;
    QStringList filters; // "JPEG Image File (*.jpg *.jpeg)" style entries, in order
    int selectedFilter = 0;
    QString defaultSuffix; // without the dot
    QString folder;
    QString fileName; // offered at first: the name last chosen in this dialog
    bool confirmOverwrite = false;
};

// A font as the font dialog holds it: everything the user can choose without effects.
struct FontChoice {
    QString face;
    int points = 10;
    bool bold = false;
    bool italic = false;
    Colour colour = colours::black;
    bool operator==(const FontChoice&) const = default;
};

enum class DialogKind { OpenFile, SaveFile, Colour, Font, PrinterSetup, Message, Question, Error };

// Everything that asks the user something. The window gets one when it is built, so tests
// can answer from a script.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // The chosen path, or nothing when cancelled. When the user accepts, the request's
    // selectedFilter becomes the filter they had chosen, so that a dialog made again from the
    // same request offers it first.
    virtual std::optional<QString> openFile(FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(FileDialogRequest& request) = 0;
    // A colour dialog with the custom-colour panel open, starting at initial.
    virtual std::optional<Colour> chooseColour(Colour initial) = 0;
    // A font dialog without underline, strike-out or colour choice; the colour is kept.
    virtual std::optional<FontChoice> chooseFont(const FontChoice& initial) = 0;
    // True when the user accepted the printer set-up.
    virtual bool printerSetup(PrinterSystem& printers) = 0;
    // A plain message box with one button.
    virtual void message(const QString& text) = 0;
    // A Yes/No question; true for Yes.
    virtual bool question(const QString& title, const QString& text) = 0;
    // The standard error box.
    virtual void error(const QString& text) = 0;
};
