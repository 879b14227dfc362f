#include "frmElemento.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "ElementEditor.h"
#include "FileIntake.h"
#include "frame/Folders.h"
#include "frame/Language.h"
#include "frame/Paths.h"
#include "ui/Chrome.h"
#include "ui/Icons.h"
#include "ui/MsgDialogs.h"
#include "ui/Theme.h"

namespace card {

namespace {

constexpr int kWidth = 581;
constexpr int kHeight = 326;
constexpr int kSingleLineLimit = 255;
constexpr int kFrameHeight = 21;
constexpr int kTallFrameHeight = 129;

// Where each field's frame lies: fields 0 to 6, then the file field (index 7).
const QRect kFrames[8] = {
    {24, 40, 253, kFrameHeight},       {304, 40, 253, kFrameHeight}, {24, 80, 253, kFrameHeight},
    {304, 80, 117, kFrameHeight},      {444, 80, 113, kFrameHeight}, {24, 120, 253, kTallFrameHeight},
    {304, 120, 253, kTallFrameHeight}, {24, 268, 533, kFrameHeight},
};

const char* const kBoxStyle =
    " { border: none; padding: 0px; background: black; color: rgb(128, 255, 128);"
    " selection-background-color: rgb(64, 128, 64); selection-color: white; }";

QRect boxInside(const QRect& frame) {
    return frame.adjusted(8, 4, -8, -4);
}

// Multi-line boxes hold CR LF line ends, as the stored texts do.
QString toStored(QString text) {
    return text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

QString fromStored(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

}  // namespace

frmElemento::frmElemento(QWidget* parent) : ui::SkinnedWindow("frmElemento", QSize(kWidth, kHeight), parent) {
    lblFrmTitle_ = ui::MakeTitleLabel(this, QString(), QRect(4, 4, kWidth - 8, 13));
    lblFrmTitle_->setObjectName("lblFrmTitle");
    for (int i = 0; i < 8; ++i) {
        auto* frame = new ui::RoundedFrame(this);
        frame->setObjectName("shpElementi");
        frame->setProperty("index", i);
        frame->setGeometry(kFrames[i]);
        frames_[i] = frame;
    }
    for (int i = 0; i < kElementFields; ++i) {
        const QRect frame = kFrames[i];
        captions_[i] = ui::MakeLabel(this, "lblElementi" + QString::number(i + 1), QString(),
                                     QPoint(frame.x(), frame.y() - 16));
        QWidget* box;
        if (i < 5) {
            auto* line = new QLineEdit(this);
            line->setFrame(false);
            line->setMaxLength(kSingleLineLimit);
            line->setStyleSheet(QStringLiteral("QLineEdit") + kBoxStyle);
            box = line;
        } else {
            auto* text = new QPlainTextEdit(this);
            text->setFrameShape(QFrame::NoFrame);
            text->setStyleSheet(QStringLiteral("QPlainTextEdit") + kBoxStyle);
            box = text;
        }
        box->setObjectName("txtElementi");
        box->setProperty("index", i);
        box->setFont(ui::SkinFont());
        box->setGeometry(boxInside(frame));
        fields_[i] = box;
    }
    lblFile_ = ui::MakeLabel(this, "lblFile", QString(), QPoint(kFrames[7].x(), kFrames[7].y() - 16));
    lblFile_->setProperty("linkCursor", true);
    lblFile_->installEventFilter(this);
    txtFile_ = new QLineEdit(this);
    txtFile_->setObjectName("txtFile");
    txtFile_->setFrame(false);
    txtFile_->setReadOnly(true);
    txtFile_->setMaxLength(kSingleLineLimit);
    txtFile_->setFont(ui::SkinFont());
    txtFile_->setStyleSheet(QStringLiteral("QLineEdit") + kBoxStyle);
    txtFile_->setGeometry(boxInside(kFrames[7]));

    for (int i = 0; i + 1 < kElementFields; ++i) setTabOrder(fields_[i], fields_[i + 1]);
    setTabOrder(fields_[kElementFields - 1], txtFile_);

    btnSave_ = new ui::ImageButton(this, "Save", "save21", QRect(433, 298, 60, 21));
    btnCancel_ = new ui::ImageButton(this, "Cancel", "cancel21", QRect(497, 298, 60, 21));
    connect(btnSave_, &ui::ImageButton::pressed, this, [this] { sbSave(); });
    connect(btnCancel_, &ui::ImageButton::pressed, this, &frmElemento::sbCancel);
}

void frmElemento::sbInit() {
    ui::sbPaintSkin(this);
    ui::sbSetIcons(this);
    ui::RefreshButtons(this);
}

void frmElemento::setIDCategoria(long id) {
    idCategoria_ = id;
    setCatPath(frame::CategoryFolder(id));
}

void frmElemento::setCatPath(const QString& catPath) {
    catPath_ = catPath;
    id3_ = CategoryReadsId3(catPath);
}

void frmElemento::setIDTipo(int kind) {
    idTipo_ = kind;
    const QStringList labels = ReadElementLabels(kind, frame::CategoryLabelFile(catPath_));
    if (labels.isEmpty()) return;
    labels_ = labels;
    applyLabels();
}

void frmElemento::applyLabels() {
    lblFrmTitle_->setText(labels_[0]);
    setWindowTitle(labels_[0]);
    for (int i = 0; i < kElementFields; ++i) {
        const QString& label = labels_[i + 1];
        captions_[i]->setText(label);
        captions_[i]->adjustSize();
        captions_[i]->setVisible(ElementCaptionShown(label));
        fields_[i]->setVisible(ElementFieldShown(label));
        frames_[i]->setVisible(ElementFieldShown(label));
    }
    const QString& fileLabel = labels_[kElementLabels - 1];
    lblFile_->setText(fileLabel);
    lblFile_->adjustSize();
    lblFile_->setVisible(ElementFieldShown(fileLabel));
    frames_[7]->setVisible(ElementFieldShown(fileLabel));
    // The file field itself always shows: a stored path is never hidden.
    txtFile_->setVisible(true);
}

void frmElemento::sbAddNew() {
    mode_ = kNewRow;
    ui::RefreshButtons(this);
}

void frmElemento::sbEdit(const QStringList& row8) {
    for (int i = 0; i < kElementFields; ++i) setFieldText(i, row8.value(i));
    txtFile_->setText(row8.value(kElementFileColumn));
    mode_ = kChangeRow;
    ui::RefreshButtons(this);
}

QString frmElemento::fieldText(int index) const {
    if (auto* line = qobject_cast<QLineEdit*>(fields_[index])) return line->text();
    return toStored(static_cast<QPlainTextEdit*>(fields_[index])->toPlainText());
}

void frmElemento::setFieldText(int index, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(fields_[index]))
        line->setText(text);
    else
        static_cast<QPlainTextEdit*>(fields_[index])->setPlainText(fromStored(text));
}

QStringList frmElemento::Row() const {
    QStringList row;
    for (int i = 0; i < kElementFields; ++i) row << fieldText(i);
    return row << txtFile_->text();
}

void frmElemento::sbGetMP3Info(const QString& path) {
    const QStringList fields = Mp3Fields(path);
    for (int i = 0; i < kElementFields; ++i) setFieldText(i, fields[i]);
}

void frmElemento::sbTakeFile(const QString& chosen) {
    const QString stored = TakeFileIntoFolder(chosen, catPath_);
    // A copy that failed stores nothing: the field keeps its file.
    if (stored.isEmpty()) return;
    txtFile_->setText(stored);
    if (id3_) sbGetMP3Info(frame::NativePath(stored));
}

void frmElemento::chooseFile() {
    const QString chosen =
        QFileDialog::getOpenFileName(this, QString(), QString(), QStringLiteral("*.* (*)"));
    if (chosen.isEmpty() || !QFileInfo(chosen).isFile()) return;
    sbTakeFile(chosen);
}

bool frmElemento::sbSave() {
    const QString title = labels_.value(0);
    const QString report = ElementCheckReport(Row(), title, lblFile_->text());
    if (!report.isEmpty()) {
        ui::MsgError(frame::errImmissione, report);
        return false;
    }
    if (ui::MsgConfirm(frame::cnfSalva) != ui::cMsgRetValue::kOK) return false;
    saved_ = true;
    ui::sbCloseForm(this);
    return true;
}

void frmElemento::sbCancel() {
    ui::sbCloseForm(this);
}

bool frmElemento::previewKey(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            // Enter saves from any field, the multi-line ones included.
            sbSave();
            return true;
        case Qt::Key_Escape:
            sbCancel();
            return true;
        default:
            return false;
    }
}

bool frmElemento::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblFile_ && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        chooseFile();
        return true;
    }
    return ui::SkinnedWindow::eventFilter(watched, event);
}

bool EditElementRow(QWidget* parent, int kind, const QString& catPath, QStringList& row8) {
    frmElemento editor(parent);
    editor.sbInit();
    editor.setCatPath(catPath);
    editor.setIDTipo(kind);
    if (row8.isEmpty())
        editor.sbAddNew();
    else
        editor.sbEdit(row8);
    ui::CenterOnActiveWindow(&editor);
    editor.exec();
    if (!editor.Saved()) return false;
    row8 = editor.Row();
    return true;
}

}  // namespace card
