#pragma once

#include "platform/Dialogs.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

struct ShownDialog {
    DialogKind kind = DialogKind::Message;
    QString title;
    QString text;
    FileDialogRequest request; // file dialogs only
    Colour initialColour = 0;  // colour dialogs only
    FontChoice initialFont;    // font dialogs only
};

// Dialogs answered from a script, for tests. Answers are used in the order they were
// queued; every dialog shown is recorded. A dialog that finds no answer, or an answer of
// another kind, throws std::logic_error: the test has gone off its script. Messages and
// errors need no answer; they are only recorded.
class ScriptedDialogs : public Dialogs {
  public:
    // The user chooses this path in the next file dialog, with the filter at filterIndex
    // selected, or the one the dialog offered when none is given.
    void answerFile(const QString& path, std::optional<int> filterIndex = std::nullopt);
    // The user cancels the next file, colour, font or printer set-up dialog.
    void cancel();
    void answerColour(Colour colour);
    void answerFont(const FontChoice& font);
    void answerYes();
    void answerNo();
    // The user confirms (with change applied to the printers first, if given) or cancels
    // the next printer set-up dialog.
    void answerPrinterSetup(bool accepted, std::function<void(PrinterSystem&)> change = nullptr);

    const std::vector<ShownDialog>& shown() const { return shown_; }
    // Every time the script was left, even where the window caught the error and showed it.
    const QStringList& offScriptProblems() const { return offScriptProblems_; }
    int remainingAnswers() const { return static_cast<int>(answers_.size()); }

    std::optional<QString> openFile(FileDialogRequest& request) override;
    std::optional<QString> saveFile(FileDialogRequest& request) override;
    std::optional<Colour> chooseColour(Colour initial) override;
    std::optional<FontChoice> chooseFont(const FontChoice& initial) override;
    bool printerSetup(PrinterSystem& printers) override;
    void message(const QString& text) override;
    bool question(const QString& title, const QString& text) override;
    void error(const QString& text) override;

  private:
    struct FileAnswer {
        QString path;
        std::optional<int> filterIndex;
    };
    struct CancelAnswer {};
    struct ColourAnswer {
        Colour colour;
    };
    struct FontAnswer {
        FontChoice font;
    };
    struct QuestionAnswer {
        bool yes;
    };
    struct PrinterSetupAnswer {
        bool accepted;
        std::function<void(PrinterSystem&)> change;
    };
    using Answer = std::variant<FileAnswer, CancelAnswer, ColourAnswer, FontAnswer, QuestionAnswer,
                                PrinterSetupAnswer>;

    // Records the dialog and takes the next answer, which must be an Expected one (or a
    // cancel, where the dialog has a Cancel button).
    template <typename Expected>
    Answer takeAnswer(const ShownDialog& dialog, const QString& expected, bool mayCancel = true);
    std::optional<QString> answerFileDialog(DialogKind kind, FileDialogRequest& request);
    [[noreturn]] void offScript(const ShownDialog& dialog, const QString& problem);

    std::deque<Answer> answers_;
    std::vector<ShownDialog> shown_;
    QStringList offScriptProblems_;
};
