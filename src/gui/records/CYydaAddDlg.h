#pragma once

#include "core/records/ArchiveFields.h"
#include "core/records/ArchiveRecord.h"
#include "gui/widgets/CSkinPage.h"

#include <QDate>
#include <QList>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;

namespace pelinor {

// The archive form (page 11): one archive at a time, a new one after "add" or a stored one after
// "edit". Save writes it and returns to the list; cancel drops the input and returns.
class CYydaAddDlg : public CSkinPage
{
    Q_OBJECT

public:
    explicit CYydaAddDlg(QWidget* parent = nullptr);

    // Clears the form for a new archive: a fresh archive number, empty boxes, first entries,
    // today in both date pickers, every box unchecked. False when no new archive can be made (the
    // year's numbers are used up, said only when `sayWhy`; a database failure, always shown).
    bool startNew(bool sayWhy = false);
    // Loads a stored archive; false (and the form untouched) when there is none.
    bool loadArchive(const QString& archId);

    // The archive the form holds now, item lists built.
    ArchiveRecord formArchive() const;

    // Save and cancel buttons.
    bool save();
    void cancel();

    // The class drop-down list was set by the user: the student number follows it.
    void chooseClass();

    // Named boxes for tests and the tour.
    QLineEdit* edit(const char* objectName) const;
    QComboBox* combo(const char* objectName) const;
    QDateEdit* date(const char* objectName) const;
    QCheckBox* check(const QString& objectName) const;

private:
    struct ItemGroup
    {
        const std::vector<std::string>* items = nullptr;
        QCheckBox* none = nullptr;
        std::vector<QCheckBox*> boxes;
        QLineEdit* other = nullptr;

        ItemChoice choice() const;
        void show(const ItemChoice& choice) const;
    };

    // The boxes of the archive, three label and box pairs to a row.
    QGridLayout* buildForm();
    // Allergies, illnesses, disabilities and clinical signs.
    QGridLayout* buildItemGroups();
    // Save and cancel.
    QHBoxLayout* buildButtons();
    // A check-box group in rows of `rowSizes` boxes ("无" first), the other text at the end of the
    // last row or on a row of its own.
    QWidget* buildGroup(ItemGroup& group, const QString& name, const QList<int>& rowSizes, bool otherInline);
    void fillClasses();
    void backToList();

    // A stored date the picker cannot show as stored ("2011-9-30", "") is written back unchanged
    // unless the user picks another date.
    struct StoredDate
    {
        std::string text;
        QDate shown;
    };
    void showStoredDate(QDateEdit* picker, StoredDate& stored, const std::string& text);
    std::string keptDate(const QDateEdit* picker, const StoredDate& stored) const;

    bool m_isNew = true;
    StoredDate m_storedBirth;
    StoredDate m_storedInTime;
    QLineEdit* m_archId;
    QLineEdit* m_name;
    QComboBox* m_gender;
    QComboBox* m_nation;
    QLineEdit* m_height;
    QLineEdit* m_weight;
    QDateEdit* m_birth;
    QLineEdit* m_school;
    QDateEdit* m_inTime;
    QComboBox* m_class;
    QLineEdit* m_studentId;
    QComboBox* m_residence;
    QLineEdit* m_address;
    QLineEdit* m_guardian;
    QLineEdit* m_guardianTel;
    QLineEdit* m_relation;
    QComboBox* m_abo;
    QComboBox* m_rh;
    ItemGroup m_allergy;
    ItemGroup m_illness;
    ItemGroup m_disability;
    std::vector<QCheckBox*> m_signs;
};

} // namespace pelinor
