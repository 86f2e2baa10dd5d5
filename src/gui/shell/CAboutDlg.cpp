#include "gui/shell/CAboutDlg.h"

#include "gui/widgets/CPictureButton.h"
#include "gui/widgets/SkinFonts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace pelinor {

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("CAboutDlg"));
    setWindowTitle(QStringLiteral("关于 Lumaroo"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kWhiteBrushColor);
    setPalette(colours);

    auto* icon = new QLabel(this);
    icon->setPixmap(renderSvg(QStringLiteral(":/skin/app-icon.svg"), QSize(48, 48)));
    auto* version = new QLabel(QStringLiteral("Lumaroo，1.0 版"), this);
    version->setObjectName(QStringLiteral("versionLabel"));
    version->setFont(songFont(14));
    auto* copyright = new QLabel(QStringLiteral("版权所有 (C) 2026 Pelinor 开发组"), this);
    copyright->setFont(songFont(13));
    const QSize okSize(84, 30);
    auto* ok = new CPictureButton(
        pictureIcon(QStringLiteral(":/skin/btn-ok.svg"), QStringLiteral(":/skin/btn-ok-down.svg"), okSize), okSize,
        this);
    ok->setObjectName(QStringLiteral("okButton"));
    ok->setToolTip(QStringLiteral("确定"));
    connect(ok, &QAbstractButton::clicked, this, &QDialog::accept);

    auto* texts = new QVBoxLayout;
    texts->addWidget(version);
    texts->addWidget(copyright);
    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);
    top->addSpacing(12);
    top->addWidget(ok, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 18);
    layout->addLayout(top);
    setFixedSize(sizeHint().expandedTo(QSize(400, 110)));
}

} // namespace pelinor
