#include "CommandScanner.h"

#include "download/TesterProtocol.h"

namespace {

const std::string remoteCommand = TesterProtocol::remoteCommand;
const std::string requestCommand = TesterProtocol::allDataCommand;
const std::size_t keep = 64;

bool endsWith(const std::string &text, const std::string &end)
{
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

CommandScanner::Event CommandScanner::feed(unsigned char byte)
{
    if (byte == 0)
        return Event::None; // line noise between commands
    tail.push_back(static_cast<char>(byte));
    if (tail.size() > keep)
        tail.erase(0, tail.size() - keep / 2);

    if (endsWith(tail, remoteCommand)) {
        tail.clear();
        remote = true;
        return Event::Remote;
    }
    if (endsWith(tail, requestCommand)) {
        tail.clear();
        if (!remote)
            return Event::RequestWithoutRemote;
        requested = true;
        return Event::DataRequest;
    }
    return Event::None;
}

void CommandScanner::reset()
{
    tail.clear();
    remote = false;
    requested = false;
}
