#pragma once

#include "platform/Canvas.h"
#include "platform/TColor.h"
#include "printing/SheetPrinter.h"

#include <QFont>
#include <QMessageBox>
#include <QPointer>
#include <QString>

#include <memory>
#include <optional>

class QFontDialog;
class QWidget;

namespace veltmoor {

struct PriceListSummary;

// A long job's progress as the user sees it: a step of count done at a time, and a way to
// stop it.
class JobProgress {
public:
    virtual ~JobProgress() = default;
    // After each step; false once the user has asked to stop.
    virtual bool advance(int done, int count) = 0;
};

// Every question the window puts to the user goes through here, so that tests can
// answer them and the window never blocks in a dialog it did not expect. An empty
// optional means the user cancelled.
class Prompts {
public:
    virtual ~Prompts() = default;

    // A picture file (the formats the program reads); initialFolder may be empty.
    virtual std::optional<QString> openPicture(const QString& title,
                                               const QString& initialFolder) = 0;
    virtual std::optional<QString> openFile(const QString& title, const QString& filter,
                                            const QString& initialFolder) = 0;
    virtual std::optional<QString> saveFile(const QString& title, const QString& filter,
                                            const QString& defaultSuffix,
                                            const QString& initialFolder) = 0;
    // The colour dialog, opened with its custom colours showing.
    virtual std::optional<TColor> chooseColor(TColor initial) = 0;
    // Face, size and bold/italic only: colour and the underline/strike-out effects are
    // chosen elsewhere and come back as they went in.
    virtual std::optional<Font> chooseFont(const Font& initial) = 0;
    // A plain message with an OK button.
    virtual void message(const QString& text, const QString& caption = QString()) = 0;
    // A message that leaves the keyboard where it is, for a note given while the user
    // types; it stays until closed. Where no such window exists it is a plain message.
    virtual void notice(const QString& text) { message(text); }
    // A question with Yes and No; true for Yes.
    virtual bool askYesNo(const QString& text, const QString& caption) = 0;
    // A question with Yes, No and Cancel: true for Yes, false for No, nothing for Cancel.
    virtual std::optional<bool> askYesNoCancel(const QString& text, const QString& caption) = 0;
    // A warning with OK and Cancel; true for OK.
    virtual bool askOkCancel(const QString& text, const QString& caption) = 0;
    // The printer set-up: one of the printers, its paper and the orientation, starting
    // from the current choice.
    virtual std::optional<PrinterSelection>
    choosePrinter(const std::vector<PrinterDescription>& printers,
                  const PrinterSelection& current) = 0;
    // The printer's calibration, on the page read from it: prints the calibration sheet,
    // keeps or resets the printer's profile. It says its own problems and never throws.
    virtual void calibratePrinter(const PrinterMetrics& metrics) = 0;
    // A price list as read and checked against the design; true when the user chose to use
    // it (never for a list with problems).
    virtual bool confirmPriceList(const PriceListSummary& summary) = 0;
    // The progress of a job of count steps, each shown by stepText ("Sheet %1 of %2"); it
    // goes away with the object.
    virtual std::unique_ptr<JobProgress> startJob(const QString& title, const QString& stepText,
                                                  int count) = 0;
};

// The real dialogs, parented to the given window.
class QtPrompts : public Prompts {
public:
    explicit QtPrompts(QWidget* parent) : parent_(parent) {}

    std::optional<QString> openPicture(const QString& title, const QString& initialFolder) override;
    std::optional<QString> openFile(const QString& title, const QString& filter,
                                    const QString& initialFolder) override;
    std::optional<QString> saveFile(const QString& title, const QString& filter,
                                    const QString& defaultSuffix,
                                    const QString& initialFolder) override;
    std::optional<TColor> chooseColor(TColor initial) override;
    std::optional<Font> chooseFont(const Font& initial) override;
    void message(const QString& text, const QString& caption = QString()) override;
    void notice(const QString& text) override;
    bool askYesNo(const QString& text, const QString& caption) override;
    std::optional<bool> askYesNoCancel(const QString& text, const QString& caption) override;
    bool askOkCancel(const QString& text, const QString& caption) override;
    std::optional<PrinterSelection> choosePrinter(const std::vector<PrinterDescription>& printers,
                                                  const PrinterSelection& current) override;
    void calibratePrinter(const PrinterMetrics& metrics) override;
    bool confirmPriceList(const PriceListSummary& summary) override;
    std::unique_ptr<JobProgress> startJob(const QString& title, const QString& stepText,
                                          int count) override;

private:
    QWidget* parent_;
    QPointer<QMessageBox> notice_; // the notice on screen, reused for the next one
};

// The Qt font that stands for one of our fonts at the given point size.
QFont toQFont(const Font& font);

// Qt's font dialog, opened on the given font: its face (or the face standing in for it),
// size and style, with the sample written in its colour. Underline and strike-out are not
// offered.
std::unique_ptr<QFontDialog> makeFontDialog(const Font& font, QWidget* parent);
// The dialog's font as ours: what the dialog does not offer comes back as it went in, and
// a face left as it was keeps the design's name for it.
Font fontFromDialog(const Font& initial, const QFontDialog& dialog);

} // namespace veltmoor
