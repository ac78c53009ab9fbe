#include "pagetools/TravelMenu.h"

#include "commands/MenuFactory.h"
#include "view/CHtmlView.h"
#include "view/EnginePage.h"

#include <QAction>
#include <QMenu>
#include <QWebEngineHistory>

#include <algorithm>

namespace TravelMenu {

QList<Step> Steps(CHtmlView& view, Direction direction)
{
    QWebEngineHistory* history = view.GetPage()->history();
    const int current = history->currentItemIndex();
    const int step = direction == Direction::Back ? -1 : 1;
    QList<Step> steps;
    for (int i = current + step; i >= 0 && i < history->count() && steps.size() < kSteps;
         i += step) {
        const QWebEngineHistoryItem item = history->itemAt(i);
        if (!item.isValid() || item.url().isEmpty() || item.title().isEmpty())
            continue;
        steps.append({i, QString::asprintf("%d:", int(steps.size())) + item.title()});
    }
    return steps;
}

void Relabel(QMenu& menu, const QList<Step>& steps, int firstStepId, const QStringList& originals)
{
    for (QAction* action : menu.actions()) {
        const int i = MenuFactory::CommandOf(action) - firstStepId;
        if (i < 0 || i >= kSteps)
            continue;
        if (i < steps.size()) {
            action->setText(
                QString(steps[i].label).replace(QLatin1Char('&'), QStringLiteral("&&")));
            action->setVisible(true);
        } else {
            action->setText(originals.value(i));
            action->setVisible(steps.isEmpty());
        }
    }
}

bool Go(CHtmlView& view, Direction direction, int step)
{
    const QList<Step> steps = Steps(view, direction);
    if (step < 0 || step >= steps.size())
        return false;
    view.GoToHistoryIndex(steps[step].historyIndex);
    return true;
}

} // namespace TravelMenu
