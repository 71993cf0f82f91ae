#include "design/SlotPicture.h"
#include "platform/PictureFile.h"
#include "setupfile/SetupFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace veltmoor {
namespace {

const QString kWindowsPath = QStringLiteral("C:\\Users\\ann\\Tags\\pine.jpg");

// A folder A holding a design's pictures, a sibling B with a picture of the same relative
// name, and the folder above both.
class PicturePaths : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"A/pictures/pine.jpg", "A/sub/new.bmp", "B/pictures/pine.jpg",
                                 "B/far.bmp", "B/pine.jpg"}) {
            const QString path = at(QLatin1String(name));
            QDir().mkpath(QFileInfo(path).absolutePath());
            writeBmp24(path, Bitmap(4, 2, clAqua));
        }
    }
    QString at(const QString& name) const { return QDir::cleanPath(root_.filePath(name)); }

    QTemporaryDir root_;
};

// Relative paths with either separator before the bare name beside the design.
TEST_F(PicturePaths, StoredPathsResolveRelativePathFirstWhicheverTheSeparator) {
    const struct {
        const char* folder;
        QString stored;
        const char* found;
    } cases[] = {
        {"A", QStringLiteral("pictures\\pine.jpg"), "A/pictures/pine.jpg"},
        {"B", QStringLiteral("pictures\\pine.jpg"), "B/pictures/pine.jpg"}, // not B/pine.jpg
        {"B", QStringLiteral("pictures/pine.jpg"), "B/pictures/pine.jpg"},
        {"B", kWindowsPath, "B/pine.jpg"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.stored.toStdString());
        EXPECT_EQ(resolvePicturePath(test.stored, at(QLatin1String(test.folder))),
                  at(QLatin1String(test.found)));
    }
}

// A design opened from A, two pictures then chosen anew, saved into four folders: each path
// is written as the file had it while it still names the same picture from the new folder,
// otherwise relative when the picture lies at or below that folder and absolute when not. A
// path that names nothing here is kept as written.
TEST_F(PicturePaths, SavingKeepsWrittenPathsAndWritesChosenOnesForTheNewFolder) {
    const auto tagLine = [](int slot, const QString& path) {
        return QStringLiteral(
                   "Tag%1,\"%2\",4,2,500,\"%2\",\"\",\"\",\"\",0,0,0,16777215,255,100,50,"
                   "50,99,0\r\n")
            .arg(slot)
            .arg(path)
            .toUtf8();
    };
    QByteArray bytes = tagLine(1, QStringLiteral("pictures/pine.jpg")) + tagLine(2, kWindowsPath) +
                       tagLine(3, QStringLiteral("pictures\\pine.jpg"));
    QFile settings(QStringLiteral(VELTMOOR_TEST_DATA "/setupfile/two-tags.vmg"));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    bytes += settings.readAll().split('\n').mid(2).join('\n');
    QFile file(at(QStringLiteral("A/d.vmg")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();

    TagDesign design = TagDesign::atFirstActivation();
    openSetupFile(file.fileName(), design);
    chooseSlotPicture(design, 4, at(QStringLiteral("A/sub/new.bmp")));
    chooseSlotPicture(design, 5, at(QStringLiteral("B/far.bmp")));

    const QString pine = at(QStringLiteral("A/pictures/pine.jpg"));
    const QString chosen = at(QStringLiteral("A/sub/new.bmp"));
    const QString far = at(QStringLiteral("B/far.bmp"));
    const struct {
        const char* folder;
        QStringList written; // slots 1 to 5
    } cases[] = {
        {"A", {"pictures/pine.jpg", kWindowsPath, "pictures\\pine.jpg", "sub/new.bmp", far}},
        {"A/sub", {pine, kWindowsPath, pine, "new.bmp", far}},
        {"B", {pine, kWindowsPath, pine, chosen, "far.bmp"}},
        {".",
         {"A/pictures/pine.jpg", kWindowsPath, "A/pictures/pine.jpg", "A/sub/new.bmp",
          "B/far.bmp"}},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.folder);
        const QString saved = at(QLatin1String(test.folder) + QStringLiteral("/saved.vmg"));
        saveSetupFile(saved, design);
        const SetupFileContents contents = readSetupFile(saved);
        ASSERT_EQ(contents.tagLines.size(), 5u);
        TagDesign reopened = TagDesign::atFirstActivation();
        openSetupFile(saved, reopened);
        for (const SetupFileSlot& line : contents.tagLines) {
            SCOPED_TRACE(line.slot);
            EXPECT_EQ(line.values.FileName.toStdString(),
                      test.written.at(line.slot - 1).toStdString());
            EXPECT_EQ(line.values.SourceFileName.toStdString(), line.values.FileName.toStdString());
            if (line.slot != 2) { // the one picture not found anywhere
                EXPECT_EQ(reopened.slotTable().at(line.slot).FileName.toStdString(),
                          design.slotTable().at(line.slot).FileName.toStdString());
            }
        }
    }
}

} // namespace
} // namespace veltmoor
