// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReplayDialogs.h"

ReplayDialogs::ReplayDialogs(const LastReport& report, Dialogs& shown)
    : report_(report), shown_(shown)
{
}

std::optional<std::string> ReplayDialogs::nextValue()
{
    if (next_ >= report_.values.size())
        return std::nullopt;
    return report_.values[next_++].text;
}

std::string ReplayDialogs::prompt(const std::string&, const std::string&, const std::string&)
{
    return nextValue().value_or("");
}

void ReplayDialogs::message(const std::string& text, const std::string& title,
                            const std::string& details)
{
    shown_.message(text, title, details);
}

std::optional<std::string> ReplayDialogs::openFile(const FileDialogRequest&) { return nextValue(); }

std::optional<std::string> ReplayDialogs::saveFile(const FileDialogRequest& request)
{
    return shown_.saveFile(request);
}

PrintOutcome ReplayDialogs::printPane(Pane& pane) { return shown_.printPane(pane); }

std::optional<FontChoice> ReplayDialogs::chooseFont(const FontChoice& initial)
{
    return shown_.chooseFont(initial);
}

void ReplayDialogs::runWork(const std::string& title, const std::function<void(WorkMonitor&)>& work)
{
    shown_.runWork(title, work);
}
