// A random walk through the program as a careless user would take it: log in, press whatever is
// enabled, pick rows, tree items, tabs and list entries, type hostile text into any box, answer or
// dismiss whatever dialog comes up. Afterwards every data file must be sound, no name or number
// may be doubled and the administrator's account must be as it was.
//
// The walk is repeatable: PELINOR_WALK_SEED and PELINOR_WALK_STEPS (or --walk-seed=N and
// --walk-steps=N on the test program's command line) choose another walk or a longer one.
#include "GuiTestSupport.h"
#include "core/admin/LoginService.h"
#include "core/common/Clock.h"
#include "core/db/CppSQLite3DB.h"
#include "core/db/DatabaseCatalog.h"
#include "gui/admin/CLoginDlg.h"
#include "gui/planning/CCgqdDlg.h"
#include "gui/print/CPreParentDlg.h"
#include "gui/shell/CLumarooDlg.h"
#include "gui/shell/HelpLauncher.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QEventLoop>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

using namespace pelinor;

namespace {

unsigned walkSetting(const char* name, unsigned fallback)
{
    const char* text = std::getenv(name);
    if (!text || !*text) {
        return fallback;
    }
    return static_cast<unsigned>(std::strtoul(text, nullptr, 10));
}

// What a careless or hostile user types.
QString hostileText(std::mt19937& random)
{
    static const QStringList texts = {
        QString(),
        QStringLiteral(" "),
        QStringLiteral("　"),
        QStringLiteral("\t"),
        QStringLiteral("\u200B"),
        QStringLiteral("'; DROP TABLE FoodShow; --"),
        QStringLiteral("Tom's 班"),
        QStringLiteral("%n%s%d%%"),
        QStringLiteral("😀🍚"),
        QStringLiteral("大米"),
        QStringLiteral("大米 "),
        QStringLiteral("大\u200B米"),
        QStringLiteral("鸡蛋；大米:80g；"),
        QStringLiteral("小班"),
        QStringLiteral("admin"),
        QStringLiteral("0"),
        QStringLiteral("-1"),
        QStringLiteral("0.01"),
        QStringLiteral("16"),
        QStringLiteral("100"),
        QStringLiteral("98.5"),
        QStringLiteral("1e308"),
        QStringLiteral("99999999999999999999"),
        QStringLiteral("nan"),
        QStringLiteral("2011-9-30"),
        QStringLiteral("<b>粗体</b>\\\""),
        QStringLiteral("第一行\n第二行"),
        QString(3000, QChar(0x7C73)),
    };
    return texts.at(static_cast<int>(random() % static_cast<unsigned>(texts.size())));
}

// Walks the program: each step acts on the dialog that is up (or on the main window) and schedules
// the next step before it acts, so a step that opens a dialog (and waits in its exec()) lets the
// next steps work inside that dialog.
class Walker : public QObject
{
public:
    Walker(CLumarooDlg& window, unsigned seed, unsigned steps)
        : m_window(window)
        , m_random(seed)
        , m_steps(steps)
    {
    }

    void run()
    {
        QTimer::singleShot(0, this, [this] { step(); });
        m_loop.exec();
    }

    unsigned stepsTaken() const
    {
        return m_taken;
    }

    // The last actions, for the message of a failed check.
    std::string recentActions() const
    {
        std::ostringstream out;
        for (const auto& action : m_recent) {
            out << "  " << action << "\n";
        }
        return out.str();
    }

private:
    unsigned below(std::size_t count)
    {
        return count == 0 ? 0 : static_cast<unsigned>(m_random() % count);
    }

    void note(const QString& action)
    {
        if (std::getenv("PELINOR_WALK_LOG")) {
            std::fprintf(stderr, "walk %u: %s\n", m_taken, action.left(160).toUtf8().constData());
        }
        m_recent.push_back(std::to_string(m_taken) + ": " + action.left(120).toStdString());
        if (m_recent.size() > 40) {
            m_recent.pop_front();
        }
    }

    void step()
    {
        closeStrayWindows();
        if (m_taken >= m_steps) {
            // Done: close what is still open, innermost first, then leave.
            if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                modal->reject();
                QTimer::singleShot(0, this, [this] { step(); });
            } else {
                m_loop.quit();
            }
            return;
        }
        ++m_taken;
        QTimer::singleShot(0, this, [this] { step(); });
        act();
    }

