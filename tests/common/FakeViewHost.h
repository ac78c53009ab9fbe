#pragma once

#include "view/IViewHost.h"
#include "view/ViewSwitches.h"

#include <QList>

// A host that records what a lone view asks of its frames.
class FakeViewHost : public IViewHost {
public:
    void AddTab(CZelvoView*) override { ++tabs; }
    void SetTabCaption(CZelvoView*, const QString&) override {}
    void SetBackForward(CZelvoView*, bool, bool) override {}
    void RefreshTabLabels() override {}
    void AddAddressHistory(const QString&) override {}
    int TabCount() const override { return tabs; }
    void SetMessageText(const QString& text) override { message = text; }
    QString MessageText() const override { return message; }
    void SendCommand(int id) override { sent.append(id); }
    void PostCommand(int id) override { sent.append(id); }
    bool CommandEnabled(int) const override { return false; }
    void CommandStatesChanged() override {}
    void SetFrameCaption(const QString& text) override { caption = text; }
    CZelvoView* CreateNewTab(CZelvoDoc*, bool) override { return nullptr; }
    ViewSwitches& Switches() override { return switches; }
    QByteArray StartupCommandLine() const override { return QByteArray(); }

    int tabs = 0;
    QList<int> sent;
    QString caption;
    QString message;
    ViewSwitches switches;
};
