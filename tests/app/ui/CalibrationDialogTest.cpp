// The calibration dialog as a user works it: four measured numbers in, the correction shown,
// kept or reset; a value out of range is refused and keeps nothing.
#include "app/ui/CalibrationDialog.h"

#include "platform/Errors.h"
#include "printing/Calibration.h"
#include "support/TestPrinters.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

using test::letterWithMargins;

TEST(CalibrationDialog, WorksOutKeepsAndResetsTheProfileAndRefusesValuesOutOfRange) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    qputenv("VELTMOOR_SETTINGS_FILE", folder.filePath(QStringLiteral("settings.conf")).toUtf8());
    CalibrationDialog dialog(letterWithMargins());
    EXPECT_TRUE(dialog.InUseLabel->text().contains(QLatin1String("none")));
    const auto enter = [&](const char* across, const char* down, const char* left,
                           const char* top) {
        dialog.AcrossEdit->setText(QString::fromLatin1(across));
        dialog.DownEdit->setText(QString::fromLatin1(down));
        dialog.LeftEdgeEdit->setText(QString::fromLatin1(left));
        dialog.TopEdgeEdit->setText(QString::fromLatin1(top));
        dialog.WorkOutButton->click();
    };

    // 1 % large and 1.0 mm to the right; 0.5 % small and 2.0 mm up (the zero lines read
    // 1.0 + 12 x 1.01 and -2.0 + 12 x 0.995 mm beyond their corner).
    enter("151.5", "199.0", "19.47", "19.465");
    EXPECT_TRUE(dialog.CorrectedLabel->text().contains(QLatin1String("-1.0,2.0,99.01,100.50")))
        << dialog.CorrectedLabel->text().toStdString();
    EXPECT_EQ(loadCalibration(QStringLiteral("Office")), std::nullopt) << "kept before Keep";
    ASSERT_TRUE(dialog.KeepButton->isEnabled());
    dialog.KeepButton->click();
    const CalibrationProfile kept{-10, 20, 9901, 10050};
    EXPECT_EQ(loadCalibration(QStringLiteral("Office")), kept);
    EXPECT_TRUE(dialog.InUseLabel->text().contains(QLatin1String("-1.0 mm to the right")))
        << dialog.InUseLabel->text().toStdString();

    const struct {
        const char* across;
        const char* left;
        const char* problem;
    } refused[] = {
        {"140", "18.35", "Value must be between 95.00 and 105.00"},
        {"150", "30", "Value must be between -10.0 and 10.0"},
        {"15O", "18.35", "\"15O\" is not a number"},
    };
    for (const auto& entry : refused) {
        enter(entry.across, "200", entry.left, "21.525");
        EXPECT_TRUE(dialog.ProblemLabel->text().contains(QLatin1String(entry.problem)))
            << dialog.ProblemLabel->text().toStdString();
        EXPECT_FALSE(dialog.KeepButton->isEnabled());
        EXPECT_EQ(loadCalibration(QStringLiteral("Office")), kept);
    }

    dialog.ResetButton->click();
    EXPECT_EQ(loadCalibration(QStringLiteral("Office")), std::nullopt);
    EXPECT_TRUE(dialog.InUseLabel->text().contains(QLatin1String("none")));
    qunsetenv("VELTMOOR_SETTINGS_FILE");
}

// A damaged profile does not keep the dialog shut: it shows the damage, and Reset mends it.
TEST(CalibrationDialog, OpensOnADamagedProfileAndResetMendsIt) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString settingsFile = folder.filePath(QStringLiteral("settings.conf"));
    qputenv("VELTMOOR_SETTINGS_FILE", settingsFile.toUtf8());
    QSettings(settingsFile, QSettings::IniFormat)
        .setValue(QStringLiteral("Calibration/Office"), QStringLiteral("1.5,oops"));
    ASSERT_THROW(loadCalibration(QStringLiteral("Office")), UserError);

    CalibrationDialog dialog(letterWithMargins());
    EXPECT_TRUE(dialog.InUseLabel->text().contains(QLatin1String("cannot be used")))
        << dialog.InUseLabel->text().toStdString();
    dialog.ResetButton->click();
    EXPECT_TRUE(dialog.ProblemLabel->text().isEmpty()) << dialog.ProblemLabel->text().toStdString();
    EXPECT_EQ(loadCalibration(QStringLiteral("Office")), std::nullopt);
    EXPECT_TRUE(dialog.InUseLabel->text().contains(QLatin1String("none")));
    qunsetenv("VELTMOOR_SETTINGS_FILE");
}

} // namespace
} // namespace veltmoor
