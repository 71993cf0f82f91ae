// The calibration sheet: drawn as lines on the printer's own dots, never as a bitmap, so
// that its distances are exact whatever the printer's resolution.
#include "output/PrintCalibration.h"
#include "platform/Units.h"

#include <QFont>
#include <QLocale>
#include <QPainter>

namespace veltmoor {

namespace {

constexpr double kLineWidthMm = 0.2;
constexpr double kCrossArmMm = 10.0;
constexpr double kVernierStepMm = 0.9; // ten steps make nine millimetres: reads tenths
constexpr int kVernierSquares = 11;
constexpr double kVernierSquareMm = 0.5;
constexpr double kVernierLengthMm = 18.0;
constexpr double kVernierRowMm = 14.0; // from the zero line to the squares across the other way

// Millimetres from the printable area's top-left corner to device dots on the paper.
class SheetPen {
public:
    SheetPen(QPainter& painter, const PrinterMetrics& metrics)
        : painter_(painter), metrics_(metrics) {}

    QPointF at(double xMm, double yMm) const {
        return QPointF(
            metrics_.PhysicalOffsetX + units::printerDotsFromMm(xMm, metrics_.PixelsPerInchX),
            metrics_.PhysicalOffsetY + units::printerDotsFromMm(yMm, metrics_.PixelsPerInchY));
    }

    void line(double x0, double y0, double x1, double y1) const {
        painter_.drawLine(QLineF(at(x0, y0), at(x1, y1)));
    }

    void box(double x0, double y0, double x1, double y1) const {
        painter_.fillRect(QRectF(at(x0, y0), at(x1, y1)), Qt::black);
    }

    void text(double xMm, double yMm, const QString& text) const {
        painter_.drawText(at(xMm, yMm), text);
    }

    double widthMm() const {
        return units::mmFromPrinterDots(metrics_.PageWidth, metrics_.PixelsPerInchX);
    }
    double heightMm() const {
        return units::mmFromPrinterDots(metrics_.PageHeight, metrics_.PixelsPerInchY);
    }

private:
    QPainter& painter_;
    const PrinterMetrics& metrics_;
};

double tickLengthMm(int mm) {
    if (mm % 10 == 0) {
        return 4.0;
    }
    return mm % 5 == 0 ? 2.5 : 1.5;
}

void drawRulers(const SheetPen& pen) {
    for (int mm = 0; mm <= static_cast<int>(pen.widthMm()); ++mm) {
        pen.line(mm, 0, mm, tickLengthMm(mm));
        if (mm % 10 == 0 && mm > 0) {
            pen.text(mm + 0.5, 7.0, QString::number(mm / 10));
        }
    }
    for (int mm = 0; mm <= static_cast<int>(pen.heightMm()); ++mm) {
        pen.line(0, mm, tickLengthMm(mm), mm);
        if (mm % 10 == 0 && mm > 0) {
            pen.text(4.5, mm - 0.5, QString::number(mm / 10));
        }
    }
    pen.text(12.0, 10.0, QStringLiteral("cm"));
}

void drawCross(const SheetPen& pen, double x, double y, const QString& label) {
    pen.line(x - kCrossArmMm, y, x + kCrossArmMm, y);
    pen.line(x, y - kCrossArmMm, x, y + kCrossArmMm);
    pen.text(x + 2.0, y - 2.0, label);
}

// A vernier for each direction: the zero line, and squares every 0.9 mm from it. With a
// ruler's zero held at the paper's edge, the whole millimetres are read just before the zero
// line and the tenths from the square that lines up with a millimetre mark of the ruler.
void drawVernier(const SheetPen& pen, const PrinterMetrics& metrics) {
    const double zero = CalibrationSheetGeometry::kVernierZeroMm;
    pen.line(zero, zero, zero, zero + kVernierLengthMm);
    pen.line(zero, zero, zero + kVernierLengthMm, zero);
    for (int square = 0; square < kVernierSquares; ++square) {
        const double along = zero + square * kVernierStepMm;
        const double across = zero + kVernierRowMm;
        pen.box(along, across, along + kVernierSquareMm, across + 3.0);
        pen.box(across, along, across + 3.0, along + kVernierSquareMm);
    }
    const QPointF nominal = nominalVernierZeroMm(metrics);
    pen.text(zero + kVernierLengthMm + 4.0, zero + 3.0,
             QStringLiteral("Zero lines: %1 mm from the left edge, %2 mm from the top on a true "
                            "printer.")
                 .arg(QLocale::c().toString(nominal.x(), 'f', 1),
                      QLocale::c().toString(nominal.y(), 'f', 1)));
}

} // namespace

void drawCalibrationSheet(QPainter& painter, const PrinterMetrics& metrics) {
    painter.save();
    QPen line(Qt::black);
    line.setWidthF(units::printerDotsFromMm(kLineWidthMm, metrics.PixelsPerInchX));
    line.setCapStyle(Qt::FlatCap);
    painter.setPen(line);
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8);
    painter.setFont(font);

    const SheetPen pen(painter, metrics);
    drawRulers(pen);
    drawVernier(pen, metrics);
    const double x = CalibrationSheetGeometry::kFirstCrossXMm;
    const double y = CalibrationSheetGeometry::kFirstCrossYMm;
    drawCross(pen, x, y, QStringLiteral("A"));
    drawCross(pen, x + CalibrationSheetGeometry::kCrossSpacingAcrossMm, y, QStringLiteral("B"));
    drawCross(pen, x, y + CalibrationSheetGeometry::kCrossSpacingDownMm, QStringLiteral("C"));
    pen.text(x + kCrossArmMm + 5.0, y + 8.0,
             QStringLiteral("A to B: 150.0 mm across.  A to C: 200.0 mm down."));
    painter.restore();
}

} // namespace veltmoor
