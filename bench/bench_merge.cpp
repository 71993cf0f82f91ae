// `veltmoor-tags merge` end to end, from the program's start to the last byte of the PDF, as
// its own process: text-only price tags (2.00 x 4.00 in, a name and a price) for 1,000 and
// 10,000 rows, and 1,000 rows over 50 distinct 12-megapixel photos against one sheet of the
// same photos printed with `print --pdf`. Counters: the peak memory (kilobytes), the sheets,
// and for the photos the PDF's size against the same sheets written as PNG files.
#include "ChildProcess.h"
#include "SyntheticPhoto.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace veltmoor;
using namespace veltmoor::bench;

constexpr int kPhotos = 50;
constexpr int kSlotsOfOneSheet = 8; // 2.00 x 4.00 in tags on Letter

QString slotLine(int slot, const QString& picture, const QString& corner, const QString& edge) {
    return QStringLiteral("Tag%1,\"%2\",4000,3000,750,\"%2\",\"%3\",\"%4\",\"\","
                          "0,0,0,16777215,255,100,50,50,99,0\r\n")
        .arg(slot)
        .arg(picture, corner, edge);
}

QString settingLines() {
    return QStringLiteral(
        "1 CutLine\r\n0 TagType\r\n\"Times New Roman\" ValueFontName\r\n18 ValueFontSize\r\n"
        "0 ValueFontColor\r\n\"Bold \" ValueFontStyle\r\n2 ValuePlace\r\n\"Arial\" "
        "TextFontName\r\n10 TextFontSize\r\n255 TextFontColor\r\n\"Bold \" "
        "TextFontStyle\r\n3 TextPlace\r\n\"Times New Roman\" TextBlockFontName\r\n10 "
        "TextBlockFontSize\r\n-16777208 TextBlockFontColor\r\n\"Bold \" "
        "TextBlockFontStyle\r\n30 TextBlockWOffset\r\n90 TextBlockHOffset\r\n1 "
        "TestBlockAlignment\r\n1 Copies\r\n-1 Printer\r\nPortrait PrinterOrientation\r\noff "
        "NoHole\r\noff BlankSheet\r\non FloatingTag\r\noff AddressLabels\r\n4.00 "
        "Height\r\n2.00 Width\r\n.12 HoleWidth\r\n.12 HoleHeight\r\n50 "
        "HoleWidthOffset\r\n6 HoleHeightOffset\r\n100 ImageSize\r\n50 "
        "ImageHorizontalOffset\r\n50 ImageVerticalOffset\r\n0 PrintImageAdjust\r\n");
}

struct MergeFolder {
    QTemporaryDir folder;
    QString textDesign;
    QString photoDesign;
    QString sheetDesign; // one sheet of the photos, for print --pdf

    MergeFolder() {
        // The built-in PDF printer's paper follows the locale: Letter.
        setenv("LC_ALL", "en_US.UTF-8", 1);
        textDesign = write("text.vmg", slotLine(1, "", "${price}", "${name}") + settingLines());
        photoDesign = write("photo.vmg", slotLine(1, path("photo1.jpg"), "${price}", "${name}") +
                                             settingLines());
        QDir().mkpath(path(QStringLiteral("png")));
        QString sheetSlots;
        for (int photo = 1; photo <= kPhotos; ++photo) {
            writeSyntheticPhotoJpeg(path(QStringLiteral("photo%1.jpg").arg(photo)), photo);
        }
        for (int slot = 1; slot <= kSlotsOfOneSheet; ++slot) {
            sheetSlots += slotLine(slot, path(QStringLiteral("photo%1.jpg").arg(slot)),
                                   QStringLiteral("$%1.99").arg(slot), QStringLiteral("ITEM"));
        }
        sheetDesign = write("sheet.vmg", sheetSlots + settingLines());
    }

    QString path(const QString& name) const { return QDir(folder.path()).filePath(name); }

    QString write(const char* name, const QString& text) const {
        QFile file(path(QLatin1String(name)));
        if (file.open(QIODevice::WriteOnly)) {
            file.write(text.toLatin1());
        }
        return file.fileName();
    }

    // name,price for every row; with photos, each row's picture one of the fifty in turn.
    QString table(int rows, bool photos) const {
        QString text =
            photos ? QStringLiteral("name,price,picture\n") : QStringLiteral("name,price\n");
        for (int row = 1; row <= rows; ++row) {
            text += QStringLiteral("PRODUCT NUMBER %1,$%2.%3").arg(row).arg(row % 100).arg(row % 7);
            text += photos ? QStringLiteral(",photo%1.jpg\n").arg(row % kPhotos + 1)
                           : QStringLiteral("\n");
        }
        return write(photos ? "photos.csv" : "text.csv", text);
    }
};

const MergeFolder& mergeFolder() {
    static const MergeFolder folder;
    return folder;
}

void runMerge(benchmark::State& state, const std::vector<std::string>& arguments) {
    long peak = 0;
    for (auto _ : state) {
        const ChildResult result = runChild(arguments);
        if (result.status != 0) {
            state.SkipWithError("veltmoor-tags failed");
            break;
        }
        peak = std::max(peak, result.peakKilobytes);
    }
    state.counters["peak_kB"] = static_cast<double>(peak);
}

void MergeTextOnlyTags(benchmark::State& state) {
    const MergeFolder& folder = mergeFolder();
    const QString table = folder.table(static_cast<int>(state.range(0)), false);
    runMerge(state, {VELTMOOR_CLI_PATH, "merge", folder.textDesign.toStdString(), "--data",
                     table.toStdString(), "-o", folder.path("text.pdf").toStdString()});
    state.counters["pdf_kB"] =
        static_cast<double>(QFileInfo(folder.path("text.pdf")).size()) / 1024;
}
BENCHMARK(MergeTextOnlyTags)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

void MergePhotoTags(benchmark::State& state) {
    const MergeFolder& folder = mergeFolder();
    const QString table = folder.table(1000, true);
    runMerge(state, {VELTMOOR_CLI_PATH, "merge", folder.photoDesign.toStdString(), "--data",
                     table.toStdString(), "-o", folder.path("photos.pdf").toStdString()});
    // The same sheets as PNG files, for the size of the PDF against them.
    runChild({VELTMOOR_CLI_PATH, "merge", folder.photoDesign.toStdString(), "--data",
              table.toStdString(), "-o", folder.path("png/photos.png").toStdString()});
    qint64 pngBytes = 0;
    for (const QFileInfo& png : QDir(folder.path("png")).entryInfoList(QDir::Files)) {
        pngBytes += png.size();
    }
    state.counters["pdf_to_png"] =
        static_cast<double>(QFileInfo(folder.path("photos.pdf")).size()) /
        static_cast<double>(std::max<qint64>(pngBytes, 1));
}
BENCHMARK(MergePhotoTags)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(2);

// One sheet of eight of the photos as "Print Page" writes it: the yardstick for the above.
void PrintOneSheetOfPhotosAsPdf(benchmark::State& state) {
    const MergeFolder& folder = mergeFolder();
    runMerge(state, {VELTMOOR_CLI_PATH, "print", folder.sheetDesign.toStdString(), "--pdf",
                     folder.path("sheet.pdf").toStdString()});
}
BENCHMARK(PrintOneSheetOfPhotosAsPdf)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
