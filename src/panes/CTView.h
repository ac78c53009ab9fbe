#pragma once

#include <QWidget>

// The properties pane: the page information text of the focused tab, drawn
// as plain lines 10 pixels in from every side.
class CTView : public QWidget {
    Q_OBJECT

public:
    explicit CTView(QWidget* parent = nullptr);

    QString Text() const { return m_text; }
    // An empty text when there is no tab.
    void SetText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
};
