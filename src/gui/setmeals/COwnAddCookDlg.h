#pragma once

#include "core/setmeals/ItemChoice.h"

#include <QString>
#include <QWidget>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace pelinor {

class CListCtrlCl;

// The own-dish page of the item chooser: a dish put together on the spot from foods of the
// catalogue, each with its weight. The chooser stores it as a new dish on OK.
class COwnAddCookDlg : public QWidget
{
    Q_OBJECT

public:
    explicit COwnAddCookDlg(QWidget* parent = nullptr);

    QLineEdit* nameEdit() const;
    QComboBox* categoryCombo() const;
    CListCtrlCl* foodList() const;
    QLineEdit* weightEdit() const;
    CListCtrlCl* chosenList() const;
    QPushButton* addButton() const;
    QPushButton* changeWeightButton() const;
    QPushButton* removeButton() const;

    // Lists every food whose name contains the text (the chooser's search).
    void search(const QString& text);
    // The chosen foods, top first.
    std::vector<OwnDishFood> foods() const;

public slots:
    void onCategoryChanged(int position);
    void onAddFood();
    void onChangeWeight();
    void onRemoveFood();

private:
    QLineEdit* m_name;
    QComboBox* m_category;
    CListCtrlCl* m_foods;
    QLineEdit* m_weight;
    CListCtrlCl* m_chosen;
    QPushButton* m_add;
    QPushButton* m_changeWeight;
    QPushButton* m_remove;
    std::vector<int> m_topIds;
};

} // namespace pelinor
