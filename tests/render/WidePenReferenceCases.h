#pragma once

// The drawings whose wide-pen pixels are compared with the platform's: every shape outline
// and the hanging hole on a 2.00 x 4.00 in tag. Shared by the comparison test and by the
// recorder in scripts/widepen-reference, which writes the pen calls the platform replays.

#include "platform/Canvas.h"
#include "render/HoleTag.h"
#include "render/TagShapes.h"

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace veltmoor::widepen {

inline constexpr int kTagWidth = 400;
inline constexpr int kTagHeight = 800;
inline constexpr int kPenWidths[] = {3, 10};

struct ReferenceCase {
    std::string name;    // file name stem under tests/data/widepen
    std::string caption; // for messages
    std::function<void(Canvas&)> draw;
};

inline std::vector<ReferenceCase> referenceCases() {
    std::vector<ReferenceCase> cases;
    int index = 0;
    for (const TagShape& shape : tagShapes()) {
        std::string name = "shape-" + std::string(index < 10 ? "0" : "") + std::to_string(index);
        const TagOutlineRoutine outline = shape.outline;
        cases.push_back(
            {name, shape.caption, [outline](Canvas& canvas) { outline(canvas, clBlack); }});
        ++index;
    }
    cases.push_back({"hole", "hanging hole", [](Canvas& canvas) {
                         canvas.pen().color = clBlack;
                         HoleTag(canvas, kTagWidth, kTagHeight, HoleSettings{});
                     }});
    return cases;
}

// The calls a case makes, one a line after a "size W H" line, in the replay program's words.
inline std::string penCallsText(const ReferenceCase& referenceCase) {
    Bitmap bitmap(kTagWidth, kTagHeight, clWhite);
    Canvas canvas(bitmap);
    std::vector<PenCall> calls;
    canvas.recordPenCalls(&calls);
    referenceCase.draw(canvas);
    std::ostringstream text;
    text << "size " << kTagWidth << ' ' << kTagHeight << '\n';
    for (const PenCall& call : calls) {
        switch (call.kind) {
        case PenCall::Kind::MoveTo:
            text << "moveto " << call.point.x << ' ' << call.point.y << '\n';
            break;
        case PenCall::Kind::LineTo:
            text << "lineto " << call.point.x << ' ' << call.point.y << '\n';
            break;
        case PenCall::Kind::Arc:
            text << "arc " << call.box.left << ' ' << call.box.top << ' ' << call.box.right << ' '
                 << call.box.bottom << ' ' << call.start.x << ' ' << call.start.y << ' '
                 << call.end.x << ' ' << call.end.y << '\n';
            break;
        }
    }
    return text.str();
}

inline std::string referencePictureName(const ReferenceCase& referenceCase, int penWidth) {
    return referenceCase.name + "-pen" + std::to_string(penWidth) + ".bmp";
}

} // namespace veltmoor::widepen
