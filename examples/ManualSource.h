#pragma once
// The source of Lorivex's own manual: plain text files that read well in an
// editor and in a diff, parsed here into headings, paragraphs, lists, code
// and the help constructs that the build adds with Lorivex's own commands.
//
// The format, line by line:
//   # Title .. #### Title   a heading of level 1 to 4: it starts a topic
//   text lines              a paragraph; lines run on until a blank line
//   - item / 1. item        bullet and numbered list items; the lines up to
//                           the next item or blank line continue the item
//   ```                     a code block up to the next ``` line, verbatim
//   {index: A; B}           index entries of the topic: the first place in
//                           the whole manual where the text A stands
//   {related: P; Q}         the topic's related topics, by path
//                           ("Installing Lorivex\Requirements")
//   {stylesheet: file.css}  the stylesheet every page links to
//   {property: Name = Val}  a custom document property (lxSeeAlsoTitle ...);
//                           "Val" in double quotes keeps its blanks
// Inside paragraphs and list items:
//   **bold**  *italic*  `code`
//   {popup: text | popup text}   text that opens a popup window
//   {variable: lxTopicTitle}     a topic variable (VariableNames below)
//   \*  \`  \{  \}  \|  \\       the character itself
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace lorivex::manual {

// Where a piece of the source stands, for messages an author can act on.
struct Location {
    std::string File;
    int Line = 0;
    std::string Text() const { return File + ":" + std::to_string(Line); }
};

class ManualError : public std::runtime_error {
public:
    ManualError(const Location& where, const std::string& message)
        : std::runtime_error(where.Text() + ": " + message)
    {
    }
    explicit ManualError(const std::string& message) : std::runtime_error(message) {}
};

enum class SpanKind { Text, Popup, Variable };

// A stretch of inline text with one formatting.
struct Span {
    SpanKind Kind = SpanKind::Text;
    std::string Text;       // what the reader sees (for a popup: the link text)
    bool Bold = false;
    bool Italic = false;
    bool Code = false;
    std::string PopupText;  // Popup only
    std::string Variable;   // Variable only: the property name
    Location Where;
};

enum class BlockKind { Heading, Paragraph, Bullet, Numbered, Code };

struct Block {
    BlockKind Kind = BlockKind::Paragraph;
    int Level = 0;                       // Heading: 1 to 4
    std::string Title;                   // Heading only
    std::vector<Span> Spans;             // Paragraph, Bullet, Numbered
    std::vector<std::string> CodeLines;  // Code only
    int ListNumber = 0;                  // Bullet, Numbered: which list, from 1
    Location Where;
};

struct Entry {
    std::string Text;
    Location Where;
};

struct Topic {
    size_t HeadingBlock = 0;  // index of its heading in Manual::Blocks
    std::string Path;         // titles from the top level down, joined by "\"
    std::vector<Entry> IndexEntries;
    std::vector<Entry> Related;  // topic paths
    Location RelatedWhere;
};

struct Property {
    std::string Name, Value;
    Location Where;
};

struct Manual {
    std::vector<Block> Blocks;
    std::vector<Topic> Topics;
    std::vector<Property> Properties;
    std::optional<Entry> StyleSheet;  // as written, relative to the source folder
};

// The five topic variables, in the order the Insert Variable dialog lists them.
const std::vector<std::string>& VariableNames();

// One source file's text into the manual being built; files are added in
// the order their contents follow each other. Throws ManualError.
void ParseSource(Manual& manual, const std::string& fileName, const std::string& text);

// Checks what only the whole manual can tell: every related path names a
// topic, no two topics share a path. Throws ManualError.
void CheckManual(const Manual& manual);

// Every *.txt file of the folder, in the order of their names.
Manual ReadManual(const std::string& folder);

} // namespace lorivex::manual
