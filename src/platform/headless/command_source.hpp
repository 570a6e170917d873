// Where a played run's commands come from: a written script, or a player that watches the game.
#pragma once

#include "platform/headless/script.hpp"

#include <cstddef>
#include <optional>
#include <string>

namespace platform {

class Runtime;

class CommandSource {
public:
    virtual ~CommandSource() = default;
    // The next command, asked for whenever the game is idle and the last `wait` is over; empty
    // when the player has nothing more to do.
    virtual std::optional<ScriptCommand> next(Runtime& runtime) = 0;
    // Named in error messages as FILE in FILE:LINE.
    virtual std::string const& name() const = 0;
};

// A script's commands, one after the other.
class ScriptSource final : public CommandSource {
public:
    explicit ScriptSource(Script script)
        : m_script(std::move(script))
    {
    }
    std::optional<ScriptCommand> next(Runtime&) override
    {
        if (m_next >= m_script.commands.size())
            return {};
        return m_script.commands[m_next++];
    }
    std::string const& name() const override { return m_script.file; }

private:
    Script m_script;
    std::size_t m_next = 0;
};

}
