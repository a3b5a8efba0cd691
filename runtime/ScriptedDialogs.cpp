// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedDialogs.h"

#include "TextEncoding.h"
#include "TextFunctions.h"

#include <iostream>
#include <utility>

ScriptedDialogs::ScriptedDialogs(std::vector<std::string> answers, std::ostream& messages,
                                 bool askTerminal)
    : answers_(answers.begin(), answers.end()), messages_(messages), askTerminal_(askTerminal)
{
}

std::optional<std::string> ScriptedDialogs::nextAnswer()
{
    if (answers_.empty())
        return std::nullopt;
    std::string answer = std::move(answers_.front());
    answers_.pop_front();
    return answer;
}

std::string ScriptedDialogs::prompt(const std::string& text, const std::string& title,
                                    const std::string& defaultText)
{
    shown_.push_back({"prompt", text, title, defaultText, {}});
    if (auto answer = nextAnswer())
        return *answer;
    if (!askTerminal_)
        return defaultText;
    std::cerr << "[" << escapeControls(title) << "] " << escapeControls(text) << "\n  (Enter keeps ["
              << escapeControls(defaultText) << "], end of input cancels): " << std::flush;
    std::string line;
    if (!std::getline(std::cin, line))
        return "";
    return line.empty() ? defaultText : line;
}

void ScriptedDialogs::message(const std::string& text, const std::string& title,
                              const std::string& details)
{
    shown_.push_back({"message", text, title, {}, details});
    messages_ << "[" << escapeControls(title) << "] " << escapeControls(text) << "\n";
    if (writeDetails && !details.empty())
        messages_ << "[" << escapeControls(title) << " details]\n" << escapeControls(details);
}

std::optional<std::string> ScriptedDialogs::fileAnswer(const char* kind,
                                                       const FileDialogRequest& request)
{
    shown_.push_back({kind, {}, request.title, request.fileName, {}});
    auto answer = nextAnswer();
    if (!answer || answer->empty())
        return std::nullopt;
    return answer;
}

std::optional<std::string> ScriptedDialogs::openFile(const FileDialogRequest& request)
{
    return fileAnswer("open", request);
}

std::optional<std::string> ScriptedDialogs::saveFile(const FileDialogRequest& request)
{
    return fileAnswer("save", request);
}

PrintOutcome ScriptedDialogs::printPane(Pane& pane)
{
    shown_.push_back({"print", {}, {}, pane.selectionLength() > 0 ? "selection" : "all", {}});
    if (prints.empty())
        return {};
    PrintOutcome outcome = prints.front();
    prints.pop_front();
    if (outcome.kind == PrintOutcome::Kind::Printed)
        printed.push_back(pane.selectionLength() > 0 ? pane.selectedText() : pane.text());
    return outcome;
}

std::optional<FontChoice> ScriptedDialogs::chooseFont(const FontChoice& initial)
{
    shown_.push_back({"font", initial.name, {}, generalForm(initial.size), {}});
    if (fonts.empty())
        return std::nullopt;
    FontChoice choice = fonts.front();
    fonts.pop_front();
    return choice;
}
