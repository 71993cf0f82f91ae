#pragma once

#include "output/PrintCalibration.h"
#include "output/PrinterMetrics.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace veltmoor {

// The printer's calibration: prints the calibration sheet, takes the four numbers measured
// on it, shows the correction they give, and keeps or resets the printer's profile. What
// goes wrong is said in the dialog itself; the profile kept stays as it was.
class CalibrationDialog : public QDialog {
public:
    // metrics: the page of the printer being calibrated (never the built-in PDF printer).
    explicit CalibrationDialog(const PrinterMetrics& metrics, QWidget* parent = nullptr);

    QLabel* InUseLabel = nullptr;
    QPushButton* PrintSheetButton = nullptr;
    QLineEdit* AcrossEdit = nullptr;
    QLineEdit* DownEdit = nullptr;
    QLineEdit* LeftEdgeEdit = nullptr;
    QLineEdit* TopEdgeEdit = nullptr;
    QPushButton* WorkOutButton = nullptr;
    QLabel* CorrectedLabel = nullptr;
    QPushButton* KeepButton = nullptr;
    QPushButton* ResetButton = nullptr;
    QLabel* ProblemLabel = nullptr;

private:
    void buildControls();
    void attempt(const std::function<void()>& action);
    void showProfileInUse();
    void printSheet();
    void workOut();
    void keep();
    void reset();

    PrinterMetrics metrics_;
    std::optional<CalibrationProfile> workedOut_;
};

} // namespace veltmoor
