#include "../GuiTestSupport.h"
#include "../library/ModalDialog.h"
#include "PdfText.h"
#include "core/common/Clock.h"
#include "core/health/Attendance.h"
#include "core/health/Examinations.h"
#include "core/health/Vaccinations.h"
#include "core/health/Vaccines.h"
#include "gui/health/CDjzViewDlg.h"
#include "gui/health/CHealthDlg.h"
#include "gui/health/CKqXxxsDlg.h"
#include "gui/health/CKqglDlg.h"
#include "gui/health/CKqxzDlg.h"
#include "gui/health/CMyEditDlg.h"
#include "gui/health/CMyLoginDlg.h"
#include "gui/health/CMyymAddDlg.h"
#include "gui/health/CMyymDlg.h"
#include "gui/health/CMyymEditDlg.h"
#include "gui/health/CTjChaKanDlg.h"
#include "gui/health/CTjLoginDlg.h"
#include "gui/health/CTjViewDlg.h"
#include "gui/health/CWsmyDlg.h"
#include "gui/health/ExaminationForm.h"
#include "gui/print/CPreParentDlg.h"
#include "gui/records/CSelPerSonDlg.h"
#include "gui/widgets/CPictureButton.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

using namespace pelinor;

namespace {

class HealthScreensTest : public test::GuiTest
{
protected:
    void SetUp() override
    {
        setProgramClock(std::make_shared<FixedClock>(DateTime { 2026, 12, 6, 9, 30, 0 }));
    }
    void TearDown() override
    {
        setProgramClock(nullptr);
    }

    void addChild(const std::string& archId,
        const std::string& name,
        const std::string& className,
        const std::string& birth = "2022-03-15")
    {
        m_folder.exec(RecordDb,
            formatSql("INSERT INTO ArchivesBase (ArchID, ArchName, Gender, Height, Weight, Birth, Class) "
                      "VALUES('%s','%s','女','100','16','%s','%s')",
                archId, name, birth, className));
    }

    static void click(QWidget* page, const char* name)
    {
        auto* button = page->findChild<QAbstractButton*>(QString::fromLatin1(name));
        ASSERT_NE(button, nullptr) << name;
        button->click();
    }

    static void choose(QComboBox* combo, const QString& text)
    {
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        combo->setCurrentIndex(index);
    }

