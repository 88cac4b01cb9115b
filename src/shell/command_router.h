// The registry that connects command ids to their handlers and update rules.
// The document, the view and the main frame register what they handle; the
// menus and the toolbar ask it for each item's state and run the handlers.
#pragma once

#include <functional>
#include <optional>
#include <unordered_map>

// What an update rule says about a menu item or toolbar button. A rule that
// does not decide the check mark leaves `checked` empty, and the item keeps
// the mark it had.
struct CommandState {
    bool enabled = true;
    std::optional<bool> checked;
};

class CommandRouter {
public:
    using Handler = std::function<void()>;
    using UpdateRule = std::function<CommandState()>;

    // Replaces any earlier handler or rule of that id; an empty function
    // removes it.
    void setHandler(int id, Handler handler);
    void setUpdateRule(int id, UpdateRule rule);

    bool hasHandler(int id) const;

    // The item's state: its update rule's answer, or enabled and unchecked
    // by default. A command without a handler is always disabled (its rule
    // still decides the check mark).
    CommandState state(int id) const;

    // Runs the handler when the command is enabled; returns whether it ran.
    bool execute(int id) const;

private:
    std::unordered_map<int, Handler> handlers_;
    std::unordered_map<int, UpdateRule> updateRules_;
};
