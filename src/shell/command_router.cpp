#include "shell/command_router.h"

void CommandRouter::setHandler(int id, Handler handler)
{
    if (handler)
        handlers_[id] = std::move(handler);
    else
        handlers_.erase(id);
}

void CommandRouter::setUpdateRule(int id, UpdateRule rule)
{
    if (rule)
        updateRules_[id] = std::move(rule);
    else
        updateRules_.erase(id);
}

bool CommandRouter::hasHandler(int id) const
{
    return handlers_.contains(id);
}

CommandState CommandRouter::state(int id) const
{
    CommandState result;
    if (const auto rule = updateRules_.find(id); rule != updateRules_.end())
        result = rule->second();
    if (!hasHandler(id))
        result.enabled = false;
    return result;
}

bool CommandRouter::execute(int id) const
{
    const auto handler = handlers_.find(id);
    if (handler == handlers_.end() || !state(id).enabled)
        return false;
    // A copy, so a handler that re-registers its own id runs to its end.
    const Handler run = handler->second;
    run();
    return true;
}
