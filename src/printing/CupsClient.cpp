#include "printing/CupsClient.h"

#include "platform/Errors.h"

#include <QBuffer>

#include <cups/cups.h>

#include <memory>

namespace veltmoor {

namespace {

struct DestinationDeleter {
    void operator()(cups_dest_t* destination) const { cupsFreeDests(1, destination); }
};
using Destination = std::unique_ptr<cups_dest_t, DestinationDeleter>;

struct DestinationInfoDeleter {
    void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};

struct ConnectionDeleter {
    void operator()(http_t* connection) const { httpClose(connection); }
};

// A printer may be named with an instance ("Office/draft"); the printing system knows the
// queue by the part before the slash.
QByteArray queueName(const QString& printerName) {
    return printerName.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
}

Destination findDestination(const QString& printerName) {
    const QByteArray name = printerName.toLocal8Bit();
    return Destination(cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(), nullptr));
}

bool serverAnswers() {
    const std::unique_ptr<http_t, ConnectionDeleter> connection(httpConnect2(
        cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, 5000, nullptr));
    return connection != nullptr;
}

QString lastCupsError() {
    QString reason = QString::fromUtf8(cupsLastErrorString()).trimmed();
    while (reason.endsWith(QLatin1Char('.'))) {
        reason.chop(1);
    }
    return reason.isEmpty() ? QStringLiteral("the printing system gave no reason") : reason;
}

} // namespace

int driverDefaultResolution(const QString& printerName) {
    const Destination destination = findDestination(printerName);
    if (!destination) {
        return 0;
    }
    const std::unique_ptr<cups_dinfo_t, DestinationInfoDeleter> info(
        cupsCopyDestInfo(CUPS_HTTP_DEFAULT, destination.get()));
    if (!info) {
        return 0;
    }
    ipp_attribute_t* resolution =
        cupsFindDestDefault(CUPS_HTTP_DEFAULT, destination.get(), info.get(), "printer-resolution");
    if (resolution == nullptr || ippGetValueTag(resolution) != IPP_TAG_RESOLUTION) {
        return 0;
    }
    int down = 0;
    ipp_res_t units = IPP_RES_PER_INCH;
    const int across = ippGetResolution(resolution, 0, &down, &units);
    // Dots per centimetre: 2.54 centimetres to the inch, rounded.
    return units == IPP_RES_PER_CM ? (across * 254 + 50) / 100 : across;
}

void requirePrinterReachable(const QString& printerName) {
    if (findDestination(printerName)) {
        return;
    }
    if (!serverAnswers()) {
        throw UserError(QStringLiteral("The printer \"%1\" cannot be reached: the printing "
                                       "system (CUPS) is not running.")
                            .arg(printerName));
    }
    throw UserError(
        QStringLiteral("The printer \"%1\" is not installed on this computer.").arg(printerName));
}

int submitPrintJob(const QString& printerName, const QByteArray& pdf, const QString& title,
                   const JobOptions& options) {
    QBuffer buffer;
    buffer.setData(pdf);
    buffer.open(QIODevice::ReadOnly);
    return submitPrintJob(printerName, buffer, title, options);
}

int submitPrintJob(const QString& printerName, QIODevice& pdf, const QString& title,
                   const JobOptions& options) {
    cups_option_t* cupsOptions = nullptr;
    int optionCount = 0;
    for (const auto& [name, value] : options) {
        optionCount = cupsAddOption(name.constData(), value.constData(), optionCount, &cupsOptions);
    }
    const QByteArray queue = queueName(printerName);
    const QByteArray jobTitle = title.toUtf8();
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, queue.constData(), jobTitle.constData(),
                                  optionCount, cupsOptions);
    cupsFreeOptions(optionCount, cupsOptions);
    const auto refused = [&] {
        return UserError(QStringLiteral("The printer \"%1\" did not accept the job: %2.")
                             .arg(printerName, lastCupsError()));
    };
    if (job <= 0) {
        throw refused();
    }
    // The document goes as it is: the printing system need not guess what it is, and no
    // copy of it waits on the disk. The answer is read only for a document that went out;
    // otherwise reading it would put its own complaint in place of the reason.
    const bool started =
        cupsStartDocument(CUPS_HTTP_DEFAULT, queue.constData(), job, jobTitle.constData(),
                          CUPS_FORMAT_PDF, 1) == HTTP_STATUS_CONTINUE;
    bool written = started;
    // A document of many sheets goes a piece at a time, never whole in memory.
    QByteArray piece;
    while (written && !pdf.atEnd()) {
        piece = pdf.read(1 << 20);
        written =
            !piece.isEmpty() &&
            cupsWriteRequestData(CUPS_HTTP_DEFAULT, piece.constData(),
                                 static_cast<std::size_t>(piece.size())) == HTTP_STATUS_CONTINUE;
    }
    const bool accepted = written && cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.constData()) <=
                                         IPP_STATUS_OK_CONFLICTING;
    if (!accepted) {
        const UserError error = refused();
        // A job left without its document would wait in the queue for ever.
        cupsCancelJob2(CUPS_HTTP_DEFAULT, queue.constData(), job, 0);
        throw error;
    }
    return job;
}

} // namespace veltmoor
