#include "design/MemoLines.h"

namespace veltmoor {

QString textBlockFromMemo(const QString& memoText) {
    QString text = memoText;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text;
}

QString memoFromTextBlock(const QString& textBlock) {
    QString text = textBlock;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

} // namespace veltmoor
