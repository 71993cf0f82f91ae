#include "design/DesignHistory.h"

#include "design/DesignChange.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <utility>

namespace veltmoor {

namespace {

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
    for (const img& slot : design.slotTable()) {
        for (const QString& name : {slot.FileName, slot.SourceFileName}) {
            if (!name.isEmpty() && !files.contains(name)) {
                files << name;
            }
        }
    }
}

} // namespace

QStringList changedAspects(const TagDesign& before, const TagDesign& after) {
    return changeBetween(before, after).undoNames();
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