    // Windows of their own (the help guide) are closed; a main window closed by a password
    // change is opened again.
    void closeStrayWindows()
    {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (top != &m_window && top->isVisible() && !top->isModal() && top->isWindow() && !qobject_cast<QMenu*>(top)
                && top->windowType() != Qt::ToolTip) {
                if (top->inherits("QComboBoxPrivateContainer")) {
                    continue;
                }
                top->close();
            }
        }
        if (!m_window.isVisible() && !QApplication::activeModalWidget()) {
            note(QStringLiteral("main window shown again"));
            m_window.show();
        }
    }

    void act()
    {
        QWidget* modal = QApplication::activeModalWidget();
        QWidget* scope = modal ? modal : &m_window;
        auto* dialog = qobject_cast<QDialog*>(modal);
        if (dialog && (qobject_cast<QFileDialog*>(dialog) || dialog->inherits("QPrintDialog"))) {
            note(QStringLiteral("file or print dialog rejected"));
            dialog->reject();
            return;
        }
        // A dialog the walk cannot get out of is left the way a user leaves it.
        if (modal != m_lastModal) {
            m_lastModal = modal;
            m_modalSteps = 0;
        }
        if (dialog && (++m_modalSteps > 40 || below(100) < 6)) {
            note(QStringLiteral("dialog dismissed: ") + dialog->metaObject()->className());
            dialog->reject();
            return;
        }
        // Every step does something: when the chosen kind of control is not there, a button is pressed.
        const unsigned choice = below(100);
        bool acted = false;
        if (choice < 42) {
            // a button, below
        } else if (choice < 57) {
            acted = pickRow(scope);
        } else if (choice < 62) {
            acted = pickTreeItem(scope);
        } else if (choice < 66) {
            acted = pickTab(scope);
        } else if (choice < 84) {
            acted = typeText(scope);
        } else if (choice < 95) {
            acted = pickComboEntry(scope);
        } else {
            acted = pickDate(scope);
        }
        if (!acted) {
            clickButton(scope);
        }
    }

    // The buttons that switch pages: the navigation bar, the home tiles and the hubs' strips.
    static bool switchesPages(const QAbstractButton* button)
    {
        for (const QObject* up = button->parent(); up; up = up->parent()) {
            if (up->inherits("pelinor::CLeftDlg") || up->inherits("pelinor::CCenterDlg")) {
                return true;
            }
        }
        static const QRegularExpression stripButton(QStringLiteral("^C\\w+Dlg(Button|Tile)$"));
        return stripButton.match(button->objectName()).hasMatch();
    }

    template <typename T> QList<T*> usable(QWidget* scope)
    {
        QList<T*> found;
        for (T* widget : scope->findChildren<T*>()) {
            if (widget->isVisible() && widget->isEnabled() && widget->window() == scope->window()) {
                found.append(widget);
            }
        }
        return found;
    }

    void clickButton(QWidget* scope)
    {
        QList<QAbstractButton*> buttons;
        for (QAbstractButton* button : usable<QAbstractButton>(scope)) {
            // The window's own buttons would end or hide the walk, not test the program.
            const QString name = button->objectName();
            if (scope == &m_window
                && (name == QLatin1String("closeButton") || name == QLatin1String("minimiseButton")
                    || name == QLatin1String("maximiseButton"))) {
                continue;
            }
            buttons.append(button);
        }
        // Mostly the buttons of the page that is up; now and then another page.
        QList<QAbstractButton*> onPage;
        for (QAbstractButton* button : buttons) {
            if (!switchesPages(button)) {
                onPage.append(button);
            }
        }
        if (!onPage.isEmpty() && below(100) < 75) {
            buttons = onPage;
        }
        if (buttons.isEmpty()) {
            return;
        }
        QAbstractButton* button = buttons.at(static_cast<int>(below(static_cast<std::size_t>(buttons.size()))));
        note(QStringLiteral("click %1 \"%2\" in %3")
                 .arg(button->objectName(), button->text().isEmpty() ? button->toolTip() : button->text(),
                     scope->metaObject()->className()));
        button->click();
    }

    bool pickRow(QWidget* scope)
    {
        QList<QTableWidget*> tables;
        for (QTableWidget* table : usable<QTableWidget>(scope)) {
            if (table->rowCount() > 0 && table->columnCount() > 0) {
                tables.append(table);
            }
        }
        if (tables.isEmpty()) {
            return false;
        }
        QTableWidget* table = tables.at(static_cast<int>(below(static_cast<std::size_t>(tables.size()))));
        const int row = static_cast<int>(below(static_cast<std::size_t>(table->rowCount())));
        const bool twice = below(100) < 30;
        note(
            QStringLiteral("%1 row %2 of %3").arg(twice ? "double-click" : "select").arg(row).arg(table->objectName()));
        table->scrollTo(table->model()->index(row, 0));
        table->selectRow(row);
        if (twice) {
            emit table->cellDoubleClicked(row, 0);
        } else {
            emit table->cellClicked(row, 0);
        }
        return true;
    }

    bool pickTreeItem(QWidget* scope)
    {
        const auto trees = usable<QTreeWidget>(scope);
        if (trees.isEmpty()) {
            return false;
        }
        QTreeWidget* tree = trees.at(static_cast<int>(below(static_cast<std::size_t>(trees.size()))));
        QList<QTreeWidgetItem*> items;
        for (QTreeWidgetItemIterator it(tree); *it; ++it) {
            items.append(*it);
        }
        if (items.isEmpty()) {
            return false;
        }
        QTreeWidgetItem* item = items.at(static_cast<int>(below(static_cast<std::size_t>(items.size()))));
        note(QStringLiteral("tree item \"%1\"").arg(item->text(0)));
        tree->setCurrentItem(item);
        emit tree->itemClicked(item, 0);
        return true;
    }

    bool pickTab(QWidget* scope)
    {
        const auto tabs = usable<QTabWidget>(scope);
        if (tabs.isEmpty()) {
            return false;
        }
        QTabWidget* widget = tabs.at(static_cast<int>(below(static_cast<std::size_t>(tabs.size()))));
        const int index = static_cast<int>(below(static_cast<std::size_t>(widget->count())));
        note(QStringLiteral("tab %1 of %2").arg(index).arg(widget->objectName()));
        widget->setCurrentIndex(index);
        return true;
    }

    bool typeText(QWidget* scope)
    {
        QList<QWidget*> boxes;
        for (QLineEdit* edit : usable<QLineEdit>(scope)) {
            // The line edits inside spin boxes, date editors and combo boxes are typed into through
            // their owners.
            if (!edit->isReadOnly() && !qobject_cast<QAbstractSpinBox*>(edit->parentWidget())
                && !qobject_cast<QComboBox*>(edit->parentWidget())) {
                boxes.append(edit);
            }
        }
        for (QPlainTextEdit* edit : usable<QPlainTextEdit>(scope)) {
            if (!edit->isReadOnly()) {
                boxes.append(edit);
            }
        }
        for (QTextEdit* edit : usable<QTextEdit>(scope)) {
            if (!edit->isReadOnly()) {
                boxes.append(edit);
            }
        }
        for (QSpinBox* box : usable<QSpinBox>(scope)) {
            boxes.append(box);
        }
        if (boxes.isEmpty()) {
            return false;
        }
        QWidget* box = boxes.at(static_cast<int>(below(static_cast<std::size_t>(boxes.size()))));
        const QString text = hostileText(m_random);
        note(QStringLiteral("type \"%1\" into %2").arg(text.left(30), box->objectName()));
        if (auto* edit = qobject_cast<QLineEdit*>(box)) {
            // Typed, so that the box's own checks (validators, lengths) apply as they do for a user.
            edit->selectAll();
            edit->insert(text);
            if (below(100) < 25) {
                QTest::keyClick(edit, Qt::Key_Return);
            }
        } else if (auto* plain = qobject_cast<QPlainTextEdit*>(box)) {
            plain->setPlainText(text);
        } else if (auto* rich = qobject_cast<QTextEdit*>(box)) {
            rich->setPlainText(text);
        } else if (auto* spin = qobject_cast<QSpinBox*>(box)) {
            const auto span = static_cast<std::size_t>(static_cast<qint64>(spin->maximum()) - spin->minimum());
            spin->setValue(static_cast<int>(spin->minimum() + static_cast<qint64>(below(span + 1))));
        }
        return true;
    }

    bool pickComboEntry(QWidget* scope)
    {
        QList<QComboBox*> combos;
        for (QComboBox* combo : usable<QComboBox>(scope)) {
            if (combo->count() > 0) {
                combos.append(combo);
            }
        }
        if (combos.isEmpty()) {
            return false;
        }
        QComboBox* combo = combos.at(static_cast<int>(below(static_cast<std::size_t>(combos.size()))));
        const int index = static_cast<int>(below(static_cast<std::size_t>(combo->count())));
        note(QStringLiteral("choose %1 \"%2\"").arg(combo->objectName(), combo->itemText(index)));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
        return true;
    }

    bool pickDate(QWidget* scope)
    {
        const auto dates = usable<QDateEdit>(scope);
        if (dates.isEmpty()) {
            return false;
        }
        QDateEdit* date = dates.at(static_cast<int>(below(static_cast<std::size_t>(dates.size()))));
        const QDate chosen = QDate(2005, 1, 1).addDays(below(365 * 25));
        note(QStringLiteral("date %1 into %2").arg(chosen.toString(Qt::ISODate), date->objectName()));
        date->setDate(chosen);
        return true;
    }

    CLumarooDlg& m_window;
    std::mt19937 m_random;
    unsigned m_steps;
    unsigned m_taken = 0;
    QEventLoop m_loop;
    QWidget* m_lastModal = nullptr;
    int m_modalSteps = 0;
    std::deque<std::string> m_recent;
};

