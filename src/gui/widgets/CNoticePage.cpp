#include "gui/widgets/CNoticePage.h"

#include "gui/widgets/SkinFonts.h"

#include <QLabel>
#include <QVBoxLayout>

namespace pelinor {

CNoticePage::CNoticePage(const QString& title, QWidget* parent)
    : CSkinPage(parent)
    , m_title(title)
{
    setObjectName(QStringLiteral("noticePage"));
    auto* heading = new QLabel(title, this);
    heading->setObjectName(QStringLiteral("noticeTitle"));
    heading->setFont(namedFont(QStringLiteral("WenQuanYi Micro Hei"), 26));
    heading->setStyleSheet(QStringLiteral("color: rgb(20, 90, 150);"));
    heading->setAlignment(Qt::AlignCenter);
    auto* text = new QLabel(QStringLiteral("本模块正在建设中，敬请期待。"), this);
    text->setFont(songFont(16));
    text->setStyleSheet(QStringLiteral("color: rgb(90, 90, 90);"));
    text->setAlignment(Qt::AlignCenter);
    auto* layout = new QVBoxLayout(this);
    layout->addStretch(2);
    layout->addWidget(heading);
    layout->addSpacing(12);
    layout->addWidget(text);
    layout->addStretch(3);
}

QString CNoticePage::title() const
{
    return m_title;
}

} // namespace pelinor
