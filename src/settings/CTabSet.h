#pragma once

#include <QColor>
#include <QWidget>

#include <functional>

class QCheckBox;
class QComboBox;
class QFrame;
class QPushButton;
class QSpinBox;

// Settings page "タブ設定::タブ操作": tab colours, the window tabs' width and
// what a double or right click on them does.
class CTabSet : public QWidget {
    Q_OBJECT

public:
    static const QColor kPalette[16];
    static const char* const kDoubleClick[7];
    static const char* const kRightClick[7];

    explicit CTabSet(QWidget* parent = nullptr);

    QString Title() const { return QStringLiteral("タブ設定::タブ操作"); }

    // Writes the page's values; then onApplied lets the frame reload its colours.
    void OnOK();
    void SetOnApplied(std::function<void()> onApplied) { m_onApplied = std::move(onApplied); }
    bool IsModified() const { return m_modified; }

    // The controls, for the settings sheet and for tests.
    QSpinBox* WidthBox() const { return m_width; }
    QComboBox* DoubleClickBox() const { return m_dbclick; }
    QComboBox* RightClickBox() const { return m_rclick; }
    QPushButton* ChangeButton(int which) const { return m_change[which]; }
    QCheckBox* PlainFacesBox() const { return m_plain; }
    QColor ColorAt(int which) const { return m_colors[which]; }

    // Which colour a "変更" button changes.
    enum ColorIndex { ActiveText = 0, InactiveText = 1, TabFace = 2 };

private:
    void OnChange(int which);
    void ShowSwatch(int which);
    void SetModified() { m_modified = true; }

    QSpinBox* m_width = nullptr;
    QComboBox* m_dbclick = nullptr;
    QComboBox* m_rclick = nullptr;
    QFrame* m_swatch[3] = {};
    QPushButton* m_change[3] = {};
    QCheckBox* m_plain = nullptr;
    QColor m_colors[3];
    int m_position[3] = {0, 0, 0};
    bool m_modified = false;
    std::function<void()> m_onApplied;
};
