#pragma once

#include <QGroupBox>
#include <QStringList>

#include <vector>

class QButtonGroup;
class QRadioButton;

namespace veltmoor {

// A captioned group of mutually exclusive choices, known by the index of the chosen one
// (-1 for none). Choosing, by the user or by setItemIndex, emits clicked once for each
// real change; choosing the item already chosen emits nothing.
class RadioGroup : public QGroupBox {
    Q_OBJECT

public:
    RadioGroup(const QString& caption, const QStringList& items, int columns = 1,
               QWidget* parent = nullptr);

    int itemIndex() const { return itemIndex_; }
    void setItemIndex(int index);

    int count() const { return static_cast<int>(buttons_.size()); }
    QString item(int index) const;
    QRadioButton* button(int index) const;

signals:
    void clicked();

private:
    void chosen(int index);

    QButtonGroup* group_ = nullptr;
    std::vector<QRadioButton*> buttons_;
    int itemIndex_ = -1;
};

} // namespace veltmoor
