#include "design/DesignHistory.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <utility>

namespace veltmoor {

namespace {

using Same = bool (*)(const TagDesign&, const TagDesign&);

struct Aspect {
    const char* name;
    Same same;
};

template <class Field> bool sameInSlots(const TagDesign& a, const TagDesign& b, Field img::*field) {
    for (std::size_t slot = 0; slot < a.Slots.size(); ++slot) {
        if (a.Slots[slot].*field != b.Slots[slot].*field) {
            return false;
        }
    }
    return true;
}

// A font as the font dialog chooses it; its colour follows the current slot's.
bool sameFace(const Font& a, const Font& b) {
    return a.name == b.name && a.sizePoints == b.sizePoints && a.style == b.style;
}

// Most telling first: a preset or a shape change moves other settings along with it, and
// the step is named after what the user did.
const Aspect kAspects[] = {
    {"Address Labels",
     [](const TagDesign& a, const TagDesign& b) {
         return a.AddressLabelsCheckBox == b.AddressLabelsCheckBox;
     }},
    {"Shape", [](const TagDesign& a,
                 const TagDesign& b) { return a.settings.shapeIndex == b.settings.shapeIndex; }},
    {"Picture",
     [](const TagDesign& a, const TagDesign& b) {
         return sameInSlots(a, b, &img::SourceFileName) && sameInSlots(a, b, &img::PictureWidth) &&
                sameInSlots(a, b, &img::PictureHeight) && sameInSlots(a, b, &img::AspectPermille);
     }},
    {"Tint",
     [](const TagDesign& a, const TagDesign& b) {
         return sameInSlots(a, b, &img::FileName) && sameInSlots(a, b, &img::ColoringType) &&
                sameInSlots(a, b, &img::ColoringColor);
     }},
    {"Tag Size",
     [](const TagDesign& a, const TagDesign& b) {
         return a.WidthUpDownPosition == b.WidthUpDownPosition &&
                a.HeightUpDownPosition == b.HeightUpDownPosition;
     }},
    {"Corner Text",
     [](const TagDesign& a, const TagDesign& b) { return sameInSlots(a, b, &img::ValueText); }},
    {"Tag Text",
     [](const TagDesign& a, const TagDesign& b) { return sameInSlots(a, b, &img::EdgeText); }},
    {"Text Block",
     [](const TagDesign& a, const TagDesign& b) { return sameInSlots(a, b, &img::TextBlockText); }},
    {"Background Colour",
     [](const TagDesign& a, const TagDesign& b) {
         return sameInSlots(a, b, &img::BackgroundColor);
     }},
    {"Cut Line Colour",
     [](const TagDesign& a, const TagDesign& b) { return sameInSlots(a, b, &img::CutLineColor); }},
    {"Corner Text Colour",
     [](const TagDesign& a, const TagDesign& b) { return sameInSlots(a, b, &img::ValueColor); }},
    {"Tag Text Colour",
     [](const TagDesign& a, const TagDesign& b) { return sameInSlots(a, b, &img::TextColor); }},
    {"Text Block Colour",
     [](const TagDesign& a, const TagDesign& b) {
         return sameInSlots(a, b, &img::TextBlockColor);
     }},
    {"Barcode",
     [](const TagDesign& a, const TagDesign& b) { return sameInSlots(a, b, &img::barcode); }},
    {"Picture Size",
     [](const TagDesign& a, const TagDesign& b) { return sameInSlots(a, b, &img::ImageSize); }},
    {"Picture Position",
     [](const TagDesign& a, const TagDesign& b) {
         return sameInSlots(a, b, &img::ImageHorizontalOffset) &&
                sameInSlots(a, b, &img::ImageVerticalOffset);
     }},
    {"Corner Text Font",
     [](const TagDesign& a, const TagDesign& b) {
         return sameFace(a.settings.valueFont, b.settings.valueFont);
     }},
    {"Tag Text Font",
     [](const TagDesign& a, const TagDesign& b) {
         return sameFace(a.settings.textFont, b.settings.textFont);
     }},
    {"Text Block Font",
     [](const TagDesign& a, const TagDesign& b) {
         return sameFace(a.settings.textBlockFont, b.settings.textBlockFont);
     }},
    {"Corner Text Place",
     [](const TagDesign& a, const TagDesign& b) {
         return a.settings.valuePlace == b.settings.valuePlace;
     }},
    {"Tag Text Place",
     [](const TagDesign& a, const TagDesign& b) {
         return a.settings.edgePlace == b.settings.edgePlace;
     }},
    {"Text Block Alignment",
     [](const TagDesign& a, const TagDesign& b) {
         return a.settings.textBlockAlignment == b.settings.textBlockAlignment;
     }},
    {"Text Block Position",
     [](const TagDesign& a, const TagDesign& b) {
         return a.settings.textBlockWidthOffset == b.settings.textBlockWidthOffset &&
                a.settings.textBlockHeightOffset == b.settings.textBlockHeightOffset;
     }},
    {"Hole Size",
     [](const TagDesign& a, const TagDesign& b) {
         return a.settings.hole.width == b.settings.hole.width &&
                a.settings.hole.height == b.settings.hole.height;
     }},
    {"Hole Position",
     [](const TagDesign& a, const TagDesign& b) {
         return a.settings.hole.widthOffset == b.settings.hole.widthOffset &&
                a.settings.hole.heightOffset == b.settings.hole.heightOffset;
     }},
    {"No Hole",
     [](const TagDesign& a, const TagDesign& b) {
         return a.settings.hole.noHole == b.settings.hole.noHole;
     }},
    {"Cut Line",
     [](const TagDesign& a, const TagDesign& b) {
         return a.settings.cutLineType == b.settings.cutLineType;
     }},
    {"Blank Sheet",
     [](const TagDesign& a, const TagDesign& b) {
         return a.settings.blankSheet == b.settings.blankSheet;
     }},
    {"Tags Checked",
     [](const TagDesign& a, const TagDesign& b) { return a.SlotCheckBoxes == b.SlotCheckBoxes; }},
    {"Copies", [](const TagDesign& a,
                  const TagDesign& b) { return a.CopiesUpDownPosition == b.CopiesUpDownPosition; }},
    {"Printer Setup",
     [](const TagDesign& a, const TagDesign& b) {
         return a.PrinterIndex == b.PrinterIndex && a.PrinterName == b.PrinterName &&
                a.PrinterPaper == b.PrinterPaper && a.landscape == b.landscape;
     }},
    {"Price List",
     [](const TagDesign& a, const TagDesign& b) { return a.priceListPath == b.priceListPath; }},
    {"Cutting Marks",
     [](const TagDesign& a, const TagDesign& b) { return a.cuttingMarks == b.cuttingMarks; }},
    {"Print Image Adjust",
     [](const TagDesign& a, const TagDesign& b) {
         return a.PrintImageAdjustUpDownPosition == b.PrintImageAdjustUpDownPosition;
     }},
};

// One change of the design: the design before and after it, with its name in the Edit
// menu ("Undo Background Colour").
class DesignStep : public QUndoCommand {
public:
    DesignStep(TagDesign before, TagDesign after, const QString& name, const void* field,
               int typingSession, const DesignHistory::Restore& restore)
        : QUndoCommand(name), before_(std::move(before)), after_(std::move(after)), field_(field),
          typingSession_(typingSession), restore_(restore) {}

