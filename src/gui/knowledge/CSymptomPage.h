#pragma once

#include <QString>
#include <QWidget>

class QPlainTextEdit;

namespace pelinor {

// A symptom page of the nutrient evaluation: the excess or the deficiency symptoms of one
// nutrient, depending on how much of its reference the analysed day supplies. One class serves
// the eleven graded nutrients (蛋白质, 碳水化合物, 脂肪, 维生素B6, 维生素C, 维生素E, 钙, 铁, 锌, 硒, 钠).
class CSymptomPage : public QWidget
{
    Q_OBJECT

public:
    explicit CSymptomPage(const QString& nutrientName, QWidget* parent = nullptr);

    // Shows the excess symptoms above 100 %, otherwise (an undefined share included) the
    // deficiency symptoms. A nutrient the file does not describe leaves the page as it was.
    void ShowForRatio(float percentage);

    const QString& nutrientName() const
    {
        return m_nutrientName;
    }
    QString text() const;

private:
    QString m_nutrientName;
    QPlainTextEdit* m_box;
};

} // namespace pelinor
