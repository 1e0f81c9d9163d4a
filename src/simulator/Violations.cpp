#include "simulator/Violations.h"

namespace Sim {

const char* RuleName(Rule rule) {
    switch (rule) {
    case Rule::ClockHigh:
        return "ClockHigh";
    case Rule::ClockLow:
        return "ClockLow";
    case Rule::ClockPeriod:
        return "ClockPeriod";
    case Rule::DataSetup:
        return "DataSetup";
    case Rule::DataHold:
        return "DataHold";
    case Rule::EntryLevels:
        return "EntryLevels";
    case Rule::EntryHold:
        return "EntryHold";
    case Rule::SupplyOrder:
        return "SupplyOrder";
    case Rule::CommandToData:
        return "CommandToData";
    case Rule::CommandToCommand:
        return "CommandToCommand";
    case Rule::CommandToOperand:
        return "CommandToOperand";
    case Rule::ReadTooSoon:
        return "ReadTooSoon";
    case Rule::ProgramTime:
        return "ProgramTime";
    case Rule::EraseTime:
        return "EraseTime";
    case Rule::ProgramHold:
        return "ProgramHold";
    case Rule::DischargeTime:
        return "DischargeTime";
    case Rule::MissingEnd:
        return "MissingEnd";
    case Rule::BeginWithoutLoad:
        return "BeginWithoutLoad";
    case Rule::PartialRow:
        return "PartialRow";
    case Rule::StaleLatch:
        return "StaleLatch";
    case Rule::ConfigPulses:
        return "ConfigPulses";
    case Rule::UnknownCommand:
        return "UnknownCommand";
    case Rule::UnsupportedInstruction:
        return "UnsupportedInstruction";
    case Rule::BadProgramStart:
        return "BadProgramStart";
    case Rule::WrongSpace:
        return "WrongSpace";
    case Rule::PanelMode:
        return "PanelMode";
    case Rule::UnknownEraseCode:
        return "UnknownEraseCode";
    case Rule::EepromWriteRefused:
        return "EepromWriteRefused";
    case Rule::BusContention:
        return "BusContention";
    case Rule::Count:
        break;
    }
    return "?";
}

void Violations::Add(Rule rule, int64_t timeNs) {
    ++counts_[static_cast<size_t>(rule)];
    if (events_.size() < KeptEvents) {
        events_.push_back({rule, timeNs});
    }
}

int Violations::Total() const {
    int total = 0;
    for (int c : counts_) {
        total += c;
    }
    return total;
}

void Violations::Clear() {
    counts_.fill(0);
    events_.clear();
}

std::string Violations::Summary() const {
    std::string text;
    for (size_t i = 0; i < counts_.size(); ++i) {
        if (counts_[i] == 0) {
            continue;
        }
        if (!text.empty()) {
            text += ' ';
        }
        text += RuleName(static_cast<Rule>(i));
        text += '=';
        text += std::to_string(counts_[i]);
    }
    return text.empty() ? "none" : text;
}

} // namespace Sim
