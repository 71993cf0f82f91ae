#include "render/TagCompositor.h"

#include "platform/Canvas.h"
#include "platform/DotArithmetic.h"
#include "render/BarcodeDrawing.h"
#include "render/HoleTag.h"
#include "render/SamplePicture.h"
#include "render/TagShapes.h"
#include "render/TagStencil.h"
#include "render/TagText.h"

#include <QFileInfo>

#include <memory>

namespace veltmoor {

namespace {

struct Picture {
    const Bitmap* bitmap = nullptr;
    int width = 0;
    int height = 0;
    std::shared_ptr<const DecodedPicture> keepAlive;
};

Picture loadPicture(const TagCompositionInput& input, PictureCache& pictures) {
    if (input.slotNumber == 0) {
        const Bitmap& sample = SamplePicture();
        return {&sample, sample.width(), sample.height(), nullptr};
    }
    const PictureCache::Request request = pictureRequestFor(input, pictures);
    auto decoded = pictures.picture(request.path, request.neededWidth, request.neededHeight);
    return {&decoded->bitmap, decoded->width, decoded->height, decoded};
}

void drawCutLineAndHole(Canvas& canvas, const TagCompositionInput& input) {
    if (input.settings.cutLineType == kCutLineThin) {
        canvas.pen().width = cutLineWidth(input.mode, input.Printing);
        drawTagOutline(input.settings.shapeIndex, canvas, input.slot.CutLineColor);
    } else {
        // With no cut line the hole ring is drawn as the background outline was.
        canvas.pen() = Pen{input.slot.BackgroundColor, 1};
    }
    HoleTag(canvas, input.TagWidthDots, input.TagHeightDots, input.settings.hole);
}

} // namespace

PictureCache::Request pictureRequestFor(const TagCompositionInput& input, PictureCache& pictures) {
    PictureCache::Request request{input.slot.FileName, 0, 0};
    // Decode no larger than the tag will show the picture, but never smaller.
    const QSize size = pictures.pictureSize(request.path);
    if (size.width() > 0 && size.height() > 0) {
        const PicturePlacement placement = placePicture(
            size.width(), size.height(), input.TagWidthDots, input.TagHeightDots,
            input.slot.ImageSize, input.slot.ImageHorizontalOffset, input.slot.ImageVerticalOffset);
        request.neededWidth = std::max(1, placement.picture.width());
        request.neededHeight = std::max(1, placement.picture.height());
    }
    return request;
}

PicturePlacement placePicture(int pictureWidth, int pictureHeight, int tagWidth, int tagHeight,
                              int imageSize, int horizontalOffset, int verticalOffset) {
    const int W = tagWidth;
    const int H = tagHeight;
    int fw = W;
    int fh = mulDiv(pictureHeight, W, pictureWidth);
    if (fh > H) {
        fw = mulDiv(pictureWidth, H, pictureHeight);
        fh = H;
    }
    const int sw = mulDiv(imageSize, fw, 100);
    const int sh = mulDiv(imageSize, fh, 100);
    const int x = (W - sw) / 2 + mulDiv(horizontalOffset - 50, W, 100);
    const int y = (H - sh) / 2 + mulDiv(verticalOffset - 50, H, 100);
    PicturePlacement placement;
    placement.fitted = {(W - fw) / 2, (H - fh) / 2, (W - fw) / 2 + fw, (H - fh) / 2 + fh};
    placement.picture = {x, y, x + sw, y + sh};
    return placement;
}

Rect previewRectFor(int tagWidth, int tagHeight) {
    if (tagHeight > tagWidth) {
        return {0, 0, mulDiv(tagWidth, 350, tagHeight), 350};
    }
    return {0, 0, 350, mulDiv(tagHeight, 350, tagWidth)};
}

int cutLineWidth(RenderMode mode, bool printing) {
    if (printing) {
        return 1;
    }
    return mode == RenderMode::Preview ? 10 : 3;
}

Bitmap ComposedTag::floatingImage() const {
    Bitmap half(tag.width() / 2, tag.height() / 2);
    Canvas canvas(half);
    canvas.stretchDraw({0, 0, half.width(), half.height()}, tag);
    return half;
}

bool TagCompositionInput::composes() const {
    return slotNumber == 0 || (!slot.FileName.isEmpty() && QFileInfo(slot.FileName).isFile());
}

ComposedTag DrawTagReal(const TagCompositionInput& input, PictureCache& pictures) {
    ComposedTag result;
    if (!input.composes()) {
        return result;
    }
    const int W = input.TagWidthDots;
    const int H = input.TagHeightDots;
    result.fileLabel = input.slot.FileName;
    result.grid = computePageGrid(input.page, W, H);
    result.sizeLabel = sizeLabelText(W, H, result.grid);

    const Picture picture = loadPicture(input, pictures);
    const PicturePlacement placement =
        placePicture(picture.width, picture.height, W, H, input.slot.ImageSize,
                     input.slot.ImageHorizontalOffset, input.slot.ImageVerticalOffset);
    result.PreviewRect = previewRectFor(W, H);

    const std::shared_ptr<const TagStencil> stencil =
        tagStencil({input.settings.shapeIndex, W, H, input.settings.hole});
    // The tag starts as the outside marker, with the background inside the outline.
    result.tag.resize(W, H, clBtnFace);
    fillSpans(result.tag, stencil->background, pixelFromColor(input.slot.BackgroundColor));
    Canvas canvas(result.tag);
    if (!input.settings.blankSheet) {
        canvas.stretchDraw(placement.picture, *picture.bitmap);
    }
    applyShapeCut(result.tag, stencil->cut);
    drawCutLineAndHole(canvas, input);
    AddText(canvas, input.slot, input.settings);
    result.barcodeProblem =
        drawTagBarcode(canvas, input.slot.barcode, input.settings, stencil->background);
    result.sizeLabel = withBarcodeNote(result.sizeLabel, result.barcodeProblem);

    result.composed = true;
    return result;
}

} // namespace veltmoor
