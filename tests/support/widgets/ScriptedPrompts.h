#pragma once

#include "app/ui/PriceListDialog.h"
#include "app/ui/Prompts.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <variant>

namespace veltmoor::testing {

// Answers the window's questions from a script and keeps a log of everything asked.
// A question with no scripted answer of its kind is cancelled (No) and noted in
// unanswered, so a test can tell an unexpected dialog from an expected one.
class ScriptedPrompts : public Prompts {
public:
    struct Cancel {};
    using Answer = std::variant<Cancel, QString, TColor, Font, bool>;

    void answer(Answer next) { answers_.push_back(std::move(next)); }
    void answerPath(const QString& path) { answer(path); }
    void answerColor(TColor color) { answer(color); }
    void answerYes() { answer(true); }
    void answerNo() { answer(false); }
    void cancelNext() { answer(Cancel{}); }
    // The printer set-up's answers come in their own line; nullopt cancels.
    void answerPrinter(std::optional<PrinterSelection> printer) {
        printerAnswers_.push_back({printer.has_value(), printer.value_or(PrinterSelection{})});
    }

    std::optional<QString> openPicture(const QString& title, const QString&) override {
        asked << QStringLiteral("openPicture: ") + title;
        return take<QString>();
    }
    std::optional<QString> openFile(const QString& title, const QString&, const QString&) override {
        asked << QStringLiteral("openFile: ") + title;
        return take<QString>();
    }
    std::optional<QString> saveFile(const QString& title, const QString& filter,
                                    const QString& defaultSuffix, const QString&) override {
        asked << QStringLiteral("saveFile: ") + title;
        saveDialogs << QStringList{title, filter, defaultSuffix};
        return take<QString>();
    }
    std::optional<TColor> chooseColor(TColor initial) override {
        asked << QStringLiteral("chooseColor: %1").arg(initial, 6, 16, QLatin1Char('0'));
        return take<TColor>();
    }
    std::optional<Font> chooseFont(const Font& initial) override {
        asked << QStringLiteral("chooseFont: %1 %2").arg(initial.name).arg(initial.sizePoints);
        return take<Font>();
    }
    void message(const QString& text, const QString&) override {
        messages << text;
        if (onMessage) {
            onMessage(text);
        }
    }
    bool askYesNo(const QString& text, const QString& caption) override {
        asked << QStringLiteral("askYesNo: ") + caption + QStringLiteral(": ") + text;
        return take<bool>().value_or(false);
    }
    // answerYes, answerNo, or cancelNext (also what an unscripted question gets).
    std::optional<bool> askYesNoCancel(const QString& text, const QString& caption) override {
        asked << QStringLiteral("askYesNoCancel: ") + caption + QStringLiteral(": ") + text;
        return take<bool>();
    }
    // Scripted like a Yes/No question: answerYes is OK, answerNo or cancelNext is Cancel.
    bool askOkCancel(const QString& text, const QString& caption) override {
        asked << QStringLiteral("askOkCancel: ") + caption + QStringLiteral(": ") + text;
        return take<bool>().value_or(false);
    }

    std::optional<PrinterSelection> choosePrinter(const std::vector<PrinterDescription>& printers,
                                                  const PrinterSelection&) override {
        QStringList names;
        for (const PrinterDescription& printer : printers) {
            names << printer.name;
        }
        asked << QStringLiteral("choosePrinter: ") + names.join(QStringLiteral(", "));
        if (printerAnswers_.empty()) {
            unanswered << asked.constLast();
            return std::nullopt;
        }
        const PrinterAnswer next = printerAnswers_.front();
        printerAnswers_.pop_front();
        if (!next.confirmed) {
            return std::nullopt;
        }
        return next.selection;
    }

    void calibratePrinter(const PrinterMetrics& metrics) override {
        asked << QStringLiteral("calibratePrinter: ") + metrics.PrinterName;
    }

    // Scripted like a Yes/No question: answerYes uses the list. Each summary is kept.
    bool confirmPriceList(const PriceListSummary& summary) override {
        asked << QStringLiteral("confirmPriceList: ") + summary.countsText();
        priceLists.push_back(summary);
        return take<bool>().value_or(false);
    }

    // Each job's steps are logged; stopJobAfter > 0 has the user stop a job after that many.
    std::unique_ptr<JobProgress> startJob(const QString& title, const QString& stepText,
                                          int count) override {
        asked << QStringLiteral("startJob: %1: %2").arg(title, stepText.arg(0).arg(count));
        return std::make_unique<ScriptedJob>(*this, stepText);
    }

    bool scriptUsedUp() const { return answers_.empty(); }

    QStringList asked;
    QStringList messages;
    QStringList unanswered;
    // Runs while a message is up, to look at the window the user sees behind it.
    std::function<void(const QString&)> onMessage;
    QList<QStringList> saveDialogs; // title, filter and default suffix of each save dialog
    std::vector<PriceListSummary> priceLists;
    QStringList jobSteps; // "Sheet 2 of 3" after each step of a job
    int stopJobAfter = 0;

private:
    class ScriptedJob : public JobProgress {
    public:
        ScriptedJob(ScriptedPrompts& prompts, QString stepText)
            : prompts_(prompts), stepText_(std::move(stepText)) {}
        bool advance(int done, int count) override {
            prompts_.jobSteps << stepText_.arg(done).arg(count);
            return prompts_.stopJobAfter <= 0 || done < prompts_.stopJobAfter;
        }

    private:
        ScriptedPrompts& prompts_;
        QString stepText_;
    };

    template <class T> std::optional<T> take() {
        if (answers_.empty()) {
            unanswered << asked.constLast();
            return std::nullopt;
        }
        Answer next = std::move(answers_.front());
        answers_.pop_front();
        if (std::holds_alternative<Cancel>(next)) {
            return std::nullopt;
        }
        if (!std::holds_alternative<T>(next)) {
            unanswered << asked.constLast();
            return std::nullopt;
        }
        return std::get<T>(next);
    }

    std::deque<Answer> answers_;
    struct PrinterAnswer {
        bool confirmed = false;
        PrinterSelection selection;
    };
    std::deque<PrinterAnswer> printerAnswers_;
};

} // namespace veltmoor::testing
