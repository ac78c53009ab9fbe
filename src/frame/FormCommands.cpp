#include "frame/FormCommands.h"

#include "commands/CommandId.h"
#include "core/FormFiles.h"
#include "frame/CMainFrame.h"
#include "frame/FormMenu.h"
#include "platform/MessageBox.h"
#include "view/CZelvoView.h"
#include "view/FormFill.h"

#include <QMenu>
#include <QToolBar>

namespace {

// The submenu that holds the register and fill commands.
QMenu* FindFormSubmenu(CMainFrame& frame)
{
    const QAction* registerAction = frame.Registry().Action(CommandId::FormRegister);
    if (!frame.MenuBand())
        return nullptr;
    for (QMenu* menu : frame.MenuBand()->findChildren<QMenu*>())
        if (menu->actions().contains(registerAction))
            return menu;
    return nullptr;
}

void OpenStoredForm(CMainFrame& frame, const QString& fileName)
{
    if (fileName.isEmpty())
        return;
    if (!FormFiles::Exists(fileName)) {
        ShowMessageBox(&frame, QStringLiteral("FILE-登録されていません！"),
                       QStringLiteral("Zelvo"));
        return;
    }
    const QString url = FormFiles::Read(fileName).url;
    if (url.isEmpty()) {
        ShowMessageBox(&frame, QStringLiteral("URL登録されていません！"), QStringLiteral("Zelvo"));
        return;
    }
    if (CZelvoView* view = frame.ActiveZelvoView()) {
        view->Navigate2(url, navOpenInNewWindow);
        frame.Switches().formFillPending = true;
    }
}

} // namespace

void BindFormCommands(CMainFrame& frame)
{
    auto* forms = new FormMenu(FindFormSubmenu(frame), frame.Registry(), &frame);
    forms->setObjectName(QStringLiteral("formMenu"));
    forms->Load();
    auto needsView = [&frame](CmdUI& ui) { ui.enabled = frame.ActiveZelvoView() != nullptr; };
    CommandMap& commands = frame.Commands();
    commands.Bind(
        CommandId::FormRegister,
        [&frame, forms] {
            CZelvoView* view = frame.ActiveZelvoView();
            if (!view)
                return;
            FormFill::RegisterForm(*view, [&frame, forms](const QString& fileName) {
                if (!forms->Append(fileName))
                    ShowMessageBox(&frame, QStringLiteral("失敗"), QStringLiteral("Zelvo"),
                                   MbIcon::Stop);
            });
        },
        needsView);
    commands.Bind(
        CommandId::FormFill,
        [&frame] {
            if (CZelvoView* view = frame.ActiveZelvoView())
                FormFill::FillForm(*view);
        },
        needsView);
    commands.BindRange(
        CommandId::FormFirst, CommandId::FormLast,
        [&frame, forms](int id) { OpenStoredForm(frame, forms->NameOf(id)); },
        [forms](int id, CmdUI& ui) { ui.enabled = !forms->NameOf(id).isEmpty(); });
}
