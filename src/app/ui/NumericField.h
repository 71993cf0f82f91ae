#pragma once

#include "design/NumericFields.h"

#include <QObject>
#include <QString>

#include <optional>
#include <set>
#include <variant>

class QLineEdit;

namespace veltmoor {

class UpDown;

// The sizes in hundredths of an inch the window's pages let the user type or step.
enum class SizeField { TagWidth, TagHeight, HoleWidth, HoleHeight };

// A number the window's pages let the user type or step: a size or a percent field.
using Number = std::variant<SizeField, PercentField>;

// One number the user types or steps with arrows: an edit and the up-down beside it.
//
// A size is read when a key that went down in its edit comes up, so that the release of a
// key that closed a message does not bring the message back; its up-down keeps the number
// and the edit shows it in inches, and what the user is typing stays in the edit until an
// arrow, Undo or another design replaces it. A percent is read on every change of its edit,
// which its up-down writes.
//
// A typed number out of range may be one the user has only begun to type ("0" on the way
// to "0.75"): its message waits until the user leaves the field with it still there.
class NumericField : public QObject {
    Q_OBJECT

public:
    // The edit and up-down are the page's; the field only watches and writes them.
    NumericField(QLineEdit* edit, UpDown* upDown, TypedNumber unit, QObject* parent);

    QLineEdit* edit() const { return edit_; }
    UpDown* upDown() const { return upDown_; }

    // Shows the number in use, `text` in the edit of a size; what is being typed stays.
    // Nothing is signalled.
    void show(int position, const QString& text = QString());
    // The edit shows the number in use at the next show, whatever was typed into it.
    void stopTyping() { typing_ = false; }

    // A typed text the design refused as out of range: true when typing on may still bring
    // it into range, and then its message waits for the user to leave the field.
    bool waitsForMore(const ValueOutOfRange& error);
    // The typed text was taken, or refused with its message: nothing waits any more.
    void settle() { waiting_.reset(); }

signals:
    // The edit's text as typed, to be read and checked.
    void typed(const QString& text);
    // An arrow moved the number to `position`.
    void stepped(int position);
    // The user left the field while an out-of-range text still waited for more typing.
    void leftOutOfRange(const ValueOutOfRange& error);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void keyReleased(int key);
    void left();

    struct Waiting {
        QString text;
        ValueOutOfRange error;
    };

    QLineEdit* edit_;
    UpDown* upDown_;
    TypedNumber unit_;
    std::set<int> keysDown_;
    std::optional<Waiting> waiting_;
    bool showing_ = false;
    bool typing_ = false;
};

} // namespace veltmoor