// The walk's doors to the world outside are closed: no printer, no file chosen, no browser.
class OutsideWorldShut
{
public:
    OutsideWorldShut()
        : m_printers(CPreParentDlg::setPrinterSource([] { return std::unique_ptr<QPrinter>(); }))
        , m_pdf(CPreParentDlg::setPdfPathChooser([](QWidget*, const QString&) { return QString(); }))
        , m_csv(CCgqdDlg::setCsvPathChooser([](QWidget*, const QString&) { return QString(); }))
    {
        HelpLauncher::setUrlOpener([](const QUrl&) { return true; });
    }
    ~OutsideWorldShut()
    {
        CPreParentDlg::setPrinterSource(m_printers);
        CPreParentDlg::setPdfPathChooser(m_pdf);
        CCgqdDlg::setCsvPathChooser(m_csv);
        HelpLauncher::setUrlOpener(nullptr);
    }

private:
    CPreParentDlg::PrinterSource m_printers;
    CPreParentDlg::PdfPathChooser m_pdf;
    CCgqdDlg::CsvPathChooser m_csv;
};

// Numbers and names that identify a record and so must never repeat: database, table, column(s).
struct UniqueKey
{
    int file;
    const char* table;
    const char* key;
};

const UniqueKey kUniqueKeys[] = {
    { CookDb, "FoodShow", "FoodID" },
    { CookDb, "FoodShow", "FoodName" },
    { CookDb, "FoodType", "FoodTypeID" },
    { CookDb, "FoodType", "FoodTypePID, FoodTypeName" },
    { CookDb, "FoodCollocation", "CollocationID" },
    { CookDb, "CookShow", "CookID" },
    { CookDb, "CookShow", "CookName" },
    { CookDb, "CookType", "CookTypeID" },
    { CookDb, "CookType", "CookTypePID, CookTypeName" },
    { CookDb, "CookFood", "CookFoodID" },
    { CookDb, "CXC", "ID" },
    { GrightDb, "FoodBarter", "BarterID" },
    { GrightDb, "FoodPhaseg", "PhasegID" },
    { RecordDb, "ClassInfo", "ID" },
    { RecordDb, "ClassInfo", "ClassName" },
    { RecordDb, "ArchivesBase", "ArchID" },
    { SysManagerDb, "Management", "ManageID" },
    { SysManagerDb, "Management", "ManageUser" },
    { SysManagerDb, "ManageRolse", "RolseID" },
    { SysManagerDb, "ManageRolse", "RolseName" },
    { PackageDb, "PackageName", "ID" },
    { PackageDb, "PackageCook", "PcookID" },
    { PantryDb, "PantryRecord", "PrecordID" },
    { PantryDb, "PantryCook", "PcookID" },
};