    // The stack calls redo() as the step is pushed; the design is already changed then.
    void redo() override {
        if (pushed_) {
            restore_(after_);
        }
        pushed_ = true;
    }
    void undo() override { restore_(before_); }

    int id() const override { return field_ != nullptr ? kTypingId : -1; }
    bool mergeWith(const QUndoCommand* other) override {
        const auto* next = static_cast<const DesignStep*>(other);
        if (next->field_ != field_ || next->typingSession_ != typingSession_) {
            return false;
        }
        after_ = next->after_;
        return true;
    }

    const TagDesign& before() const { return before_; }
    const TagDesign& after() const { return after_; }

private:
    static constexpr int kTypingId = 1;
    TagDesign before_;
    TagDesign after_;
    const void* field_;
    int typingSession_;
    DesignHistory::Restore restore_;
    bool pushed_ = false;
};

void addPictureFiles(QStringList& files, const TagDesign& design) {
    for (const img& slot : design.Slots) {
        for (const QString& name : {slot.FileName, slot.SourceFileName}) {
            if (!name.isEmpty() && !files.contains(name)) {
                files << name;
            }
        }
    }
}

} // namespace

TagDesign designValues(TagDesign& design) {
    std::array<Bitmap, kSlotTableSize> tags;
    for (std::size_t slot = 0; slot < tags.size(); ++slot) {
        tags[slot] = std::exchange(design.Slots[slot].TagImage, Bitmap());
    }
    TagDesign values = design;
    for (std::size_t slot = 0; slot < tags.size(); ++slot) {
        design.Slots[slot].TagImage = std::move(tags[slot]);
    }
    return values;
}

QStringList changedAspects(const TagDesign& before, const TagDesign& after) {
    QStringList names;
    for (const Aspect& aspect : kAspects) {
        if (!aspect.same(before, after)) {
            names << QString::fromLatin1(aspect.name);
        }
    }
    return names;
}

void restoreDesignValues(TagDesign& design, const TagDesign& values) {
    TagDesign restored = values;
    for (std::size_t slot = 0; slot < restored.Slots.size(); ++slot) {
        restored.Slots[slot].TagImage = std::move(design.Slots[slot].TagImage);
    }
    restored.pageGrid = design.pageGrid;
    restored.renderMode = design.renderMode;
    restored.Printing = design.Printing;
    restored.ReloadFromFiles = design.ReloadFromFiles;
    restored.FloatingTagCheckBox = design.FloatingTagCheckBox;
    design = std::move(restored);
    design.ApplyTagSize();
}

DesignHistory::DesignHistory(Restore restore)
    : stack_(std::make_unique<QUndoStack>()), restore_(std::move(restore)) {}

DesignHistory::~DesignHistory() = default;

bool DesignHistory::record(const TagDesign& before, const TagDesign& after, const void* field,
                           int typingSession) {
    const QStringList aspects = changedAspects(before, after);
    if (aspects.isEmpty()) {
        return false;
    }
    stack_->push(new DesignStep(before, after, aspects.first(), field, typingSession, restore_));
    return true;
}

void DesignHistory::clear() {
    stack_->clear();
    stack_->setClean();
}

void DesignHistory::markSaved() {
    stack_->setClean();
}

bool DesignHistory::isModified() const {
    return !stack_->isClean();
}

QStringList DesignHistory::referencedPictureFiles(const TagDesign& current) const {
    QStringList files;
    addPictureFiles(files, current);
    for (int index = 0; index < stack_->count(); ++index) {
        const auto* step = static_cast<const DesignStep*>(stack_->command(index));
        addPictureFiles(files, step->before());
        addPictureFiles(files, step->after());
    }
    return files;
}

} // namespace veltmoor
