// The catalogue program's entry: the start-up sequence.

#include <QApplication>
#include <QLabel>

#include "frame/Folders.h"
#include "frame/SingleInstance.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    frame::sbInitFolders();
    // A second instance ends at once, without a window or a message.
    if (!frame::AcquireInstanceLock("trovex2", frame::folders().installation)) return 0;

    frame::SetUserFolders("kupro");
    QLabel window(QStringLiteral("Trovex2 — catalogue of %1").arg(frame::folders().catalogueDatabase));
    window.resize(480, 120);
    window.show();
    return app.exec();
}
