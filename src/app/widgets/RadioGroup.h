#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QVBoxLayout;

// A captioned group of radio buttons built from a list of item texts, with the
// selected item as an index. clicked() follows every change of the selection,
// whether the user or the program made it.
class RadioGroup : public QGroupBox
{
    Q_OBJECT
    Q_PROPERTY(QStringList items READ items WRITE setItems)
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)

public:
    explicit RadioGroup(QWidget *parent = nullptr);

    QStringList items() const;
    // Replaces the item texts; the selected index stays where it still exists.
    // Replacing the texts is not a change of the selection.
    void setItems(const QStringList &items);

    // -1 when nothing is selected.
    int itemIndex() const;
    // An index beyond the last item selects the last one; below 0 selects none.
    void setItemIndex(int index);

signals:
    void clicked();

private:
    QButtonGroup *m_group;
    QVBoxLayout *m_layout;
};