    // Types any text key by key, as a keyboard (or an input method) would.
    static void keys(QWidget* widget, const QString& text)
    {
        for (const QChar c : text) {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    // Clicks the page's print button and saves the preview's report as a PDF; gives the file's
    // path and the preview's page count (0 when no preview opened).
    std::pair<std::string, int> printToPdf(QWidget* page, const std::string& file)
    {
        const std::string path = m_folder.path() + "/" + file;
        const QString target = QString::fromStdString(path);
        const auto previous = CPreParentDlg::setPdfPathChooser([target](QWidget*, const QString&) { return target; });
        int pages = 0;
        test::whenModal<CPreParentDlg>([&pages](CPreParentDlg* preview) {
            pages = preview->pageCount();
            preview->exportPdf();
            preview->reject();
        });
        click(page, "printButton");
        CPreParentDlg::setPdfPathChooser(previous);
        return { path, pages };
    }
    static bool has(const std::string& text, const std::string& part)
    {
        return text.find(part) != std::string::npos;
    }

    static QString field(const ExaminationForm* form, const char* key)
    {
        return form->lineEdit(QString::fromLatin1(key))->text();
    }
    static void type(ExaminationForm* form, const char* key, const QString& text)
    {
        auto* edit = form->lineEdit(QString::fromLatin1(key));
        edit->clear();
        keys(edit, text);
    }
};

TEST_F(HealthScreensTest, AnExaminationIsRegisteredViewedEditedAndDeletedByItsNumber)
{
    addChild("26000001", "王小丫", "小班");
    addChild("26000002", "王小丫", "小班"); // a namesake
    CHealthDlg health;
    auto* list = health.listPage();
    auto* form = health.formPage()->form();
    choose(list->classCombo(), QStringLiteral("小班"));
    EXPECT_EQ(list->fromDate()->date(), QDate(2026, 12, 1));
    EXPECT_EQ(list->toDate()->date(), QDate(2026, 12, 6));

    auto registerFor = [&](int child) {
        test::whenDialogOpens<CSelPerSonDlg>([child](CSelPerSonDlg& picker) {
            picker.classCombo()->setCurrentIndex(picker.classCombo()->findText(QStringLiteral("小班")));
            picker.nameCombo()->setCurrentIndex(child);
            picker.accept();
        });
        click(list, "addButton");
    };
    registerFor(0);
    ASSERT_EQ(health.currentPage(), health.formPage());
    EXPECT_EQ(field(form, "name"), QStringLiteral("王小丫"));
    EXPECT_EQ(field(form, "className"), QStringLiteral("小班"));
    EXPECT_EQ(field(form, "archId"), QStringLiteral("26000001"));
    EXPECT_EQ(field(form, "date"), QStringLiteral("2026-12-06"));
    EXPECT_TRUE(form->lineEdit(QStringLiteral("bmi"))->isReadOnly());

    type(form, "height", QStringLiteral("110"));
    type(form, "weight", QStringLiteral("1x9"));
    EXPECT_EQ(field(form, "weight"), QStringLiteral("19"));
    EXPECT_EQ(field(form, "bmi"), QStringLiteral("15.702"));
    type(form, "caries", QStringLiteral("无"));
    click(health.formPage(), "saveButton");
    EXPECT_EQ(m_prompts->lastText(), QStringLiteral("登记必须要有主检医生签名！"));
    EXPECT_EQ(m_prompts->lastCaption(), QStringLiteral("Pelinor"));
    EXPECT_EQ(health.currentPage(), health.formPage());
    EXPECT_EQ(field(form, "caries"), QStringLiteral("无"));

    type(form, "doctor", QStringLiteral("李医生"));
    click(health.formPage(), "saveButton");
    ASSERT_EQ(health.currentPage(), list);
    EXPECT_EQ(test::column(list->list(), 0), QStringList { QStringLiteral("26000001") });
    EXPECT_EQ(test::column(list->list(), 3), QStringList { QStringLiteral("110.0") });
    EXPECT_EQ(test::column(list->list(), 4), QStringList { QStringLiteral("19.0") });

    // The same child on the same day again: refused, the form keeps what was typed.
    registerFor(0);
    type(form, "height", QStringLiteral("111"));
    type(form, "weight", QStringLiteral("19"));
    type(form, "doctor", QStringLiteral("李医生"));
    click(health.formPage(), "saveButton");
    EXPECT_EQ(m_prompts->lastText(), QStringLiteral("该信息已经存在，不能重复添加！"));
    EXPECT_EQ(field(form, "height"), QStringLiteral("111"));
    click(health.formPage(), "cancelButton");
    EXPECT_EQ(health.currentPage(), list);

    registerFor(1);
    type(form, "height", QStringLiteral("105.5"));
    type(form, "weight", QStringLiteral("17.2"));
    type(form, "doctor", QStringLiteral("陈医生"));
    click(health.formPage(), "saveButton");
    ASSERT_EQ(list->list()->rowCount(), 2);

    m_prompts->clear();
    list->list()->clearSelection();
    click(list, "viewButton");
    click(list, "editButton");
    EXPECT_EQ(m_prompts->texts(), (QStringList { QStringLiteral("请选择查看对象"), QStringLiteral("请选择编辑对象") }));

    list->list()->selectRow(1);
    click(list, "viewButton");
    ASSERT_EQ(health.currentPage(), health.reportPage());
    EXPECT_EQ(field(health.reportPage()->form(), "archId"), QStringLiteral("26000002"));
    EXPECT_EQ(field(health.reportPage()->form(), "bmi"), QStringLiteral("15.453"));
    EXPECT_TRUE(health.reportPage()->form()->lineEdit(QStringLiteral("doctor"))->isReadOnly());
    click(health.reportPage(), "backButton");

    list->list()->selectRow(1);
    click(list, "editButton");
    ASSERT_EQ(health.currentPage(), health.formPage());
    EXPECT_EQ(field(form, "archId"), QStringLiteral("26000002"));
    EXPECT_EQ(field(form, "height"), QStringLiteral("105.5"));
    type(form, "weight", QStringLiteral("20"));
    type(form, "height", QStringLiteral("110"));
    click(health.formPage(), "saveButton");
    const auto edited = loadExamination(2);
    ASSERT_TRUE(edited);
    EXPECT_EQ(edited->archId, "26000002");
    EXPECT_FLOAT_EQ(edited->bmi, 16.529f);

    // Delete asks first; then the selected row's examination goes, the namesake's stays.
    m_prompts->clear();
    list->list()->clearSelection();
    m_prompts->queueAnswer(false);
    click(list, "deleteButton");
    EXPECT_EQ(m_prompts->lastCaption(), QStringLiteral("系统提示！"));
    click(list, "deleteButton");
    EXPECT_EQ(m_prompts->texts(),
        (QStringList {
            QStringLiteral("确定要删除吗？"), QStringLiteral("确定要删除吗？"), QStringLiteral("请选择删除对象") }));
    list->list()->selectRow(0);
    click(list, "deleteButton");
    EXPECT_EQ(test::column(list->list(), 0), QStringList { QStringLiteral("26000002") });
    EXPECT_FALSE(loadExamination(1));
}

TEST_F(HealthScreensTest, ADatabaseFailureKeepsTheExaminationForm)
{
    addChild("26000001", "王小丫", "小班");
    CHealthDlg health;
    ASSERT_TRUE(health.formPage()->startNew(QStringLiteral("26000001")));
    auto* form = health.formPage()->form();
    type(form, "height", QStringLiteral("110"));
    type(form, "weight", QStringLiteral("19"));
    type(form, "doctor", QStringLiteral("李医生"));
    m_folder.exec(
        SysManagerDb, "CREATE TRIGGER full_disk BEFORE INSERT ON KqCheckIn BEGIN SELECT RAISE(ABORT, '磁盘已满'); END");
    click(health.formPage(), "saveButton");
    EXPECT_TRUE(m_prompts->lastText().contains(QStringLiteral("磁盘已满")));
    EXPECT_EQ(field(form, "height"), QStringLiteral("110"));
    EXPECT_EQ(field(form, "doctor"), QStringLiteral("李医生"));
    EXPECT_EQ(field(form, "name"), QStringLiteral("王小丫"));
}

TEST_F(HealthScreensTest, AttendanceIsEnteredAndItsDetailListsTheSameScope)
{
    addChild("25000001", "甲", "中班");
    addChild("25000002", "乙", "中班");
    CKqglDlg page;
    choose(page.classCombo(), QStringLiteral("中班"));

    test::whenDialogOpens<CKqxzDlg>([this](CKqxzDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("考勤登记"));
        EXPECT_EQ(dialog.kindGroup()->checkedId(), 0);
        dialog.accept();
        EXPECT_EQ(m_prompts->lastText(), QStringLiteral("请选择班级！"));
        dialog.classCombo()->setCurrentIndex(dialog.classCombo()->findText(QStringLiteral("中班")));
        dialog.accept();
        EXPECT_EQ(m_prompts->lastText(), QStringLiteral("请选择对象！"));
        EXPECT_TRUE(dialog.isVisible());
        dialog.nameCombo()->setCurrentIndex(1);
        EXPECT_EQ(dialog.archIdEdit()->text(), QStringLiteral("25000002"));
        dialog.kindGroup()->button(2)->click();
        dialog.remarkEdit()->setText(QStringLiteral("发烧"));
        dialog.accept();
    });
    click(&page, "enterButton");
    EXPECT_EQ(test::column(page.list(), 1), QStringList { QStringLiteral("乙") });
    EXPECT_EQ(test::column(page.list(), 4), QStringList { QStringLiteral("1") }); // 病假
    EXPECT_FALSE(page.scope());

    test::whenDialogOpens<CKqxzDlg>([this](CKqxzDlg& dialog) {
        dialog.classCombo()->setCurrentIndex(dialog.classCombo()->findText(QStringLiteral("中班")));
        dialog.nameCombo()->setCurrentIndex(1);
        dialog.kindGroup()->button(2)->click();
        dialog.accept();
        EXPECT_EQ(m_prompts->lastText(), QStringLiteral("该信息已经存在！"));
        EXPECT_EQ(m_prompts->lastCaption(), QStringLiteral("Pelinor"));
        dialog.reject();
    });
    click(&page, "enterButton");

    registerAttendance({ "2026-11-30", "中班", "乙", "25000002", "迟到", "" });
    registerAttendance({ "2026-11-02", "中班", "乙", "25000002", "早退", "看牙" });
    registerAttendance({ "2026-10-30", "中班", "乙", "25000002", "事假", "" });
    page.fromDate()->setDate(QDate(2026, 11, 1));
    page.toDate()->setDate(QDate(2026, 11, 30));
    click(&page, "queryButton");
    ASSERT_EQ(page.list()->rowCount(), 1);
    EXPECT_EQ(test::column(page.list(), 2), QStringList { QStringLiteral("1") });
    EXPECT_EQ(test::column(page.list(), 3), QStringList { QStringLiteral("1") });
    EXPECT_EQ(test::column(page.list(), 4), QStringList { QStringLiteral("0") });

    m_prompts->clear();
    page.list()->clearSelection();
    click(&page, "detailButton");
    EXPECT_EQ(m_prompts->lastText(), QStringLiteral("请选择查看对象"));

    page.list()->selectRow(0);
    test::whenDialogOpens<CKqXxxsDlg>([this](CKqXxxsDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("详细显示"));
        // November only, by date: the entry of today and of October are outside.
        EXPECT_EQ(test::column(dialog.list(), 0),
            (QStringList { QStringLiteral("2026-11-02"), QStringLiteral("2026-11-30") }));
        EXPECT_EQ(test::column(dialog.list(), 2), (QStringList { QStringLiteral("看牙"), QString() }));
        dialog.list()->clearSelection();
        click(&dialog, "deleteButton");
        EXPECT_EQ(m_prompts->lastText(), QStringLiteral("请选择删除对象！"));
        dialog.list()->selectRow(0);
        click(&dialog, "deleteButton");
        EXPECT_EQ(test::column(dialog.list(), 0), QStringList { QStringLiteral("2026-11-30") });
        click(&dialog, "closeButton");
    });
    click(&page, "detailButton");
    // Back over every date: sick leave today, late on the 30th, personal leave in October.
    EXPECT_FALSE(page.scope());
    EXPECT_EQ(test::column(page.list(), 2), QStringList { QStringLiteral("1") });
    EXPECT_EQ(test::column(page.list(), 3), QStringList { QStringLiteral("0") });
    EXPECT_EQ(test::column(page.list(), 4), QStringList { QStringLiteral("1") });
    EXPECT_EQ(test::column(page.list(), 5), QStringList { QStringLiteral("1") });
}

TEST_F(HealthScreensTest, AVaccinationIsEnteredAndEditedAndAVaccineAddedAndRenamed)
{
    addChild("24000001", "甲", "大班");
    addChild("24000002", "乙", "大班");
    ASSERT_TRUE(addVaccine({ -1, "水痘疫苗", "12", "48", "" }).ok());
    ASSERT_TRUE(addVaccine({ -1, "流感疫苗", "6", "72", "" }).ok());
    CWsmyDlg page;
    choose(page.classCombo(), QStringLiteral("大班"));
    choose(page.vaccineCombo(), QStringLiteral("流感疫苗"));

    test::whenDialogOpens<CMyLoginDlg>([this](CMyLoginDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("免疫接种登记"));
        EXPECT_EQ(dialog.classCombo()->currentText(), QStringLiteral("大班"));
        EXPECT_EQ(dialog.vaccineCombo()->currentText(), QStringLiteral("流感疫苗"));
        dialog.nameCombo()->setCurrentIndex(1);
        dialog.accept();
        EXPECT_EQ(m_prompts->lastText(), QStringLiteral("请填写接种地点！"));
        dialog.placeEdit()->setText(QStringLiteral("青禾幼儿园集体接种点"));
        dialog.remarkEdit()->setText(QStringLiteral("自费"));
        dialog.accept();
    });
    click(&page, "enterButton");
    ASSERT_EQ(page.list()->rowCount(), 1);
    EXPECT_EQ(page.list()->itemText(0, 0), QStringLiteral("24000002"));
    EXPECT_EQ(page.list()->itemText(0, 1), QStringLiteral("乙"));
    EXPECT_EQ(page.list()->itemText(0, 4), QStringLiteral("流感疫苗"));
    EXPECT_EQ(page.list()->itemText(0, 5), QStringLiteral("2026-12-06"));
    EXPECT_EQ(page.list()->itemText(0, 6), QStringLiteral("青禾幼儿园集体接种点"));
    EXPECT_EQ(page.list()->itemText(0, 7), QStringLiteral("自费"));

