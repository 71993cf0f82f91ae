#include "design/DesignChange.h"
#include "design/DesignHistory.h"

#include <QUndoStack>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace veltmoor {
namespace {

using A = DesignAspect;

// Each operation on a design with tag 2 in view and tag 3 unchecked: what it changed, which
// slots it reached, whether another tag came into view, and the Undo step it makes (none
// for what only the window shows).
TEST(DesignChange, TellsWhatEachOperationChangedAndOnlyChangesOfTheDesignAreUndoSteps) {
    struct Row {
        const char* operation;
        std::function<void(TagDesign&)> apply;
        std::vector<DesignAspect> aspects;
        std::vector<int> tagSlots;
        bool currentSlot;
        const char* undoText;
    };
    const std::vector<int> checked{1, 2, 4, 5, 6, 7, 8, 9};
    const std::vector<Row> rows{
        {"background colour",
         [](TagDesign& d) { d.SetBgColors(clBlue); },
         {A::BackgroundColour, A::ColourChoices},
         checked,
         false,
         "Background Colour"},
        {"corner text typed",
         [](TagDesign& d) { d.ValueEditChange(QStringLiteral("SALE")); },
         {A::CornerText, A::CornerTextField},
         checked,
         false,
         "Corner Text"},
        {"text block typed",
         [](TagDesign& d) { d.TextBlockMemoChange(QStringLiteral("Hi")); },
         {A::TextBlock, A::TextBlockField},
         {2},
         false,
         "Text Block"},
        {"fan shape",
         [](TagDesign& d) { d.setShape(kShapeFanTapered); },
         {A::Shape, A::HolePosition},
         {},
         true,
         "Shape"},
        {"width arrow",
         [](TagDesign& d) { d.WidthUpDownClick(300); },
         {A::TagSize},
         {},
         false,
         "Tag Size"},
        {"tag 5 in view", [](TagDesign& d) { d.setCurrentSlot(5); }, {}, {}, true, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.operation);
        TagDesign before = TagDesign::atFirstActivation();
        before.setCurrentSlot(2);
        before.setSlotChecked(3, false);
        TagDesign after = before;
        row.apply(after);

        const DesignChange change = changeBetween(before, after);
        EXPECT_EQ(change.aspects(), row.aspects);
        std::vector<int> reached;
        for (int slot = 0; slot < kSlotTableSize; ++slot) {
            if (change.changedSlots().test(static_cast<std::size_t>(slot))) {
                reached.push_back(slot);
            }
        }
        EXPECT_EQ(reached, row.tagSlots);
        EXPECT_EQ(change.currentSlotChanged(), row.currentSlot);

        DesignHistory history([](const TagDesign&) {});
        EXPECT_EQ(history.record(before, after), *row.undoText != '\0');
        EXPECT_EQ(history.stack().undoText(), QString::fromLatin1(row.undoText));
    }
}

} // namespace
} // namespace veltmoor
