#pragma once

#include <QWidget>

#include <functional>

class QComboBox;

// The user-agent page: the string the browser sends, picked from the shipped
// list or typed. OK writes it and has the active view take it up.
class CSetUserAgent : public QWidget {
    Q_OBJECT

public:
    explicit CSetUserAgent(std::function<void(int)> sendCommand, QWidget* parent = nullptr);

    QComboBox* AgentBox() const { return m_agent; }

    void OnOK();

private:
    std::function<void(int)> m_sendCommand;
    QComboBox* m_agent = nullptr;
};
