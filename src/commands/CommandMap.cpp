#include "commands/CommandMap.h"

void CommandMap::Bind(int id, Run run, Update update)
{
    m_entries[id] = Entry{std::move(run), std::move(update)};
}

void CommandMap::BindRange(int first, int last, std::function<void(int)> run,
                           std::function<void(int, CmdUI&)> update)
{
    m_ranges.push_back(Range{first, last, std::move(run), std::move(update)});
}

const CommandMap::Range* CommandMap::FindRange(int id) const
{
    for (const Range& r : m_ranges)
        if (id >= r.first && id <= r.last)
            return &r;
    return nullptr;
}

bool CommandMap::Has(int id) const
{
    return m_entries.count(id) != 0 || FindRange(id) != nullptr;
}

bool CommandMap::Execute(int id) const
{
    if (auto it = m_entries.find(id); it != m_entries.end()) {
        if (it->second.run)
            it->second.run();
        return true;
    }
    if (const Range* r = FindRange(id)) {
        if (r->run)
            r->run(id);
        return true;
    }
    return false;
}

CmdUI CommandMap::State(int id) const
{
    CmdUI ui;
    if (auto it = m_entries.find(id); it != m_entries.end()) {
        if (it->second.update)
            it->second.update(ui);
        return ui;
    }
    if (const Range* r = FindRange(id)) {
        if (r->update)
            r->update(id, ui);
        return ui;
    }
    ui.enabled = false;
    return ui;
}
