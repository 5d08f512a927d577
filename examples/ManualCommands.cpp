#include "ManualCommands.h"

#include <algorithm>
#include <stdexcept>

namespace lorivex::manual {

namespace {

std::string Lower(std::string text)
{
    for (auto& c : text)
        if (c >= 'A' && c <= 'Z')
            c = char(c + 32);
    return text;
}

bool IsWordChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           (unsigned char)c >= 0x80;
}

// The script block a popup inserts in front of its link text (without the
// popup's own text): a later popup's text must not be found in it first.
const char* const PopupScript =
    "<div style=\"display:none; width:0px; height:0px; position:absolute; left:-50px; top: -50px;\">"
    "<script language=\"JavaScript\"> hlpctrl=document.getElementById('help_popup_ctrl'); if (hlpctrl==null) { "
    "document.write('<span style=\"display:none;\"><object id=\"help_popup_ctrl\" type=\"application/x-oleobject\" "
    "classid=\"clsid:adb880a6-d8ff-11cf-9377-00aa003b7a11\"></object></span>'); } "
    "lxPopupFont0='Helvetica,10,,italic'; lxPopupText0=''; </script></div>";

// The document's text with, for every paragraph and every span, where it
// starts; what the checks search and what their messages point at.
struct Layout {
    struct Piece {
        size_t Start;
        Location Where;
        size_t Topic;      // index into Manual::Topics
        bool Heading;
        const Span* Source; // the span that starts here, when one does
    };
    std::string Text;
    std::vector<Piece> Pieces; // in text order

    const Piece& At(size_t offset) const
    {
        auto it = std::upper_bound(Pieces.begin(), Pieces.end(), offset,
                                   [](size_t o, const Piece& p) { return o < p.Start; });
        return *(it - 1);
    }
};

Layout Lay(const Manual& manual)
{
    Layout layout;
    size_t topic = 0;
    for (size_t b = 0; b < manual.Blocks.size(); ++b) {
        const Block& block = manual.Blocks[b];
        while (topic + 1 < manual.Topics.size() && manual.Topics[topic + 1].HeadingBlock <= b)
            ++topic;
        switch (block.Kind) {
        case BlockKind::Heading:
            layout.Pieces.push_back({layout.Text.size(), block.Where, topic, true, nullptr});
            layout.Text += block.Title + '\r';
            break;
        case BlockKind::Code:
            for (size_t line = 0; line < block.CodeLines.size(); ++line) {
                layout.Pieces.push_back(
                    {layout.Text.size(), {block.Where.File, block.Where.Line + 1 + int(line)}, topic, false, nullptr});
                layout.Text += block.CodeLines[line] + '\r';
            }
            break;
        default:
            for (const auto& span : block.Spans) {
                layout.Pieces.push_back({layout.Text.size(), span.Where, topic, false, &span});
                layout.Text += span.Text;
            }
            if (block.Spans.empty())
                layout.Pieces.push_back({layout.Text.size(), block.Where, topic, false, nullptr});
            layout.Text += '\r';
        }
    }
    return layout;
}

std::string TopicName(const Manual& manual, size_t topic)
{
    return "\"" + manual.Topics[topic].Path + "\"";
}

// A text that the commands place must stand alone on a command line.
void CheckArgument(const std::string& text, const Location& where)
{
    if (text.find_first_of("\t\r\n") != std::string::npos)
        throw ManualError(where, "a tab or line break cannot go into a command's argument: \"" + text + "\"");
    if (!text.empty() && text[0] == '-')
        throw ManualError(where, "\"" + text + "\" starts with '-', and a command would take it for an option");
}

struct Target {
    std::string What; // for messages: "the index entry \"Options\""
    size_t Start, End;
    Location Where;
};

void CheckOverlaps(std::vector<Target> targets, const Layout& layout)
{
    std::sort(targets.begin(), targets.end(), [](const Target& a, const Target& b) { return a.Start < b.Start; });
    for (size_t i = 1; i < targets.size(); ++i)
        if (targets[i].Start < targets[i - 1].End)
            throw ManualError(targets[i].Where, targets[i].What + " and " + targets[i - 1].What + " (" +
                                                    targets[i - 1].Where.Text() + ") overlap at " +
                                                    layout.At(targets[i].Start).Where.Text() +
                                                    "; one command would cut into the other's text");
}

} // namespace

