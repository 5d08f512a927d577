// Tables of the body: Word keeps a table as cell and row marks in the text,
// the page as nested elements, opened as the paragraphs' depth rises.
#include "engine/html/HtmlBody.h"

namespace lorivex::engine::html {

void HtmlBody::EnterTables(size_t depth, long from)
{
    while (tables_.size() > depth)
        CloseTable();
    while (tables_.size() < depth)
        OpenTable(from);
    if (tables_.empty())
        return;
    auto& level = tables_.back();
    if (!level.Row) {
        out_ += "<tr>\r\n";
        level.Row = true;
    }
    if (!level.Cell) {
        out_ += "<td valign=\"top\">\r\n";
        level.Cell = true;
    }
}

void HtmlBody::OpenTable(long from)
{
    if (!tables_.empty())
        EnterTables(tables_.size(), from); // a nested table sits inside a cell
    // The borders are a table property, kept on the row's end mark.
    std::string border = "0";
    for (long i = from; i < story_.Length(); ++i) {
        const CharAttr& attr = story_.Attrs[size_t(i)];
        if (story_.Text[size_t(i)] != Mark::Cell || !attr.Ext)
            continue;
        auto* cell = std::get_if<CellRecord>(&model_.Record(attr.Ext));
        int depth = model_.ParaFormats[attr.Para].TableDepth;
        if (cell && cell->RowEnd && (depth == 0 || size_t(depth) == tables_.size() + 1)) {
            bool lines = cell->TblPr.find("tblBorders") != std::string::npos ||
                         cell->TblPr.find("TableGrid") != std::string::npos;
            border = lines ? "1" : "0";
            break;
        }
    }
    out_ += "<table border=\"" + border + "\" cellspacing=\"0\" cellpadding=\"4\">\r\n";
    tables_.push_back({});
}

void HtmlBody::CloseCell()
{
    if (!tables_.empty() && tables_.back().Cell) {
        out_ += "</td>\r\n";
        tables_.back().Cell = false;
    }
}

void HtmlBody::CloseRow()
{
    CloseCell();
    if (!tables_.empty() && tables_.back().Row) {
        out_ += "</tr>\r\n";
        tables_.back().Row = false;
    }
}

void HtmlBody::CloseTable()
{
    CloseRow();
    out_ += "</table>\r\n";
    tables_.pop_back();
}

} // namespace lorivex::engine::html
