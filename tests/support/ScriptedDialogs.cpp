#include "support/ScriptedDialogs.h"

#include "platform/ui/QtDialogs.h"

#include <stdexcept>

namespace {

QString kindName(DialogKind kind) {
    switch (kind) {
    case DialogKind::OpenFile:
        return QStringLiteral("open-file dialog");
    case DialogKind::SaveFile:
        return QStringLiteral("save-file dialog");
    case DialogKind::Colour:
        return QStringLiteral("colour dialog");
    case DialogKind::Font:
        return QStringLiteral("font dialog");
    case DialogKind::PrinterSetup:
        return QStringLiteral("printer set-up dialog");
    case DialogKind::Message:
        return QStringLiteral("message box");
    case DialogKind::Question:
        return QStringLiteral("question");
    case DialogKind::Error:
        return QStringLiteral("error box");
    }
    return QStringLiteral("dialog");
}

} // namespace

void ScriptedDialogs::answerFile(const QString& path, std::optional<int> filterIndex) {
    answers_.push_back(FileAnswer{path, filterIndex});
}

void ScriptedDialogs::cancel() {
    answers_.push_back(CancelAnswer{});
}

void ScriptedDialogs::answerColour(Colour colour) {
    answers_.push_back(ColourAnswer{colour});
}

void ScriptedDialogs::answerFont(const FontChoice& font) {
    answers_.push_back(FontAnswer{font});
}

void ScriptedDialogs::answerYes() {
    answers_.push_back(QuestionAnswer{true});
}

void ScriptedDialogs::answerNo() {
    answers_.push_back(QuestionAnswer{false});
}

void ScriptedDialogs::answerPrinterSetup(bool accepted,
                                         std::function<void(PrinterSystem&)> change) {
    answers_.push_back(PrinterSetupAnswer{accepted, std::move(change)});
}

std::optional<QString> ScriptedDialogs::openFile(FileDialogRequest& request) {
    return answerFileDialog(DialogKind::OpenFile, request);
}

std::optional<QString> ScriptedDialogs::saveFile(FileDialogRequest& request) {
    return answerFileDialog(DialogKind::SaveFile, request);
}

std::optional<QString> ScriptedDialogs::answerFileDialog(DialogKind kind,
                                                         FileDialogRequest& request) {
    ShownDialog dialog;
    dialog.kind = kind;
    dialog.title = request.title;
    dialog.request = request;
    const Answer answer = takeAnswer<FileAnswer>(dialog, QStringLiteral("a file or a cancel"));
    const auto* file = std::get_if<FileAnswer>(&answer);
    if (!file)
        return std::nullopt;
    if (file->filterIndex)
        request.selectedFilter = *file->filterIndex;
    return file->path;
}

std::optional<Colour> ScriptedDialogs::chooseColour(Colour initial) {
    ShownDialog dialog;
    dialog.kind = DialogKind::Colour;
    dialog.initialColour = initial;
    const Answer answer = takeAnswer<ColourAnswer>(dialog, QStringLiteral("a colour or a cancel"));
    if (const auto* colour = std::get_if<ColourAnswer>(&answer))
        return colour->colour;
    return std::nullopt;
}

std::optional<FontChoice> ScriptedDialogs::chooseFont(const FontChoice& initial) {
    ShownDialog dialog;
    dialog.kind = DialogKind::Font;
    dialog.initialFont = initial;
    const Answer answer = takeAnswer<FontAnswer>(dialog, QStringLiteral("a font or a cancel"));
    const auto* font = std::get_if<FontAnswer>(&answer);
    if (!font)
        return std::nullopt;
    // The real dialog offers no colour choice: the colour always stays.
    FontChoice chosen = font->font;
    chosen.colour = initial.colour;
    return chosen;
}

bool ScriptedDialogs::printerSetup(PrinterSystem& printers) {
    ShownDialog dialog;
    dialog.kind = DialogKind::PrinterSetup;
    const Answer answer = takeAnswer<PrinterSetupAnswer>(
        dialog, QStringLiteral("a printer set-up answer or a cancel"));
    const auto* setup = std::get_if<PrinterSetupAnswer>(&answer);
    if (!setup || !setup->accepted)
        return false;
    if (setup->change)
        setup->change(printers);
    return true;
}

void ScriptedDialogs::message(const QString& text) {
    shown_.push_back(
        ShownDialog{DialogKind::Message, QtDialogs::applicationTitle, text, {}, 0, {}});
}

bool ScriptedDialogs::question(const QString& title, const QString& text) {
    ShownDialog dialog;
    dialog.kind = DialogKind::Question;
    dialog.title = title;
    dialog.text = text;
    const Answer answer = takeAnswer<QuestionAnswer>(dialog, QStringLiteral("Yes or No"), false);
    return std::get<QuestionAnswer>(answer).yes;
}

void ScriptedDialogs::error(const QString& text) {
    shown_.push_back(ShownDialog{DialogKind::Error, QtDialogs::errorTitle, text, {}, 0, {}});
}

template <typename Expected>
ScriptedDialogs::Answer ScriptedDialogs::takeAnswer(const ShownDialog& dialog,
                                                    const QString& expected, bool mayCancel) {
    shown_.push_back(dialog);
    if (answers_.empty())
        offScript(dialog, QStringLiteral("no answer is queued (expected %1)").arg(expected));
    const Answer& next = answers_.front();
    const bool fits = std::holds_alternative<Expected>(next) ||
                      (mayCancel && std::holds_alternative<CancelAnswer>(next));
    // A mismatched answer stays queued, so remainingAnswers() still shows it.
    if (!fits)
        offScript(dialog, QStringLiteral("the next answer is not %1").arg(expected));
    Answer answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

void ScriptedDialogs::offScript(const ShownDialog& dialog, const QString& problem) {
    QString shown = kindName(dialog.kind);
    if (!dialog.title.isEmpty())
        shown += QStringLiteral(" \"%1\"").arg(dialog.title);
    if (!dialog.text.isEmpty())
        shown += QStringLiteral(" (\"%1\")").arg(dialog.text);
    offScriptProblems_ << QStringLiteral("Unexpected %1: %2").arg(shown, problem);
    throw std::logic_error(offScriptProblems_.back().toStdString());
}
