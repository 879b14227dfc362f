#include "WindowArt.h"

#include <QPainter>
#include <QPainterPath>

#include "ButtonCatalogue.h"
#include "ButtonPainter.h"
#include "ChromePainter.h"

namespace artgen {

namespace {

// The browser's page of 24 tiles: four columns from x = 12 (widths 189, 185, 185, 185), six rows
// from y = 180, 48 pixels apart, 41 high.
const int kTileColumns[] = {12, 208, 400, 592};
const QRect kTileArea(6, 173, 778, 295);

void paintRecess(QPainter& p, const QRect& r, const SkinStyle& s) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.setPen(QPen(s.panelEdge, 1));
    p.setBrush(s.panel);
    p.drawPath(shape);
    // Shadow along the top inside edge, light along the bottom: the panel sits below the body.
    p.setClipPath(shape);
    QLinearGradient shade(0, r.top(), 0, r.top() + 8);
    shade.setColorAt(0, QColor(0, 0, 0, 60));
    shade.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRect(r.left(), r.top(), r.width(), 8), shade);
    p.setClipping(false);
    p.setPen(QPen(QColor(255, 255, 255, 50), 1));
    p.drawLine(QPointF(r.left() + 6, r.bottom() + 1.5), QPointF(r.right() - 6, r.bottom() + 1.5));
    p.restore();
}

// Light falling from the top: the upper body a shade brighter, the lower a shade darker. The
// change is small, so the keys' corners still match the body wherever they sit.
void paintLight(QPainter& p, const SkinStyle&) {
    const int top = 22, bottom = kMainWindowHeight - 5;
    QLinearGradient light(0, top, 0, bottom);
    light.setColorAt(0, QColor(255, 255, 255, 26));
    light.setColorAt(0.35, QColor(255, 255, 255, 0));
    light.setColorAt(0.7, QColor(0, 0, 0, 0));
    light.setColorAt(1, QColor(0, 0, 0, 30));
    p.fillRect(QRect(5, top, kMainWindowWidth - 10, bottom - top), light);
}

}  // namespace

QImage browserBackground(const SkinStyle& style) {
    QImage image = paintedWindow(kMainWindowWidth, kMainWindowHeight, style);
    QPainter p(&image);
    paintLight(p, style);
    paintRecess(p, kTileArea, style);
    // Faint rules between the tile columns.
    QColor rule = style.panelEdge;
    rule.setAlpha(120);
    p.setPen(rule);
    for (int c = 1; c < 4; ++c) {
        const int x = kTileColumns[c] - 4;
        p.drawLine(x, kTileArea.top() + 10, x, kTileArea.bottom() - 10);
    }
    return image;
}

QImage cardBackground(const SkinStyle& style) {
    QImage image = paintedWindow(kMainWindowWidth, kMainWindowHeight, style);
    QPainter p(&image);
    paintLight(p, style);
    return image;
}

QImage skinPreview(const SkinStyle& style) {
    // A small window drawn at twice the size and reduced, so the chrome and keys look as in use.
    const int w = 300, h = 206;
    QImage big = paintedWindow(w, h, style);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont title("DejaVu Sans");
    title.setPixelSize(13);
    title.setBold(true);
    p.setFont(title);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, w, 22), Qt::AlignCenter, style.name);

    // A text box as the windows draw them: black, light green text, in a grey rounded frame.
    p.setPen(QPen(QColor(160, 160, 160), 1));
    p.setBrush(Qt::black);
    p.drawRoundedRect(QRectF(14.5, 34.5, 130, 110), 5, 5);
    QFont text("DejaVu Sans");
    text.setPixelSize(12);
    p.setFont(text);
    p.setPen(QColor(128, 255, 128));
    const char* lines[] = {"Titolo", "Autore", "Genere", "Anno"};
    for (int i = 0; i < 4; ++i) p.drawText(24, 56 + i * 24, lines[i]);

    const auto& buttons = imageButtons();
    auto find = [&](const QString& name) {
        for (const ButtonSpec& b : buttons)
            if (b.name == name) return b;
        return buttons.first();
    };
    p.drawImage(160, 34, paintButton(find("save48"), ButtonState::Out, style));
    p.drawImage(216, 34, paintButton(find("print48"), ButtonState::Over, style));
    p.drawImage(160, 90, paintButton(find("delete48"), ButtonState::Disabled, style));
    p.drawImage(216, 90, paintButton(find("settings48"), ButtonState::Out, style));
    p.drawImage(84, 164, paintButton(find("ok"), ButtonState::Out, style));
    p.drawImage(156, 164, paintButton(find("cancel21"), ButtonState::Out, style));
    p.end();
    return big.scaled(150, 103, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace artgen
