#pragma once
// The add-in's own small pictures, 16 x 16, drawn from the pixel maps in
// Glyphs.cpp: the toolbar's buttons, the topic tree of the related-topics
// dialog and the recent-files menu. Each picture's background is its
// transparent colour.
#include "ui/Picture.h"

namespace lorivex {

enum class TGlyph {
    // The topic tree: a topic with subtopics, a topic, the topic being edited.
    Folder, Page, PageWithPencil,
    // The recent-files menu: a Word document, a compiled help file.
    WordDocument, HelpFile,
    // The toolbar.
    Compile, About, Help, Recent, Templates, Symbols, TextPopup, Variable, RelatedTopics, PasteCode, StyleSheet
};

ui::TBitmapPtr MakeGlyph(TGlyph glyph);

} // namespace lorivex
