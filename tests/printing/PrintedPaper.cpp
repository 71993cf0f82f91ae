#include "printing/PrintedPaper.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QThread>

#include <cups/cups.h>

#include <functional>

namespace veltmoor::test {

namespace {

ssize_t readControlFile(void* file, ipp_uchar_t* buffer, size_t bytes) {
    return cupsFileRead(static_cast<cups_file_t*>(file), reinterpret_cast<char*>(buffer), bytes);
}

} // namespace

QString cupsTestFolder() {
    return QStringLiteral(VELTMOOR_TEST_CUPS_DIR);
}

QString testQueue() {
    return QStringLiteral(VELTMOOR_TEST_PRINTER);
}

QString marginsQueue() {
    return testQueue() + QStringLiteral("_margins");
}

QString closedQueue() {
    return testQueue() + QStringLiteral("_closed");
}

QString pausedQueue() {
    return testQueue() + QStringLiteral("_paused");
}

QString waitForJobPdf(const QString& queue, int jobNumber) {
    const QDir out(cupsTestFolder() + QStringLiteral("/out/") + queue);
    const QString pattern = QStringLiteral("*-job_%1.pdf").arg(jobNumber);
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 30000) {
        const QStringList found = out.entryList({pattern}, QDir::Files);
        // cups-pdf writes the file in place; pdfinfo reads it only once it is whole.
        if (!found.isEmpty() && runTool(QStringLiteral("pdfinfo"), {out.filePath(found.first())})) {
            return out.filePath(found.first());
        }
        QThread::msleep(100);
    }
    return QString();
}

QImage renderFirstPage(const QString& pdfPath, int dpi) {
    // A Letter page at 600 dpi is larger than Qt reads by default.
    QImageReader::setAllocationLimit(1024);
    const QString prefix = pdfPath + QStringLiteral(".render");
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-gray"),
             QStringLiteral("-aa"), QStringLiteral("no"), QStringLiteral("-aaVector"),
             QStringLiteral("no"), QStringLiteral("-singlefile"), pdfPath, prefix});
    QImage page(prefix + QStringLiteral(".pgm"));
    QFile::remove(prefix + QStringLiteral(".pgm"));
    return page;
}

QString pageSize(const QString& pdfPath) {
    const QStringList lines =
        runTool(QStringLiteral("pdfinfo"), {pdfPath}).value_or(QString()).split('\n');
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("Page size:"))) {
            return line.mid(10).trimmed();
        }
    }
    return QString();
}

namespace {

// The server writes its logs and job files a moment after the job's PDF appears.
template <typename Result> Result pollFor(const std::function<Result()>& look) {
    QElapsedTimer waited;
    waited.start();
    Result found = look();
    while (found == Result{} && waited.elapsed() < 30000) {
        QThread::msleep(100);
        found = look();
    }
    return found;
}

QString readPageLogLine(const QString& queue, int jobNumber) {
    QFile log(cupsTestFolder() + QStringLiteral("/log/page_log"));
    if (!log.open(QIODevice::ReadOnly)) {
        return QString();
    }
    const QString prefix = QStringLiteral("%1 root %2 ").arg(queue).arg(jobNumber);
    for (const QString& line : QString::fromUtf8(log.readAll()).split('\n')) {
        if (line.startsWith(prefix)) {
            return line;
        }
    }
    return QString();
}

int readControlFileCopies(int jobNumber) {
    const QByteArray path =
        (cupsTestFolder() + QStringLiteral("/spool/c%1").arg(jobNumber, 5, 10, QLatin1Char('0')))
            .toLocal8Bit();
    cups_file_t* file = cupsFileOpen(path.constData(), "r");
    if (file == nullptr) {
        return 0;
    }
    ipp_t* attributes = ippNew();
    const ipp_state_t state = ippReadIO(file, readControlFile, 1, nullptr, attributes);
    int copies = 0;
    if (state == IPP_STATE_DATA) {
        if (ipp_attribute_t* attribute = ippFindAttribute(attributes, "copies", IPP_TAG_INTEGER)) {
            copies = ippGetInteger(attribute, 0);
        }
    }
    ippDelete(attributes);
    cupsFileClose(file);
    return copies;
}

} // namespace

QString pageLogLine(const QString& queue, int jobNumber) {
    return pollFor<QString>([&] { return readPageLogLine(queue, jobNumber); });
}

int controlFileCopies(int jobNumber) {
    return pollFor<int>([&] { return readControlFileCopies(jobNumber); });
}

} // namespace veltmoor::test
