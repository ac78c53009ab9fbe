#pragma once

#include <QString>

class CZelvoView;
class QWidget;

// What the address and search bars need of the main frame.
class ISearchBarsHost {
public:
    virtual ~ISearchBarsHost() = default;

    virtual void SendCommand(int id) = 0;
    virtual void OpenUrlInNewTab(const QString& url) = 0;
    virtual CZelvoView* ActiveZelvoView() const = 0;
    virtual int TabCount() const = 0;
    virtual CZelvoView* TabView(int index) const = 0;
    // The window the bars' message boxes belong to.
    virtual QWidget* Window() = 0;
};
