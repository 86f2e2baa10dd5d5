#include "../GuiTestSupport.h"
#include "core/common/Clock.h"
#include "core/db/DatabaseConnection.h"
#include "gui/navigation/Navigator.h"
#include "gui/navigation/PageOpeners.h"
#include "gui/navigation/RefreshablePage.h"
#include "gui/setmeals/CAddTcmcDlg.h"
#include "gui/planning/CCgqdDlg.h"
#include "gui/planning/CYypcViewDlg.h"
#include "gui/print/CPreParentDlg.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

using namespace pelinor;

namespace {

// A main window as far as the pages see it: it records where they send the user.
class RecordingNavigator : public Navigator
{
public:
    struct DayPage : QWidget, PlanDayOpener
    {
        bool openPlanDay(int planNumber, const QString& dayKey) override
        {
            opened << QStringLiteral("%1 %2").arg(planNumber).arg(dayKey);
            return true;
        }
        QStringList opened;
    };
    struct ListPage : QWidget, RefreshablePage
    {
        void refresh() override
        {
            ++refreshed;
        }
        int refreshed = 0;
    };

    RecordingNavigator()
    {
        setNavigator(this);
    }
    ~RecordingNavigator() override
    {
        clearNavigator(this);
    }
    void showPage(PageId page) override
    {
        shown << page;
    }
    QWidget* page(PageId page) const override
    {
        if (page == PageId::Analysis) {
            return &m_analysis;
        }
        if (page == PageId::PlanList) {
            return &m_planList;
        }
        return nullptr;
    }
    void closeMainWindow() override
    {
    }

    QList<PageId> shown;
    mutable DayPage m_analysis;
    mutable ListPage m_planList;
};

class PlanningReportsPagesTest : public test::GuiTest
{
protected:
    PlanningReportsPagesTest()
    {
        setProgramClock(std::make_shared<FixedClock>(DateTime { 2026, 3, 4, 9, 0, 0 }));
        for (int i = 0; i < 15; ++i) {
            m_folder.exec(RecordDb, "INSERT INTO ArchivesBase(ArchID, ArchName, Class) VALUES('1','甲','大一班')");
        }
        for (int i = 0; i < 20; ++i) {
            m_folder.exec(RecordDb, "INSERT INTO ArchivesBase(ArchID, ArchName, Class) VALUES('2','乙','大二班')");
        }
        m_folder.exec(PantryDb,
            "INSERT INTO PantryRecord "
            "VALUES(0,'大班周食谱','一周','2026-03-01','admin','团体','大一班；大二班','2026-03-02','');"
            "INSERT INTO PantryRecord VALUES(1,'张三一天','一天','2026-03-01','admin','个人','张三','2026-03-06','9');"
            "INSERT INTO PantryCook VALUES(0,0,'米饭','大米:50g；','周二','午餐','2026-03-03','是','50');"
            "INSERT INTO PantryCook VALUES(1,0,'牛奶','牛奶:200g；','周二','早餐','2026-03-03','否','200');"
            "INSERT INTO PantryCook "
            "VALUES(2,0,'青菜（少盐）','青菜:60g；盐:1g；','周二','午餐','2026-03-03','是','61');"
            "INSERT INTO PantryCook VALUES(3,1,'苹果','苹果:100g；','一天','早点','2026-03-06','否','100');");
    }
    ~PlanningReportsPagesTest() override
    {
        setProgramClock(std::make_shared<SystemClock>());
    }
    int setMeals(const char* table)
    {
        DatabaseConnection db(PackageDb);
        return db.execQuery(std::string("SELECT COUNT(*) FROM ") + table).getIntField(0);
    }
    // Closes a preview that should not have opened, so a failing test does not hang; the timer
    // goes with the test, so it never closes a dialog of a later one.
    void guardAgainstModal()
    {
        m_guard.setSingleShot(true);
        m_guard.callOnTimeout([] {
            if (auto* stuck = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                stuck->reject();
            }
        });
        m_guard.start(3000);
    }

    QTimer m_guard;
};

} // namespace

