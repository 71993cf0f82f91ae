#include "printing/CupsClient.h"

#include "platform/Errors.h"
#include "platform/Units.h"

#include <QList>

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

// The instance's part of the name ("draft"); empty for the queue itself.
QByteArray instanceName(const QString& printerName) {
    return printerName.section(QLatin1Char('/'), 1).toLocal8Bit();
}

Destination findDestination(const QString& printerName) {
    const QByteArray queue = queueName(printerName);
    const QByteArray instance = instanceName(printerName);
    return Destination(cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue.constData(),
                                        instance.isEmpty() ? nullptr : instance.constData()));
}

// A resolution as options write it: "300dpi", "300x600dpi" or "118dpcm"; dots per inch
// across, 0 when the text is none of these.
int resolutionFromOption(const char* text) {
    const QByteArray value(text == nullptr ? "" : text);
    const bool perCentimetre = value.endsWith("dpcm");
    if (!perCentimetre && !value.endsWith("dpi")) {
        return 0;
    }
    bool ok = false;
    const int across =
        value.left(value.size() - (perCentimetre ? 4 : 3)).split('x').value(0).toInt(&ok);
    if (!ok || across <= 0) {
        return 0;
    }
    return perCentimetre ? units::dotsPerInchFromPerCentimetre(across) : across;
}

using Connection = std::unique_ptr<http_t, ConnectionDeleter>;

// A connection of its own to the server, beside the shared one.
Connection freshConnection() {
    return Connection(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                                   5000, nullptr));
}

bool serverAnswers() {
    return freshConnection() != nullptr;
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
    // An instance ("Office/draft") may choose its own resolution among the driver's.
    for (const char* option : {"printer-resolution", "Resolution"}) {
        const int chosen = resolutionFromOption(
            cupsGetOption(option, destination->num_options, destination->options));
        if (chosen > 0) {
            return chosen;
        }
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
    ipp_res_t unit = IPP_RES_PER_INCH;
    const int across = ippGetResolution(resolution, 0, &down, &unit);
    return unit == IPP_RES_PER_CM ? units::dotsPerInchFromPerCentimetre(across) : across;
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
    cups_option_t* cupsOptions = nullptr;
    int optionCount = 0;
    for (const auto& [name, value] : options) {
        optionCount = cupsAddOption(name.constData(), value.constData(), optionCount, &cupsOptions);
    }
    // An instance's own settings ("Office/draft" at 300 dpi) go with the job, as lp sends
    // them; what the sheet needs comes first.
    if (const Destination destination = findDestination(printerName)) {
        for (int index = 0; index < destination->num_options; ++index) {
            const cups_option_t& option = destination->options[index];
            if (cupsGetOption(option.name, optionCount, cupsOptions) == nullptr) {
                optionCount = cupsAddOption(option.name, option.value, optionCount, &cupsOptions);
            }
        }
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
    const bool written = started && cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(),
                                                         static_cast<std::size_t>(pdf.size())) ==
                                        HTTP_STATUS_CONTINUE;
    const bool accepted = written && cupsFinishDocument(CUPS_HTTP_DEFAULT, queue.constData()) <=
                                         IPP_STATUS_OK_CONFLICTING;
    if (!accepted) {
        const UserError error = refused();
        // A job left without its document would wait in the queue for ever. The shared
        // connection may be the one that broke half-way, so the job is cancelled on a new one.
        const Connection connection = freshConnection();
        cupsCancelJob2(connection ? connection.get() : CUPS_HTTP_DEFAULT, queue.constData(), job,
                       0);
        throw error;
    }
    return job;
}

bool printerIsPaused(const QString& printerName) {
    const Destination destination = findDestination(printerName);
    const char* state =
        destination ? cupsGetOption("printer-state", destination->num_options, destination->options)
                    : nullptr;
    return state != nullptr && QByteArray(state).toInt() == IPP_PSTATE_STOPPED;
}

} // namespace veltmoor
