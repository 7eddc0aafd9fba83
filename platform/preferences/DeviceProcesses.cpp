#include "preferences/DeviceProcesses.h"

#include <utility>

namespace preferences {
namespace {

struct State {
    std::vector<std::string> killRequests;
    std::vector<std::string> commands;
};

State& state()
{
    static State s_state;
    return s_state;
}

constexpr int commandNotFound = 127;

} // namespace

int DeviceProcesses::system(std::string_view command)
{
    state().commands.emplace_back(command);
    constexpr std::string_view killall = "killall ";
    if (!command.starts_with(killall))
        return commandNotFound;
    auto name = command.substr(killall.size());
    if (name.empty() || name.find_first_of(" \t;|&") != std::string_view::npos)
        return 1;
    state().killRequests.emplace_back(name);
    return 0;
}

std::vector<std::string> DeviceProcesses::takeKillRequests()
{
    return std::exchange(state().killRequests, {});
}

const std::vector<std::string>& DeviceProcesses::commands()
{
    return state().commands;
}

} // namespace preferences
