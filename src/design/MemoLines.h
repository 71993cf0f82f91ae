#pragma once

#include <QString>

namespace veltmoor {

// A slot's text block keeps Windows line breaks, as design files carry them; the memo that
// edits it works with "\n". The design file, the window and the command line all convert
// through these two.
QString textBlockFromMemo(const QString& memoText);
QString memoFromTextBlock(const QString& textBlock);

} // namespace veltmoor