std::vector<std::string> firstColumn(int file, const std::string& sql)
{
    CppSQLite3DB db;
    db.open(GetDatabasePath(file));
    std::vector<std::string> values;
    for (auto query = db.execQuery(sql); !query.eof(); query.nextRow()) {
        values.push_back(query.getStringField(0));
    }
    return values;
}

// The administrator's number, user name, password, role and state.
std::vector<std::string> administrator()
{
    CppSQLite3DB db;
    db.open(GetDatabasePath(SysManagerDb));
    std::vector<std::string> row;
    for (auto query = db.execQuery("SELECT ManageID, ManageUser, ManagePass, ManageRolse, ManageState FROM "
                                   "Management WHERE ManageUser = 'admin'");
         !query.eof(); query.nextRow()) {
        for (int i = 0; i < 5; ++i) {
            row.push_back(query.getStringField(i));
        }
    }
    return row;
}

class RandomWalkTest : public test::GuiTest
{
protected:
    RandomWalkTest()
        : test::GuiTest(DataFolderContent::Demo)
    {
    }
    void SetUp() override
    {
        setProgramClock(std::make_shared<FixedClock>(DateTime { 2026, 3, 2, 9, 30, 0 }));
    }
    void TearDown() override
    {
        setProgramClock(nullptr);
    }
};