TEST_F(PlanningReportsPagesTest, TheMenuViewListsADayByMealTime)
{
    CYypcViewDlg page;
    ASSERT_TRUE(page.openPlanDay(0, QStringLiteral("周二")));
    EXPECT_EQ(page.planName(), QStringLiteral("大班周食谱"));
    EXPECT_EQ(page.cycle(), QStringLiteral("一周"));
    EXPECT_EQ(page.subject(), QStringLiteral("大一班；大二班"));
    EXPECT_EQ(page.shownDate(), QStringLiteral("2026-03-03"));
    EXPECT_FALSE(page.daySelector()->isHidden());
    EXPECT_EQ(test::column(page.list(), 0), (QStringList { "早餐", "午餐", "午餐" }));
    EXPECT_EQ(test::column(page.list(), 1), (QStringList { "牛奶", "米饭", "青菜（少盐）" }));
    EXPECT_EQ(test::column(page.list(), 2), (QStringList { "200", "50", "61" }));
    EXPECT_EQ(test::column(page.list(), 3), (QStringList { "牛奶:200g；", "大米:50g；", "青菜:60g；盐:1g；" }));
    EXPECT_EQ(page.grid().cell(1, 2), "米饭；青菜；大米:50g；青菜:60g；盐:1g；");

    // Another day: its own lines and no date left over from Tuesday.
    page.daySelector()->setCurrentText(QStringLiteral("周三"));
    EXPECT_EQ(page.shownDayKey(), QStringLiteral("周三"));
    EXPECT_EQ(page.list()->rowCount(), 0);
    EXPECT_EQ(page.shownDate(), QString());

    // A one-day plan: no day selector, its one day.
    ASSERT_TRUE(page.openPlanDay(1, QString()));
    EXPECT_TRUE(page.daySelector()->isHidden());
    EXPECT_EQ(page.shownDayKey(), QStringLiteral("一天"));
    EXPECT_EQ(test::column(page.list(), 1), QStringList { "苹果" });
    EXPECT_EQ(page.grid().dayCount(), 1);

    EXPECT_FALSE(page.openPlanDay(7, QStringLiteral("周一")));
    EXPECT_EQ(m_prompts->lastText(), QStringLiteral("该配餐不存在！"));
    EXPECT_EQ(page.planName(), QString());
    EXPECT_EQ(page.list()->rowCount(), 0);
}

TEST_F(PlanningReportsPagesTest, TheMenuViewSendsTheShownDayToTheAnalysisAndGoesBack)
{
    RecordingNavigator navigation;
    CYypcViewDlg page;
    page.openPlanDay(0, QStringLiteral("周二"));
    page.daySelector()->setCurrentText(QStringLiteral("周四"));
    page.findChild<QAbstractButton*>(QStringLiteral("analysisButton"))->click();
    EXPECT_EQ(navigation.m_analysis.opened, QStringList { "0 周四" });
    EXPECT_EQ(navigation.shown, QList<PageId> { PageId::Analysis });

    page.openPlanDay(1, QString());
    page.findChild<QAbstractButton*>(QStringLiteral("analysisButton"))->click();
    EXPECT_EQ(navigation.m_analysis.opened.last(), QStringLiteral("1 一天"));

    page.findChild<QAbstractButton*>(QStringLiteral("backButton"))->click();
    EXPECT_EQ(navigation.m_planList.refreshed, 1);
    EXPECT_EQ(navigation.shown.last(), PageId::PlanList);
    EXPECT_EQ(page.planName(), QString());
    EXPECT_EQ(page.list()->rowCount(), 0);
}

TEST_F(PlanningReportsPagesTest, MakingASetMealAsksAgainForAMissingName)
{
    CYypcViewDlg page;
    page.openPlanDay(0, QStringLiteral("周二"));
    QString keptAfterRefusal;
    bool stillOpen = false;
    test::whenModal<CAddTcmcDlg>([&](CAddTcmcDlg* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("套餐名称添加"));
        dialog->nameEdit()->setText(QStringLiteral("  "));
        dialog->okButton()->click();
        stillOpen = dialog->isVisible();
        keptAfterRefusal = dialog->nameEdit()->text();
        dialog->nameEdit()->setText(QStringLiteral("周二套餐"));
        dialog->okButton()->click();
    });
    page.findChild<QAbstractButton*>(QStringLiteral("setMealButton"))->click();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(keptAfterRefusal, QStringLiteral("  ")); // what was typed is still there
    EXPECT_EQ(m_prompts->texts(), (QStringList { "套餐名称不能为空！", "套餐生成成功" }));
    EXPECT_EQ(setMeals("PackageName"), 1);
    EXPECT_EQ(setMeals("PackageCook"), 3);
    {
        DatabaseConnection db(PackageDb);
        auto head = db.execQuery("SELECT PackageTitle, PackageDate, PackageObject FROM PackageName");
        EXPECT_EQ(head.getStringField(0), "周二套餐");
        EXPECT_EQ(head.getStringField(1), "2026-03-03");
        EXPECT_EQ(head.getStringField(2), "大一班；大二班");
    }

    // Cancelled: nothing more is written or said.
    m_prompts->clear();
    test::whenModal<CAddTcmcDlg>([](CAddTcmcDlg* dialog) { dialog->reject(); });
    page.findChild<QAbstractButton*>(QStringLiteral("setMealButton"))->click();
    EXPECT_TRUE(m_prompts->texts().isEmpty());
    EXPECT_EQ(setMeals("PackageName"), 1);
}