void AssignPlaceholders(Manual& manual)
{
    std::string taken = Lower(DocumentText(manual));
    for (const auto& block : manual.Blocks)
        for (const auto& span : block.Spans)
            if (span.Kind == SpanKind::Popup)
                taken += '\r' + Lower(span.PopupText);
    int number = 0;
    for (auto& block : manual.Blocks)
        for (auto& span : block.Spans) {
            if (span.Kind != SpanKind::Variable)
                continue;
            std::string word;
            do {
                std::string digits = std::to_string(++number);
                word = "LXVAR" + std::string(digits.size() < 3 ? 3 - digits.size() : 0, '0') + digits;
            } while (taken.find(Lower(word)) != std::string::npos);
            span.Text = word;
        }
}

std::string DocumentText(const Manual& manual)
{
    return Lay(manual).Text;
}

namespace {

// Index entries: the first place the text stands must lie in the body of
// the topic that lists it, as a whole word, spelled as listed. Returned in
// the order their texts stand.
std::vector<CommandLine> KeywordCommands(const Manual& manual, const Layout& layout, const std::string& document,
                                         std::vector<Target>& targets)
{
    const std::string lower = Lower(layout.Text);
    std::vector<std::pair<size_t, CommandLine>> keywords;
    for (size_t t = 0; t < manual.Topics.size(); ++t) {
        for (const auto& entry : manual.Topics[t].IndexEntries) {
            CheckArgument(entry.Text, entry.Where);
            const std::string what = "the index entry \"" + entry.Text + "\"";
            size_t at = lower.find(Lower(entry.Text));
            if (at == std::string::npos)
                throw ManualError(entry.Where, what + " does not occur in the manual's text; an index entry marks "
                                                      "text that is there");
            const auto& piece = layout.At(at);
            const std::string found = layout.Text.substr(at, entry.Text.size());
            const std::string advice = "; \"lorivex keyword --at\" marks the first place the text stands. Reword "
                                       "the earlier text, or choose another entry.";
            if (piece.Topic != t || piece.Heading)
                throw ManualError(entry.Where,
                                  what + " of " + TopicName(manual, t) + " is first found at " + piece.Where.Text() +
                                      (piece.Heading ? ", in the heading of " : ", in ") +
                                      TopicName(manual, piece.Topic) +
                                      (piece.Heading ? " (a heading cannot hold an index field: it would become "
                                                       "part of the topic's title)"
                                                     : "") +
                                      advice);
            if (found != entry.Text)
                throw ManualError(entry.Where, what + " is first found spelled \"" + found + "\" at " +
                                                   piece.Where.Text() + advice);
            size_t end = at + entry.Text.size();
            if ((at > 0 && IsWordChar(layout.Text[at - 1]) && IsWordChar(layout.Text[at])) ||
                (end < layout.Text.size() && IsWordChar(layout.Text[end]) && IsWordChar(layout.Text[end - 1])))
                throw ManualError(entry.Where, what + " is first found inside a longer word at " +
                                                   piece.Where.Text() + advice);
            targets.push_back({what, at, end, entry.Where});
            keywords.push_back({at, {"keyword", document, "--at", entry.Text}});
        }
    }
    std::sort(keywords.begin(), keywords.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<CommandLine> commands;
    for (auto& [at, command] : keywords)
        commands.push_back(std::move(command));
    return commands;
}

// Popups and variables: the first place their text stands is where the
// author put them, and nothing an earlier popup inserts holds it.
void InlineCommands(const Manual& manual, const Layout& layout, const std::string& document,
                    std::vector<Target>& targets, std::vector<CommandLine>& popups,
                    std::vector<CommandLine>& variables)
{
    const std::string lower = Lower(layout.Text);
    for (const auto& piece : layout.Pieces) {
        const Span* span = piece.Source;
        if (!span || span->Kind == SpanKind::Text)
            continue;
        if (span->Text.empty())
            throw std::logic_error("PlanCommands before AssignPlaceholders");
        CheckArgument(span->Text, span->Where);
        const bool popup = span->Kind == SpanKind::Popup;
        const std::string what = popup ? "the popup link text \"" + span->Text + "\""
                                       : "the placeholder of {variable: " + span->Variable + "}";
        size_t at = lower.find(Lower(span->Text));
        if (at != piece.Start)
            throw ManualError(span->Where, what + " is first found at " + layout.At(at).Where.Text() + ", in " +
                                               TopicName(manual, layout.At(at).Topic) + "; \"lorivex " +
                                               (popup ? "popup" : "variable") +
                                               " --at\" would act there. Choose a text that does not occur "
                                               "before this place.");
        if (popup && !popups.empty() && Lower(PopupScript).find(Lower(span->Text)) != std::string::npos)
            throw ManualError(span->Where, what + " occurs in the script that an earlier popup puts into the "
                                                  "document, and would be found there first");
        targets.push_back({what, at, at + span->Text.size(), span->Where});
        if (popup) {
            CheckArgument(span->PopupText, span->Where);
            popups.push_back({"popup", document, "--at", span->Text, "--text", span->PopupText});
        } else {
            variables.push_back({"variable", document, "--at", span->Text, "--name", span->Variable});
        }
    }
    // A popup's script carries its text into the document in front of its
    // link; a later popup's link text found there would draw its command to
    // the wrong place. (Placeholders are chosen to occur in no popup text.)
    for (const auto& piece : layout.Pieces) {
        if (!piece.Source || piece.Source->Kind != SpanKind::Popup)
            continue;
        for (const auto& later : layout.Pieces)
            if (later.Start > piece.Start && later.Source && later.Source->Kind == SpanKind::Popup &&
                Lower(piece.Source->PopupText).find(Lower(later.Source->Text)) != std::string::npos)
                throw ManualError(piece.Source->Where,
                                  "the popup text \"" + piece.Source->PopupText + "\" contains \"" +
                                      later.Source->Text + "\", the link text of a later popup (" +
                                      later.Source->Where.Text() + "), which its command would find here first");
    }
}

std::vector<CommandLine> RelatedCommands(const Manual& manual, const std::string& document)
{
    std::vector<CommandLine> commands;
    for (const auto& topic : manual.Topics) {
        if (topic.Related.empty())
            continue;
        CheckArgument(topic.Path, manual.Blocks[topic.HeadingBlock].Where);
        CommandLine line = {"related", document, "--topic", topic.Path};
        for (const auto& path : topic.Related) {
            CheckArgument(path.Text, path.Where);
            line.push_back("--select");
            line.push_back(path.Text);
        }
        commands.push_back(line);
    }
    return commands;
}

} // namespace

std::vector<CommandLine> PlanCommands(const Manual& manual, const std::string& document,
                                      const std::string& styleSheet)
{
    const Layout layout = Lay(manual);
    std::vector<Target> targets;
    std::vector<CommandLine> commands = KeywordCommands(manual, layout, document, targets), popups, variables;
    InlineCommands(manual, layout, document, targets, popups, variables);
    CheckOverlaps(targets, layout);
    for (auto* group : {&popups, &variables})
        commands.insert(commands.end(), group->begin(), group->end());
    for (auto& command : RelatedCommands(manual, document))
        commands.push_back(std::move(command));
    if (manual.StyleSheet)
        commands.push_back({"stylesheet", document, styleSheet});
    return commands;
}

void WriteCommands(const std::vector<CommandLine>& commands, std::ostream& out)
{
    for (const auto& command : commands) {
        for (size_t i = 0; i < command.size(); ++i)
            out << (i ? "\t" : "") << command[i];
        out << '\n';
    }
}

} // namespace lorivex::manual
