#pragma once
// Drives modal windows from a test: waits for a modal window to appear, lets the test look at it,
// then acts on it (a key, or closing it), while the code under test sits in its modal loop.

#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <functional>

namespace testmodal {

// Runs `action` on the first modal window that shows up (polling every 20 ms, for at most five
// seconds), once.
inline void WhenModal(std::function<void(QWidget*)> action, QWidget* notThis = nullptr) {
    auto* timer = new QTimer;
    auto started = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, started, action, notThis] {
        QWidget* modal = QApplication::activeModalWidget();
        if ((modal && modal != notThis && modal->isVisible()) || ++*started > 250) {
            timer->stop();
            timer->deleteLater();
            if (modal && modal != notThis) action(modal);
        }
    });
    timer->start(20);
}

inline void PressKey(QWidget* target, int key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
}

}  // namespace testmodal
