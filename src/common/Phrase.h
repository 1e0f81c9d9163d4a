#pragma once
#include <functional>
#include <string>
#include <vector>

// A text the user sees. It is its Spanish text, the program's own language (what the
// Spanish program shows, what logs and tests compare), and it keeps how that text was
// made so that a front end can say it in another language: a Spanish template with
// numbered places (%1 to %9) and the pieces that fill them. A plain string makes a phrase
// shown as it stands (a file name, a number, a text already translated).
//
// The core marks its templates with Say(context, source); the translation tools find
// them there (lupdate takes Say as its QT_TRANSLATE_NOOP), so a translator sees each
// sentence whole with its places, never the pieces glued together.
class Phrase : public std::string {
public:
    // How a front end translates a template; it returns the source when it has no
    // translation.
    using Translator = std::function<std::string(const char* context, const std::string& source)>;

    Phrase() = default;
    Phrase(const char* text) : std::string(text) {}
    Phrase(std::string text) : std::string(std::move(text)) {}

    // A translatable Spanish template of `context` (the layer that says it). Also a word
    // that the core passes on as a plain string and that was marked with Say where it was
    // written (the action and memory names of the progress line).
    static Phrase Template(const char* context, std::string source);
    // Pieces said one after the other, each translated on its own (for a message that is
    // two sentences, or a sentence and a line of detail).
    static Phrase Joined(std::vector<Phrase> pieces);

    // Fills the next place: the first piece given goes to %1, the second to %2. A piece
    // that is itself a template is translated with the rest.
    Phrase Arg(Phrase piece) const;

    const std::string& Spanish() const { return *this; }
    // The text in the language of `translate`.
    std::string Render(const Translator& translate) const;

private:
    void Refresh();
    std::string Fill(const std::string& pattern, const Translator* translate) const;

    const char* context_ = nullptr; // set for a translatable template
    std::string pattern_;           // the template, or "%1%2..." for joined pieces
    bool made_ = false;             // false: a plain text shown as it stands
    std::vector<Phrase> args_;
};

// The core's translatable texts: `source` is the Spanish text exactly as the user sees it
// in Spanish, with %1, %2... where the pieces go.
inline Phrase Say(const char* context, const char* source) {
    return Phrase::Template(context, source);
}
