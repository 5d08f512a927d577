#pragma once
// What a single character of a story can carry besides its formatting: the
// field a begin mark opens, the picture or foreign object a placeholder
// stands for, the table cell or row a cell mark closes.
#include <cstdint>
#include <optional>
#include <string>
#include <variant>

namespace lorivex::engine {

// Word's characters in a story.
namespace Mark {
inline constexpr char16_t Object = 1;       // picture or other inline object
inline constexpr char16_t NoteReference = 2;
inline constexpr char16_t Cell = 7;          // end of cell, end of row
inline constexpr char16_t Tab = 9;
inline constexpr char16_t LineBreak = 11;
inline constexpr char16_t PageBreak = 12;
inline constexpr char16_t Paragraph = 13;
inline constexpr char16_t ColumnBreak = 14;
inline constexpr char16_t FieldBegin = 19;
inline constexpr char16_t FieldSeparator = 20;
inline constexpr char16_t FieldEnd = 21;
inline constexpr char16_t NonBreakingHyphen = 30;
inline constexpr char16_t SoftHyphen = 31;
} // namespace Mark

struct FieldRecord {
    std::u16string Data;   // Word's Field.Data (an ADDIN field's payload)
    std::string RawBegin;  // the begin fldChar's other attributes and children
    // A cross-reference treated as a hyperlink can be given an address and
    // a place in it; its code keeps naming its bookmark, for its result.
    std::optional<std::u16string> LinkAddress;
    std::optional<std::u16string> LinkSubAddress;
};

struct ObjectRecord {
    bool Picture = false;
    std::string Xml;         // the run child as read (w:drawing, w:pict, ...)
    std::string PartName;    // the image part, "word/media/image1.png"
    std::string Bytes;       // the image itself
    std::string ContentType; // "image/png"
    int64_t Cx = 0, Cy = 0;  // size in EMU
};

// Cell marks close either a cell (RowEnd false) or a row. Rows of one table
// share Table; a table inside a cell has a greater Depth.
struct CellRecord {
    bool RowEnd = false;
    int Table = 0;
    int Depth = 1;
    std::string TcPr;    // cell properties, on a cell's mark
    std::string TrPr;    // row properties, on a row's mark
    std::string TblPr;   // table properties and grid, on every row's mark
    std::string TblGrid;
    std::string TblPrEx; // per-row table property exceptions
};

// A piece of HTML inserted from a file (a script block). The page writer
// emits Bytes exactly as read: they are already text of the ANSI code page
// the page is written in, and a script must reach the browser untouched.
struct HtmlBlockRecord {
    std::string Bytes;
    std::string SourceName; // the file it came from, for messages
};
// WordprocessingML has no place for raw HTML: a package keeps a block as a
// field of this code whose data is the block's text, which a word processor
// carries along unseen and the reader turns back into the block.
inline constexpr char16_t HtmlBlockFieldCode[] = u" ADDIN lxHtmlBlock ";

using ExtRecord = std::variant<std::monostate, FieldRecord, ObjectRecord, CellRecord, HtmlBlockRecord>;

} // namespace lorivex::engine
