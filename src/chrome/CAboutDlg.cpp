#include "chrome/CAboutDlg.h"

#include "chrome/BuiltinImages.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

const QColor CAboutDlg::kBackground(200, 240, 255);

namespace {

QLabel* StaticText(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    // Drawn straight on the dialog's colour, in black.
    label->setAutoFillBackground(false);
    label->setAttribute(Qt::WA_TranslucentBackground);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    return label;
}

} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Zelvoのﾊﾞｰｼﾞｮﾝ情報"));
    setModal(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    setAutoFillBackground(true);

    auto* texts = new QVBoxLayout;
    texts->addWidget(StaticText(QStringLiteral("Zelvo Version " ZELVO_VERSION), this));
    texts->addWidget(StaticText(QStringLiteral("Copyright (C) 2026 Zelvo 開発チーム"), this));
    texts->addWidget(
        StaticText(QStringLiteral("ゆっくり、たくさん。タブで巡るウェブブラウザ"), this));

    const QPixmap picture = BuiltinImages::AboutPicture();
    m_ok = new QPushButton(this);
    m_ok->setIcon(picture);
    m_ok->setIconSize(picture.size());
    m_ok->setAccessibleName(QStringLiteral("OK"));
    m_ok->setToolTip(QStringLiteral("OK"));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(16, 14, 16, 14);
    row->setSpacing(18);
    row->addLayout(texts);
    row->addWidget(m_ok, 0, Qt::AlignVCenter);
    setFixedSize(sizeHint());
}
