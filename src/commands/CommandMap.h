#pragma once

#include "commands/CommandId.h"

#include <functional>
#include <unordered_map>
#include <vector>

// State an update handler gives a command's menu items and buttons.
struct CmdUI {
    bool enabled = true;
    int check = -1; // -1: no check mark; 0 unchecked; 1 checked
    bool radio = false;
};

// Command id -> handler and update handler. An id with no handler is shown
// disabled everywhere, so nothing unbuilt can look like it works.
class CommandMap {
public:
    using Run = std::function<void()>;
    using Update = std::function<void(CmdUI&)>;

    void Bind(int id, Run run, Update update = {});
    void Bind(CommandId id, Run run, Update update = {})
    {
        Bind(ToInt(id), std::move(run), std::move(update));
    }
    void BindRange(int first, int last, std::function<void(int)> run,
                   std::function<void(int, CmdUI&)> update = {});
    void BindRange(CommandId first, CommandId last, std::function<void(int)> run,
                   std::function<void(int, CmdUI&)> update = {})
    {
        BindRange(ToInt(first), ToInt(last), std::move(run), std::move(update));
    }
    bool Has(int id) const;
    // False when the id has no handler.
    bool Execute(int id) const;
    CmdUI State(int id) const;

private:
    struct Entry {
        Run run;
        Update update;
    };
    struct Range {
        int first;
        int last;
        std::function<void(int)> run;
        std::function<void(int, CmdUI&)> update;
    };
    const Range* FindRange(int id) const;

    std::unordered_map<int, Entry> m_entries;
    std::vector<Range> m_ranges;
};
