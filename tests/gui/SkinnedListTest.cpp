#include "gui/widgets/CColorMenu.h"
#include "gui/widgets/CHeaderCtrlCl.h"
#include "gui/widgets/CListCtrlCl.h"
#include "gui/widgets/CPictureButton.h"

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

using namespace pelinor;

namespace {

QColor pixelAt(QWidget& widget, const QPoint& point)
{
    return widget.grab().toImage().pixelColor(point);
}

TEST(SkinnedHeaderTest, GradientStepsDownByEightPerRowAndStopsAtBlack)
{
    const struct
    {
        int row;
        QColor expected;
    } cases[] = {
        { 0, QColor(171, 199, 235) }, { 1, QColor(163, 191, 227) }, { 10, QColor(91, 119, 155) },
        { 22, QColor(0, 23, 59) }, // red reached 0 and stays there
        { 25, QColor(0, 0, 35) }, { 30, QColor(0, 0, 0) }, { 200, QColor(0, 0, 0) }, // a tall header stays black
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CHeaderCtrlCl::gradientColorAt(c.row), c.expected) << "row " << c.row;
    }
}

TEST(SkinnedHeaderTest, PaintsTheGradientAndScalesItsHeight)
{
    CListCtrlCl list;
    list.resize(300, 200);
    list.setColumns({ "名称", "数量" }, { 150, 100 });
    list.show();
    QApplication::processEvents();
    const int normal = list.header()->sizeHint().height();
    list.setHeaderHeightFactor(2.0);
    EXPECT_EQ(list.header()->sizeHint().height(), static_cast<int>(normal * 2.0));

    QImage header = list.header()->grab().toImage();
    ASSERT_GT(header.height(), 6);
    EXPECT_EQ(header.pixelColor(5, 0), QColor(171, 199, 235));
    EXPECT_EQ(header.pixelColor(5, 3), QColor(147, 175, 211));
}

TEST(SkinnedListTest, MostSpecificColourWinsAndSelectedRowsIgnoreColours)
{
    CListCtrlCl list;
    list.setColumns({ "A", "B", "C" });
    list.appendRow({ "1", "2", "3" });
    list.appendRow({ "4", "5", "6" });
    list.setColumnColor(1, Qt::yellow);
    list.setCellColor(0, 1, Qt::green);
    list.setCellColor(1, 2, Qt::cyan);
    list.setColumnTextColor(1, Qt::blue);
    list.setCellTextColor(0, 1, Qt::red);
    list.setDefaultTextColor(Qt::darkGray);
    const QColor base = list.palette().color(QPalette::Base);
    const QColor highlight = list.palette().color(QPalette::Active, QPalette::Highlight);
    const QColor highlightText = list.palette().color(QPalette::Active, QPalette::HighlightedText);

    const struct
    {
        int row, column;
        bool selected;
        QColor background, text;
    } cases[] = {
        { 0, 0, false, base, Qt::darkGray }, // nothing set: list colours
        { 1, 1, false, Qt::yellow, Qt::blue }, // column colours
        { 0, 1, false, Qt::green, Qt::red }, // cell beats column
        { 1, 2, false, Qt::cyan, Qt::darkGray }, // cell without a column colour
        { 0, 1, true, highlight, highlightText }, // selection beats everything
        { 1, 2, true, highlight, highlightText },
    };
    for (const auto& c : cases) {
        EXPECT_EQ(list.backgroundColorAt(c.row, c.column, c.selected), c.background)
            << c.row << "," << c.column << (c.selected ? " selected" : "");
        EXPECT_EQ(list.textColorAt(c.row, c.column, c.selected), c.text)
            << c.row << "," << c.column << (c.selected ? " selected" : "");
    }
}

TEST(SkinnedListTest, DrawsCellColoursAndSelectionOnScreen)
{
    CListCtrlCl list;
    list.resize(320, 160);
    list.setColumns({ "A", "B", "C" }, { 100, 100, 100 });
    list.setSkinnedRowHeight();
    list.appendRow({ "", "", "" });
    list.appendRow({ "", "", "" });
    list.setColumnColor(1, QColor(255, 255, 0));
    list.setCellColor(0, 1, QColor(0, 200, 0));
    list.show();
    QApplication::processEvents();

    EXPECT_EQ(list.rowHeight(0), CListCtrlCl::kSkinnedRowHeight);
    const QRect cell01 = list.visualRect(list.model()->index(0, 1));
    const QRect cell11 = list.visualRect(list.model()->index(1, 1));
    const QPoint offset = list.viewport()->mapTo(&list, QPoint(0, 0));
    EXPECT_EQ(pixelAt(list, cell01.center() + offset), QColor(0, 200, 0));
    EXPECT_EQ(pixelAt(list, cell11.center() + offset), QColor(255, 255, 0));

    list.selectRow(0);
    EXPECT_EQ(list.selectedRow(), 0);
    QApplication::processEvents();
    EXPECT_EQ(pixelAt(list, cell01.center() + offset), list.palette().color(QPalette::Active, QPalette::Highlight));
}

TEST(SkinnedListTest, AlignmentStringGivesEachColumnItsAlignment)
{
    CListCtrlCl list;
    list.setColumns({ "A", "B", "C", "D" });
    list.setAlignmentString("021");
    EXPECT_EQ(list.columnAlignment(0), Qt::AlignLeft);
    EXPECT_EQ(list.columnAlignment(1), Qt::AlignRight);
    EXPECT_EQ(list.columnAlignment(2), Qt::AlignHCenter);
    EXPECT_EQ(list.columnAlignment(3), Qt::AlignHCenter); // no character: centred
    EXPECT_EQ(list.header()->alignmentString(), "021");
}

TEST(SkinnedListTest, ClearingRowsForgetsTheirCellColours)
{
    CListCtrlCl list;
    list.setColumns({ "A" });
    list.appendRow({ "x" });
    list.setCellColor(0, 0, Qt::red);
    list.clearRows();
    list.appendRow({ "y" });
    EXPECT_EQ(list.backgroundColorAt(0, 0, false), list.palette().color(QPalette::Base));
    EXPECT_EQ(list.selectedRow(), -1);
}

TEST(ColorMenuTest, ItemsAreOneHundredByTwentyFive)
{
    CColorMenu menu;
    QAction* first = menu.addAction("关于");
    menu.addAction("一个相当长的菜单项文字");
    menu.adjustSize();
    EXPECT_EQ(menu.actionGeometry(first).height(), CColorMenu::kItemHeight);
    EXPECT_GE(menu.actionGeometry(first).width(), CColorMenu::kItemWidth);
}

TEST(PictureButtonTest, ShowsThePressedImageWhilePressedOrChecked)
{
    CPictureButton button(
        pictureIcon(":/skin/btn-close.svg", ":/skin/btn-close-down.svg", QSize(30, 24)), QSize(30, 24));
    button.show();
    QApplication::processEvents();
    const QColor normal = button.grab().toImage().pixelColor(3, 12);
    button.setCheckable(true);
    button.setChecked(true);
    EXPECT_TRUE(button.showsPressedImage());
    const QColor pressed = button.grab().toImage().pixelColor(3, 12);
    EXPECT_NE(normal, pressed);
}

} // namespace
