#include "settings/CTabSet.h"

#include "ini/ColorIni.h"
#include "ini/TablistIni.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

const QColor CTabSet::kPalette[16] = {
    {255, 0, 0},     {0, 255, 0},     {0, 0, 255},     {0, 0, 0},
    {255, 255, 255}, {255, 0, 255},   {255, 255, 100}, {200, 250, 250},
    {250, 200, 250}, {240, 220, 190}, {0, 255, 255},   {255, 200, 0},
    {230, 240, 100}, {255, 0, 200},   {200, 200, 200}, {0, 185, 0}};

const char* const CTabSet::kDoubleClick[7] = {"0:最大化",       "1:タブ削除",   "2:すべて削除",
                                              "3:ソースの表示", "4:すべて中止", "5:すべて更新",
                                              "6:なし"};
const char* const CTabSet::kRightClick[7] = {"0:タブメニュー", "1:ソースの表示", "2:タブ削除",
                                             "3:すべて削除",   "4:すべて中止",   "5:すべて更新",
                                             "6:なし"};

namespace {

// An editable list of the fixed entries showing the stored text, or the first
// entry when nothing is stored; a text matching no entry is shown as it is.
QComboBox* ActionBox(const char* const entries[7], const QString& stored, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setEditable(true);
    for (int i = 0; i < 7; ++i)
        box->addItem(QString::fromUtf8(entries[i]));
    box->setEditText(stored.isEmpty() ? QString::fromUtf8(entries[0]) : stored);
    return box;
}

ColorIni::Rgb ToRgb(const QColor& color)
{
    return {color.red(), color.green(), color.blue()};
}

} // namespace

CTabSet::CTabSet(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(Title());
    auto* layout = new QVBoxLayout(this);

    auto* widthGroup = new QGroupBox(QStringLiteral("タブ幅"), this);
    auto* widthRow = new QHBoxLayout(widthGroup);
    m_width = new QSpinBox(widthGroup);
    // Wide enough for any width a screen can show, so a stored one is kept.
    m_width->setRange(0, 9999);
    m_width->setValue(TablistIni::WidthOnSettingsPage());
    widthRow->addWidget(m_width);
    widthRow->addStretch();
    layout->addWidget(widthGroup);

    auto* mouse = new QGridLayout;
    m_dbclick = ActionBox(kDoubleClick, TablistIni::DbClick(), this);
    m_rclick = ActionBox(kRightClick, TablistIni::RClick(), this);
    mouse->addWidget(new QLabel(QStringLiteral("ダブルクリック"), this), 0, 0);
    mouse->addWidget(m_dbclick, 0, 1);
    mouse->addWidget(new QLabel(QStringLiteral("右クリック"), this), 1, 0);
    mouse->addWidget(m_rclick, 1, 1);
    layout->addLayout(mouse);

    auto* colors = new QGridLayout;
    const QString names[3] = {QStringLiteral("アクティブ"), QStringLiteral("非アクティブ"),
                              QStringLiteral("タブカラー")};
    const ColorIni::Rgb stored[3] = {ColorIni::ATabColor(), ColorIni::NoATabColor(),
                                     ColorIni::TabColor()};
    for (int which = 0; which < 3; ++which) {
        m_colors[which] = QColor(stored[which].red, stored[which].green, stored[which].blue);
        m_swatch[which] = new QFrame(this);
        m_swatch[which]->setFixedSize(40, 18);
        m_swatch[which]->setFrameShape(QFrame::Box);
        m_swatch[which]->setAutoFillBackground(true);
        m_change[which] = new QPushButton(QStringLiteral("変更"), this);
        colors->addWidget(new QLabel(names[which], this), which, 0);
        colors->addWidget(m_swatch[which], which, 1);
        colors->addWidget(m_change[which], which, 2);
        connect(m_change[which], &QPushButton::clicked, this, [this, which] { OnChange(which); });
        ShowSwatch(which);
    }
    layout->addLayout(colors);

    m_plain = new QCheckBox(QStringLiteral("タブを描写しない"), this);
    const bool plain = ColorIni::TabColorEnable() == 1;
    m_plain->setChecked(plain);
    m_change[TabFace]->setEnabled(!plain);
    layout->addWidget(m_plain);
    layout->addStretch();

    connect(m_plain, &QCheckBox::toggled, this, [this](bool on) {
        m_change[TabFace]->setEnabled(!on);
        SetModified();
    });
    connect(m_width, &QSpinBox::valueChanged, this, [this] { SetModified(); });
    connect(m_dbclick, &QComboBox::currentTextChanged, this, [this] { SetModified(); });
    connect(m_rclick, &QComboBox::currentTextChanged, this, [this] { SetModified(); });
    m_modified = false;
}

void CTabSet::ShowSwatch(int which)
{
    QPalette palette = m_swatch[which]->palette();
    palette.setColor(QPalette::Window, m_colors[which]);
    m_swatch[which]->setPalette(palette);
}

void CTabSet::OnChange(int which)
{
    m_colors[which] = kPalette[m_position[which]];
    m_position[which] = (m_position[which] + 1) % 16;
    ShowSwatch(which);
    SetModified();
}

void CTabSet::OnOK()
{
    TablistIni::SaveTabOperation(m_width->text(), m_dbclick->currentText(),
                                 m_rclick->currentText());
    ColorIni::SaveTabColors(ToRgb(m_colors[ActiveText]), ToRgb(m_colors[InactiveText]),
                            ToRgb(m_colors[TabFace]), m_plain->isChecked());
    m_modified = false;
    if (m_onApplied)
        m_onApplied();
}
