#include "app/TForm1.h"
#include "app/WindowTexts.h"
#include "platform/PlainFile.h"
#include "platform/ui/QtDialogs.h"
#include "platform/ui/QtPrinterSystem.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <cstdio>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fprintf(stderr,
                     "tilettes: no display found. Run it in a desktop session, or without one as: "
                     "xvfb-run -a tilettes\n");
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tilettes"));
    QApplication::setOrganizationName(QStringLiteral("Ambergate"));
    QApplication::setApplicationDisplayName(texts::windowTitle);
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("tilettes"));

    QtPrinterSystem printers;
    QtDialogs dialogs(nullptr);
    TForm1 window(dialogs, printers);
    dialogs.setParentWindow(&window);
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           QGuiApplication::primaryScreen()->availableGeometry()));
    window.show();
    // A file named on the command line (a double-click on it in a file manager) is opened once
    // the window has started.
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() > 1) {
        const QString named = userFilePath(arguments.at(1));
        QTimer::singleShot(0, &window, [&window, named] {
            // A setup names its own step; a picture is chosen as if after Continue.
            window.run([&window, named] { window.openFileNamedAtStart(named); },
                       QStringLiteral("Choose Picture"));
        });
    }
    return application.exec();
}
