#pragma once

#include <QByteArray>
#include <QString>

class CZelvoDoc;
class CZelvoView;
struct ViewSwitches;

// What a browser view needs of the main frame; the frame implements it, tests
// may stand in a small fake.
class IViewHost {
public:
    virtual ~IViewHost() = default;

    // Registers the view's tab as the last tab.
    virtual void AddTab(CZelvoView* view) = 0;
    // The caption of the view's own tab window.
    virtual void SetTabCaption(CZelvoView* view, const QString& caption) = 0;
    // Whether the view's page can go back and forward now.
    virtual void SetBackForward(CZelvoView* view, bool back, bool forward) = 0;
    virtual void RefreshTabLabels() = 0;
    virtual void AddAddressHistory(const QString& url) = 0;
    virtual int TabCount() const = 0;
    virtual void SetMessageText(const QString& text) = 0;
    // Status bar pane 0 as it reads now.
    virtual QString MessageText() const = 0;
    virtual void SendCommand(int id) = 0;
    virtual void PostCommand(int id) = 0;
    // Whether a command would do something now.
    virtual bool CommandEnabled(int id) const = 0;
    // The page changed what its commands can do (back, forward).
    virtual void CommandStatesChanged() = 0;
    // The main window's caption, as the view sets it during loading.
    virtual void SetFrameCaption(const QString& text) = 0;
    // A new tab for the document (a pop-up or an open-in-new-tab); its view, or
    // null when none can be made.
    // opensOwnPage: the engine loads the new page itself (a pop-up), so the
    // view skips its own first page.
    virtual CZelvoView* CreateNewTab(CZelvoDoc* document, bool opensOwnPage) = 0;
    virtual ViewSwitches& Switches() = 0;
    // The application's own start-up command line.
    virtual QByteArray StartupCommandLine() const = 0;
};
