#include "ui/RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

#include <algorithm>

namespace veltrane {

TRadioGroup::TRadioGroup(QWidget* parent)
    : QGroupBox(parent), grid_(new QGridLayout(this)), buttons_(new QButtonGroup(this)) {
    buttons_->setExclusive(true);
    connect(buttons_, &QButtonGroup::idClicked, this, &TRadioGroup::clicked);
    connect(buttons_, &QButtonGroup::idToggled, this, [this](int id, bool on) {
        if (on)
            emit itemIndexChanged(id);
    });
}

TRadioGroup::TRadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent)
    : TRadioGroup(parent) {
    setTitle(title);
    columns_ = std::max(1, columns);
    setItems(items);
}

void TRadioGroup::setItems(const QStringList& items) {
    if (items.size() == items_.size()) {
        for (int i = 0; i < count(); ++i)
            setItemText(i, items[i]);
        return;
    }
    const int keep = itemIndex();
    items_ = items;
    const bool dropped = keep >= count();
    rebuild(dropped ? -1 : keep);
    if (dropped)
        emit itemIndexChanged(-1);
}

void TRadioGroup::setItemText(int index, const QString& text) {
    if (index < 0 || index >= count())
        return;
    items_[index] = text;
    button(index)->setText(text);
}

int TRadioGroup::itemIndex() const {
    return buttons_->checkedId();
}

void TRadioGroup::setItemIndex(int index) {
    if (QRadioButton* b = button(index)) {
        b->setChecked(true);
    } else if (QAbstractButton* checked = buttons_->checkedButton()) {
        // An exclusive group refuses to uncheck its last button.
        buttons_->setExclusive(false);
        checked->setChecked(false);
        buttons_->setExclusive(true);
        emit itemIndexChanged(-1);
    }
}

void TRadioGroup::setColumns(int columns) {
    columns = std::max(1, columns);
    if (columns == columns_)
        return;
    columns_ = columns;
    arrange();
}

QRadioButton* TRadioGroup::button(int index) const {
    return qobject_cast<QRadioButton*>(buttons_->button(index));
}

void TRadioGroup::rebuild(int keepIndex) {
    for (QAbstractButton* b : buttons_->buttons()) {
        buttons_->removeButton(b);
        delete b;
    }
    for (int i = 0; i < count(); ++i) {
        auto* b = new QRadioButton(items_[i], this);
        buttons_->addButton(b, i);
    }
    arrange();
    if (keepIndex >= 0)
        button(keepIndex)->setChecked(true);
}

void TRadioGroup::arrange() {
    for (QAbstractButton* b : buttons_->buttons())
        grid_->removeWidget(b);
    // Items run down the first column, then down the next.
    const int perColumn = std::max(1, (count() + columns_ - 1) / columns_);
    for (int i = 0; i < count(); ++i)
        grid_->addWidget(button(i), i % perColumn, i / perColumn);
}

} // namespace veltrane