    m_prompts->clear();
    page.list()->clearSelection();
    click(&page, "editButton");
    click(&page, "viewButton");
    click(&page, "deleteButton");
    EXPECT_EQ(m_prompts->texts(),
        (QStringList {
            QStringLiteral("请选择编辑对象"), QStringLiteral("请选择查看对象"), QStringLiteral("请选择删除对象") }));

    page.list()->selectRow(0);
    test::whenDialogOpens<CMyEditDlg>([](CMyEditDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("免疫接种编辑"));
        EXPECT_TRUE(dialog.classEdit()->isReadOnly());
        EXPECT_EQ(dialog.nameEdit()->text(), QStringLiteral("乙"));
        dialog.dateEdit()->setDate(QDate(2026, 10, 20));
        dialog.placeEdit()->setText(QStringLiteral("城东区社区卫生服务中心"));
        dialog.accept();
    });
    click(&page, "editButton");
    EXPECT_EQ(page.list()->itemText(0, 5), QStringLiteral("2026-10-20"));
    EXPECT_EQ(page.list()->itemText(0, 6), QStringLiteral("城东区社区卫生服务中心"));

    // The catalogue: a new vaccine with digits only, then a rename carried to the register.
    CMyymDlg catalogue;
    test::whenDialogOpens<CMyymAddDlg>([this](CMyymAddDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("免疫疫苗添加"));
        dialog.nameEdit()->setText(QStringLiteral("麻腮风疫苗"));
        keys(dialog.startEdit(), QStringLiteral("8月"));
        EXPECT_EQ(m_prompts->lastText(), QStringLiteral("只能输入数字！ "));
        EXPECT_EQ(m_prompts->lastCaption(), QStringLiteral("提示 "));
        EXPECT_EQ(dialog.startEdit()->text(), QStringLiteral("8"));
        keys(dialog.endEdit(), QStringLiteral("18"));
        dialog.accept();
    });
    click(&catalogue, "addButton");
    EXPECT_EQ(test::column(catalogue.list(), 0),
        (QStringList { QStringLiteral("水痘疫苗"), QStringLiteral("流感疫苗"), QStringLiteral("麻腮风疫苗") }));
    EXPECT_EQ(test::column(catalogue.list(), 1),
        (QStringList { QStringLiteral("12"), QStringLiteral("6"), QStringLiteral("8") }));

    catalogue.list()->selectRow(1);
    test::whenDialogOpens<CMyymEditDlg>([this](CMyymEditDlg& dialog) {
        EXPECT_EQ(dialog.nameEdit()->text(), QStringLiteral("流感疫苗"));
        dialog.nameEdit()->setText(QStringLiteral("水痘疫苗"));
        dialog.accept();
        EXPECT_EQ(m_prompts->lastText(), QStringLiteral("该信息已经存在，不能重复添加！"));
        dialog.nameEdit()->setText(QStringLiteral("流感疫苗（四价）"));
        dialog.accept();
    });
    click(&catalogue, "editButton");
    EXPECT_EQ(catalogue.list()->itemText(1, 0), QStringLiteral("流感疫苗（四价）"));
    EXPECT_EQ(loadVaccination(1)->vaccine, "流感疫苗（四价）");

    catalogue.list()->selectRow(0);
    m_prompts->queueAnswer(true);
    click(&catalogue, "deleteButton");
    EXPECT_EQ(m_prompts->lastCaption(), QStringLiteral("系统提示"));
    EXPECT_EQ(catalogue.list()->rowCount(), 2);

    page.refresh();
    choose(page.vaccineCombo(), QStringLiteral("流感疫苗（四价）"));
    page.refresh();
    ASSERT_EQ(page.list()->rowCount(), 1);
    page.list()->selectRow(0);
    m_prompts->queueAnswer(true);
    click(&page, "deleteButton");
    EXPECT_EQ(m_prompts->lastCaption(), QStringLiteral("系统提示！"));
    EXPECT_EQ(page.list()->rowCount(), 0);
}

