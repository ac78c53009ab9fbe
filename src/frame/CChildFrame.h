#pragma once

#include <QMdiSubWindow>

class CZelvoView;

// One tab: an MDI child window holding its browser view.
class CChildFrame : public QMdiSubWindow {
    Q_OBJECT

public:
    explicit CChildFrame(QWidget* parent = nullptr);

    void SetView(CZelvoView* view) { m_pView = view; }
    CZelvoView* GetView() const { return m_pView; }

    // Destroys the frame for real; a close request from the window itself only
    // asks the main frame to close the active tab.
    void DestroyFrame();

signals:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    CZelvoView* m_pView = nullptr;
    bool m_destroying = false;
};
