#include "app/ui/Prompts.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QMessageBox>
#include <QRegularExpression>

namespace veltmoor {

namespace {

QString pictureFilter() {
    return QObject::tr("Pictures (*.bmp *.jpg *.jpeg *.jpe *.jfif);;Bitmaps (*.bmp);;"
                       "JPEG pictures (*.jpg *.jpeg *.jpe *.jfif);;All files (*)");
}

QString applicationCaption(const QString& caption) {
    return caption.isEmpty() ? QApplication::applicationDisplayName() : caption;
}

// The effects group of Qt's own font dialog holds the underline and strike-out boxes;
// those belong to the design's font as it stands, so the dialog does not offer them.
void hideEffects(QFontDialog& dialog) {
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
        if (auto* group = qobject_cast<QGroupBox*>(box->parentWidget())) {
            group->hide();
        } else {
            box->hide();
        }
    }
}

} // namespace

QFont toQFont(const Font& font) {
    QFont qfont(font.name);
    qfont.setPointSize(font.sizePoints > 0 ? font.sizePoints : 1);
    qfont.setBold(font.style.bold);
    qfont.setItalic(font.style.italic);
    qfont.setUnderline(font.style.underline);
    qfont.setStrikeOut(font.style.strikeOut);
    return qfont;
}

std::optional<QString> QtPrompts::openPicture(const QString& title, const QString& initialFolder) {
    const QString path =
        QFileDialog::getOpenFileName(parent_, title, initialFolder, pictureFilter());
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

std::optional<QString> QtPrompts::openFile(const QString& title, const QString& filter,
                                           const QString& initialFolder) {
    const QString path = QFileDialog::getOpenFileName(parent_, title, initialFolder, filter);
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return path;
}

std::optional<QString> QtPrompts::saveFile(const QString& title, const QString& filter,
                                           const QString& defaultSuffix,
                                           const QString& initialFolder) {
    QFileDialog dialog(parent_, title, initialFolder, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(defaultSuffix);
    // A name typed without an ending gets the ending of the kind of file chosen in the list.
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& kind) {
            static const QRegularExpression firstEnding(QStringLiteral("\\*\\.(\\w+)"));
            const QRegularExpressionMatch ending = firstEnding.match(kind);
            if (ending.hasMatch()) {
                dialog.setDefaultSuffix(ending.captured(1));
            }
        });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

std::optional<TColor> QtPrompts::chooseColor(TColor initial) {
    const TColor concrete = resolveSystemColor(initial);
    const QColor chosen =
        QColorDialog::getColor(QColor(redOf(concrete), greenOf(concrete), blueOf(concrete)),
                               parent_, QString(), QColorDialog::DontUseNativeDialog);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return rgbColor(chosen.red(), chosen.green(), chosen.blue());
}

std::optional<Font> QtPrompts::chooseFont(const Font& initial) {
    const QFont start = toQFont(initial);
    QFontDialog dialog(start, parent_);
    dialog.setOption(QFontDialog::DontUseNativeDialog);
    hideEffects(dialog);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QFont chosen = dialog.selectedFont();
    Font result = initial;
    // A Windows face that fontconfig stands in for comes back as the stand-in's family;
    // keep the name the design uses unless the user picked another face.
    if (chosen.family() != QFontInfo(start).family()) {
        result.name = chosen.family();
    }
    result.sizePoints = chosen.pointSize() > 0 ? chosen.pointSize() : initial.sizePoints;
    result.style.bold = chosen.bold();
    result.style.italic = chosen.italic();
    return result;
}

void QtPrompts::message(const QString& text, const QString& caption) {
    QMessageBox::information(parent_, applicationCaption(caption), text);
}

bool QtPrompts::askYesNo(const QString& text, const QString& caption) {
    return QMessageBox::question(parent_, applicationCaption(caption), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bool QtPrompts::askOkCancel(const QString& text, const QString& caption) {
    return QMessageBox::warning(parent_, applicationCaption(caption), text,
                                QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

} // namespace veltmoor