TEST_F(HealthScreensTest, TheDueListFollowsTheChosenClass)
{
    addChild("22000001", "甲", "大班", "2020-11-20"); // six years old this month
    addChild("23000001", "乙", "中班", "2022-12-10"); // 47 months old
    ASSERT_TRUE(addVaccine({ -1, "白破疫苗", "72", "72", "" }).ok());
    ASSERT_TRUE(addVaccine({ -1, "水痘疫苗", "12", "48", "" }).ok());
    CDjzViewDlg dialog(QStringLiteral("大班"));
    EXPECT_EQ(test::column(dialog.list(), 4), QStringList { QStringLiteral("白破疫苗") });
    EXPECT_EQ(test::column(dialog.list(), 5), QStringList { QStringLiteral("2026-12-19") });
    dialog.classCombo()->setCurrentIndex(dialog.classCombo()->findText(QStringLiteral("中班")));
    EXPECT_EQ(test::column(dialog.list(), 1), QStringList { QStringLiteral("乙") });
    EXPECT_EQ(test::column(dialog.list(), 5), QStringList { QStringLiteral("2027-01-09") });
}

TEST_F(HealthScreensTest, ThePrintButtonsPrintWhatThePagesShowOverTheirScope)
{
    // The report page prints the examination it shows.
    addChild("26000001", "王小丫", "大班");
    Examination e = *newExamination("26000001");
    e.height = 110.0f;
    e.weight = 19.0f;
    e.leftVision = "5.0";
    e.rightVision = "4.8";
    e.doctor = "刘静";
    const auto id = saveExamination(e);
    ASSERT_TRUE(id.ok());
    CTjChaKanDlg report;
    ASSERT_TRUE(report.showExamination(id.value()));
    const auto [examPath, examPages] = printToPdf(&report, "exam.pdf");
    EXPECT_EQ(examPages, 1);
    const std::string exam = test::joinedPdfText(examPath);
    for (const char* part : { "健康体检报告", "姓名：王小丫", "学号：26000001", "体质指数：15.702", "左视力：5.0",
             "右视力：4.8", "体检日期：2026-12-06", "主检医生：刘静" }) {
        EXPECT_TRUE(has(exam, part)) << part;
    }

    // The attendance sheet: 30 children with an event in November take two pages (27 + 3); the
    // sheet states the period the counts were built with, every date once a dialog has closed.
    for (int i = 1; i <= 30; ++i) {
        const std::string archId = std::to_string(25000100 + i);
        const std::string name = "童" + std::to_string(100 + i);
        addChild(archId, name, "中班");
        ASSERT_TRUE(registerAttendance(
            { "2026-11-" + std::string(i < 10 ? "0" : "") + std::to_string(i), "中班", name, archId, "病假", "" })
                        .ok());
    }
    ASSERT_TRUE(registerAttendance({ "2026-10-08", "中班", "童101", "25000101", "迟到", "" }).ok());
    CKqglDlg page;
    choose(page.classCombo(), QStringLiteral("中班"));
    page.fromDate()->setDate(QDate(2026, 11, 1));
    page.toDate()->setDate(QDate(2026, 11, 30));
    click(&page, "queryButton");
    const auto [rangePath, rangePages] = printToPdf(&page, "november.pdf");
    EXPECT_EQ(rangePages, 2);
    EXPECT_EQ(test::pdfPageCount(rangePath), 2);
    const std::string first = test::pdfText(rangePath, 1, 1);
    EXPECT_TRUE(has(first, "考勤统计"));
    EXPECT_TRUE(has(first, "班级：中班"));
    EXPECT_TRUE(has(first, "时间：2026-11-01 到 2026-11-30"));
    EXPECT_TRUE(has(first, "童101 0 0 1 0 0")) << first; // October's late arrival is outside
    EXPECT_TRUE(has(first, "童127 0 0 1 0 0"));
    const std::string second = test::pdfText(rangePath, 2, 2);
    EXPECT_TRUE(has(second, "童128 0 0 1 0 0"));
    EXPECT_TRUE(has(second, "童130 0 0 1 0 0"));

    test::whenDialogOpens<CKqxzDlg>([](CKqxzDlg& dialog) { dialog.reject(); });
    click(&page, "enterButton");
    // The pickers still show November, but the counts are over every date now, and so is the sheet.
    const auto [allPath, allPages] = printToPdf(&page, "all.pdf");
    EXPECT_EQ(allPages, 2);
    const std::string all = test::pdfText(allPath, 1, 1);
    EXPECT_TRUE(has(all, "时间：全部"));
    EXPECT_FALSE(has(all, "2026-11-01"));
    EXPECT_TRUE(has(all, "童101 1 0 1 0 0"));

    // The due list prints what it lists: born 2022-03-15, 56 months old, inside 12 to 60 months
    // until the day before 61 months.
    ASSERT_TRUE(addVaccine({ -1, "水痘疫苗", "12", "60", "" }).ok());
    CDjzViewDlg due(QStringLiteral("大班"));
    ASSERT_EQ(due.list()->rowCount(), 1);
    const auto [duePath, duePages] = printToPdf(&due, "due.pdf");
    EXPECT_EQ(duePages, 1);
    const std::string dueText = test::pdfText(duePath);
    EXPECT_TRUE(has(dueText, "班级：大班"));
    EXPECT_TRUE(has(dueText, "日期：2026-12-06"));
    EXPECT_TRUE(has(dueText, "26000001 王小丫 女 2022-03-15 水痘疫苗 2027-04-14")) << dueText;
}

} // namespace
