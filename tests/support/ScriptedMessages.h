#pragma once
#include "common/Messages.h"

#include <deque>
#include <string>
#include <vector>

// Records every message in order and answers the questions from a script.
class ScriptedMessages : public Messages {
public:
    struct Record {
        std::string kind; // "error", "warning", "info", "question", "message"
        std::string text;
    };

    void ShowError(const Phrase& message) override { log.push_back({"error", message}); }
    bool AskAbortIgnore(const Phrase& message) override {
        log.push_back({"warning", message});
        return Next(abortAnswers, true);
    }
    void ShowInfo(const Phrase& message) override { log.push_back({"info", message}); }
    bool AskYesNo(const Phrase& message) override {
        log.push_back({"question", message});
        return Next(yesAnswers, false);
    }
    void ShowMessage(const Phrase& message) override { log.push_back({"message", message}); }
    std::optional<std::string> AskText(const Phrase& question, const std::string&) override {
        log.push_back({"text", question});
        if (textAnswers.empty()) {
            return std::nullopt;
        }
        std::optional<std::string> a = textAnswers.front();
        textAnswers.pop_front();
        return a;
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Record& r : log) {
            texts.push_back(r.text);
        }
        return texts;
    }

    std::vector<Record> log;
    std::deque<bool> abortAnswers;                      // true = Abort
    std::deque<bool> yesAnswers;                        // true = Yes
    std::deque<std::optional<std::string>> textAnswers; // none = Cancel

private:
    static bool Next(std::deque<bool>& answers, bool fallback) {
        if (answers.empty()) {
            return fallback;
        }
        bool a = answers.front();
        answers.pop_front();
        return a;
    }
};
