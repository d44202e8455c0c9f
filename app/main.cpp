#include "app/TForm1.h"
#include "app/WindowTexts.h"
#include "platform/ui/QtDialogs.h"
#include "platform/ui/QtPrinterSystem.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
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

    QtPrinterSystem printers;
    QtDialogs dialogs(nullptr);
    TForm1 window(dialogs, printers);
    dialogs.setParentWindow(&window);
    window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                           QGuiApplication::primaryScreen()->availableGeometry()));
    window.show();
    return application.exec();
}