TEST_F(RandomWalkTest, AWalkThroughEveryScreenLeavesTheDataSound)
{
    const unsigned seed = walkSetting("PELINOR_WALK_SEED", 20261207u);
    const unsigned steps = walkSetting("PELINOR_WALK_STEPS", 4000u);
    SCOPED_TRACE("seed " + std::to_string(seed) + ", " + std::to_string(steps) + " steps");
    const auto adminBefore = administrator();
    ASSERT_EQ(adminBefore.size(), 5u);

    // The login as the user goes through it.
    {
        CLoginDlg login;
        login.show();
        login.userNameEdit()->setText(QStringLiteral("admin"));
        login.passwordEdit()->setText(QStringLiteral("vanto"));
        login.findChild<QPushButton*>(QStringLiteral("loginButton"))->click();
        ASSERT_EQ(login.result(), QDialog::Accepted) << m_prompts->lastText().toStdString();
    }
    ASSERT_EQ(Session::currentUser().userName, "admin");

    OutsideWorldShut shut;
    CLumarooDlg window;
    window.show();
    Walker walker(window, seed, steps);
    walker.run();
    EXPECT_EQ(walker.stepsTaken(), steps);
    const std::string recent = walker.recentActions();

    for (int file = kFirstDatabaseId; file <= kLastDatabaseId; ++file) {
        EXPECT_EQ(firstColumn(file, "PRAGMA integrity_check"), std::vector<std::string> { "ok" }) << databaseFileName(
            file) << "\n" << recent;
    }
    for (const auto& key : kUniqueKeys) {
        const auto doubled = firstColumn(key.file,
            std::string("SELECT ") + key.key + " FROM " + key.table + " GROUP BY " + key.key + " HAVING COUNT(*) > 1");
        EXPECT_TRUE(doubled.empty()) << key.table << "." << key.key << " repeats " << doubled.front() << "\n" << recent;
    }
    EXPECT_EQ(administrator(), adminBefore) << recent;
    EXPECT_TRUE(LoginService::login("admin", "vanto").ok()) << recent;
}

// The same walk on a folder whose files break under the running program: every screen must show
// the error and carry on, however the user goes on.
TEST_F(RandomWalkTest, AWalkOverDamagedFilesNeverEndsTheProgram)
{
    const unsigned seed = walkSetting("PELINOR_WALK_SEED", 20261207u) + 1;
    const unsigned steps = walkSetting("PELINOR_WALK_STEPS", 4000u) / 3;
    test::logInAs("admin", "vanto");
    OutsideWorldShut shut;
    CLumarooDlg window;
    window.show();
    test::damage(CookDb, test::Damage::RandomBytes);
    test::damage(RecordDb, test::Damage::TablesGone);
    test::damage(SysManagerDb, test::Damage::TablesGone);
    test::damage(PantryDb, test::Damage::RandomBytes);
    test::damage(PackageDb, test::Damage::TablesGone);
    Walker walker(window, seed, steps);
    walker.run();
    EXPECT_EQ(walker.stepsTaken(), steps);
    EXPECT_FALSE(m_prompts->texts().isEmpty());
}

} // namespace
