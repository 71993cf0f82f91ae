#include "app/ui/Prompts.h"

#include "app/ui/CalibrationDialog.h"
#include "app/ui/PriceListDialog.h"
#include "app/ui/PrinterSetupDialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QRegularExpression>

#include <algorithm>

namespace veltmoor {

namespace {

QString pictureFilter() {
    return QObject::tr("Pictures (*.bmp *.jpg *.jpeg *.jpe *.jfif);;Bitmaps (*.bmp);;"
                       "JPEG pictures (*.jpg *.jpeg *.jpe *.jfif);;All files (*)");
}

// The progress dialog of a long job; Cancel asks the job to stop after the step it is in.
class ProgressDialogJob : public JobProgress {
public:
    ProgressDialogJob(QWidget* parent, const QString& title, const QString& stepText, int count)
        : dialog_(stepText.arg(0).arg(count), QObject::tr("Cancel"), 0, count, parent),
          stepText_(stepText) {
        dialog_.setWindowTitle(title);
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setMinimumDuration(500);
        dialog_.setAutoReset(false);
        dialog_.setValue(0);
    }

    bool advance(int done, int count) override {
        // The label names the sheet being made next, the one the wait is for.
        dialog_.setLabelText(stepText_.arg(std::min(done + 1, count)).arg(count));
        dialog_.setValue(done);
        return !dialog_.wasCanceled();
    }

private:
    QProgressDialog dialog_;
    QString stepText_;
};

QString applicationCaption(const QString& caption) {
    return caption.isEmpty() ? QApplication::applicationDisplayName() : caption;
}

// The effects group of Qt's own font dialog holds the underline and strike-out boxes;
// those belong to the design's font as it stands, so the dialog does not offer them.
// Returns the height the effects took, which the sample beside them had to show in.
int hideEffects(QFontDialog& dialog) {
    int height = 0;
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>()) {
        if (auto* group = qobject_cast<QGroupBox*>(box->parentWidget())) {
            height = std::max(height, group->sizeHint().height());
            group->hide();
        } else {
            box->hide();
        }
    }
    return height;
}

// The dialog lists the faces the system has. A face the design names that the system only
// stands in for (a Windows face) is shown as the face the tag is really drawn with: the
// stand-in's family and style.
QFont dialogStartFont(const Font& font) {
    const QFontInfo drawn(toQFont(font));
    QFont start(drawn.family());
    start.setPointSize(font.sizePoints > 0 ? font.sizePoints : 1);
    start.setBold(font.style.bold);
    start.setItalic(font.style.italic);
    start.setStyleName(drawn.styleName());
    return start;
}

// The sample line of Qt's font dialog is the only edit inside a group box.
QLineEdit* fontDialogSample(QFontDialog& dialog) {
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>()) {
        if (qobject_cast<QGroupBox*>(edit->parentWidget()) != nullptr) {
            return edit;
        }
    }
    return nullptr;
}

} // namespace

std::unique_ptr<QFontDialog> makeFontDialog(const Font& font, QWidget* parent) {
    auto dialog = std::make_unique<QFontDialog>(parent);
    dialog->setOption(QFontDialog::DontUseNativeDialog);
    dialog->setCurrentFont(dialogStartFont(font));
    const int effectsHeight = hideEffects(*dialog);
    if (QLineEdit* sample = fontDialogSample(*dialog)) {
        sample->parentWidget()->setMinimumHeight(effectsHeight);
        const TColor colour = resolveSystemColor(font.color);
        QPalette palette = sample->palette();
        palette.setColor(QPalette::Text, QColor(redOf(colour), greenOf(colour), blueOf(colour)));
        sample->setPalette(palette);
    }
    return dialog;
}

Font fontFromDialog(const Font& initial, const QFontDialog& dialog) {
    const QFont chosen = dialog.currentFont();
    Font result = initial;
    // The stand-in's family coming back means the user kept the face: keep its name.
    if (chosen.family() != dialogStartFont(initial).family()) {
        result.name = chosen.family();
    }
    result.sizePoints = chosen.pointSize() > 0 ? chosen.pointSize() : initial.sizePoints;
    result.style.bold = chosen.bold();
    result.style.italic = chosen.italic();
    return result;
}

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
    const std::unique_ptr<QFontDialog> dialog = makeFontDialog(initial, parent_);
    if (dialog->exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return fontFromDialog(initial, *dialog);
}

void QtPrompts::message(const QString& text, const QString& caption) {
    QMessageBox::information(parent_, applicationCaption(caption), text);
}

void QtPrompts::notice(const QString& text) {
    if (notice_ == nullptr) {
        notice_ = new QMessageBox(QMessageBox::Information, applicationCaption(QString()), text,
                                  QMessageBox::Ok, parent_);
        notice_->setAttribute(Qt::WA_DeleteOnClose);
        notice_->setWindowModality(Qt::NonModal);
        // Shown beside the window without taking the keyboard from the control typed in.
        notice_->setAttribute(Qt::WA_ShowWithoutActivating);
    }
    notice_->setText(text);
    notice_->show();
}

bool QtPrompts::askYesNo(const QString& text, const QString& caption) {
    return QMessageBox::question(parent_, applicationCaption(caption), text,
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<bool> QtPrompts::askYesNoCancel(const QString& text, const QString& caption) {
    const QMessageBox::StandardButton answer =
        QMessageBox::question(parent_, applicationCaption(caption), text,
                              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) {
        return std::nullopt;
    }
    return answer == QMessageBox::Yes;
}

bool QtPrompts::askOkCancel(const QString& text, const QString& caption) {
    return QMessageBox::warning(parent_, applicationCaption(caption), text,
                                QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

std::optional<PrinterSelection>
QtPrompts::choosePrinter(const std::vector<PrinterDescription>& printers,
                         const PrinterSelection& current) {
    PrinterSetupDialog dialog(printers, current, parent_);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.selection();
}

void QtPrompts::calibratePrinter(const PrinterMetrics& metrics) {
    CalibrationDialog dialog(metrics, parent_);
    dialog.exec();
}

bool QtPrompts::confirmPriceList(const PriceListSummary& summary) {
    PriceListDialog dialog(summary, parent_);
    return dialog.exec() == QDialog::Accepted;
}

std::unique_ptr<JobProgress> QtPrompts::startJob(const QString& title, const QString& stepText,
                                                 int count) {
    return std::make_unique<ProgressDialogJob>(parent_, title, stepText, count);
}

} // namespace veltmoor
