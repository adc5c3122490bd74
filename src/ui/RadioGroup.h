#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

namespace veltrane {

// A framed group of mutually exclusive choices, one radio button per item,
// filled column by column into `columns` columns. The items belong to the
// group (their buttons carry no names of their own), so the group is
// translated by its ".Items" entry, and its title is shown exactly as given.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex NOTIFY itemIndexChanged)
    Q_PROPERTY(int columns READ columns WRITE setColumns)

  public:
    explicit TRadioGroup(QWidget* parent = nullptr);
    TRadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent = nullptr);

    QStringList items() const { return items_; }
    // Same count: only the texts change and the choice stays. Otherwise the
    // buttons are rebuilt and a choice beyond the new list is dropped.
    void setItems(const QStringList& items);
    // Retexts one existing item; out of range does nothing.
    void setItemText(int index, const QString& text);
    int count() const { return static_cast<int>(items_.size()); }

    // -1 when nothing is chosen.
    int itemIndex() const;
    // Out of range clears the choice. Does not emit clicked().
    void setItemIndex(int index);

    int columns() const { return columns_; }
    void setColumns(int columns);

    QRadioButton* button(int index) const;

  signals:
    // The player picked an item (not emitted for programmatic changes).
    void clicked(int index);
    void itemIndexChanged(int index);

  private:
    void rebuild(int keepIndex);
    void arrange();

    QStringList items_;
    int columns_ = 1;
    QGridLayout* grid_;
    QButtonGroup* buttons_;
};

} // namespace veltrane
