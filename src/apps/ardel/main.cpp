// The maintenance tool's entry.

#include <QApplication>
#include <QLabel>

#include "frame/Folders.h"
#include "frame/SingleInstance.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    frame::sbInitFolders();
    if (!frame::AcquireInstanceLock("ardel", frame::folders().installation)) return 0;
    QLabel window(QStringLiteral("Ardel"));
    window.resize(320, 120);
    window.show();
    return app.exec();
}
