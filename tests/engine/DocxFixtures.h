#pragma once
// Two documents as two kinds of producers write them, holding everything
// authors' documents hold (headings, nested and simple fields with data,
// bookmarks, hyperlinks, tables, lists, pictures, headers and footers,
// properties, comments) and elements the engine does not model, for the
// tests that take documents through a save; and a dump of the engine's
// model that such tests compare.
#include <string>

#include "engine/DocumentModel.h"
#include "engine/DocxBuilder.h"

namespace lorivex::test {

DocxBuilder WordLikeDocument();
// Another producer's habits: the main namespace under its own prefix,
// simple fields, bookmarks across paragraphs, a nested table.
DocxBuilder OtherProducerDocument();

// Every story's characters, formats, records and anchored things, one line each.
std::string DumpModel(const engine::DocumentModel& model);

// The parts of a package, name -> bytes.
std::map<std::string, std::string> ReadParts(const std::string& fileName);

inline const std::string PngBytes = std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\0\1\0\0\0\1\x08\x06\0\0\0", 24);

} // namespace lorivex::test
