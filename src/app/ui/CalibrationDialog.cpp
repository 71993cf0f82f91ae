#include "app/ui/CalibrationDialog.h"

#include "app/ui/BusyCursor.h"
#include "app/ui/Prompts.h"
#include "app/ui/TForm1.h"
#include "app/ui/pages/ControlPage.h"
#include "platform/Errors.h"
#include "printing/Calibration.h"
#include "printing/SheetPrinter.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace veltmoor {

namespace {

QString millimetres(double value) {
    return QLocale::c().toString(value, 'f', 1);
}

// What the four numbers of a profile mean, in a sentence.
QString describe(const CalibrationProfile& profile) {
    const QStringList values = formatCalibrationProfile(profile).split(QLatin1Char(','));
    return QStringLiteral("moved %1 mm to the right and %2 mm down, scaled %3 % across and "
                          "%4 % down")
        .arg(values.at(0), values.at(1), values.at(2), values.at(3));
}

QLineEdit* measurementEdit(const QString& name, double nominal, QWidget* parent) {
    auto* edit = new QLineEdit(millimetres(nominal), parent);
    edit->setObjectName(name);
    return edit;
}

double measured(const QLineEdit* edit, const QString& what) {
    bool ok = false;
    const double value = QLocale::c().toDouble(edit->text().trimmed(), &ok);
    if (!ok) {
        throw UserError(QStringLiteral("The %1 \"%2\" is not a number of millimetres.")
                            .arg(what, edit->text().trimmed()));
    }
    return value;
}

QPushButton* dialogButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CalibrationDialog::CalibrationDialog(const PrinterMetrics& metrics, QWidget* parent)
    : QDialog(parent), metrics_(metrics) {
    setObjectName(QStringLiteral("CalibrationDialog"));
    setWindowTitle(QStringLiteral("Calibrate Printer \"%1\"").arg(metrics.PrinterName));
    buildControls();
    showProfileInUse();
}

void CalibrationDialog::buildControls() {
    auto* layout = new QVBoxLayout(this);
    InUseLabel = new QLabel(this);
    InUseLabel->setObjectName(QStringLiteral("InUseLabel"));
    InUseLabel->setWordWrap(true);
    layout->addWidget(InUseLabel);

    PrintSheetButton = dialogButton(QStringLiteral("PrintSheetButton"),
                                    QStringLiteral("&Print Calibration Sheet"), this);
    layout->addWidget(PrintSheetButton);

    const QPointF zero = nominalVernierZeroMm(metrics_);
    AcrossEdit = measurementEdit(QStringLiteral("AcrossEdit"),
                                 CalibrationSheetGeometry::kCrossSpacingAcrossMm, this);
    DownEdit = measurementEdit(QStringLiteral("DownEdit"),
                               CalibrationSheetGeometry::kCrossSpacingDownMm, this);
    LeftEdgeEdit = measurementEdit(QStringLiteral("LeftEdgeEdit"), zero.x(), this);
    TopEdgeEdit = measurementEdit(QStringLiteral("TopEdgeEdit"), zero.y(), this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Cross A to cross B, across (mm):"), AcrossEdit);
    form->addRow(QStringLiteral("Cross A to cross C, down (mm):"), DownEdit);
    form->addRow(QStringLiteral("Left paper edge to the vernier's zero (mm):"), LeftEdgeEdit);
    form->addRow(QStringLiteral("Top paper edge to the vernier's zero (mm):"), TopEdgeEdit);
    layout->addLayout(form);

    WorkOutButton =
        dialogButton(QStringLiteral("WorkOutButton"), QStringLiteral("&Work Out"), this);
    layout->addWidget(WorkOutButton);
    CorrectedLabel = new QLabel(this);
    CorrectedLabel->setObjectName(QStringLiteral("CorrectedLabel"));
    CorrectedLabel->setWordWrap(true);
    layout->addWidget(CorrectedLabel);
    ProblemLabel = new QLabel(this);
    ProblemLabel->setObjectName(QStringLiteral("ProblemLabel"));
    ProblemLabel->setWordWrap(true);
    ProblemLabel->setStyleSheet(QStringLiteral("color: #b00000"));
    layout->addWidget(ProblemLabel);

    auto* buttons = new QDialogButtonBox(this);
    KeepButton = dialogButton(QStringLiteral("KeepButton"), QStringLiteral("&Keep"), this);
    KeepButton->setEnabled(false);
    ResetButton = dialogButton(QStringLiteral("ResetButton"), QStringLiteral("&Reset"), this);
    buttons->addButton(KeepButton, QDialogButtonBox::ActionRole);
    buttons->addButton(ResetButton, QDialogButtonBox::ResetRole);
    buttons->addButton(QDialogButtonBox::Close);
    layout->addWidget(buttons);

    connect(PrintSheetButton, &QPushButton::clicked, this,
            [this] { attempt([this] { printSheet(); }); });
    connect(WorkOutButton, &QPushButton::clicked, this, [this] { attempt([this] { workOut(); }); });
    connect(KeepButton, &QPushButton::clicked, this, [this] { attempt([this] { keep(); }); });
    connect(ResetButton, &QPushButton::clicked, this, [this] { attempt([this] { reset(); }); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CalibrationDialog::attempt(const std::function<void()>& action) {
    ProblemLabel->clear();
    try {
        action();
    } catch (const UserError& error) {
        ProblemLabel->setText(error.message());
    }
}

void CalibrationDialog::showProfileInUse() {
    // A damaged profile is shown as it is; Reset mends it.
    try {
        const std::optional<CalibrationProfile> profile = loadCalibration(metrics_.PrinterName);
        InUseLabel->setText(
            profile
                ? QStringLiteral("In use: the page is %1.").arg(describe(*profile))
                : QStringLiteral("In use: none; the page is printed where the driver puts it."));
    } catch (const UnreadableCalibration& damage) {
        InUseLabel->setText(
            QStringLiteral("In use: %1 \"Reset\" removes it.").arg(damage.message()));
    }
}

void CalibrationDialog::printSheet() {
    const BusyCursor busy;
    PrintCalibrationSheet(metrics_.PrinterName);
    CorrectedLabel->setText(
        QStringLiteral("The sheet was sent to \"%1\". Measure it and enter the four numbers.")
            .arg(metrics_.PrinterName));
}

void CalibrationDialog::workOut() {
    workedOut_.reset();
    KeepButton->setEnabled(false);
    CalibrationMeasurements measurements;
    measurements.acrossMm = measured(AcrossEdit, QStringLiteral("distance across"));
    measurements.downMm = measured(DownEdit, QStringLiteral("distance down"));
    measurements.leftEdgeMm = measured(LeftEdgeEdit, QStringLiteral("left edge reading"));
    measurements.topEdgeMm = measured(TopEdgeEdit, QStringLiteral("top edge reading"));
    workedOut_ = profileFromMeasurements(measurements, metrics_);
    CorrectedLabel->setText(QStringLiteral("Corrected: the page will be %1 (%2).")
                                .arg(describe(*workedOut_), formatCalibrationProfile(*workedOut_)));
    KeepButton->setEnabled(true);
}

void CalibrationDialog::keep() {
    if (workedOut_) {
        saveCalibration(metrics_.PrinterName, *workedOut_);
        showProfileInUse();
    }
}

void CalibrationDialog::reset() {
    saveCalibration(metrics_.PrinterName, CalibrationProfile{});
    showProfileInUse();
}

void TForm1::CalibratePrinterButtonClick() {
    // The printer the window prints on now, with the page it last read from it.
    const PrinterMetrics metrics = printerMetrics_;
    if (metrics.PrinterName == builtInPdfPrinterName()) {
        throw UserError(QStringLiteral("The built-in PDF printer writes the sheet at its true size "
                                       "and takes no calibration: choose an installed printer "
                                       "with \"Printer Setup\" first."));
    }
    prompts_.calibratePrinter(metrics);
}

void TForm1::connectCalibrationCommands() {
    onPage(controlPage_, &ControlPage::calibrationAsked, [this] { CalibratePrinterButtonClick(); });
}

} // namespace veltmoor
