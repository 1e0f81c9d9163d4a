#include "common/Phrase.h"

Phrase Phrase::Template(const char* context, std::string source) {
    Phrase p;
    p.context_ = context;
    p.pattern_ = std::move(source);
    p.made_ = true;
    p.Refresh();
    return p;
}

Phrase Phrase::Joined(std::vector<Phrase> pieces) {
    Phrase p;
    p.made_ = true;
    for (size_t i = 0; i < pieces.size(); ++i) {
        p.pattern_ += "%" + std::to_string(i + 1);
    }
    p.args_ = std::move(pieces);
    p.Refresh();
    return p;
}

Phrase Phrase::Arg(Phrase piece) const {
    Phrase p = *this;
    if (!p.made_) {
        // A plain text with places is a template shown as it stands, pieces translated.
        p.pattern_ = Spanish();
        p.made_ = true;
    }
    p.args_.push_back(std::move(piece));
    p.Refresh();
    return p;
}

std::string Phrase::Render(const Translator& translate) const {
    if (!made_) {
        return Spanish();
    }
    return Fill(context_ != nullptr ? translate(context_, pattern_) : pattern_, &translate);
}

void Phrase::Refresh() {
    static_cast<std::string&>(*this) = Fill(pattern_, nullptr);
}

// One pass over the pattern, so that a piece holding "%1" is shown as it is. A place
// number with no piece yet stays as written.
std::string Phrase::Fill(const std::string& pattern, const Translator* translate) const {
    std::string out;
    for (size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const size_t n = static_cast<size_t>(pattern[i + 1] - '1');
            if (n < args_.size()) {
                out += translate != nullptr ? args_[n].Render(*translate) : args_[n].Spanish();
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}
