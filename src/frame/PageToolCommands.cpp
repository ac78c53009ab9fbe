#include "frame/PageToolCommands.h"

#include "bars/CSearchBars.h"
#include "commands/CommandId.h"
#include "commands/CommandRegistry.h"
#include "commands/MenuFactory.h"
#include "frame/CMainFrame.h"
#include "ini/ColorIni.h"
#include "pagetools/FrameTools.h"
#include "pagetools/ImageTools.h"
#include "pagetools/PageSearch.h"
#include "pagetools/SelectionTools.h"
#include "pagetools/TravelMenu.h"
#include "view/CZelvoView.h"

#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QPointer>
#include <QTimer>

namespace {

using C = CommandId;

constexpr int kSelectionSearchPauseMs = 100;

// Binds a command that acts on the active view; without one it is disabled.
void BindOnView(CMainFrame& frame, CommandId id, std::function<void(CZelvoView&)> run)
{
    CMainFrame* f = &frame;
    frame.Commands().Bind(
        id,
        [f, run] {
            if (CZelvoView* view = f->ActiveZelvoView())
                run(*view);
        },
        [f](CmdUI& ui) { ui.enabled = f->ActiveZelvoView() != nullptr; });
}

void BindSearch(CMainFrame& frame, CSearchBars& bars, PageSearch* search)
{
    bars.SetPageSearch(
        [search](CZelvoView& view, CSearchBars::PageSearchKind kind, const QString& words) {
            if (kind == CSearchBars::PageSearchKind::Find)
                search->FindInPage(view, words);
            else
                search->HighlightInPage(view, words);
        });
    CMainFrame* f = &frame;
    BindOnView(frame, C::SelectionSearch, [f](CZelvoView& view) {
        PageSearch::SearchSelection(view, [f](const QString& text) {
            f->m_wndSearchWords->setEditText(text);
            QPointer<CMainFrame> frame(f);
            QTimer::singleShot(kSelectionSearchPauseMs, f,
                               [frame] { frame->SendCommand(C::WebSearch); });
        });
    });
}

void BindSelection(CMainFrame& frame)
{
    using SelectionTools::LinkKind;
    BindOnView(frame, C::SelectionSource, SelectionTools::ShowSource);
    BindOnView(frame, C::SelectionLinkify,
               [](CZelvoView& v) { SelectionTools::Linkify(v, LinkKind::Http); });
    BindOnView(frame, C::SelectionRepairTtp,
               [](CZelvoView& v) { SelectionTools::Linkify(v, LinkKind::Ttp); });
    BindOnView(frame, C::SelectionRepairWww,
               [](CZelvoView& v) { SelectionTools::Linkify(v, LinkKind::Www); });
    CMainFrame* f = &frame;
    BindOnView(frame, C::SelectionLinkAddresses, [f](CZelvoView& v) {
        SelectionTools::ShowLinkAddress(
            v, [f](const QString& url) { f->m_wndAddressBar->setEditText(url); });
    });
}

void BindImages(CMainFrame& frame)
{
    const std::pair<CommandId, int> sizes[] = {{C::ImageZoomIn, 10},
                                               {C::ImageZoomIn2x, 20},
                                               {C::ImageZoomOut, -10},
                                               {C::ImageZoomOut2x, -20}};
    for (const auto& [id, delta] : sizes)
        BindOnView(frame, id, [delta](CZelvoView& v) { ImageTools::Resize(v, delta); });
    QPointer<CMainFrame> f(&frame);
    BindOnView(frame, C::MosaicFilter, [f](CZelvoView& v) {
        ImageTools::Mosaic(v, ColorIni::MozaikuStrong(), [f](ImageTools::MosaicResult result) {
            const QString status = ImageTools::MosaicStatus(result);
            if (f && !status.isEmpty())
                f->SetMessageText(status);
        });
    });
    BindOnView(frame, C::ShowImageSizes, ImageTools::ShowInfo);
}

void BindFrames(CMainFrame& frame)
{
    CMainFrame* f = &frame;
    BindOnView(frame, C::SourcePreview, [f](CZelvoView& v) {
        QPointer<CMainFrame> frame(f);
        FrameTools::SourcePreview(v, [frame] {
            if (frame)
                frame->RefreshTabLabels();
        });
    });
    BindOnView(frame, C::RefreshFrames, FrameTools::RefreshFrames);
    BindOnView(frame, C::ConnectFrames, [f](CZelvoView& v) {
        FrameTools::ConnectFrames(v, f->m_wndAddressBar->currentText());
    });
    BindOnView(frame, C::SplitFrames, FrameTools::SplitFrames);
    BindOnView(frame, C::ScrollTop,
               [](CZelvoView& v) { FrameTools::Scroll(v, FrameTools::ScrollTo::Top); });
    BindOnView(frame, C::ScrollBottom,
               [](CZelvoView& v) { FrameTools::Scroll(v, FrameTools::ScrollTo::Bottom); });
    BindOnView(frame, C::LinkToolTips, FrameTools::LinkToolTips);
    BindOnView(frame, C::InputToolTips, FrameTools::InputToolTips);
}

// The step items of a drop-down name the pages they go to.
void BindTravel(CMainFrame& frame, CommandId button, CommandId firstStep,
                TravelMenu::Direction direction)
{
    CMainFrame* f = &frame;
    const int first = ToInt(firstStep);
    QMenu* menu = frame.PopupFor(button);
    QStringList originals(TravelMenu::kSteps);
    for (QAction* action : menu ? menu->actions() : QList<QAction*>()) {
        const int i = MenuFactory::CommandOf(action) - first;
        if (i >= 0 && i < TravelMenu::kSteps)
            originals[i] = action->text();
    }
    if (menu)
        QObject::connect(menu, &QMenu::aboutToShow, menu, [f, menu, first, direction, originals] {
            QList<TravelMenu::Step> steps;
            if (CZelvoView* view = f->ActiveZelvoView())
                steps = TravelMenu::Steps(*view, direction);
            TravelMenu::Relabel(*menu, steps, first, originals);
        });
    frame.Commands().BindRange(
        first, first + TravelMenu::kSteps - 1,
        [f, first, direction](int id) {
            if (CZelvoView* view = f->ActiveZelvoView())
                TravelMenu::Go(*view, direction, id - first);
        },
        [f, first, direction](int id, CmdUI& ui) {
            CZelvoView* view = f->ActiveZelvoView();
            ui.enabled = view && TravelMenu::Steps(*view, direction).size() > id - first;
        });
}

} // namespace

PageSearch* BindPageToolCommands(CMainFrame& frame, CSearchBars& bars)
{
    auto* search = new PageSearch(&frame);
    BindSearch(frame, bars, search);
    BindSelection(frame);
    BindImages(frame);
    BindFrames(frame);
    BindTravel(frame, C::GoBack, C::Back1, TravelMenu::Direction::Back);
    BindTravel(frame, C::GoForward, C::Forward1, TravelMenu::Direction::Forward);
    return search;
}