TEST_F(PlanningReportsPagesTest, ThePrintButtonsOpenTheirPreviews)
{
    CYypcViewDlg menu;
    QString title;
    int pages = 0;
    const auto closePreview = [&](CPreParentDlg* preview) {
        title = preview->windowTitle();
        pages = preview->pageCount();
        preview->reject();
    };
    guardAgainstModal();
    menu.findChild<QAbstractButton*>(QStringLiteral("printButton"))->click(); // no plan: nothing opens
    EXPECT_EQ(pages, 0);
    menu.openPlanDay(0, QStringLiteral("周二"));
    test::whenModal<CPreParentDlg>(closePreview);
    menu.findChild<QAbstractButton*>(QStringLiteral("printButton"))->click();
    EXPECT_EQ(title, QStringLiteral("打印预览"));
    EXPECT_EQ(pages, 1);

    CCgqdDlg purchases;
    pages = 0;
    guardAgainstModal();
    purchases.findChild<QAbstractButton*>(QStringLiteral("printButton"))->click(); // empty list: nothing
    EXPECT_EQ(pages, 0);
    purchases.fromEdit()->setDate(QDate(2026, 3, 2));
    purchases.toEdit()->setDate(QDate(2026, 3, 6));
    purchases.query();
    test::whenModal<CPreParentDlg>(closePreview);
    purchases.findChild<QAbstractButton*>(QStringLiteral("printButton"))->click();
    EXPECT_EQ(pages, 1);
}

TEST_F(PlanningReportsPagesTest, ThePurchaseListShowsTwoFoodsPerLine)
{
    CCgqdDlg page;
    // Opened from the hub: this week, Monday to Sunday, nothing listed.
    EXPECT_EQ(page.fromEdit()->date(), QDate(2026, 3, 2));
    EXPECT_EQ(page.toEdit()->date(), QDate(2026, 3, 8));
    EXPECT_EQ(page.list()->rowCount(), 0);
    page.query();
    // 35 children: rice 50 g → 2.275 kg, milk 200 g → 9.100, greens 60 g → 2.730, salt 1 g → 0.045 (0.0455
    // as a float is 0.04549999908, below the half); the personal plan's apple: 0.130.
    EXPECT_EQ(test::column(page.list(), 0), (QStringList { "大米", "青菜", "苹果" }));
    EXPECT_EQ(test::column(page.list(), 1), (QStringList { "2.275", "2.730", "0.130" }));
    EXPECT_EQ(test::column(page.list(), 2), (QStringList { "牛奶", "盐", "" }));
    EXPECT_EQ(test::column(page.list(), 3), (QStringList { "9.100", "0.045", "" }));

    page.fromEdit()->setDate(QDate(2026, 3, 5));
    page.toEdit()->setDate(QDate(2026, 3, 1));
    page.query();
    EXPECT_EQ(page.list()->rowCount(), 0);
    EXPECT_TRUE(page.items().empty());

    page.refresh();
    EXPECT_EQ(page.fromEdit()->date(), QDate(2026, 3, 2));
    EXPECT_EQ(page.list()->rowCount(), 0);
}

TEST_F(PlanningReportsPagesTest, ThePurchaseListIsSavedAsCsv)
{
    test::TempDirectory dir;
    const QString chosen = QString::fromStdString(dir.path() + "/采购");
    QString suggested;
    const auto previous = CCgqdDlg::setCsvPathChooser([&](QWidget*, const QString& path) {
        suggested = path;
        return chosen;
    });
    CCgqdDlg page;
    page.findChild<QAbstractButton*>(QStringLiteral("csvButton"))->click();
    EXPECT_EQ(m_prompts->lastText(), QStringLiteral("采购清单为空，请先查询！"));

    page.fromEdit()->setDate(QDate(2026, 3, 6));
    page.toEdit()->setDate(QDate(2026, 3, 6));
    page.query();
    page.findChild<QAbstractButton*>(QStringLiteral("csvButton"))->click();
    EXPECT_TRUE(suggested.endsWith(QStringLiteral("采购清单_2026-03-06_2026-03-06.csv"))) << suggested.toStdString();
    QFile file(chosen + QStringLiteral(".csv"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("\xEF\xBB\xBF原料名称,原料重量(kg)\r\n苹果,0.130\r\n"));
    EXPECT_TRUE(m_prompts->lastText().contains(QStringLiteral("采购.csv")));

    CCgqdDlg::setCsvPathChooser(
        [&](QWidget*, const QString&) { return QString::fromStdString(dir.path() + "/无/x.csv"); });
    page.findChild<QAbstractButton*>(QStringLiteral("csvButton"))->click();
    EXPECT_TRUE(m_prompts->lastText().startsWith(QStringLiteral("文件保存失败：")))
        << m_prompts->lastText().toStdString();
    CCgqdDlg::setCsvPathChooser(previous);
}
