#pragma once

#include <QList>
#include <QString>

class CHtmlView;
class QMenu;

// The back and forward drop-downs name the pages one, two and three steps
// away, as the view's history has them.
namespace TravelMenu {

constexpr int kSteps = 3;

enum class Direction { Back, Forward };

struct Step {
    int historyIndex = -1;
    QString label; // "0:" and the title, "1:" …
};

// The nearest pages in that direction that have an address and a title, at
// most kSteps of them.
QList<Step> Steps(CHtmlView& view, Direction direction);
// Relabels the step items of menu; items with no page left go when at least
// one page was labelled. originals: the step items' own texts.
void Relabel(QMenu& menu, const QList<Step>& steps, int firstStepId, const QStringList& originals);
// Goes to the step-th page (0 …) of Steps; false when there is none.
bool Go(CHtmlView& view, Direction direction, int step);

} // namespace TravelMenu
