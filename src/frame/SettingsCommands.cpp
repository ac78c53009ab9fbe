#include "frame/SettingsCommands.h"

#include "commands/CommandId.h"
#include "commands/MenuResources.h"
#include "frame/CMainFrame.h"
#include "ini/StateIni.h"
#include "settings/SettingsSheet.h"

#include <QFileInfo>
#include <QToolBar>
#include <QToolButton>

void BindSettingsCommands(CMainFrame& frame)
{
    frame.Commands().Bind(CommandId::Settings, [&frame] {
        SettingsHost host;
        host.commands = frame.Registry().Sink();
        host.applySkin = [&frame](const QString& path) { frame.ApplySkin(path); };
        host.applyToolbarButtons = [&frame] { frame.ApplyToolbarButtons(); };
        host.reloadTabColors = [&frame] { frame.ReloadTabColors(); };
        RunSettingsSheet(&frame, host);
        frame.CommandStatesChanged();
    });
}

void CMainFrame::ApplySkin(const QString& path)
{
    m_skin = QPixmap();
    if (!path.isEmpty() && QFileInfo(path).isFile())
        m_skin.load(path);
    for (QToolBar* band : findChildren<QToolBar*>(Qt::FindDirectChildrenOnly)) {
        if (m_skin.isNull()) {
            band->setPalette(QPalette());
            band->setAutoFillBackground(false);
        } else {
            ApplySkinTo(band);
        }
        band->update();
    }
}

// A hidden button leaves the toolbar, as its action is shared with the menus
// and must stay visible there; it comes back in its place.
void CMainFrame::ApplyToolbarButtons()
{
    QToolBar* bar = MainToolbar();
    if (!bar)
        return;
    const QList<ToolbarButtonDef>& buttons = MainToolbarButtons();
    for (int i = int(buttons.size()) - 1; i >= 0; --i) {
        QAction* action = m_registry->Action(buttons[i].id);
        const bool hidden = StateIni::ToolbarButton(i) == 1;
        const bool present = bar->actions().contains(action);
        if (hidden && present) {
            bar->removeAction(action);
        } else if (!hidden && !present) {
            QAction* before = nullptr;
            for (qsizetype j = i + 1; j < buttons.size() && !before; ++j) {
                QAction* later = m_registry->Action(buttons[j].id);
                if (bar->actions().contains(later))
                    before = later;
            }
            bar->insertAction(before, action);
            if (buttons[i].dropDown != MenuId::None)
                AttachDropDown(qobject_cast<QToolButton*>(bar->widgetForAction(action)),
                               buttons[i].dropDown);
        }
    }
}
