#pragma once

#include "platform/Canvas.h"
#include "render/TextBlockLines.h"

#include <QString>
#include <QStringList>

namespace veltmoor {

// The font the block's width is measured in: the block font's face at twice its size and
// with no style. The block is drawn with its style, so a bold block is laid out on a
// column slightly narrower than its widest line; stored designs are centred that way.
Font textBlockWidthFont(const Font& textBlockFont);

// `TextBlockWidth`: the widest display line in textBlockWidthFont, 0 for an empty block.
// It is measured when the block's text changes, not when the font does.
int measureTextBlockWidth(const QStringList& displayLines, const Font& textBlockFont,
                          const TextMeasure& measure);
int measureTextBlockWidth(const QString& textBlockText, const Font& textBlockFont,
                          const TextMeasure& measure);
int measureTextBlockWidth(const QString& textBlockText, const Font& textBlockFont);

} // namespace veltmoor
