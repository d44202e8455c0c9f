// Files dropped from a file manager: pictures onto slots, setups anywhere on the window.
#include "app/TForm1.h"

#include "app/controls/DroppedFiles.h"
#include "app/controls/ImageBox.h"
#include "app/controls/PageControl.h"
#include "platform/UserError.h"

#include <QFileInfo>
#include <QMenu>

namespace {
bool isSetupName(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("agt"), Qt::CaseInsensitive) == 0;
}
} // namespace

void TForm1::acceptDroppedFiles() {
    setAcceptDrops(true);
    for (int slot = FirstUserSlot; slot <= LastUserSlot; ++slot)
        for (ImageBox* box : {slotImages[static_cast<size_t>(slot)], basicThumbnail(slot)})
            if (box) {
                box->acceptFileDrops();
                connect(box, &ImageBox::filesDropped, this,
                        [this, slot](const QStringList& files) { dropFiles(files, slot); });
            }
    // On the sample area a picture goes to the slot shown there.
    Image2->acceptFileDrops();
    connect(Image2, &ImageBox::filesDropped, this, [this](const QStringList& files) {
        dropFiles(files, std::max(state.CurrentSlot, FirstUserSlot));
    });
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    acceptFileDrag(event);
}

void TForm1::dropEvent(QDropEvent* event) {
    if (const QStringList files = takeDroppedFiles(event); !files.isEmpty())
        dropFiles(files, 0);
}

// A setup opens as through Open. Pictures go as chosen in the picture dialog: the first into the
// slot they were dropped on, the rest (or all, dropped elsewhere) into the empty slots in order.
// Before Continue, a picture goes into slot 1 as Continue would put it. Each drop is one step.
void TForm1::dropFiles(const QStringList& files, int slot) {
    // Nothing may change the sheet under an operation or a colouring under way.
    if (!FileMenu->isEnabled())
        return;
    for (const QString& file : files)
        if (isSetupName(file)) {
            run([this, file] { openSetupFile(file); }, QStringLiteral("Open Setup"));
            return;
        }
    run(
        [this, files, slot] {
            if (!PageControl2->tabVisible(PrintControlTabSheet)) {
                openFileNamedAtStart(files.front());
                return;
            }
            int target = slot;
            for (const QString& file : files) {
                if (!target)
                    target = lowestSlot(false);
                if (!target) {
                    dialogs_.message(QStringLiteral("Every tilette has a picture; \"%1\" and the "
                                                    "files after it were left out.")
                                         .arg(QFileInfo(file).fileName()));
                    return;
                }
                // One file that cannot be read is told as the dialog would tell it; the rest
                // still go in.
                try {
                    ImageClick(target, file);
                } catch (const UserError& error) {
                    dialogs_.error(error.message());
                }
                target = 0;
            }
        },
        QStringLiteral("Choose Picture"));
}
